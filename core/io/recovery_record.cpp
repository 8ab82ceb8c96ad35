#include "io/recovery_record.h"

#include <charconv>

namespace kaz {

namespace {

constexpr std::string_view kMagic = "kazbo-recovery 1";

std::string escaped(std::string_view value) {
    std::string out;
    for (char c : value) {
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else {
            out += c;
        }
    }
    return out;
}

std::optional<std::string> unescaped(std::string_view value) {
    std::string out;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\') {
            out += value[i];
            continue;
        }
        if (++i == value.size()) return std::nullopt;
        switch (value[i]) {
            case '\\': out += '\\'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            default: return std::nullopt;
        }
    }
    return out;
}

std::optional<int64_t> number(std::string_view text) {
    int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

std::string writeRecoveryRecord(const RecoveryRecord& record) {
    std::string text(kMagic);
    text += "\npath=" + escaped(record.originalPath);
    text += "\ntitle=" + escaped(record.title);
    text += "\ntime=" + std::to_string(record.savedAt);
    text += "\npid=" + std::to_string(record.processId);
    text += '\n';
    return text;
}

std::optional<RecoveryRecord> readRecoveryRecord(std::string_view text) {
    if (text.substr(0, kMagic.size()) != kMagic) return std::nullopt;
    RecoveryRecord record;
    bool hasTime = false, hasPid = false;
    size_t at = kMagic.size();
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(at, end - at);
        at = end + 1;
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        const std::string_view key = line.substr(0, equals);
        const std::string_view value = line.substr(equals + 1);
        if (key == "path" || key == "title") {
            std::optional<std::string> plain = unescaped(value);
            if (!plain) return std::nullopt;
            (key == "path" ? record.originalPath : record.title) = std::move(*plain);
        } else if (key == "time" || key == "pid") {
            const std::optional<int64_t> n = number(value);
            if (!n) return std::nullopt;
            (key == "time" ? record.savedAt : record.processId) = *n;
            (key == "time" ? hasTime : hasPid) = true;
        }
    }
    if (!hasTime || !hasPid) return std::nullopt;
    return record;
}

}  // namespace kaz
