#pragma once

#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QPointer>

#include "commands/editor_actions.h"

namespace kaz::gui {
class BracketDocument;
}
class QWidget;

namespace kaz::app {

class DocumentManager;

// The sheet around the active bracket (or the rules and sheet of the active pool stage, see
// PoolSettingsDialog): "表の設定" edits its title, second line, round names,
// match numbers and club column (OK is one step, or none when nothing changed), and
// 表示 → "所属" shows or hides the club column, checked while it shows.
class SheetCommands : public QObject {
    Q_OBJECT
public:
    // `window` is the dialogs' parent and owns this object.
    SheetCommands(const EditorActions& actions, QWidget* window, DocumentManager* documents);

private:
    // Follows the bracket of the active window (nullptr: none).
    void follow(gui::BracketDocument* doc);
    void editSheet();
    void showClubs(bool shown);
    void updateClubCheck();

    const EditorActions& m_actions;
    QWidget* m_window;
    DocumentManager* m_documents;
    QPointer<gui::BracketDocument> m_document;
    QMetaObject::Connection m_sheetConnection;
};

}  // namespace kaz::app
