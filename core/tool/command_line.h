#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "io/result.h"
#include "text/messages.h"

// The arguments of a command-line tool, taken the one way every tool of the project takes
// them: options start with "-" (but "-" alone is an operand, standard input or output), "--"
// ends the options, and an option that takes a value takes the next argument.

namespace kaz {

struct OptionSpec {
    std::string_view name;  // "--scale"
    bool takesValue = false;
};

struct CommandLine {
    std::vector<std::pair<std::string, std::string>> options;  // name and value, as given
    std::vector<std::string> operands;
    // The first unknown option or option without its value, as the tool says it.
    std::optional<std::string> error;

    bool has(std::string_view name) const;
    // The value given last for `name`, or nothing.
    std::optional<std::string> value(std::string_view name) const;
};

// The language the tools speak: the user's (platform::userLanguage), read once.
Language toolLanguage();
// A message of the core, or a tool's own text, in the tools' language.
std::string toolText(const Message& message);
// What a tool says of `failure`, in its language: a folder given as a file is said to be one,
// an output in a missing folder names the first folder missing, and a message whose text names
// no path follows the path ("a.kaz: 予期しないﾌｧｲﾙ形式です。").
std::string toolText(const Failure& failure);

// "<option> というオプションはありません。": what a tool says of an option it does not know.
std::string unknownOptionMessage(const std::string& option);

// Parses the arguments of main (argv[1 …], on Windows read afresh from the UTF-16 command line
// so that every file name arrives whole, as UTF-8) against the tool's `known` options.
CommandLine parseCommandLine(int argc, const char* const* argv,
                             const std::vector<OptionSpec>& known);

// What a tool says of itself: its name, its usage line and its help text.
struct ToolText {
    const char* name;
    MessageId usage;
    MessageId help;
};

// Answers --help (usage and help, in the tools' language) or --version on standard output, which
// win over every other argument; the exit status then (0), or nothing when neither was asked for.
std::optional<int> answerHelpOrVersion(const CommandLine& line, const ToolText& tool);

// "NAME: message" on standard error; the exit status of a failure (1).
int reportFailure(const ToolText& tool, const std::string& message);

// "NAME: what" and the usage line on standard error; the exit status of wrong arguments (2).
int reportUsageError(const ToolText& tool, const std::string& what);

}  // namespace kaz
