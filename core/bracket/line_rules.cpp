#include "bracket/line_rules.h"

#include "bracket/bracket.h"

namespace kaz {

void OnLineResult(Bracket& bracket, int line, int flag) {
    const int players = bracket.GetPlayers();
    const LinePlace place = PlaceOfLine(players, line);
    if (place.size <= 1) return;  // the final line feeds nothing

    const int next = NextRoundLine(players, line);
    if (flag == RESULT_RESET) {
        bracket.SetState(next, LINE_OPEN);
    } else if (place.size == 2) {
        bracket.SetState(next, LINE_REACHED);
    } else {
        bracket.SetState(next, LINE_ADVANCED);
    }

    const int opponent = OpponentLine(players, line);
    if (bracket.GetState(opponent) == LINE_WON) {
        bracket.SetState(opponent, place.round == 0 ? LINE_OPEN : LINE_BEATEN);
    }
}

void LeftClickLine(Bracket& bracket, int line) {
    const bool isFinal = bracket.GetKind(line) == KIND_FINAL;
    switch (bracket.GetState(line)) {
        case LINE_OPEN:
        case LINE_ADVANCED:
        case LINE_BEATEN:
            OnLineResult(bracket, line, RESULT_WIN);
            bracket.SetState(line, LINE_WON);
            break;
        case LINE_WON:
            bracket.SetState(line, isFinal ? LINE_OPEN : LINE_REACHED);
            break;
        case LINE_REACHED:
            bracket.SetState(line, LINE_OPEN);
            break;
        default:
            break;  // a state outside 0 … 4 (from a file) is left as it is
    }
}

void DoubleClickLine(Bracket& bracket, int line) {
    bracket.SetState(line, LINE_OPEN);
    if (bracket.GetKind(line) != KIND_FINAL) OnLineResult(bracket, line, RESULT_RESET);
}

}  // namespace kaz
