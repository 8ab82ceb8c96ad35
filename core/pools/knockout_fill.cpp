#include "pools/knockout_fill.h"

#include <algorithm>

#include "bracket/bracket_shape.h"
#include "bracket/line_rules.h"
#include "bracket/third_place.h"
#include "pools/pool_standings.h"
#include "text/messages.h"

namespace kaz {
namespace {

bool isDecided(const Bracket& bracket, int upperLine) {
    return bracket.lineState(upperLine) == LineState::Won ||
           bracket.lineState(upperLine + 1) == LineState::Won;
}

// What a slot of a pool holds while the stage stands as it does.
struct SlotContent {
    std::string name;
    MemberMarks marks;
};

SlotContent slotContent(const PoolStage& stage, const PoolSlot& slot) {
    const Pool& pool = stage.pools[size_t(slot.pool)];
    SlotContent content;
    content.marks.fromPool = {slot.pool, slot.place, pool.name, false};
    const int member = poolQualifier(stage, slot.pool, slot.place);
    if (member < 0) {
        content.name = poolSlotPlaceholder(pool.name, slot.place, stage.language);
        return content;
    }
    const PoolMember& qualifier = pool.members[size_t(member)];
    content.name = qualifier.name;
    content.marks.club = qualifier.club;
    content.marks.fromPool.filled = true;
    return content;
}

// Takes back the first decided match on the way of `slot`'s member, and with it every later
// result that followed from it; a win a bye gave is the draw's and stays.
void takeBackFirstMatch(Bracket& bracket, int slot) {
    const int members = bracket.memberCount();
    int line = slot;
    if (bracket.isBye(slot ^ 1)) line = nextRoundLine(members, slot);
    if (line < 0 || kindOfLine(members, line) == LineKind::Final) return;
    const int opponent = opponentLine(members, line);
    if (bracket.lineState(line) == LineState::Won) {
        doubleClickLine(bracket, line);
    } else if (bracket.lineState(opponent) == LineState::Won) {
        doubleClickLine(bracket, opponent);
    }
}

// The decided matches of `before` that `after` no longer has, by number, the third-place
// match last; and whether the champion's name went.
ClearedResults clearedMatches(const Bracket& before, const Bracket& after) {
    ClearedResults cleared;
    for (int upper = 0; upper + 1 < before.lineCount(); upper += 2) {
        if (isDecided(before, upper) && !isDecided(after, upper)) {
            const int number = matchNumberOfLine(before, upper);
            if (number > 0) cleared.matchNumbers.push_back(number);
        }
    }
    std::sort(cleared.matchNumbers.begin(), cleared.matchNumbers.end());
    if (thirdPlaceWinner(before) >= 0 && thirdPlaceWinner(after) < 0) {
        cleared.matchNumbers.push_back(thirdPlaceMatchNumber(before));
    }
    cleared.champion = !before.champion().empty() && after.champion().empty();
    return cleared;
}

}  // namespace

bool isPoolDecided(const PoolStage& stage, int pool) {
    if (pool < 0 || pool >= int(stage.pools.size())) return false;
    const PoolStandings standings = poolStandings(stage.pools[size_t(pool)], stage.rules);
    if (!standings.complete || standings.tieAtCut) return false;
    for (const PoolStanding& standing : standings.members) {
        if (standing.rank >= 1 && standing.rank <= stage.rules.through && standing.tied) {
            return false;
        }
    }
    return true;
}

int poolQualifier(const PoolStage& stage, int pool, int place) {
    if (place < 1 || !isPoolDecided(stage, pool)) return -1;
    const PoolStandings standings = poolStandings(stage.pools[size_t(pool)], stage.rules);
    if (size_t(place) > standings.order.size()) return -1;
    // A place shared below those that go through (a knockout made while more went through)
    // names nobody.
    const int member = standings.order[size_t(place) - 1];
    const PoolStanding& standing = standings.members[size_t(member)];
    return standing.rank == place && !standing.tied ? member : -1;
}

std::string poolSlotPlaceholder(const std::string& poolName, int place, SheetLanguage language) {
    const MessageId id = place == 1 ? MessageId::PoolSlotFirst : MessageId::PoolSlotSecond;
    return messageText(Message(id, {poolName}), languageOf(language));
}

KnockoutFill knockoutFill(const Bracket& bracket, const PoolStage& stage) {
    KnockoutFill fill;
    Bracket after = bracket;
    std::vector<int> changedHands;
    for (int slot = 0; slot < bracket.memberCount(); ++slot) {
        const PoolSlot& from = bracket.memberMarks(slot).fromPool;
        if (!from.isSet() || from.pool >= int(stage.pools.size())) continue;
        const SlotContent content = slotContent(stage, from);
        const bool wasFilled = from.filled;
        const bool nowFilled = content.marks.fromPool.filled;
        if (nowFilled && (!wasFilled || bracket.memberName(slot) != content.name)) {
            fill.filledSlots.push_back(slot);
        }
        if (wasFilled != nowFilled || (nowFilled && bracket.memberName(slot) != content.name)) {
            changedHands.push_back(slot);
        }
        if (bracket.memberName(slot) != content.name) {
            fill.change.names.push_back({slot, {bracket.memberName(slot), content.name}});
            after.setMemberName(slot, content.name);
        }
        MemberMarks marks = content.marks;
        marks.seed = bracket.memberSeed(slot);
        if (bracket.memberMarks(slot) != marks) {
            fill.change.marks.push_back({slot, {bracket.memberMarks(slot), marks}});
            after.setMemberMarks(slot, std::move(marks));
        }
    }
    if (changedHands.empty()) return fill;
    const LineRecorder recorder(after);
    const Bracket filled = after;
    for (int slot : changedHands) takeBackFirstMatch(after, slot);
    fill.change.append(recorder.finish(after));
    fill.cleared = clearedMatches(filled, after);
    return fill;
}

bool isKnockoutOfPools(const Bracket& bracket) {
    for (int slot = 0; slot < bracket.memberCount(); ++slot) {
        if (bracket.memberMarks(slot).fromPool.isSet()) return true;
    }
    return false;
}

}  // namespace kaz
