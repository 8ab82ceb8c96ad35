#pragma once

#include <functional>

#include "text/messages.h"

class BracketDocument;
class DocumentManager;
class QAction;
class QWidget;

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
                            std::function<void(BracketDocument*)> command);
