#include "bracket/cleared_results.h"

#include <algorithm>

#include "bracket/bracket.h"
#include "bracket/sheet_marks.h"
#include "bracket/third_place.h"

namespace kaz {
namespace {

bool isDecided(const Bracket& bracket, int upperLine) {
    return bracket.lineState(upperLine) == LineState::Won ||
           bracket.lineState(upperLine + 1) == LineState::Won;
}

}  // namespace

int matchNumberOfLine(const Bracket& bracket, int line) {
    const int next = nextRoundLine(bracket.memberCount(), line);
    return next < 0 ? 0 : matchNumbersByLine(bracket)[size_t(next)];
}

int thirdPlaceMatchNumber(const Bracket& bracket) {
    const std::vector<int> numbers = matchNumbersByLine(bracket);
    return *std::max_element(numbers.begin(), numbers.end()) + 1;
}

ClearedResults clearedResults(const Bracket& before, const Bracket& after, int line) {
    const int members = before.memberCount();
    const int ownUpperLine =
        line < 0 ? -1 : line - (kindOfLine(members, line) == LineKind::Lower ? 1 : 0);
    const std::vector<int> numbers = matchNumbersByLine(before);
    ClearedResults cleared;
    for (int upper = 0; upper < before.lineCount(); ++upper) {
        if (kindOfLine(members, upper) != LineKind::Upper || upper == ownUpperLine) continue;
        if (isDecided(before, upper) && !isDecided(after, upper)) {
            cleared.matchNumbers.push_back(numbers[size_t(nextRoundLine(members, upper))]);
        }
    }
    std::sort(cleared.matchNumbers.begin(), cleared.matchNumbers.end());
    if (thirdPlaceWinner(before) >= 0 && thirdPlaceWinner(after) < 0) {
        cleared.matchNumbers.push_back(thirdPlaceMatchNumber(before));
    }
    cleared.champion = !before.champion().empty() && after.champion().empty();
    return cleared;
}

}  // namespace kaz
