#include "bracket/line_style.h"

#include "bracket/third_place.h"

namespace kaz {

LineColors lineColors(LineState state) {
    switch (state) {
        case LineState::Open: return {LineColor::Lose, LineColor::Lose};
        case LineState::Won: return {LineColor::Win, LineColor::Win};
        case LineState::Reached:
        case LineState::Advanced:
        case LineState::Beaten: return {LineColor::Win, LineColor::Lose};
    }
    return {LineColor::None, LineColor::None};
}

LineColors lineColors(const Bracket& bracket, int line) {
    const LineState state = bracket.lineState(line);
    const int members = bracket.memberCount();
    const bool finalist = placeOfLine(members, line).round == roundsForMembers(members) - 2;
    if (finalist && state != LineState::Won &&
        bracket.lineState(opponentLine(members, line)) == LineState::Won) {
        return {LineColor::Lose, LineColor::Lose};
    }
    return lineColors(state);
}

int lineColorPartner(int members, int line) {
    const bool finalist = placeOfLine(members, line).round == roundsForMembers(members) - 2;
    return finalist ? opponentLine(members, line) : -1;
}

LineColors thirdPlaceLineColors(const Bracket& bracket, int side) {
    // Its sides lost their semi-finals: no win leads to the match, so only the winner of the
    // match itself takes the win colour; before then both are drawn as an undecided match.
    const int winner = thirdPlaceWinner(bracket);
    const bool won = winner >= 0 && thirdPlaceMember(bracket, side) == winner;
    return lineColors(won ? LineState::Won : LineState::Open);
}

}  // namespace kaz
