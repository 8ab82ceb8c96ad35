#include "bracket/line_rules.h"

#include "bracket/bracket.h"
#include "bracket/member_progress.h"
#include "bracket/third_place.h"

namespace kaz {
namespace {

// Runs `operation` on the bracket, clears a third-place result it left without its sides, and
// tells which lines it changed, state or score. A click reaches a handful of lines; comparing
// them all keeps the answer exact whatever the rule does.
template <typename Operation>
ChangedLines changedBy(Bracket& bracket, int line, Operation operation) {
    const std::vector<LineResult> before = bracket.lineResults();
    const std::array<int, kThirdPlaceSides> sidesBefore = thirdPlaceMembers(bracket);
    operation();
    settleThirdPlace(bracket, sidesBefore);
    ChangedLines changed;
    if (!(bracket.lineResult(line) == before[static_cast<size_t>(line)])) changed.push_back(line);
    for (int other = 0; other < bracket.lineCount(); ++other) {
        if (other != line && !(bracket.lineResult(other) == before[static_cast<size_t>(other)])) {
            changed.push_back(other);
        }
    }
    return changed;
}

// Takes the member out of the rounds after `line`: the next-round line is reset, and so is
// each line after a line that had been won, up to the final line.
void takeOutOfLaterRounds(Bracket& bracket, int line) {
    const int members = bracket.memberCount();
    for (int next = nextRoundLine(members, line); next >= 0;) {
        const bool hadWon = bracket.lineState(next) == LineState::Won;
        bracket.setLineResult(next, LineResult{});
        if (bracket.lineKind(next) == LineKind::Final) {
            bracket.setChampion(std::string());
            break;
        }
        if (!hadWon) break;
        next = nextRoundLine(members, next);
    }
}

}  // namespace

void carryResult(Bracket& bracket, int line, LineOutcome outcome) {
    const int members = bracket.memberCount();
    const LinePlace place = placeOfLine(members, line);
    if (place.size <= 1) return;  // the final line feeds nothing

    const int next = nextRoundLine(members, line);
    if (outcome == LineOutcome::Reset) {
        bracket.setLineState(next, LineState::Open);
    } else if (place.size == 2) {
        bracket.setLineState(next, LineState::Reached);
    } else {
        bracket.setLineState(next, LineState::Advanced);
    }

    const int opponent = opponentLine(members, line);
    if (bracket.lineState(opponent) == LineState::Won) {
        bracket.setLineState(opponent, place.round == 0 ? LineState::Open : LineState::Beaten);
    }
}

ChangedLines leftClickLine(Bracket& bracket, int line) {
    if (!memberStandsOn(bracket, line)) return {};
    return changedBy(bracket, line, [&bracket, line] {
        switch (bracket.lineState(line)) {
            case LineState::Open:
            case LineState::Reached:
            case LineState::Advanced:
            case LineState::Beaten:
                carryResult(bracket, line, LineOutcome::Win);
                bracket.setLineState(line, LineState::Won);
                break;
            case LineState::Won:
                takeOutOfLaterRounds(bracket, line);
                bracket.setLineState(line, LineState::Reached);
                break;
            default: break;  // a state outside 0 … 4 (from a file) is left as it is
        }
    });
}

ChangedLines doubleClickLine(Bracket& bracket, int line) {
    if (!memberStandsOn(bracket, line)) return {};
    return changedBy(bracket, line, [&bracket, line] {
        const bool roundOne = placeOfLine(bracket.memberCount(), line).round == 0;
        bracket.setLineState(line, roundOne ? LineState::Open : LineState::Reached);
        if (bracket.lineKind(line) == LineKind::Final) return;
        // The later lines are judged by their states before anything of this reset happened.
        takeOutOfLaterRounds(bracket, line);
        carryResult(bracket, line, LineOutcome::Reset);
    });
}

}  // namespace kaz
