#pragma once

#include <string>

#include "bracket/bracket.h"

// Which colour a line's horizontal stroke and its share of the pair's vertical join take:
// one rule for the screen, the page and every picture of the bracket.

namespace kaz {

enum class LineColor { Win, Lose, None };

struct LineColors {
    LineColor stroke;
    LineColor join;
};

// A line a member stands on (won, reached, advanced or beaten) has its stroke in the win
// colour; only a won line carries the win colour on into the join. An open line is all in the
// lose colour. A state outside the five, which only a file can bring, has no colour.
LineColors lineColors(LineState state);

// The colour string of `color` in `colors`; `none` for LineColor::None.
const std::string& colorString(const ColorSet& colors, LineColor color, const std::string& none);

}  // namespace kaz
