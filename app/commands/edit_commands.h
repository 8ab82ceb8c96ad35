#pragma once

#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QPointer>

#include "commands/editor_actions.h"

class QLineEdit;
class QMainWindow;

namespace kaz::app {

class DocumentManager;

// The 編集 menu's work: 元に戻す and やり直し on the active bracket's history, 切り取り, ｺﾋﾟｰ
// and 貼り付け in the focused text box, and 表をｺﾋﾟｰ, the whole bracket on the clipboard as a
// picture, a table and text. Each is enabled exactly while it can act, and the undo and redo
// prompts name the step they would take back or make again.
class EditCommands : public QObject {
    Q_OBJECT
public:
    EditCommands(const EditorActions& actions, QMainWindow* window, DocumentManager* documents);

private:
    void updateHistory();
    void updateTextCommands();
    void onFocusChanged(QWidget* now);
    void paste();
    void copyBracket();
    // The box that has (or last had) the focus, while it is still a line edit: a box being
    // destroyed hands its focus on from QWidget's destructor, when it is no longer one.
    QLineEdit* focusedEdit() const;

    const EditorActions& m_actions;
    QMainWindow* m_window;
    DocumentManager* m_documents;
    QPointer<QWidget> m_focusedBox;
    QList<QMetaObject::Connection> m_editConnections;
};

}  // namespace kaz::app
