#include "html/pool_live_page.h"

#include <algorithm>

#include "bracket/sheet_words.h"
#include "html/live_parts.h"
#include "html/scene_svg.h"
#include "pools/pool_words.h"
#include "scene/pool_scene.h"

namespace kaz {
namespace {

// The most results the top of the page lists.
constexpr size_t kRecentResults = 6;

struct NumberedMatch {
    int pool = 0;
    int match = 0;
};

// Every match of the stage by its number less one.
std::vector<NumberedMatch> matchesByNumber(const PoolStage& stage) {
    std::vector<NumberedMatch> matches;
    for (int pool = 0; pool < int(stage.pools.size()); ++pool) {
        for (int match = 0; match < int(stage.pools[size_t(pool)].matches.size()); ++match) {
            matches.push_back({pool, match});
        }
    }
    return matches;
}

bool isPlayedPair(const Pool& pool, const PoolMatch& match) {
    const int members = int(pool.members.size());
    return match.isPlayed() && match.first >= 0 && match.second >= 0 && match.first < members &&
           match.second < members;
}

// "Aブロック 山田 ○ 21-15 ● 佐藤".
void appendResult(html::PageBuffer& out, const PoolStage& stage, const NumberedMatch& at) {
    const Pool& pool = stage.pools[size_t(at.pool)];
    const PoolMatch& match = pool.matches[size_t(at.match)];
    const ResultMarks marks = stage.rules.marks;
    out += "<li>";
    live::appendText(out, poolTitle(stage.language, pool.name));
    out += ' ';
    live::appendText(out, pool.members[size_t(match.first)].name);
    out += ' ';
    out += resultMark(marks, match.outcome, true);
    if (match.walkover) {
        out += ' ';
        out += poolWords(stage.language).walkover;
    } else if (match.firstScore >= 0 && match.secondScore >= 0) {
        out += " <span class=\"sc\">";
        html::appendInt(out, match.firstScore);
        out += '-';
        html::appendInt(out, match.secondScore);
        out += "</span>";
    }
    out += ' ';
    out += resultMark(marks, match.outcome, false);
    out += ' ';
    live::appendText(out, pool.members[size_t(match.second)].name);
    out += "</li>\n";
}

// The numbers of the matches 最新の結果 lists, newest first: those `recent` names while they
// stand played, else the played ones of the highest numbers.
std::vector<int> recentNumbers(const PoolStage& stage, const std::vector<NumberedMatch>& matches,
                               const std::vector<int>& recent) {
    const auto played = [&](int number) {
        if (number < 1 || size_t(number) > matches.size()) return false;
        const NumberedMatch& at = matches[size_t(number - 1)];
        const Pool& pool = stage.pools[size_t(at.pool)];
        return isPlayedPair(pool, pool.matches[size_t(at.match)]);
    };
    std::vector<int> listed;
    for (int number : recent) {
        if (listed.size() < kRecentResults && played(number) &&
            std::find(listed.begin(), listed.end(), number) == listed.end()) {
            listed.push_back(number);
        }
    }
    if (recent.empty()) {
        for (int number = int(matches.size()); number >= 1 && listed.size() < kRecentResults;
             --number) {
            if (played(number)) listed.push_back(number);
        }
    }
    return listed;
}

void writeRecent(html::PageBuffer& out, const PoolStage& stage, const std::vector<int>& recent) {
    const std::vector<NumberedMatch> matches = matchesByNumber(stage);
    const std::vector<int> listed = recentNumbers(stage, matches, recent);
    if (listed.empty()) return;
    const SheetWords& words = sheetWords(stage.language);
    out += "<section class=\"top\" aria-label=\"";
    out += std::string_view(words.headlines);
    out += "\">\n<h2>";
    out += std::string_view(words.latestResults);
    out += "</h2>\n<ol class=\"recent\">\n";
    for (int number : listed) appendResult(out, stage, matches[size_t(number - 1)]);
    out += "</ol>\n</section>\n";
}

}  // namespace

void live::writeLatestPoolResult(html::PageBuffer& out, const PoolStage& stage,
                                 const std::vector<int>& recent) {
    const std::vector<NumberedMatch> matches = matchesByNumber(stage);
    const std::vector<int> listed = recentNumbers(stage, matches, recent);
    if (!listed.empty()) appendResult(out, stage, matches[size_t(listed.front() - 1)]);
}

std::string writePoolLivePage(const PoolStage& stage, const PoolLivePageOptions& options) {
    html::PageBuffer out(16384 + 4096 * stage.pools.size());
    const ColorSet colors;
    live::LiveHead head{stage.language,       stage.title,
                        stage.subtitle,       colors,
                        options.updatedAt,    options.refreshSeconds,
                        options.checkSeconds, {}};
    if (head.title.empty()) head.title = poolWords(stage.language).stage;
    // Who goes through stands out in the win colour.
    head.extraStyle = ".g{fill:var(--member)}.c text.w{fill:" + live::liveColors(colors).win +
                      ";font-weight:bold}\n";
    live::writeLiveHead(out, head);
    if (options.knockout) live::writeLiveTop(out, *options.knockout, {});
    writeRecent(out, stage, options.recentMatches);
    if (options.knockout) {
        out += "<h2>";
        live::appendText(out, poolWords(stage.language).knockout);
        out += "</h2>\n<div class=\"chart\">\n";
        live::writeLiveChart(out, *options.knockout);
        out += "\n</div>\n";
    }
    static const SceneStyle style = pageSceneStyle();
    const live::PageMetrics metrics(style);
    for (int pool = 0; pool < int(stage.pools.size()); ++pool) {
        const Scene scene = buildPoolScene(stage, pool, metrics, style);
        out += "<div class=\"chart\">\n";
        appendSceneSvg(out, scene, metrics,
                       poolTitle(stage.language, stage.pools[size_t(pool)].name));
        out += "\n</div>\n";
    }
    out += "</main>\n</body>\n</html>\n";
    return out.take();
}

}  // namespace kaz
