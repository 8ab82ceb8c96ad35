#include <cmath>

#include "color/color_value.h"
#include "html/live_parts.h"
#include "text/document_text.h"
#include "text/utf8.h"

namespace kaz::live {
namespace {

constexpr char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD
// The dark variant's page colour: the chart takes it where its lines stand out on it.
constexpr ColorValue kDarkBackground = makeColorValue(0x1E, 0x1F, 0x22);
// The least contrast of a line or score against that background (WCAG's for graphics).
constexpr double kLeastContrast = 3.0;

// Characters the HTML parser reports as errors in text: controls and noncharacters.
bool isUnfitForText(char32_t point) {
    return point < 0x20 || (point >= 0x7F && point <= 0x9F) ||
           (point >= 0xFDD0 && point <= 0xFDEF) || (point & 0xFFFE) == 0xFFFE;
}

double channel(int value) {
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(ColorValue color) {
    return 0.2126 * channel(redOf(color)) + 0.7152 * channel(greenOf(color)) +
           0.0722 * channel(blueOf(color));
}

double contrast(ColorValue a, ColorValue b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace

void appendText(PageBuffer& out, std::string_view utf8) {
    size_t plain = 0;  // start of the run of bytes copied as they are
    size_t i = 0;
    while (i < utf8.size()) {
        const Utf8Char decoded = decodeUtf8(utf8, i);
        std::string_view instead;
        switch (decoded.point) {
            case '&': instead = "&amp;"; break;
            case '<': instead = "&lt;"; break;
            case '>': instead = "&gt;"; break;
            case '"': instead = "&quot;"; break;
            case '\'': instead = "&#39;"; break;
            case '\t':
            case '\n':
            case '\r': instead = " "; break;
            default:
                if (decoded.length == 0 || isUnfitForText(decoded.point)) instead = kReplacement;
                break;
        }
        const size_t length = decoded.length == 0 ? 1 : decoded.length;
        if (!instead.empty()) {
            out.append(utf8.data() + plain, i - plain);
            out += instead;
            plain = i + length;
        }
        i += length;
    }
    out.append(utf8.data() + plain, utf8.size() - plain);
}

void appendDocumentText(PageBuffer& out, std::string_view text) {
    appendText(out, shownText(text));
}

int estimatedWidth(std::string_view utf8) {
    int width = 0;
    size_t i = 0;
    while (i < utf8.size()) {
        const Utf8Char decoded = decodeUtf8(utf8, i);
        const char32_t point = decoded.point;
        if (decoded.length == 0 || point >= 0x1100) {
            // Half-width katakana are as narrow as Latin letters.
            width += point >= 0xFF61 && point <= 0xFF9F ? 55 : 100;
        } else {
            width += point < 0x80 ? 60 : 65;
        }
        i += decoded.length == 0 ? 1 : decoded.length;
    }
    return width;
}

std::string shortened(const std::string& utf8, size_t most) {
    size_t i = 0;
    for (size_t count = 0; i < utf8.size(); ++count) {
        if (count == most) return utf8.substr(0, i) + "…";
        const size_t length = decodeUtf8(utf8, i).length;
        i += length == 0 ? 1 : length;
    }
    return utf8;
}

LiveColors liveColors(const ColorSet& colors) {
    // As every picture reads a colour string: whatever the file holds becomes #RRGGBB.
    const auto read = [](const std::string& text) { return colorFromString(text); };
    const ColorValue win = read(colors.winLineColor);
    const ColorValue lose = read(colors.loseLineColor);
    const ColorValue score = read(colors.scoreColor);
    LiveColors live;
    live.win = colorToString(win);
    live.lose = colorToString(lose);
    live.background = colorToString(read(colors.backgroundColor));
    live.member = colorToString(read(colors.memberColor));
    live.score = colorToString(score);
    live.darkChart = contrast(win, kDarkBackground) >= kLeastContrast &&
                     contrast(lose, kDarkBackground) >= kLeastContrast &&
                     contrast(score, kDarkBackground) >= kLeastContrast;
    return live;
}

}  // namespace kaz::live
