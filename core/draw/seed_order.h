#pragma once

#include <vector>

// Where the seeds stand in a bracket, and which bracket sizes a number of entrants may use.

namespace kaz {

// The seed number of each first-round position, top to bottom, for `positions` positions (a
// power of two, at least 2): order(2) = 1, 2, and order(2n) puts x, 2n + 1 - x in place of
// each x of order(n). Seeds 1 and 2 stand at the ends; seeds 1 … 2^k lie in different blocks
// of positions / 2^k.
std::vector<int> standardSeedOrder(int positions);

// The smallest bracket (4, 8, 16 or 32 members) that holds `entrants`, 0 when none does.
int smallestDrawSize(int entrants);

// True when a bracket of `size` members suits `entrants`: it holds them all and has at most
// twice as many positions, so that no first-round match is between two byes.
bool isDrawSizeAllowed(int entrants, int size);

}  // namespace kaz
