#include "publish/published_document.h"

#include <QFileInfo>
#include <optional>

#include "document/bracket_document.h"
#include "document/pool_document.h"
#include "html/pool_live_page.h"
#include "publish/recent_results.h"
#include "publish/stage_knockouts.h"

namespace kaz::app {

PublishedDocument publishedBracket(gui::BracketDocument* doc, PageWriter writer) {
    PublishedDocument published;
    published.document = doc;
    published.filePath = [doc] { return doc->filePath(); };
    published.title = [doc] { return doc->title(); };
    published.fileStem = [doc] { return doc->fileStem(); };
    published.decidedMatches = [doc] { return decidedMatches(doc->bracket()); };
    published.copy = [doc, writer = std::move(writer)]() -> PublishedDocument::PageMaker {
        return [bracket = doc->bracket(), writer](const LivePageOptions& options) {
            return writer(bracket, options);
        };
    };
    published.indexEntry = [doc](const std::vector<int>& recent) {
        kaz::SiteIndexEntry entry = kaz::siteIndexEntry(doc->bracket(), std::string(), recent);
        // A sheet without a title is listed as its window is called.
        if (doc->bracket().sheet().title.empty()) entry.title = doc->title().toStdString();
        return entry;
    };
    published.followChanges = [doc](QObject* context, std::function<void()> onChange) {
        QObject::connect(doc, &gui::BracketDocument::changed, context,
                         [onChange = std::move(onChange)](const kaz::DocumentChange& change) {
                             // A new title or file changes nothing the page shows.
                             if (change.changesContent()) onChange();
                         });
    };
    return published;
}

PublishedDocument publishedPools(gui::PoolDocument* doc, const StageKnockouts* knockouts) {
    PublishedDocument published;
    published.document = doc;
    published.filePath = [doc] { return doc->filePath(); };
    published.title = [doc] { return doc->title(); };
    published.fileStem = [doc] {
        return doc->filePath().isEmpty() ? doc->title()
                                         : QFileInfo(doc->filePath()).completeBaseName();
    };
    published.decidedMatches = [doc] { return decidedPoolMatches(doc->stage()); };
    const QPointer<const StageKnockouts> links(knockouts);
    published.copy = [doc, links]() -> PublishedDocument::PageMaker {
        const gui::BracketDocument* knockout = links ? links->knockoutOf(doc) : nullptr;
        std::optional<kaz::Bracket> bracket;
        if (knockout) bracket = knockout->bracket();
        return
            [stage = doc->stage(), bracket = std::move(bracket)](const LivePageOptions& options) {
                kaz::PoolLivePageOptions poolOptions;
                poolOptions.updatedAt = options.updatedAt;
                poolOptions.refreshSeconds = options.refreshSeconds;
                poolOptions.checkSeconds = options.checkSeconds;
                poolOptions.recentMatches = options.recentResults;
                poolOptions.knockout = bracket ? &*bracket : nullptr;
                return kaz::writePoolLivePage(stage, poolOptions);
            };
    };
    published.indexEntry = [doc](const std::vector<int>& recent) {
        kaz::SiteIndexEntry entry = kaz::siteIndexEntry(doc->stage(), std::string(), recent);
        if (doc->stage().title.empty()) entry.title = doc->title().toStdString();
        return entry;
    };
    published.followChanges = [doc, links](QObject* context, std::function<void()> onChange) {
        QObject::connect(doc, &gui::PoolDocument::changed, context,
                         [onChange](const kaz::PoolDocumentChange& change) {
                             if (!change.pools.empty() || change.rules || change.sheet) onChange();
                         });
        if (!links) return;
        QObject::connect(links, &StageKnockouts::knockoutChanged, context,
                         [doc, onChange](gui::PoolDocument* stage) {
                             if (stage == doc) onChange();
                         });
    };
    return published;
}

}  // namespace kaz::app
