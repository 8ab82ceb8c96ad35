#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/messages.h"
#include "tool/command_line.h"

// What a command-line tool may write over: never its own input, under whatever name, and never
// an existing file of another kind than the one it writes (a list or a bracket replaced by a
// page). An older file of the same kind is replaced, as a new version of it.

namespace kaz {

// The kinds of file the project reads and writes.
enum class FileKind {
    Other,  // nothing the project knows; written over as any file is
    Bracket,
    EntrantList,
    PoolFile,
    Page,
    Picture,
};

// How many first bytes of a file fileKind looks at.
constexpr size_t kFileKindBytes = 16;

// The kind of the file named `name` that begins with `firstBytes`: by what it holds where its
// first bytes tell (a page, a PNG or PDF picture, a bracket's member count), else by the name's
// suffix (.kaz; .txt, .csv, .tsv; .json, .kazpool; .html, .htm; .png, .pdf, .svg).
FileKind fileKind(std::string_view name, std::string_view firstBytes);

// Why a tool that writes `written` may not write `output`, having been given `inputs`: the
// output is one of them (by identity: a link or another spelling of the same file counts), or
// an existing file of another known kind. Nothing where it may be written.
std::optional<Message> outputRefusal(const std::string& output, FileKind written,
                                     const std::vector<std::string>& inputs);

// The refusal of writing to standard output where it is one of `inputs` (a shell's "> a.kaz" or
// ">> a.kaz" after reading a.kaz), naming that input; nothing otherwise.
std::optional<Message> standardOutputRefusal(const std::vector<std::string>& inputs);

// Tells outputRefusal's refusal on standard error and gives the exit status of wrong arguments
// (2); nothing where `output` may be written.
std::optional<int> refuseOutput(const ToolText& tool, const std::string& output, FileKind written,
                                const std::vector<std::string>& inputs);
// The same for standard output (standardOutputRefusal).
std::optional<int> refuseStandardOutput(const ToolText& tool,
                                        const std::vector<std::string>& inputs);

}  // namespace kaz
