#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "bracket/bracket.h"
#include "draw/draw_random.h"
#include "pools/pool_stage.h"

// The knockout (決勝トーナメント) of a pool stage: where each pool's 1位 and 2位 stand, in the
// usual Japanese crossing, and the bracket made from it.

namespace kaz {

struct KnockoutOptions {
    bool runnersUpByLot = true;  // false: the runners-up in the fixed order
    uint32_t drawNumber = kMinDrawNumber;
};

// A first-round position of the knockout: a pool's place, or a bye (pool -1).
struct KnockoutPlace {
    int pool = -1;
    int place = 0;  // 1 or 2

    bool isBye() const { return pool < 0; }
    bool operator==(const KnockoutPlace& o) const { return pool == o.pool && place == o.place; }
};

struct KnockoutDraw {
    std::vector<KnockoutPlace> placeAt;  // per first-round position, top to bottom
    std::optional<uint32_t> drawNumber;  // the lot's number; none for the fixed order
};

// The smallest bracket that holds every qualifier of `stage` (rules.through of each pool);
// 0 when it has fewer than two.
int knockoutSize(const PoolStage& stage);

// Where the qualifiers stand. The pool winners take the seed places (sheetSeedOrder, without a
// lot) in pool order, so that the byes, beside seeds 1, 2, …, go to them first. The runners-up
// fill the other places so that each meets its own pool's winner as late as any placement
// allows (the other half, or else the other quarter, …). Among the placements that do, the fixed
// order gives the runners-up, in pool order, the lowest seed numbers left; the lot shuffles
// them, then keeps clubs apart (the club a slot will surely bring: its qualifier's where the
// pool is decided, the pool's where all its members share one). Nothing when the stage has
// fewer than two qualifiers.
std::optional<KnockoutDraw> drawKnockout(const PoolStage& stage, const KnockoutOptions& options);

// The bracket of a knockout draw for `stage`, stored beside the pool file `poolFile`: each slot
// holds its place's placeholder (poolSlotPlaceholder) with its PoolSlot, the byes as a draw
// marks them (the opponent through to the second round), the stage's title, second line and
// language, the lot's draw number; then every slot of a decided pool filled (knockoutFill).
Bracket makeKnockout(const PoolStage& stage, const KnockoutDraw& draw, const std::string& poolFile);

}  // namespace kaz
