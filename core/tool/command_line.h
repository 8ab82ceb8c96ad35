#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// Parses the arguments of main (argv[1 …], on Windows read afresh from the UTF-16 command line
// so that every file name arrives whole, as UTF-8) against the tool's `known` options.
CommandLine parseCommandLine(int argc, const char* const* argv,
                             const std::vector<OptionSpec>& known);

}  // namespace kaz
