#pragma once

#include <vector>

namespace kaz {
class Bracket;
struct PoolStage;
}  // namespace kaz

namespace kaz::app {

// The decided matches of `bracket`, each named by the line its winner won (a third-place result
// by -1 - side), the latest round first: the order in which matches decided together count as
// entered.
std::vector<int> decidedMatches(const kaz::Bracket& bracket);
// The played matches of `stage`, by their numbers across the stage, the last in the order of
// play first.
std::vector<int> decidedPoolMatches(const kaz::PoolStage& stage);

// The most recent results (`recent`, newest first) brought from the decided matches `before` to
// `after`: a match decided since goes to the front, one no longer decided leaves, the others
// keep their order. So an undo, which takes a result back, drops it as any other change would.
std::vector<int> followRecentResults(const std::vector<int>& recent, const std::vector<int>& before,
                                     const std::vector<int>& after);

}  // namespace kaz::app
