#pragma once

#include <functional>

#include "text/messages.h"

class QAction;
class QWidget;

// Connects `action` to `command`. Every command of the shell runs through here, the one place
// where running out of memory is caught: the work stops, the user is told the text of
// `whenOutOfMemory` (what was being done: opening or storing a bracket), and the program and
// every open bracket go on.
void connectCommand(QAction* action, QWidget* window, std::function<void()> command,
                    kaz::FileError whenOutOfMemory = kaz::FileError::SaveFailed);
