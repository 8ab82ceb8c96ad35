#pragma once

#include <vector>

#include "draw/draw_random.h"

// Where the seeds stand in a bracket, and which bracket sizes a number of entrants may use.

namespace kaz {

// The seed number of each first-round position, top to bottom, for `positions` positions (a
// power of two, at least 2): order(2) = 1, 2, and order(2n) puts x, 2n + 1 - x in place of
// each x of order(n). Seeds 1 and 2 stand at the ends; seeds 1 … 2^k lie in different blocks
// of positions / 2^k.
std::vector<int> standardSeedOrder(int positions);

// The seed number of each first-round position, top to bottom, as Japanese draw sheets place
// the seeds in `positions` positions (4 … 128) for `entrants` entrants: seed 1 on the top line,
// seed 2 on the bottom one; 3 and 4 at the top of the second quarter and the bottom of the
// third; 5 to 8 at the other ends of the quarters; then each later group at the free ends of
// the blocks that hold one earlier seed each. So seeds 1 … 2^k still lie in different blocks
// of positions / 2^k, as in the standard order, and meet as late. The numbers above
// `entrants` (the byes) stand beside seeds 1, 2, …. With `lot`, each group from 3 and 4 on
// takes its places by lot, its first seeds still spread over the halves, quarters, … as evenly
// as the standard order spreads them (so are the byes beside them); without it, a seed stands
// in the block of the earlier seed it would meet in the standard order.
std::vector<int> sheetSeedOrder(int positions, int entrants, DrawRandom* lot);

// The smallest bracket (4 … 128 members) that holds `entrants`, 0 when none does.
int smallestDrawSize(int entrants);

// The largest bracket (4 … 128 members) that suits `entrants` (isDrawSizeAllowed), 0 when none
// does.
int largestDrawSize(int entrants);

// True when a bracket of `size` members suits `entrants`: it holds them all and has at most
// twice as many positions, so that no first-round match is between two byes.
bool isDrawSizeAllowed(int entrants, int size);

}  // namespace kaz
