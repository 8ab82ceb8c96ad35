#include "text/text_limits.h"

#include <algorithm>
#include <iterator>

namespace kaz {

std::string trimScore(std::string_view text) {
    static constexpr std::string_view kBlanks = " \t\r\n\v\f";
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return std::string();
    const size_t last = text.find_last_not_of(kBlanks);
    return std::string(text.substr(first, last - first + 1));
}

namespace {

bool isControlByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

}  // namespace

bool hasControlCharacter(std::string_view text) {
    return std::any_of(text.begin(), text.end(), isControlByte);
}

std::string withoutControlCharacters(std::string_view text) {
    std::string kept;
    std::copy_if(text.begin(), text.end(), std::back_inserter(kept),
                 [](char c) { return !isControlByte(c); });
    return kept;
}

}  // namespace kaz
