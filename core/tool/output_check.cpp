#include "tool/output_check.h"

#include <algorithm>
#include <cstdio>

#include "bracket/bracket_shape.h"
#include "io/file_io.h"
#include "platform/platform_files.h"
#include "pools/pool_file.h"

namespace kaz {

namespace {

char lowered(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool startsWithNoCase(std::string_view text, std::string_view start) {
    if (text.size() < start.size()) return false;
    return std::equal(start.begin(), start.end(), text.begin(),
                      [](char a, char b) { return a == lowered(b); });
}

std::string_view suffixOf(std::string_view name) {
    const size_t dot = name.find_last_of('.');
    if (dot == std::string_view::npos) return {};
    const std::string_view suffix = name.substr(dot);
    return suffix.find_first_of("/\\") == std::string_view::npos ? suffix : std::string_view();
}

// The kind the first bytes show, or Other where they tell nothing.
FileKind kindByContent(std::string_view bytes) {
    if (bytes.substr(0, 8) == std::string_view("\x89PNG\r\n\x1a\n", 8)) return FileKind::Picture;
    if (bytes.substr(0, 5) == "%PDF-") return FileKind::Picture;
    if (bytes.size() >= 4) {
        // A bracket begins with its member count, a little-endian 32-bit number.
        const auto byte = [&bytes](size_t i) { return uint32_t(uint8_t(bytes[i])); };
        const uint32_t count = byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24;
        if (count <= uint32_t(kMaxMembers) && isValidMemberCount(int(count))) {
            return FileKind::Bracket;
        }
    }
    std::string_view text = bytes;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    while (!text.empty() &&
           (text[0] == ' ' || text[0] == '\t' || text[0] == '\r' || text[0] == '\n')) {
        text.remove_prefix(1);
    }
    if (startsWithNoCase(text, "<!doctype html") || startsWithNoCase(text, "<html")) {
        return FileKind::Page;
    }
    return FileKind::Other;
}

FileKind kindBySuffix(std::string_view name) {
    struct Suffix {
        std::string_view suffix;
        FileKind kind;
    };
    static constexpr Suffix kSuffixes[] = {
        {".kaz", FileKind::Bracket},     {".txt", FileKind::EntrantList},
        {".csv", FileKind::EntrantList}, {".tsv", FileKind::EntrantList},
        {".json", FileKind::PoolFile},   {kPoolFileExtension, FileKind::PoolFile},
        {".html", FileKind::Page},       {".htm", FileKind::Page},
        {".png", FileKind::Picture},     {".pdf", FileKind::Picture},
        {".svg", FileKind::Picture},
    };
    const std::string_view suffix = suffixOf(name);
    for (const Suffix& known : kSuffixes) {
        if (suffix.size() == known.suffix.size() && startsWithNoCase(suffix, known.suffix)) {
            return known.kind;
        }
    }
    return FileKind::Other;
}

MessageId refusalOf(FileKind existing) {
    switch (existing) {
        case FileKind::Bracket: return MessageId::OutputIsBracket;
        case FileKind::EntrantList: return MessageId::OutputIsList;
        case FileKind::PoolFile: return MessageId::OutputIsPoolFile;
        case FileKind::Page: return MessageId::OutputIsPage;
        case FileKind::Picture: return MessageId::OutputIsPicture;
        case FileKind::Other: break;
    }
    return MessageId::NoError;
}

}  // namespace

FileKind fileKind(std::string_view name, std::string_view firstBytes) {
    const FileKind byContent = kindByContent(firstBytes);
    return byContent != FileKind::Other ? byContent : kindBySuffix(name);
}

std::optional<Message> outputRefusal(const std::string& output, FileKind written,
                                     const std::vector<std::string>& inputs) {
    const std::optional<platform::FileIdentity> target = platform::fileIdentity(output);
    if (!target) return std::nullopt;  // a new file
    for (const std::string& input : inputs) {
        if (platform::fileIdentity(input) == target) {
            return Message(MessageId::OutputIsInput, {output});
        }
    }
    // Only a regular file has a kind: a folder is left to the write, which refuses it, and a
    // device or FIFO is written straight. One that cannot be read has the kind of its name.
    if (platform::isFolder(output)) return std::nullopt;
    const Result<std::string> start = readFileStart(output, kFileKindBytes);
    if (!start && start.failure().cause == FileError::InvalidFormat) return std::nullopt;
    const FileKind existing = fileKind(output, start ? *start : std::string());
    if (existing == FileKind::Other || existing == written) return std::nullopt;
    return Message(refusalOf(existing), {output});
}

std::optional<Message> standardOutputRefusal(const std::vector<std::string>& inputs) {
    const std::optional<platform::FileIdentity> target = platform::standardOutputIdentity();
    if (!target) return std::nullopt;
    for (const std::string& input : inputs) {
        if (platform::fileIdentity(input) == target) {
            return Message(MessageId::OutputIsInput, {input});
        }
    }
    return std::nullopt;
}

namespace {

std::optional<int> refuse(const ToolText& tool, const std::optional<Message>& refusal) {
    if (!refusal) return std::nullopt;
    std::fprintf(stderr, "%s: %s\n", tool.name, toolText(*refusal).c_str());
    return 2;
}

}  // namespace

std::optional<int> refuseOutput(const ToolText& tool, const std::string& output, FileKind written,
                                const std::vector<std::string>& inputs) {
    return refuse(tool, outputRefusal(output, written, inputs));
}

std::optional<int> refuseStandardOutput(const ToolText& tool,
                                        const std::vector<std::string>& inputs) {
    return refuse(tool, standardOutputRefusal(inputs));
}

}  // namespace kaz
