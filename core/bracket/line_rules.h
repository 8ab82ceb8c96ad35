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
// the next-round line (0 on a reset, 2 on the final line after a win, otherwise 3, which a
// won line refuses) and takes back the opponent's win (0 in round 1, 4 later). It never
// touches `line` itself nor anything beyond those two lines; the final line changes nothing.
void carryResult(Bracket& bracket, int line, LineOutcome outcome);

// A left press on a line: from 0, 3 or 4 the win is carried on first, then the line becomes
// 1; from 1 it becomes 2 (0 on the final line); from 2 it becomes 0. Other values stay.
ChangedLines leftClickLine(Bracket& bracket, int line);

// The double-click message, which follows the press that was already a left click: the line
// becomes 0 (keeping its score) and, except on the final line, the reset is carried on and
// the member is taken out of every later round it had won its way into: the next-round line
// and, while the line just reset had been won, the line after it, up to the final line, each
// become 0 with an empty score; reaching the final line also clears the champion's name.
ChangedLines doubleClickLine(Bracket& bracket, int line);

}  // namespace kaz
