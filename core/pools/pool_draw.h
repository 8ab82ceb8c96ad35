#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "draw/draw_random.h"
#include "draw/entrant_list.h"
#include "pools/pool_stage.h"
#include "text/messages.h"

// The draw of a pool stage: from a list of entrants to its pools.

namespace kaz {

struct PoolDrawOptions {
    int pools = 0;     // the number of pools; 0 where `poolSize` sets it
    int poolSize = 0;  // kMinPoolSize … kMaxPoolSize: as many pools as make pools of about it
    int through = 1;   // how many of each pool go through: 1 or 2
    bool keepClubsApart = true;
    uint32_t drawNumber = kMinDrawNumber;
    SheetLanguage language = SheetLanguage::Japanese;
};

// The sizes of the pools `entrants` are drawn into, largest first, differing by at most one;
// empty where the options cannot be drawn: fewer than kMinPoolEntrants or more than
// kMaxPoolEntrants entrants, more than kMaxPools pools, or pools that would be smaller than
// kMinPoolSize or larger than kMaxPoolSize. A pool size K makes ⌈entrants / K⌉ pools.
std::vector<int> poolSizes(int entrants, const PoolDrawOptions& options);

// Two entrants of one club (indices into the list) drawn into one pool.
struct PoolClubPair {
    int pool = 0;
    int first = 0;
    int second = 0;
};

struct PoolDraw {
    PoolStage stage;
    std::vector<std::vector<int>> entrantsOf;  // per pool, its members' entrants, in table order
    std::vector<PoolClubPair> clubPairs;       // every same-club pair in a pool
};

// The draw. Seeds go first, one to a pool in snake order (seed 1 to A, 2 to B, …, back from the
// last pool on the next turn); the others are placed by lot, drawn with DrawRandom from the draw
// number: with `keepClubsApart` the largest clubs first, each member into a pool with room that
// holds the fewest of their club (the roomiest of those, then by lot), so that no pool holds two
// of a club while another could take one; the rest anywhere there is room. Each pool lists its
// seed first, then its members as drawn, and its matches in the order of play. Nothing where
// poolSizes refuses the options or a seed is repeated.
std::optional<PoolDraw> drawPools(const std::vector<Entrant>& entrants,
                                  const PoolDrawOptions& options);

// The fewest same-club pairs a club of `members` brings into `pools` pools, however it is drawn:
// its members spread as evenly as the pools allow.
int unavoidableClubPairs(int members, int pools);

// For every club whose size forces same-club pairs into `pools` pools, how many: the notes the
// draw shows beside the pairs it made.
std::vector<Message> unavoidablePoolPairTexts(const std::vector<Entrant>& entrants, int pools);

// The name of pool `index` (from 0): "A" … "Z", then "AA", "AB", ….
std::string defaultPoolName(int index);

}  // namespace kaz
