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
    std::string shown = documentText.size() <= kMostBytesConverted
                            ? shownText(documentText)
                            : shownText(utf8Prefix(documentText, kMostBytesConverted));
    const auto mayBreak = [](char c) { return c == '\n' || c == '\r' || c == '\t' || c == '\xE2'; };
    if (shown.size() <= kMostCharactersShown &&
        std::none_of(shown.begin(), shown.end(), mayBreak)) {
        // Nothing to break or cut, as most names: as it is shown.
        if (cut) *cut = documentText.size() > kMostBytesConverted;
        return shown;
    }
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

namespace {

struct Condensed {
    int stretch = 100;
    int width = 0;
};

// The fit of a text `needed` wide at full stretch: full where it fits, else as it condenses.
Condensed condensed(const TextMetrics& metrics, TextRole role, std::string_view text, int needed,
                    int room, int least) {
    if (needed <= room) return {100, needed};
    // Looked for from the stretch that its full width suggests.
    for (int stretch = std::max(least, 100 * room / std::max(needed, 1)); stretch > least;
         --stretch) {
        const int width = metrics.run(role, text, stretch).width;
        if (width <= room) return {stretch, width};
    }
    return {least, metrics.run(role, text, least).width};
}

}  // namespace

int fittingStretch(const TextMetrics& metrics, TextRole role, std::string_view text, int room,
                   int least) {
    return condensed(metrics, role, text, metrics.run(role, text, 100).width, room, least).stretch;
}

FittedText fitText(const TextMetrics& metrics, TextRole role, std::string text, int room,
                   bool cut) {
    const int fullWidth = cut ? 0 : metrics.run(role, text, 100).width;
    return fitMeasuredText(metrics, role, std::move(text), fullWidth, room, cut);
}

FittedText fitMeasuredText(const TextMetrics& metrics, TextRole role, std::string text,
                           int fullWidth, int room, bool cut) {
    if (!cut) {
        const Condensed fit = condensed(metrics, role, text, fullWidth, room, kLeastStretch);
        if (fit.stretch > kLeastStretch || fit.width <= room) {
            return {std::move(text), fit.stretch, fit.width};
        }
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
