// TEMPORARY: a minimal page for live publishing, until kaz::writeLivePage (html/live_page.h)
// is in the tree. Then this file goes, page_writer.h aliases kaz::LivePageOptions, and
// livePageWriter() returns kaz::writeLivePage.

#include <QString>

#include "publish/page_writer.h"
#include "text/cp932.h"

namespace kaz::app {

namespace {

std::string escaped(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())).toHtmlEscaped().toStdString();
}

std::string placeholderPage(const kaz::Bracket& bracket, const LivePageOptions& options) {
    std::string page = "<!DOCTYPE html>\n<html><head><meta charset=\"UTF-8\">\n";
    if (options.refreshSeconds > 0) {
        page += "<meta http-equiv=\"refresh\" content=\"" + std::to_string(options.refreshSeconds) +
                "\">\n";
    }
    page += "</head><body>\n<p>最終更新 " + escaped(options.updatedAt) + "</p>\n<ol>\n";
    for (int i = 0; i < bracket.memberCount(); ++i)
        page += "<li>" + escaped(kaz::cp932ToUtf8(bracket.memberName(i))) + "</li>\n";
    page += "</ol>\n<p>" + escaped(kaz::cp932ToUtf8(bracket.champion())) + "</p>\n</body></html>\n";
    return page;
}

}  // namespace

PageWriter livePageWriter() { return placeholderPage; }

}  // namespace kaz::app
