#pragma once

#include <vector>

namespace kaz {

class Bracket;

// What a line tells the rule: it was marked the winner of its match, or reset.
enum class LineOutcome { Win, Reset };

// The lines whose state or score an operation changed: the clicked line first where it
// changed, then the others in index order.
using ChangedLines = std::vector<int>;

// The advancement rule: carries a win or a reset of `line` one step to the right. It sets
// the next-round line (Open on a reset; after a win Reached on the final line, otherwise
// Advanced, which a Won line refuses) and takes back the opponent's win (Open in round 1,
// Beaten later). It never
// touches `line` itself nor anything beyond those two lines; the final line changes nothing.
void carryResult(Bracket& bracket, int line, LineOutcome outcome);

// Every operation below keeps a bracket consistent, as the editor makes it: each line of
// round 2 or later that a member stands on (see memberStandsOn) has exactly one won line
// feeding it, no match has two won lines, the final line shows a member only once the
// final was won, and a third-place result stands only while its sides are the semi-finals'
// losers it was entered for (third_place.h). A bracket from a file keeps its states as stored,
// consistent or not.

// A left press on a line. A line of round 2 or later that no member stands on refuses it
// (nothing changes). From Open (round 1), Reached, Advanced or Beaten the win is carried on
// first, then the line becomes Won; from Won the win is taken back: the member is taken out
// of the later rounds it had won its way into and stays on the line, Reached. A match whose
// winner changes or is taken back loses both sides' scores; scores typed before the match was
// decided stay. A state outside the five stays.
ChangedLines leftClickLine(Bracket& bracket, int line);

// The double-click message, which follows the press that was already a left click: the line
// loses its result, and a decided match both sides' scores, Open on a round-1 line and Reached
// later (its member still stands there), and the member is taken out of every later round it had
// won its way into: the next-round line and, while the line just reset had been won, the line after
// it, up to the final line, each become Open with an empty score; reaching the final line also
// clears the champion's name. The opponent's win into the line so cleared is taken back. A
// line nobody stands on refuses it.
ChangedLines doubleClickLine(Bracket& bracket, int line);

}  // namespace kaz
