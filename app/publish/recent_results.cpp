#include "publish/recent_results.h"

#include <unordered_set>

#include "bracket/bracket.h"
#include "bracket/third_place.h"
#include "pools/pool_stage.h"

namespace kaz::app {

std::vector<int> decidedMatches(const kaz::Bracket& bracket) {
    std::vector<int> decided;
    // The third-place match is played with the final, the last round.
    for (int side = 0; side < kaz::kThirdPlaceSides; ++side) {
        if (kaz::thirdPlaceLineState(bracket, side) == kaz::LineState::Won)
            decided.push_back(-1 - side);
    }
    // Lines run round by round, so the later rounds come last.
    for (int line = bracket.lineCount() - 1; line >= 0; --line) {
        if (bracket.lineState(line) == kaz::LineState::Won) decided.push_back(line);
    }
    return decided;
}

std::vector<int> decidedPoolMatches(const kaz::PoolStage& stage) {
    std::vector<int> decided;
    int number = 0;
    for (const kaz::Pool& pool : stage.pools) {
        for (const kaz::PoolMatch& match : pool.matches) {
            ++number;
            if (match.isPlayed()) decided.push_back(number);
        }
    }
    // Later in the order of play first, as the rounds of a bracket.
    return {decided.rbegin(), decided.rend()};
}

std::vector<int> followRecentResults(const std::vector<int>& recent, const std::vector<int>& before,
                                     const std::vector<int>& after) {
    const std::unordered_set<int> wasDecided(before.begin(), before.end());
    const std::unordered_set<int> decided(after.begin(), after.end());
    std::unordered_set<int> taken;
    std::vector<int> followed;
    followed.reserve(after.size());
    auto take = [&](int match) {
        if (taken.insert(match).second) followed.push_back(match);
    };
    for (int match : after) {
        if (wasDecided.count(match) == 0) take(match);
    }
    for (int match : recent) {
        if (decided.count(match) != 0) take(match);
    }
    // A decided match the list did not hold yet (there is none while the list follows every
    // state) keeps the list whole.
    for (int match : after) take(match);
    return followed;
}

}  // namespace kaz::app
