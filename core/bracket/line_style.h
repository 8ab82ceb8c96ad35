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

// Line `line`'s colours on the sheet: lineColors of its state, but once the final is decided
// its loser's line is all in the lose colour, so that the win colour leads to the champion
// alone (a two-sided sheet's finalists meet without a join that could tell them apart).
LineColors lineColors(const Bracket& bracket, int line);

// The other line whose colours follow `line`'s state: a finalist's opponent (see above), or -1.
// A view repaints it with `line`.
int lineColorPartner(int members, int line);

// Side `side` of the third-place match: all in the lose colour, as an undecided match, until
// it is decided; then the winner's side all in the win colour.
LineColors thirdPlaceLineColors(const Bracket& bracket, int side);

// `win`, `lose` or `none`, as `color` says: for colour strings, escaped ones or colour values.
template <typename T>
const T& byLineColor(LineColor color, const T& win, const T& lose, const T& none) {
    switch (color) {
        case LineColor::Win: return win;
        case LineColor::Lose: return lose;
        case LineColor::None: break;
    }
    return none;
}

// The colour string of `color` in `colors`; `none` for LineColor::None.
inline const std::string& colorString(const ColorSet& colors, LineColor color,
                                      const std::string& none) {
    return byLineColor(color, colors.winLineColor, colors.loseLineColor, none);
}

}  // namespace kaz
