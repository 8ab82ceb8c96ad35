#include "text/pasted_text.h"

#include "text/cp932.h"
#include "text/document_text.h"
#include "text/messages.h"

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

}  // namespace

std::vector<PastedEntry> pastedEntries(std::string_view utf8) {
    std::vector<PastedEntry> entries;
    if (utf8.find_first_of(kLineBreaks) == std::string_view::npos) {
        const std::string_view entry = beforeTab(utf8);
        if (!entry.empty()) entries.push_back({1, std::string(entry)});
        return entries;
    }
    int line = 0;
    while (!utf8.empty()) {
        ++line;
        const size_t end = utf8.find_first_of(kLineBreaks);
        const std::string_view text = utf8.substr(0, end);
        if (!trimmed(text).empty()) {
            entries.push_back({line, std::string(trimmed(beforeTab(text)))});
        }
        if (end == std::string_view::npos) break;
        const bool crlf = utf8.compare(end, 2, "\r\n") == 0;
        utf8.remove_prefix(end + (crlf ? 2 : 1));
    }
    return entries;
}

Message keptAsTypedText(const std::vector<std::string>& characters) {
    std::vector<Message> named;
    for (const std::string& one : characters)
        named.emplace_back(MessageId::Character, std::vector<MessageValue>{one});
    const MessageId id = named.size() == 1 ? MessageId::KeptAsTyped : MessageId::AllKeptAsTyped;
    return Message(id, {std::move(named)});
}

Message keptAsTypedNote(int line, const std::vector<std::string>& characters) {
    return Message(MessageId::ListLine, {line, keptAsTypedText(characters)});
}

FittedText fitToField(std::string_view utf8, size_t maxCharacters) {
    FittedText fitted;
    const std::string usable = withoutControls(utf8, fitted.controlsLeftOut);
    fitted.beyondCp932 = charactersBeyondCp932(usable);
    if (textLength(usable) > maxCharacters) {
        fitted.tooLong = true;
    } else {
        fitted.text = usable;
    }
    return fitted;
}

}  // namespace kaz
