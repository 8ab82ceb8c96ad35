#pragma once

#include <vector>

#include "pools/pool_stage.h"

// The order in which a pool's matches are played (試合順).

namespace kaz {

// Every pair of a pool of `members` (kMinPoolSize … kMaxPoolSize) once, unplayed, in the order
// of play: as few matches as can be follow one with a member of their own, so that nobody plays
// twice in a row where that is avoidable. Among such orders the first of the pairs taken in turn
// (1-2, 1-3, …, 2-3, …) is chosen, which for 4 gives the usual 1-2, 3-4, 1-3, 2-4, 1-4, 2-3.
std::vector<PoolMatch> orderOfPlay(int members);

// How many of `matches` follow one that shares a member with them.
int backToBackMatches(const std::vector<PoolMatch>& matches);

}  // namespace kaz
