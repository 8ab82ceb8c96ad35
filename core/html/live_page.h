#pragma once

#include <string>
#include <vector>

#include "bracket/bracket.h"

namespace kaz {

// How often a page that follows its bracket (the editor's live pages, kaz2html --watch's)
// reloads itself where scripts are off.
constexpr int kLiveRefreshSeconds = 30;
// How often such a page's script asks for it again: a page in a folder, and one the editor or
// kaz2html --serve serves itself, which answers an unchanged page with a short 304.
constexpr int kLiveCheckSeconds = 15;
constexpr int kServedCheckSeconds = 2;

struct LivePageOptions {
    std::string updatedAt;  // the time of the last change, as shown after "最終更新 " (UTF-8), e.g.
                            // "2026-12-08 12:34:56"
    // > 0: the page updates itself: a small script fetches it every checkSeconds and puts in what
    // changed, and where scripts are off a meta refresh reloads it this often.
    int refreshSeconds = 0;
    int checkSeconds = kLiveCheckSeconds;
    // The matches decided most recently, newest first, each named by the line its winner won
    // (a third-place result by -1 - side). Empty: the page orders the decided matches itself,
    // the latest round first.
    std::vector<int> recentResults;
};

// The live results page of `bracket`: one self-contained UTF-8 HTML5 document.
std::string writeLivePage(const Bracket& bracket, const LivePageOptions& options);

}  // namespace kaz
