#include "html/site_index.h"

#include "bracket/sheet_words.h"
#include "html/live_parts.h"
#include "pools/pool_words.h"
#include "text/document_text.h"

namespace kaz {

namespace {

std::string joinedTitle(std::string title, const std::string& subtitle) {
    if (!subtitle.empty()) title += title.empty() ? subtitle : " " + subtitle;
    return title;
}

}  // namespace

SiteIndexEntry siteIndexEntry(const Bracket& bracket, const std::string& href,
                              const std::vector<int>& recent) {
    const SheetInfo& sheet = bracket.sheet();
    SiteIndexEntry entry{
        href, joinedTitle(shownText(sheet.title), shownText(sheet.subtitle)), sheet.language, {}};
    if (entry.title.empty()) entry.title = sheetWords(sheet.language).sheetName;
    html::PageBuffer latest(512);
    live::writeLatestResult(latest, bracket, recent);
    entry.latest = latest.take();
    return entry;
}

SiteIndexEntry siteIndexEntry(const PoolStage& stage, const std::string& href,
                              const std::vector<int>& recent) {
    SiteIndexEntry entry{href, joinedTitle(stage.title, stage.subtitle), stage.language, {}};
    if (entry.title.empty()) entry.title = poolWords(stage.language).stage;
    html::PageBuffer latest(512);
    live::writeLatestPoolResult(latest, stage, recent);
    entry.latest = latest.take();
    return entry;
}

std::string writeSiteIndex(const std::vector<SiteIndexEntry>& entries,
                           const std::string& updatedAt) {
    html::PageBuffer out(4096 + 1024 * entries.size());
    live::LiveHead head;
    if (!entries.empty()) {
        head.language = entries.front().language;
        head.title = entries.front().title;
    }
    head.updatedAt = updatedAt;
    head.refreshSeconds = kLiveRefreshSeconds;
    head.checkSeconds = kServedCheckSeconds;
    head.extraStyle = ".doc h2{font-size:1.1em;margin:1em 0 .2em}\n";
    live::writeLiveHead(out, head);
    const SheetWords& words = sheetWords(head.language);
    for (const SiteIndexEntry& entry : entries) {
        out += "<section class=\"doc\">\n<h2><a href=\"";
        live::appendText(out, entry.href);
        out += "\">";
        live::appendText(out, entry.title);
        out += "</a></h2>\n<ul class=\"recent\">\n";
        if (entry.latest.empty()) {
            out += "<li>";
            out += std::string_view(words.noResults);
            out += "</li>\n";
        } else {
            out += entry.latest;
        }
        out += "</ul>\n</section>\n";
    }
    out += "</main>\n</body>\n</html>\n";
    return out.take();
}

}  // namespace kaz
