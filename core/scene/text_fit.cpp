#include "scene/text_fit.h"

#include <algorithm>

#include "text/document_text.h"
#include "text/utf8.h"

namespace kaz {
namespace {

// The bytes are cut first, so that only a small part of a long text is converted.
constexpr size_t kMostBytesConverted = 4 * kMostCharactersShown;
constexpr std::string_view kEllipsis = "\xE2\x80\xA6";

// The byte offsets at which `text`'s characters start, and its size at the end.
std::vector<size_t> characterStarts(std::string_view text) {
    std::vector<size_t> starts;
    for (size_t at = 0; at < text.size(); at += std::max<size_t>(decodeUtf8(text, at).length, 1)) {
        starts.push_back(at);
    }
    starts.push_back(text.size());
    return starts;
}

}  // namespace

std::string laidOutText(std::string_view documentText, bool* cut) {
    const std::string shown = shownText(utf8Prefix(documentText, kMostBytesConverted));
    std::string line;
    line.reserve(shown.size());
    size_t characters = 0;
    size_t at = 0;
    for (; at < shown.size() && characters < kMostCharactersShown; ++characters) {
        const size_t length = std::max<size_t>(decodeUtf8(shown, at).length, 1);
        const std::string_view c(shown.data() + at, length);
        const bool lineBreak =
            c == "\n" || c == "\r" || c == "\t" || c == "\xE2\x80\xA8" || c == "\xE2\x80\xA9";
        line += lineBreak ? std::string_view(" ") : c;
        at += length;
    }
    if (cut) *cut = documentText.size() > kMostBytesConverted || at < shown.size();
    return line;
}

int fittingStretch(const TextMetrics& metrics, TextRole role, std::string_view text, int room,
                   int least) {
    const int needed = metrics.run(role, text, 100).width;
    if (needed <= room) return 100;
    // Looked for from the stretch that its full width suggests.
    for (int stretch = std::max(least, 100 * room / std::max(needed, 1)); stretch > least;
         --stretch) {
        if (metrics.run(role, text, stretch).width <= room) return stretch;
    }
    return least;
}

FittedText fitText(const TextMetrics& metrics, TextRole role, std::string text, int room,
                   bool cut) {
    if (!cut) {
        const int stretch = fittingStretch(metrics, role, text, room);
        const int width = metrics.run(role, text, stretch).width;
        if (stretch > kLeastStretch || width <= room) return {std::move(text), stretch, width};
    }
    // The longest beginning that fits with the ellipsis.
    const std::vector<size_t> starts = characterStarts(text);
    const auto shortened = [&](size_t characters) {
        return text.substr(0, starts[characters]) + std::string(kEllipsis);
    };
    size_t fits = 0;
    size_t tooLong = starts.size();
    while (tooLong - fits > 1) {
        const size_t middle = (fits + tooLong) / 2;
        if (metrics.run(role, shortened(middle), kLeastStretch).width <= room) {
            fits = middle;
        } else {
            tooLong = middle;
        }
    }
    std::string fitted = shortened(fits);
    const int width = metrics.run(role, fitted, kLeastStretch).width;
    return {std::move(fitted), kLeastStretch, width};
}

}  // namespace kaz
