#pragma once

#include <functional>

#include "text/messages.h"

namespace kaz::gui {
class BracketDocument;
class PoolDocument;
}  // namespace kaz::gui

class QAction;
class QWidget;

namespace kaz::app {

class DocumentManager;

// Runs `command`: every command of the shell runs through here, the one place where running
// out of memory is caught. The work stops, the user is told the text of `whenOutOfMemory`
// (what was being done: opening or storing a bracket), and the program and every open bracket
// go on.
void runCommand(QWidget* window, const std::function<void()>& command,
                kaz::FileError whenOutOfMemory = kaz::FileError::SaveFailed);

// Connects `action` to `command`, run as runCommand runs it.
void connectCommand(QAction* action, QWidget* window, std::function<void()> command,
                    kaz::FileError whenOutOfMemory = kaz::FileError::SaveFailed);

// Connects `action` to `command` on the active bracket of `documents`, if there is one, run as
// runCommand runs it.
void connectDocumentCommand(QAction* action, QWidget* window, const DocumentManager* documents,
                            std::function<void(gui::BracketDocument*)> command);
// The same for a command that serves either kind of document: `bracketCommand` on the active
// bracket, `poolCommand` on the active pool stage.
void connectDocumentCommand(QAction* action, QWidget* window, const DocumentManager* documents,
                            std::function<void(gui::BracketDocument*)> bracketCommand,
                            std::function<void(gui::PoolDocument*)> poolCommand);

}  // namespace kaz::app
