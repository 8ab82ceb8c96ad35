#pragma once

#include <string>
#include <vector>

#include "bracket/bracket_change.h"
#include "bracket/cleared_results.h"
#include "pools/pool_stage.h"

// Keeping a knockout made from a pool stage right: each slot holds its pool's member once the
// pool is decided, its placeholder until then, and no result stays that was won against, or by,
// someone who is no longer in that slot.

namespace kaz {

// True when pool `pool` of `stage` is decided: every match that counts is played and no member
// who goes through shares a place (a tie below the places that go through does not matter).
bool isPoolDecided(const PoolStage& stage, int pool);

// The member (index into the pool's members) at `place` (from 1) of a decided pool; -1 while
// the pool is not decided or has no one there.
int poolQualifier(const PoolStage& stage, int pool, int place);

// A slot's text until its pool is decided: 「Aブロック1位」, on an English sheet "Pool A 1st".
std::string poolSlotPlaceholder(const std::string& poolName, int place, SheetLanguage language);

// What the stage makes of a knockout: the step that brings every slot of a pool into line with
// the stage (the member's name and club with the mark once the pool is decided, the placeholder
// otherwise; the pool's name as the stage has it), and that takes back every result the slot's
// member took part in when someone else now stands there: the first decided match on the way of
// that slot (past a bye) loses its result, and every later result that follows from it. A slot
// of a pool the stage does not have is left as it is.
struct KnockoutFill {
    BracketChange change;
    ClearedResults cleared;        // the decided matches the step takes away, by number
    std::vector<int> filledSlots;  // the slots that now hold a pool's member who did not before
    bool asks() const { return !cleared.matchNumbers.empty() || cleared.champion; }
};
KnockoutFill knockoutFill(const Bracket& bracket, const PoolStage& stage);

// True when the bracket has a slot taken from a pool.
bool isKnockoutOfPools(const Bracket& bracket);

}  // namespace kaz
