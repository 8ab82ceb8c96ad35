#pragma once

#include <QObject>

#include "commands/editor_actions.h"

class QWidget;

namespace kaz::app {

class DocumentManager;

// ツール → 決勝トーナメントを作る: the knockout of the active pool stage, drawn as the dialog
// says and opened as a new bracket that follows the stage (KnockoutLinks).
class KnockoutCommands : public QObject {
    Q_OBJECT
public:
    // `window` is the dialog's parent and owns this object.
    KnockoutCommands(const EditorActions& actions, QWidget* window, DocumentManager* documents);

private:
    void makeKnockout();

    QWidget* m_window;
    DocumentManager* m_documents;
};

}  // namespace kaz::app
