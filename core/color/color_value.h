#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kaz {

// A colour value: red in bits 0-7, green in bits 8-15, blue in bits 16-23.
using ColorValue = uint32_t;

constexpr ColorValue makeColorValue(int red, int green, int blue) {
    return static_cast<ColorValue>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int redOf(ColorValue c) { return static_cast<int>(c & 0xFF); }
constexpr int greenOf(ColorValue c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blueOf(ColorValue c) { return static_cast<int>((c >> 16) & 0xFF); }

// Reads a colour string: the two bytes from position 1, 3 and 5 each as a hexadecimal number
// in the manner of sscanf("%x") (blanks and a sign allowed, reading stops at a non-digit,
// nothing readable gives 0), keeping the low 8 bits. Defined for every byte string.
ColorValue colorFromString(const std::string& text);

// "#RRGGBB" in upper case; bits 24-31 are ignored.
std::string colorToString(ColorValue value);

// A typed colour of the form "#RRGGBB" or "#RGB" (digits of either case) as the system writes
// colours, "#RRGGBB" in upper case; nothing for any other text.
std::optional<std::string> normalColorString(std::string_view text);

}  // namespace kaz
