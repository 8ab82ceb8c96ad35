#include "text/text_limits.h"

namespace kaz {

std::string trimScore(std::string_view text) {
    static constexpr std::string_view kBlanks = " \t\r\n\v\f";
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return std::string();
    const size_t last = text.find_last_not_of(kBlanks);
    return std::string(text.substr(first, last - first + 1));
}

bool hasControlCharacter(std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) return true;
    }
    return false;
}

}  // namespace kaz
