#include "color/color_value.h"

#include <cstdio>

namespace kaz {
namespace {

bool isScanfSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// sscanf("%x") on a slice of at most two bytes: leading blanks, an optional sign, an
// optional "0x" prefix, then hex digits. Returns 0 when no digit can be read.
int scanHex(const std::string& slice) {
    size_t i = 0;
    while (i < slice.size() && isScanfSpace(slice[i])) ++i;
    bool negative = false;
    if (i < slice.size() && (slice[i] == '+' || slice[i] == '-')) {
        negative = slice[i] == '-';
        ++i;
    }
    // A slice of two bytes leaves no room for "0x" followed by a digit, so the prefix never
    // matters: "0x" alone reads as 0 either way.
    int value = 0;
    bool any = false;
    for (; i < slice.size(); ++i) {
        const int digit = hexDigit(slice[i]);
        if (digit < 0) break;
        value = value * 16 + digit;
        any = true;
    }
    if (!any) return 0;
    return negative ? -value : value;
}

}  // namespace

ColorValue colorFromString(const std::string& text) {
    int component[3] = {0, 0, 0};
    for (int k = 0; k < 3; ++k) {
        const size_t start = static_cast<size_t>(1 + 2 * k);
        if (start >= text.size()) break;
        component[k] = scanHex(text.substr(start, 2));
    }
    return makeColorValue(component[0], component[1], component[2]);
}

std::string colorToString(ColorValue value) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02X%02X%02X", redOf(value), greenOf(value),
                  blueOf(value));
    return buffer;
}

std::optional<std::string> normalColorString(std::string_view text) {
    if (text.empty() || text.front() != '#') return std::nullopt;
    const std::string_view digits = text.substr(1);
    if (digits.size() != 3 && digits.size() != 6) return std::nullopt;
    int values[6] = {};
    for (size_t i = 0; i < digits.size(); ++i) {
        values[i] = hexDigit(digits[i]);
        if (values[i] < 0) return std::nullopt;
    }
    // "#RGB" stands for "#RRGGBB".
    const bool shortForm = digits.size() == 3;
    auto component = [&](int k) {
        return shortForm ? values[k] * 17 : values[2 * k] * 16 + values[2 * k + 1];
    };
    return colorToString(makeColorValue(component(0), component(1), component(2)));
}

}  // namespace kaz
