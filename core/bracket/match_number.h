#pragma once

// The numbers a sheet gives its matches: 1, 2, 3, … round by round, top to bottom, so that a
// bracket of N members numbers its matches 1 … N - 1 and the final is the last.

namespace kaz {

// The number of the match that line `line` of a bracket of `members` members plays in; both
// lines of a pair give the same number. 0 for the final line, which plays no match.
int matchNumber(int members, int line);

}  // namespace kaz
