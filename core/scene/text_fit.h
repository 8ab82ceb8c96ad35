#pragma once

#include <string>
#include <string_view>

#include "bracket/text_measure.h"

// The one rule that fits a text into the room it may take, in every output alike: condensed as
// little as makes it fit, down to the least stretch; a text still too wide there, or one that
// was too long to be laid out whole, is shortened to its longest beginning that fits with "…".
// Each output measures with its own faces (TextMetrics); the rule is the same.

namespace kaz {

// The least a face is condensed to.
constexpr int kLeastStretch = 50;

// No more of a text than this many characters is laid out: no more can show, and a name of
// millions of characters would overflow a text engine's coordinates.
constexpr size_t kMostCharactersShown = 256;

// Document text as the sheet lays it out (UTF-8): as shown, on one line (breaks and tabs become
// the spaces they are drawn as), at most kMostCharactersShown characters; `cut` tells whether
// it was longer.
std::string laidOutText(std::string_view documentText, bool* cut = nullptr);

struct FittedText {
    std::string text;
    int stretch = 100;
    int width = 0;  // as measured at that stretch
};

// The largest stretch from 100 down to `least` at which `text` is at most `room` wide; `least`
// where none is.
int fittingStretch(const TextMetrics& metrics, TextRole role, std::string_view text, int room,
                   int least = kLeastStretch);

// `text` fitted into `room` by the rule above; `cut` where it was laid out cut short already.
FittedText fitText(const TextMetrics& metrics, TextRole role, std::string text, int room,
                   bool cut = false);
// The same for a text already measured `fullWidth` wide at full stretch (unused where `cut`).
FittedText fitMeasuredText(const TextMetrics& metrics, TextRole role, std::string text,
                           int fullWidth, int room, bool cut = false);

}  // namespace kaz
