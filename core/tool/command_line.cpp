#include "tool/command_line.h"

#include <algorithm>
#include <cstdio>

#include "platform/platform_files.h"
#include "platform/user_language.h"

namespace kaz {

bool CommandLine::has(std::string_view name) const {
    return std::any_of(options.begin(), options.end(),
                       [name](const auto& option) { return option.first == name; });
}

std::optional<std::string> CommandLine::value(std::string_view name) const {
    for (auto it = options.rbegin(); it != options.rend(); ++it) {
        if (it->first == name) return it->second;
    }
    return std::nullopt;
}

Language toolLanguage() {
    static const Language language = platform::userLanguage();
    return language;
}

std::string toolText(const Message& message) { return messageText(message, toolLanguage()); }

namespace {

// The first folder on the way to `path` that does not exist; empty where its folder exists.
std::string missingFolder(const std::string& path) {
    std::string missing;
    for (std::string folder = platform::parentFolder(path);
         folder != missing && !platform::fileIdentity(folder);
         folder = platform::parentFolder(folder)) {
        missing = folder;
    }
    return missing;
}

}  // namespace

std::string toolText(const Failure& failure) {
    const std::string& path = failure.path;
    if (failure.cause == FileError::AccessDenied && platform::isFolder(path)) {
        return toolText(Message(MessageId::IsFolder, {path}));
    }
    if (failure.cause == FileError::BadPath) {
        const std::string folder = missingFolder(path);
        if (!folder.empty()) return toolText(Message(MessageId::FolderMissing, {folder}));
    }
    const std::string text = toolText(failure.message());
    const bool namesPath =
        std::string_view(messageTemplate(MessageId(failure.cause), Language::Japanese))
            .find("%1") != std::string_view::npos;
    return namesPath || path.empty() ? text : path + ": " + text;
}

std::string unknownOptionMessage(const std::string& option) {
    return toolText(Message(MessageId::UnknownOption, {option}));
}

CommandLine parseCommandLine(int argc, const char* const* argv,
                             const std::vector<OptionSpec>& known) {
    const std::vector<std::string> args = platform::processArguments(argc, argv);
    CommandLine line;
    bool optionsEnded = false;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            line.operands.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const auto option = std::find_if(known.begin(), known.end(),
                                         [&arg](const OptionSpec& s) { return s.name == arg; });
        if (option == known.end()) {
            if (!line.error) line.error = unknownOptionMessage(arg);
            continue;
        }
        if (!option->takesValue) {
            line.options.emplace_back(arg, std::string());
        } else if (i + 1 < args.size()) {
            line.options.emplace_back(arg, args[++i]);
        } else if (!line.error) {
            line.error = toolText(Message(MessageId::OptionNeedsValue, {arg}));
        }
    }
    return line;
}

std::optional<int> answerHelpOrVersion(const CommandLine& line, const ToolText& tool) {
    // Straight to standard output, as the tools' reports go: lines end in LF on every system.
    std::string text;
    if (line.has("--help")) {
        text = toolText(tool.usage) + toolText(tool.help);
    } else if (line.has("--version")) {
        text = std::string(tool.name) + " " + KAZ_VERSION + "\n";
    } else {
        return std::nullopt;
    }
    return platform::writeStandardOutput(text) == FileError::None ? 0 : 1;
}

int reportFailure(const ToolText& tool, const std::string& message) {
    std::fprintf(stderr, "%s: %s\n", tool.name, message.c_str());
    return 1;
}

int reportUsageError(const ToolText& tool, const std::string& what) {
    std::fprintf(stderr, "%s: %s\n%s", tool.name, what.c_str(), toolText(tool.usage).c_str());
    return 2;
}

}  // namespace kaz
