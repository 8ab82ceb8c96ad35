#pragma once

#include <cstdint>
#include <vector>

#include "pools/pool_stage.h"

// A pool's standings (順位表): each member's record, rank and whether they go through, worked
// out afresh from the pool's results and the stage's rules.
//
// The matches that count: a match naming a member the pool does not have, or the same member
// twice, counts for nobody. A member who withdrew with MatchesRemoved has every match left out
// for everyone, and is not ranked (rank 0, listed after every ranked member, never through).
// A member who withdrew with MatchesLost loses each match of theirs not played, by walkover;
// one between two such members stays unplayed. A walkover win counts as a win, but its scores
// count for nothing in 得失 and 総得点; a score below 0 is none given, counted as 0.
//
// Points are winPoints, drawPoints and lossPoints a match. The ranked members are put in order
// of points; each set still level is ordered by `rules.tieBreaks` as follows, where a step is
// one of these (ScoreDifference gives two steps in a row):
//   HeadToHead       the points each takes from the matches between two members of the set;
//   ScoreDifference  for − against in the matches between two members of the set, then
//                    for − against over every match of the pool;
//   ScoresFor        scores for over every match of the pool;
//   Lot              the place in the pool's lot (best first), only where the lot names every
//                    member of the set; otherwise it separates nobody.
// The steps are tried in turn on the set. A step that gives every member of the set the same
// value separates nobody, and the next step is tried on the same set. A step that separates
// some orders the set by it (higher first); each part of two or more members still level is
// then ordered afresh from the first step, as a set of its own, so that head-to-head counts
// only the matches among that part. A set that no step separates stays level: its members
// share the rank of the first of them (同順位; ranks go 1, 1, 3) and are marked `tied`. The
// editor never breaks such a tie by itself.
//
// Going through: the first `rules.through` places. Where a level set lies across that cut,
// none of it is marked through until the tie is decided (by a result or a lot).

namespace kaz {

class DrawRandom;

struct PoolStanding {
    int member = 0;  // index into the pool's members
    int played = 0;
    int wins = 0;
    int losses = 0;
    int draws = 0;
    // Wide enough that no sum of the stored scores and points can overflow.
    int64_t points = 0;
    int64_t scoresFor = 0;
    int64_t scoresAgainst = 0;
    int rank = 0;          // from 1; 0 for a member whose matches are left out
    bool tied = false;     // shares its rank with another member (同順位)
    bool through = false;  // goes through to the knockout

    int64_t difference() const { return scoresFor - scoresAgainst; }  // 得失
};

struct PoolStandings {
    std::vector<PoolStanding> members;   // one per member, in the pool's order
    std::vector<int> order;              // member indices, best first; the unranked last
    std::vector<std::vector<int>> ties;  // the sets still level, best first
    bool tieAtCut = false;               // a level set lies across the places that go through
    bool complete = false;               // every match that counts has been played
};

// The standings of `pool` under `rules`.
PoolStandings poolStandings(const Pool& pool, const PoolRules& rules);

// A new lot for `pool` that decides the level set `tied` by chance: the recorded lot without
// those members, then those members in a random order. What the recorded lot decides for
// other members stays as it was.
std::vector<int> drawLot(const Pool& pool, const std::vector<int>& tied, DrawRandom& random);

}  // namespace kaz
