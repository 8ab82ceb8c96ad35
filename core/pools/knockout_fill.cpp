#include "pools/knockout_fill.h"

#include <algorithm>

#include "bracket/bracket_shape.h"
#include "bracket/line_rules.h"
#include "pools/pool_standings.h"
#include "text/messages.h"

namespace kaz {
namespace {

// What a slot of a pool holds while the stage stands as it does.
struct SlotContent {
    std::string name;
    MemberMarks marks;
};

// `member` is the pool's member at the slot's place, -1 while the pool is not decided.
SlotContent slotContent(const PoolStage& stage, const PoolSlot& slot, int member) {
    const Pool& pool = stage.pools[size_t(slot.pool)];
    SlotContent content;
    content.marks.fromPool = {slot.pool, slot.place, pool.name, false};
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

// What decides a pool's slots: its standings, worked out once.
bool isDecided(const PoolStandings& standings, int through) {
    if (!standings.complete || standings.tieAtCut) return false;
    for (const PoolStanding& standing : standings.members) {
        if (standing.rank >= 1 && standing.rank <= through && standing.tied) return false;
    }
    return true;
}

int qualifierIn(const PoolStandings& standings, int through, int place) {
    if (place < 1 || size_t(place) > standings.order.size() || !isDecided(standings, through)) {
        return -1;
    }
    // A place shared below those that go through (a knockout made while more went through)
    // names nobody.
    const int member = standings.order[size_t(place) - 1];
    const PoolStanding& standing = standings.members[size_t(member)];
    return standing.rank == place && !standing.tied ? member : -1;
}

}  // namespace

bool isPoolDecided(const PoolStage& stage, int pool) {
    if (pool < 0 || pool >= int(stage.pools.size())) return false;
    return isDecided(poolStandings(stage.pools[size_t(pool)], stage.rules), stage.rules.through);
}

int poolQualifier(const PoolStage& stage, int pool, int place) {
    if (pool < 0 || pool >= int(stage.pools.size())) return -1;
    return qualifierIn(poolStandings(stage.pools[size_t(pool)], stage.rules), stage.rules.through,
                       place);
}

std::string poolSlotPlaceholder(const std::string& poolName, int place, SheetLanguage language) {
    const MessageId id = place == 1 ? MessageId::PoolSlotFirst : MessageId::PoolSlotSecond;
    return messageText(Message(id, {poolName}), languageOf(language));
}

KnockoutFill knockoutFill(const Bracket& bracket, const PoolStage& stage) {
    KnockoutFill fill;
    std::vector<PoolStandings> standings;
    for (const Pool& pool : stage.pools) standings.push_back(poolStandings(pool, stage.rules));
    Bracket after = bracket;
    std::vector<int> changedHands;
    for (int slot = 0; slot < bracket.memberCount(); ++slot) {
        const PoolSlot& from = bracket.memberMarks(slot).fromPool;
        if (!from.isSet() || from.pool >= int(stage.pools.size())) continue;
        const int member =
            qualifierIn(standings[size_t(from.pool)], stage.rules.through, from.place);
        const SlotContent content = slotContent(stage, from, member);
        const bool nowFilled = content.marks.fromPool.filled;
        const bool handsChanged =
            from.filled != nowFilled || (nowFilled && bracket.memberName(slot) != content.name);
        if (handsChanged) changedHands.push_back(slot);
        if (handsChanged && nowFilled) fill.filledSlots.push_back(slot);
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
    fill.cleared = clearedResults(filled, after, -1);
    return fill;
}

bool isKnockoutOfPools(const Bracket& bracket) {
    for (int slot = 0; slot < bracket.memberCount(); ++slot) {
        if (bracket.memberMarks(slot).fromPool.isSet()) return true;
    }
    return false;
}

}  // namespace kaz
