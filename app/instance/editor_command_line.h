#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace kaz::app {

// What kaz_edit takes on its command line: the brackets to open, and --help and --version,
// answered as the command-line tools answer them.

// Answers --help or --version (which win over every other argument) on standard output,
// before any window system is reached; the exit status then (0), or nothing.
std::optional<int> answerEditorHelpOrVersion(int argc, char** argv);

// The files named in `arguments` (the program first, then what Qt left of the command line
// after taking its own options), as absolute paths; "--" ends the options. An option the
// editor does not know goes to `unknown` (the first one only).
QStringList namedFiles(const QStringList& arguments, QString* unknown);

// "kaz_edit: <option> というオプションはありません。" and the usage line on standard error;
// the exit status of wrong arguments (2).
int refuseOption(const QString& option);

}  // namespace kaz::app
