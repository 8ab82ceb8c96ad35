#pragma once

#include <vector>

namespace kaz {

class Bracket;

// What an operation on one match took away besides that match's own result: the later matches
// that were decided before and no longer are, by their numbers in ascending order (the
// third-place match, numbered after the final, last), and whether the champion's name went.
// The editor tells the user before such a change is made.
struct ClearedResults {
    std::vector<int> matchNumbers;
    bool champion = false;
};

// Compares the bracket before and after an operation on `line`'s match; with `line` -1, an
// operation on no match of its own (a slot's member replaced), whose every lost result counts.
ClearedResults clearedResults(const Bracket& before, const Bracket& after, int line);

// The number of the match `line` plays (the pair it belongs to), 0 for the final line and for a
// first-round pair with a bye.
int matchNumberOfLine(const Bracket& bracket, int line);

// The third-place match's number: the one after the final's.
int thirdPlaceMatchNumber(const Bracket& bracket);

}  // namespace kaz
