#pragma once

#include <string>
#include <vector>

#include "bracket/bracket.h"
#include "pools/pool_stage.h"

namespace kaz {

// One document a venue server serves, as its index lists it.
struct SiteIndexEntry {
    std::string href;   // the page's path on the server
    std::string title;  // UTF-8, as shown: the sheet's title and second line
    SheetLanguage language = SheetLanguage::Japanese;
    std::string latest;  // page markup: its champion or latest result as a list item, or nothing
};

// `recent` as the document's live page takes it (LivePageOptions::recentResults,
// PoolLivePageOptions::recentMatches).
SiteIndexEntry siteIndexEntry(const Bracket& bracket, const std::string& href,
                              const std::vector<int>& recent);
SiteIndexEntry siteIndexEntry(const PoolStage& stage, const std::string& href,
                              const std::vector<int>& recent);

// The index page of a venue server: the tournament's title (the first document's), then each
// document with a link to its live page and its latest result. It updates itself as the live
// pages do; `updatedAt` as theirs.
std::string writeSiteIndex(const std::vector<SiteIndexEntry>& entries,
                           const std::string& updatedAt);

}  // namespace kaz
