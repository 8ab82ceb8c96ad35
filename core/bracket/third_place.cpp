#include "bracket/third_place.h"

#include "bracket/bracket.h"
#include "bracket/member_progress.h"

namespace kaz {
namespace {

// The final's two lines are the last but one and the one before; the semi-finals' four
// lines come just before them.
int finalistLine(int members, int side) { return lineCountForMembers(members) - 3 + side; }

bool isMatchOn(const Bracket& bracket) { return bracket.sheet().thirdPlace == ThirdPlace::Match; }

}  // namespace

std::array<int, 2> semiFinalLines(int members, int side) {
    const int upper = lineCountForMembers(members) - 7 + 2 * side;
    return {upper, upper + 1};
}

int thirdPlaceMember(const Bracket& bracket, int side) {
    if (bracket.sheet().thirdPlace == ThirdPlace::None) return -1;
    const int members = bracket.memberCount();
    if (!memberStandsOn(bracket, finalistLine(members, side))) return -1;
    const std::array<int, 2> pair = semiFinalLines(members, side);
    const bool upperWon = bracket.lineState(pair[0]) == LineState::Won;
    const bool lowerWon = bracket.lineState(pair[1]) == LineState::Won;
    if (upperWon == lowerWon) return -1;  // only a file brings a final with no winner before it
    // A bye's slot or one without a name lost to nobody: no player for the third place.
    const int loserLine = upperWon ? pair[1] : pair[0];
    return playerStandsOn(bracket, loserLine) ? memberOnLine(bracket, loserLine) : -1;
}

std::array<int, kThirdPlaceSides> thirdPlaceMembers(const Bracket& bracket) {
    return {thirdPlaceMember(bracket, 0), thirdPlaceMember(bracket, 1)};
}

int thirdPlaceWinner(const Bracket& bracket) {
    if (!isMatchOn(bracket)) return -1;
    for (int side = 0; side < kThirdPlaceSides; ++side) {
        if (bracket.thirdPlaceResult(side).state == LineState::Won) {
            return thirdPlaceMember(bracket, side);
        }
    }
    return -1;
}

LineState thirdPlaceLineState(const Bracket& bracket, int side) {
    if (!isMatchOn(bracket) || side < 0 || side >= kThirdPlaceSides) return LineState::Open;
    if (thirdPlaceMember(bracket, side) < 0) return LineState::Open;
    return bracket.thirdPlaceResult(side).state == LineState::Won ? LineState::Won
                                                                  : LineState::Reached;
}

bool leftClickThirdPlace(Bracket& bracket, int side) {
    if (!isMatchOn(bracket) || side < 0 || side >= kThirdPlaceSides) return false;
    const std::array<int, kThirdPlaceSides> members = thirdPlaceMembers(bracket);
    if (members[0] < 0 || members[1] < 0) return false;
    ThirdPlaceResults results = bracket.thirdPlaceResults();
    LineResult& clicked = results[size_t(side)];
    LineResult& other = results[size_t(1 - side)];
    // The scores stood for the result a click changes or takes back; those typed before the
    // match was decided stay.
    const bool decided = clicked.state == LineState::Won || other.state == LineState::Won;
    if (clicked.state == LineState::Won) {
        clicked.state = LineState::Open;
    } else {
        clicked.state = LineState::Won;
        other.state = LineState::Open;
    }
    if (decided) {
        clicked.score.clear();
        other.score.clear();
    }
    bracket.setThirdPlaceResults(std::move(results));
    return true;
}

bool doubleClickThirdPlace(Bracket& bracket, int side) {
    if (!isMatchOn(bracket) || side < 0 || side >= kThirdPlaceSides) return false;
    if (thirdPlaceMember(bracket, side) < 0) return false;
    if (bracket.thirdPlaceResult(side).state == LineState::Open) return false;
    ThirdPlaceResults results = bracket.thirdPlaceResults();
    results[size_t(side)].state = LineState::Open;
    results[0].score.clear();
    results[1].score.clear();
    bracket.setThirdPlaceResults(std::move(results));
    return true;
}

bool settleThirdPlace(Bracket& bracket, const std::array<int, kThirdPlaceSides>& before) {
    if (thirdPlaceMembers(bracket) == before) return false;
    if (bracket.thirdPlaceResults() == ThirdPlaceResults()) return false;
    bracket.setThirdPlaceResults(ThirdPlaceResults());
    return true;
}

}  // namespace kaz
