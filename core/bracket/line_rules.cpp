#include "bracket/line_rules.h"

#include <array>

#include "bracket/bracket.h"

namespace kaz {
namespace {

// Runs `operation` on the bracket and tells which of the clicked line, its next-round line
// and its opponent (the only lines a click can reach) changed state.
template <typename Operation>
ChangedLines changedBy(Bracket& bracket, int line, Operation operation) {
    const int members = bracket.memberCount();
    const std::array<int, 3> reach = {line, nextRoundLine(members, line),
                                      opponentLine(members, line)};
    std::array<LineState, 3> before{};
    for (size_t i = 0; i < reach.size(); ++i) {
        if (reach[i] >= 0) before[i] = bracket.lineState(reach[i]);
    }
    operation();
    ChangedLines changed;
    for (size_t i = 0; i < reach.size(); ++i) {
        if (reach[i] >= 0 && bracket.lineState(reach[i]) != before[i]) changed.push_back(reach[i]);
    }
    return changed;
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
    return changedBy(bracket, line, [&bracket, line] {
        const bool isFinal = bracket.lineKind(line) == LineKind::Final;
        switch (bracket.lineState(line)) {
            case LineState::Open:
            case LineState::Advanced:
            case LineState::Beaten:
                carryResult(bracket, line, LineOutcome::Win);
                bracket.setLineState(line, LineState::Won);
                break;
            case LineState::Won:
                bracket.setLineState(line, isFinal ? LineState::Open : LineState::Reached);
                break;
            case LineState::Reached: bracket.setLineState(line, LineState::Open); break;
            default: break;  // a state outside 0 … 4 (from a file) is left as it is
        }
    });
}

ChangedLines doubleClickLine(Bracket& bracket, int line) {
    return changedBy(bracket, line, [&bracket, line] {
        bracket.setLineState(line, LineState::Open);
        if (bracket.lineKind(line) != LineKind::Final) {
            carryResult(bracket, line, LineOutcome::Reset);
        }
    });
}

}  // namespace kaz
