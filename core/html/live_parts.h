#pragma once

// The pieces of the live results page: its text (UTF-8, escaped), its chart (an inline SVG
// drawn from the sheet's layout) and its list of results by round. Internal to core/html.

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "bracket/bracket.h"
#include "html/html_cells.h"
#include "html/live_page.h"
#include "pools/pool_stage.h"
#include "scene/scene.h"

namespace kaz::live {

using html::PageBuffer;

// `utf8` as text or attribute value of the page: a sequence that is not UTF-8 becomes U+FFFD,
// so does a control character (tabs and line breaks become spaces), and & < > " ' become
// entities. Nothing from the bracket reaches the page any other way.
void appendText(PageBuffer& out, std::string_view utf8);

// Document text (text/document_text.h) as appendText, as it is shown.
void appendDocumentText(PageBuffer& out, std::string_view text);

// How wide `utf8` is drawn, in hundredths of the font's size: a full-width character one em,
// a half-width one a little over half. An estimate: the page cannot measure its fonts.
int estimatedWidth(std::string_view utf8);

// `utf8` cut after `most` characters, with "…" where it was longer: the chart draws no more of
// a name, as the pictures do not; the list below it holds every name whole.
std::string shortened(const std::string& utf8, size_t most);

// The chart's colour classes: the bracket's five colours as the screen reads them.
struct LiveColors {
    std::string win;
    std::string lose;
    std::string background;
    std::string member;
    std::string score;
    // True when the win, lose and score colours stand out on the dark variant's background,
    // which the chart then takes in a dark browser; otherwise it keeps its own background.
    bool darkChart = false;
};
LiveColors liveColors(const ColorSet& colors);

// What a live page's head and header show: its language, title (the sheet's name where it has
// none), second line, colours and the time of the last change, and how often it updates itself.
struct LiveHead {
    SheetLanguage language = SheetLanguage::Japanese;
    std::string title;     // UTF-8, as shown
    std::string subtitle;  // UTF-8, as shown
    ColorSet colors;
    std::string updatedAt;
    int refreshSeconds = 0;
    int checkSeconds = kLiveCheckSeconds;  // how often its script asks for it again
    std::string extraStyle;                // rules of the page's own, after the common ones
};

// The page up to its <main>: the head with its style and, where it updates itself, the script;
// the header with the title, second line and the last change.
void writeLiveHead(PageBuffer& out, const LiveHead& head);

// How wide the chart draws its texts: an estimate, the page cannot measure the browser's fonts.
class PageMetrics : public TextMetrics {
public:
    explicit PageMetrics(const SceneStyle& style) : m_style(style) {}

    TextRun run(TextRole role, std::string_view utf8, int stretch) const override {
        const long wide = long(estimatedWidth(utf8)) * lround(m_style.face(role).pixels) * stretch;
        const int width = int((wide + 9999) / 10000);
        return {width, 0, width};
    }
    int lineHeight(TextRole role) const override {
        return int(lround(m_style.face(role).pixels)) + 2;
    }

private:
    const SceneStyle& m_style;
};

// The chart: one <svg> as large as the sheet's layout, in CSS pixels.
void writeLiveChart(PageBuffer& out, const Bracket& bracket);

// The top of the page: the champion, 準優勝 and 3位 as far as they are decided, then
// 最新の結果, the last results entered, newest first (`recent` as LivePageOptions names them;
// empty: the latest round first). Nothing while no match is decided.
void writeLiveTop(PageBuffer& out, const Bracket& bracket, const std::vector<int>& recent);

// The results, round by round: a heading per round with a decided match, a list item per
// decided match, the third place and the champion.
// The one line a site's index shows of a bracket: its champion, else its latest result, as a
// list item; nothing while no match is decided.
void writeLatestResult(PageBuffer& out, const Bracket& bracket, const std::vector<int>& recent);
// Likewise the latest result of a pool stage (`recent` as PoolLivePageOptions::recentMatches).
void writeLatestPoolResult(PageBuffer& out, const PoolStage& stage, const std::vector<int>& recent);

void writeLiveResults(PageBuffer& out, const Bracket& bracket);

// The champion: the name written on the final, else the member standing there; empty while
// the final is undecided.
std::string championName(const Bracket& bracket);

}  // namespace kaz::live
