#pragma once

#include <QPointer>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "html/site_index.h"
#include "publish/page_writer.h"

namespace kaz::gui {
class BracketDocument;
class PoolDocument;
}  // namespace kaz::gui

namespace kaz::app {

// What live publishing asks of an open document of either kind, a bracket or a pool stage, so
// that one publisher serves both.
struct PublishedDocument {
    // Makes the page of the document as it was copied; runs on the publisher's thread.
    using PageMaker = std::function<std::string(const LivePageOptions&)>;

    QPointer<QObject> document;
    std::function<QString()> filePath;
    std::function<QString()> title;
    // The name its files are proposed under, without a suffix.
    std::function<QString()> fileStem;
    // The matches decided now, newest first where decided together (kaz::LivePageOptions).
    std::function<std::vector<int>()> decidedMatches;
    // On the window's thread: a copy of the document as it is now, and what makes its page.
    std::function<PageMaker()> copy;
    // Its line in a venue's index, its latest result as `recent` names them (as the page's).
    std::function<kaz::SiteIndexEntry(const std::vector<int>& recent)> indexEntry;
    // Calls `onChange` (on `context`'s thread) after every change of what its page shows.
    std::function<void(QObject* context, std::function<void()> onChange)> followChanges;
};

// A bracket, its page made by `writer`.
PublishedDocument publishedBracket(gui::BracketDocument* doc, PageWriter writer);
class StageKnockouts;

// A pool stage, its page the core's pool page; with the knockout `knockouts` knows of (may be
// null), the event's page of both.
PublishedDocument publishedPools(gui::PoolDocument* doc, const StageKnockouts* knockouts);

}  // namespace kaz::app
