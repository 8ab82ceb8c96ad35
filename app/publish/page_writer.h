#pragma once

#include <functional>
#include <string>

#include "bracket/bracket.h"

namespace kaz::app {

// What a published page is made with: the time of the last change, shown after "最終更新 "
// (UTF-8), and how often the page reloads itself in a browser (0: never).
// These are the fields of kaz::LivePageOptions (html/live_page.h); once that header is in the
// tree this becomes `using LivePageOptions = kaz::LivePageOptions;`.
struct LivePageOptions {
    std::string updatedAt;
    int refreshSeconds = 0;
};

// Makes the page of a bracket; runs on the publisher's thread, so it must touch nothing but its
// arguments.
using PageWriter = std::function<std::string(const kaz::Bracket&, const LivePageOptions&)>;

// The page writer the editor publishes with.
PageWriter livePageWriter();

}  // namespace kaz::app
