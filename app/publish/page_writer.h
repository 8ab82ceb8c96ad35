#pragma once

#include <functional>
#include <string>

#include "bracket/bracket.h"
#include "html/live_page.h"

namespace kaz::app {

using LivePageOptions = kaz::LivePageOptions;

// Makes the page of a bracket; runs on the publisher's thread, so it must touch nothing but its
// arguments.
using PageWriter = std::function<std::string(const kaz::Bracket&, const LivePageOptions&)>;

// The page writer the editor publishes with: the core's live page.
inline PageWriter livePageWriter() { return kaz::writeLivePage; }

}  // namespace kaz::app
