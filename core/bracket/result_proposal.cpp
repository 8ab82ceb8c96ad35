#include "bracket/result_proposal.h"

#include <array>

#include "bracket/bracket.h"
#include "bracket/line_rules.h"
#include "bracket/member_progress.h"
#include "bracket/third_place.h"

namespace kaz {
namespace {

// A match whose side still waits for its pool has not been played: its placeholder's.
std::optional<Refusal> awaitedSideRefusal(const Bracket& bracket, int line) {
    const int opponent = opponentLine(bracket.memberCount(), line);
    for (int side : {line, opponent}) {
        const int member = side < 0 ? -1 : memberOnLine(bracket, side);
        if (member >= 0 && slotAwaitsPool(bracket, member)) {
            return Refusal(MessageId::SlotAwaitsPool, {bracket.memberName(member)});
        }
    }
    return std::nullopt;
}

std::optional<Refusal> lineResultRefusal(const Bracket& bracket, int line) {
    if (line < 0 || line >= bracket.lineCount()) return Refusal(MessageId::NobodyOnLine);
    const int members = bracket.memberCount();
    if (line >= members) {
        if (auto refusal = lineRefusal(bracket, line)) return refusal;
        return awaitedSideRefusal(bracket, line);
    }
    if (bracket.isBye(line)) return Refusal(MessageId::ByeCannotWin);
    if (slotHoldsNobody(bracket, line)) return Refusal(MessageId::EmptySlotCannotWin);
    // The draw gave this win: a click does not take it back while the slot beside is a bye.
    if (bracket.lineState(line) == LineState::Won && bracket.isBye(opponentLine(members, line))) {
        return Refusal(MessageId::ByeWinStands);
    }
    return awaitedSideRefusal(bracket, line);
}

std::optional<Refusal> thirdPlaceResultRefusal(const Bracket& bracket, int side,
                                               ResultAction action) {
    if (side < 0 || side >= kThirdPlaceSides) return Refusal(MessageId::NobodyOnLine);
    if (action == ResultAction::ResetMessage) return thirdPlaceRefusal(bracket, side);
    return thirdPlaceWinRefusal(bracket, side);
}

// The scores of the match played at `place`, upper side first.
std::array<std::string, 2> ownScores(const Bracket& bracket, ResultPlace place) {
    if (place.kind == ResultPlace::Kind::ThirdPlaceSide) {
        return {bracket.thirdPlaceResult(0).score, bracket.thirdPlaceResult(1).score};
    }
    if (bracket.lineKind(place.index) == LineKind::Final) return {};
    const int upper = place.index - (bracket.lineKind(place.index) == LineKind::Lower ? 1 : 0);
    return {bracket.lineScore(upper), bracket.lineScore(upper + 1)};
}

bool isDecided(const Bracket& bracket, ResultPlace place) {
    if (place.kind == ResultPlace::Kind::ThirdPlaceSide) return thirdPlaceWinner(bracket) >= 0;
    const int line = place.index;
    if (bracket.lineKind(line) == LineKind::Final) return bracket.lineState(line) == LineState::Won;
    return bracket.lineState(line) == LineState::Won ||
           bracket.lineState(opponentLine(bracket.memberCount(), line)) == LineState::Won;
}

int winnerAt(const Bracket& bracket, ResultPlace place) {
    if (place.kind == ResultPlace::Kind::ThirdPlaceSide) return thirdPlaceWinner(bracket);
    const int line = place.index;
    if (bracket.lineKind(line) == LineKind::Final) {
        return bracket.lineState(line) == LineState::Won ? memberOnLine(bracket, line) : -1;
    }
    const int upper = line - (bracket.lineKind(line) == LineKind::Lower ? 1 : 0);
    for (int side : {upper, upper + 1}) {
        if (bracket.lineState(side) == LineState::Won) return memberOnLine(bracket, side);
    }
    return -1;
}

void press(Bracket& bracket, ResultPlace place) {
    if (place.kind == ResultPlace::Kind::ThirdPlaceSide) {
        leftClickThirdPlace(bracket, place.index);
    } else {
        leftClickLine(bracket, place.index);
    }
}

void resetMessage(Bracket& bracket, ResultPlace place) {
    if (place.kind == ResultPlace::Kind::ThirdPlaceSide) {
        doubleClickThirdPlace(bracket, place.index);
    } else {
        doubleClickLine(bracket, place.index);
    }
}

// A whole double click: the match loses its result, as the message alone takes it from a line
// (its press would only have carried a member on, or swapped the winner and the champion's
// name, for the message to take them back). A side of the third-place match takes back only its
// own win, so a decided match is pressed first.
void pressAndReset(Bracket& bracket, ResultPlace place) {
    if (place.kind == ResultPlace::Kind::ThirdPlaceSide && isDecided(bracket, place)) {
        press(bracket, place);
    }
    resetMessage(bracket, place);
}

}  // namespace

ResultProposal proposeResult(const Bracket& bracket, ResultPlace place, ResultAction action,
                             const BracketChange* pressMade) {
    ResultProposal proposal;
    proposal.place = place;
    proposal.action = action;
    proposal.refusal = place.kind == ResultPlace::Kind::Line
                           ? lineResultRefusal(bracket, place.index)
                           : thirdPlaceResultRefusal(bracket, place.index, action);
    if (proposal.refusal) return proposal;

    Bracket after = bracket;
    if (action == ResultAction::ResetMessage && pressMade) {
        pressMade->undo(after);
        pressAndReset(after, place);
    } else if (action == ResultAction::ResetMessage) {
        resetMessage(after, place);
    } else if (action == ResultAction::PressAndReset) {
        pressAndReset(after, place);
    } else {
        press(after, place);
    }
    proposal.change = LineRecorder(bracket).finish(after);
    if (place.kind == ResultPlace::Kind::Line) {
        proposal.cleared = clearedResults(bracket, after, place.index);
    }
    const std::array<std::string, 2> scoresBefore = ownScores(bracket, place);
    const std::array<std::string, 2> scoresAfter = ownScores(after, place);
    proposal.ownScoresCleared =
        (!scoresBefore[0].empty() || !scoresBefore[1].empty()) && scoresBefore != scoresAfter;
    proposal.winner = winnerAt(after, place);
    return proposal;
}

}  // namespace kaz
