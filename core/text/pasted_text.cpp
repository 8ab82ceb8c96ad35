#include "text/pasted_text.h"

#include "text/cp932.h"

namespace kaz {
namespace {

constexpr std::string_view kLineBreaks = "\r\n";

// Length of the white space character at the start of `text`, or 0.
size_t leadingBlank(std::string_view text) {
    for (std::string_view blank : {" ", "\t", "\v", "\f", "\xE3\x80\x80", "\xC2\xA0"}) {
        if (text.substr(0, blank.size()) == blank) return blank.size();
    }
    return 0;
}

// Length of the white space character at the end of `text`, or 0.
size_t trailingBlank(std::string_view text) {
    for (std::string_view blank : {" ", "\t", "\v", "\f", "\xE3\x80\x80", "\xC2\xA0"}) {
        if (text.size() >= blank.size() && text.substr(text.size() - blank.size()) == blank) {
            return blank.size();
        }
    }
    return 0;
}

std::string_view trimmed(std::string_view text) {
    for (size_t n = leadingBlank(text); n > 0; n = leadingBlank(text)) text.remove_prefix(n);
    for (size_t n = trailingBlank(text); n > 0; n = trailingBlank(text)) text.remove_suffix(n);
    return text;
}

std::string_view beforeTab(std::string_view text) { return text.substr(0, text.find('\t')); }

// `utf8` without its control characters: U+0000 … U+001F, U+007F and U+0080 … U+009F
// (C2 80 … C2 9F in UTF-8).
std::string withoutControls(std::string_view utf8, bool& dropped) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte < 0x20 || byte == 0x7F) {
            dropped = true;
        } else if (byte == 0xC2 && i + 1 < utf8.size() &&
                   static_cast<unsigned char>(utf8[i + 1]) <= 0x9F &&
                   static_cast<unsigned char>(utf8[i + 1]) >= 0x80) {
            dropped = true;
            ++i;
        } else {
            out += utf8[i];
        }
    }
    return out;
}

bool isLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

}  // namespace

std::vector<std::string> pastedEntries(std::string_view utf8) {
    std::vector<std::string> entries;
    if (utf8.find_first_of(kLineBreaks) == std::string_view::npos) {
        const std::string_view entry = beforeTab(utf8);
        if (!entry.empty()) entries.emplace_back(entry);
        return entries;
    }
    while (!utf8.empty()) {
        const size_t end = utf8.find_first_of(kLineBreaks);
        const std::string_view line = utf8.substr(0, end);
        if (!trimmed(line).empty()) entries.emplace_back(trimmed(beforeTab(line)));
        if (end == std::string_view::npos) break;
        utf8.remove_prefix(end + 1);  // a CR then an LF is an empty line between them
    }
    return entries;
}

FittedText fitToField(std::string_view utf8, size_t maxBytes) {
    FittedText fitted;
    const std::string usable = withoutControls(utf8, fitted.dropped);
    bool unencodable = false;
    std::string cp932 = utf8ToCp932Dropping(usable, unencodable);
    fitted.dropped = fitted.dropped || unencodable;
    size_t end = 0;
    while (end < cp932.size()) {
        const size_t length = isLeadByte(static_cast<unsigned char>(cp932[end])) ? 2 : 1;
        if (length > maxBytes - end || length > cp932.size() - end) break;
        end += length;
    }
    fitted.cut = end < cp932.size();
    cp932.resize(end);
    fitted.cp932 = std::move(cp932);
    return fitted;
}

}  // namespace kaz
