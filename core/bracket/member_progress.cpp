#include "bracket/member_progress.h"

#include <string>

#include "bracket/bracket.h"

namespace kaz {
namespace {

struct Progress {
    int standing = 0;
    int lastWon = -1;
};

Progress progressOf(const Bracket& bracket, int member) {
    Progress progress{member, -1};
    while (bracket.lineState(progress.standing) == LineState::Won) {
        progress.lastWon = progress.standing;
        const int next = nextRoundLine(bracket.memberCount(), progress.standing);
        if (next < 0) break;  // won the final line
        progress.standing = next;
    }
    return progress;
}

}  // namespace

bool memberStandsOn(const Bracket& bracket, int line) {
    return placeOfLine(bracket.memberCount(), line).round == 0 ||
           bracket.lineState(line) != LineState::Open;
}

bool slotHoldsNobody(const Bracket& bracket, int slot) {
    if (bracket.isBye(slot)) return true;
    const std::string& name = bracket.memberName(slot);
    for (size_t at = 0; at < name.size(); ++at) {
        const char c = name[at];
        if (c == ' ' || (c >= '\t' && c <= '\r')) continue;
        if (name.compare(at, 3, "\xE3\x80\x80") == 0) {  // the ideographic space
            at += 2;
            continue;
        }
        return false;
    }
    return true;
}

bool slotAwaitsPool(const Bracket& bracket, int slot) {
    const PoolSlot& from = bracket.memberMarks(slot).fromPool;
    return from.isSet() && !from.filled;
}

bool playerStandsOn(const Bracket& bracket, int line) {
    if (line < bracket.memberCount()) {
        return !slotHoldsNobody(bracket, line) && !slotAwaitsPool(bracket, line);
    }
    const int member = memberOnLine(bracket, line);
    return memberStandsOn(bracket, line) && (member < 0 || !slotAwaitsPool(bracket, member));
}

int memberOnLine(const Bracket& bracket, int line) {
    const int members = bracket.memberCount();
    if (!memberStandsOn(bracket, line)) return -1;
    const LinePlace place = placeOfLine(members, line);
    if (place.round == 0) return line;
    // The two lines feeding this one: the previous round, twice this round's size, ends where
    // this round begins.
    const int upperFeeder = line - place.position - 2 * place.size + 2 * place.position;
    for (int feeder : {upperFeeder, upperFeeder + 1}) {
        if (bracket.lineState(feeder) == LineState::Won) return memberOnLine(bracket, feeder);
    }
    return -1;
}

int memberStandingLine(const Bracket& bracket, int member) {
    return progressOf(bracket, member).standing;
}

int memberLastWonLine(const Bracket& bracket, int member) {
    return progressOf(bracket, member).lastWon;
}

int memberLastDecidedLine(const Bracket& bracket, int member) {
    const Progress progress = progressOf(bracket, member);
    const int opponent = opponentLine(bracket.memberCount(), progress.standing);
    const bool lost = opponent >= 0 && bracket.lineState(progress.standing) != LineState::Won &&
                      bracket.lineState(opponent) == LineState::Won;
    if (lost) return progress.standing;
    return progress.lastWon >= 0 ? progress.lastWon : progress.standing;
}

}  // namespace kaz
