// The pool stage at its largest: 128 entrants of 16 clubs in 32 pools of 4. Times the draw,
// a result entered and the scene of its pool made again (standings included), the whole
// stage's scene, and the live page with every match played, and says the page's size.
// Prints the median time of each; asserts nothing about time.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "html/live_parts.h"
#include "html/pool_live_page.h"
#include "pools/pool_change.h"
#include "pools/pool_draw.h"
#include "scene/pool_scene.h"

namespace {

size_t g_sink = 0;

template <typename Work>
double medianMicroseconds(Work work, int batches = 101, int perBatch = 20) {
    std::vector<double> times;
    for (int batch = 0; batch < batches; ++batch) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < perBatch; ++i) g_sink += size_t(work());
        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::micro>(end - start).count() / perBatch);
    }
    std::nth_element(times.begin(), times.begin() + long(times.size() / 2), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main() {
    std::vector<kaz::Entrant> entrants;
    for (int e = 0; e < 128; ++e) {
        kaz::Entrant entrant;
        entrant.name = "選手" + std::to_string(e + 1) + " 名前の例";
        entrant.club = "クラブ" + std::to_string(e % 16 + 1);
        if (e < 32) entrant.seed = e + 1;
        entrants.push_back(entrant);
    }
    kaz::PoolDrawOptions options;
    options.pools = 32;
    options.through = 2;
    const double draw =
        medianMicroseconds([&] { return drawPools(entrants, options)->stage.pools.size(); });
    kaz::PoolStage stage = kaz::drawPools(entrants, options)->stage;
    int number = 0;
    for (kaz::Pool& pool : stage.pools) {
        for (kaz::PoolMatch& match : pool.matches) {
            const bool first = ++number % 3 != 0;
            match.outcome = first ? kaz::MatchOutcome::FirstWins : kaz::MatchOutcome::SecondWins;
            match.firstScore = first ? 21 : number % 20;
            match.secondScore = first ? number % 20 : 21;
        }
    }
    const kaz::SceneStyle style = kaz::pageSceneStyle();
    const kaz::live::PageMetrics metrics(style);
    // A result changed back and forth, its pool's scene made again each time.
    bool flip = false;
    const double result = medianMicroseconds([&] {
        flip = !flip;
        const kaz::EnteredResult entered{flip ? 15 : 21, flip ? 21 : 15,
                                         kaz::MatchOutcome::Unplayed, false};
        const kaz::PoolResultProposal proposal = proposePoolResult(stage, 7, 2, entered);
        proposal.change.redo(stage);
        return buildPoolScene(stage, 7, metrics, style).items.size();
    });
    const double whole =
        medianMicroseconds([&] { return buildPoolStageScene(stage, metrics, style).items.size(); });
    kaz::PoolLivePageOptions live;
    live.updatedAt = "2026-12-10 12:34:56";
    live.refreshSeconds = 30;
    const double page = medianMicroseconds([&] { return writePoolLivePage(stage, live).size(); });
    std::printf("128 entrants in 32 pools of 4\n");
    std::printf("  draw                         %8.1f us\n", draw);
    std::printf("  a result and its pool's scene %7.1f us\n", result);
    std::printf("  the whole stage's scene      %8.1f us\n", whole);
    std::printf("  live page                    %8.1f us   (%zu bytes)\n", page,
                writePoolLivePage(stage, live).size());
    return g_sink == 0 ? 1 : 0;
}
