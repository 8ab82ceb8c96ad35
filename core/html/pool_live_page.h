#pragma once

#include <string>
#include <vector>

#include "bracket/bracket.h"
#include "html/live_page.h"
#include "pools/pool_stage.h"

namespace kaz {

struct PoolLivePageOptions {
    std::string updatedAt;   // the time of the last change, as shown after "最終更新 " (UTF-8)
    int refreshSeconds = 0;  // > 0: the page updates itself, as a bracket's does
    // The matches decided most recently, newest first, by their numbers across the stage.
    // Empty: the played matches of the highest numbers.
    std::vector<int> recentMatches;
    // The knockout made from the stage, or null: the page is then the event's, the knockout's
    // latest results above the pools' and its chart above the pools' tables.
    const Bracket* knockout = nullptr;
    int checkSeconds = kLiveCheckSeconds;  // how often its script asks for it again
};

// The live page of a pool stage: the latest results on top, then the knockout where there is one,
// then each pool's table with its standings and order of play, drawn from the one scene; one
// self-contained UTF-8 HTML5 page.
std::string writePoolLivePage(const PoolStage& stage, const PoolLivePageOptions& options);

}  // namespace kaz
