#include "commands/command_runner.h"

#include <QAction>
#include <QWidget>
#include <new>

#include "document/file_access.h"
#include "documents/document_manager.h"

namespace kaz::app {

void runCommand(QWidget* window, const std::function<void()>& command,
                kaz::FileError whenOutOfMemory) {
    try {
        command();
    } catch (const std::bad_alloc&) {
        gui::showFailure(window, kaz::Failure{whenOutOfMemory, std::string()});
    }
}

void connectCommand(QAction* action, QWidget* window, std::function<void()> command,
                    kaz::FileError whenOutOfMemory) {
    QObject::connect(action, &QAction::triggered, window,
                     [window, command = std::move(command), whenOutOfMemory] {
                         runCommand(window, command, whenOutOfMemory);
                     });
}

void connectDocumentCommand(QAction* action, QWidget* window, const DocumentManager* documents,
                            std::function<void(gui::BracketDocument*)> command) {
    connectCommand(action, window, [documents, command = std::move(command)] {
        if (gui::BracketDocument* doc = documents->activeDocument()) command(doc);
    });
}

void connectDocumentCommand(QAction* action, QWidget* window, const DocumentManager* documents,
                            std::function<void(gui::BracketDocument*)> bracketCommand,
                            std::function<void(gui::PoolDocument*)> poolCommand) {
    connectCommand(action, window,
                   [documents, bracketCommand = std::move(bracketCommand),
                    poolCommand = std::move(poolCommand)] {
                       if (gui::BracketDocument* doc = documents->activeDocument()) {
                           bracketCommand(doc);
                       } else if (gui::PoolDocument* pools = documents->activePoolDocument()) {
                           poolCommand(pools);
                       }
                   });
}

}  // namespace kaz::app
