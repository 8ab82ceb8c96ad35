#include "publish/recent_results.h"

#include <bitset>

#include "bracket/bracket.h"
#include "bracket/third_place.h"

namespace kaz::app {

namespace {

// A set of matches: a bit per line of the largest bracket and per third-place side.
class MatchSet {
public:
    explicit MatchSet(const std::vector<int>& matches) {
        for (int match : matches) add(match);
    }
    bool holds(int match) const { return inRange(match) && m_bits[bit(match)]; }
    void add(int match) {
        if (inRange(match)) m_bits[bit(match)] = true;
    }

private:
    static constexpr int kBits = kaz::lineCountForMembers(kaz::kMaxMembers) + kaz::kThirdPlaceSides;
    static size_t bit(int match) { return size_t(match + kaz::kThirdPlaceSides); }
    static bool inRange(int match) {
        return match >= -kaz::kThirdPlaceSides && bit(match) < size_t(kBits);
    }
    std::bitset<kBits> m_bits;
};

}  // namespace

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

std::vector<int> followRecentResults(const std::vector<int>& recent, const std::vector<int>& before,
                                     const std::vector<int>& after) {
    const MatchSet wasDecided(before);
    const MatchSet decided(after);
    MatchSet taken({});
    std::vector<int> followed;
    followed.reserve(after.size());
    auto take = [&](int match) {
        if (taken.holds(match)) return;
        taken.add(match);
        followed.push_back(match);
    };
    for (int match : after) {
        if (!wasDecided.holds(match)) take(match);
    }
    for (int match : recent) {
        if (decided.holds(match)) take(match);
    }
    // A decided match the list did not hold yet (there is none while the list follows every
    // state) keeps the list whole.
    for (int match : after) take(match);
    return followed;
}

}  // namespace kaz::app
