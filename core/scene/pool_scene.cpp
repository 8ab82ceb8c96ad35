#include "scene/pool_scene.h"

#include <algorithm>
#include <string>
#include <utility>

#include "pools/pool_standings.h"
#include "pools/pool_words.h"
#include "scene/text_fit.h"

namespace kaz {
namespace {

// The table's measures, in sheet pixels.
constexpr int kHeadingHeight = 24;
constexpr int kRowHeight = 24;
constexpr int kNameWidth = 140;
constexpr int kCellWidth = 64;
constexpr int kCountWidth = 32;  // 勝, 敗, 分
constexpr int kPointsWidth = 40;
constexpr int kDifferenceWidth = 44;
constexpr int kRankWidth = 48;
constexpr int kTextMargin = 4;
constexpr int kOrderLineHeight = 18;
constexpr int kGap = 12;              // between the table and what stands under it
constexpr int kBlockGap = 32;         // between two pools' blocks
constexpr int kMargin = 16;           // around the whole stage
constexpr int kTwoAcrossWidth = 640;  // blocks no wider stand two a row
// The order of play goes on two columns beyond this many matches.
constexpr size_t kOrderLinesInOneColumn = 10;

SceneTag matchTag(int number) { return {SceneTag::Kind::PoolMatch, number - 1}; }

class PoolBuilder {
public:
    PoolBuilder(const PoolStage& stage, int pool, const TextMetrics& metrics,
                const SceneStyle& style)
        : m_stage(stage),
          m_pool(stage.pools[size_t(pool)]),
          m_index(pool),
          m_metrics(metrics),
          m_style(style),
          m_words(poolWords(stage.language)),
          m_standings(poolStandings(m_pool, stage.rules)) {}

    Scene build() {
        const int members = int(m_pool.members.size());
        const int width = tableWidth();
        fill({0, 0, width, 0}, Ink::Background);  // its height is known at the end
        text(poolTitle(m_stage.language, m_pool.name), TextRole::RoundName,
             {0, 0, width, kHeadingHeight}, Anchor::Start, width);
        const int top = kHeadingHeight;
        header(top);
        for (int row = 0; row < members; ++row) memberRow(row, top + kRowHeight * (row + 1));
        int y = top + kRowHeight * (members + 1) + kGap;
        y = tiedNote(y);
        y = orderOfPlay(y);
        m_scene.items.front().rect.height = y;
        m_scene.extent = {width, y};
        return std::move(m_scene);
    }

    int tableWidth() const {
        return kNameWidth + kCellWidth * int(m_pool.members.size()) + statsWidth();
    }

private:
    bool showsDraws() const { return m_stage.rules.drawsAllowed; }
    int statsWidth() const {
        return kCountWidth * (showsDraws() ? 3 : 2) + kPointsWidth + kDifferenceWidth + kRankWidth;
    }

    SceneItem& fill(const Rect& rect, Ink ink, SceneItem::Kind kind = SceneItem::Kind::Fill,
                    SceneTag tag = {}) {
        SceneItem& item = m_scene.items.emplace_back();
        item.kind = kind;
        item.rect = rect;
        item.ink = ink;
        item.tag = tag;
        return item;
    }
    void frame(const Rect& rect, SceneTag tag = {}) {
        fill(rect, Ink::Member, SceneItem::Kind::Frame, tag);
    }
    // A text fitted into `room` by the one rule, within `rect`.
    SceneItem& text(std::string utf8, TextRole role, const Rect& rect, Anchor anchor, int room,
                    Ink ink = Ink::Member, SceneTag tag = {}) {
        FittedText fit = fitText(m_metrics, role, laidOutText(utf8), room);
        SceneItem& item = m_scene.items.emplace_back();
        item.kind = SceneItem::Kind::Text;
        item.ink = ink;
        item.rect = rect;
        item.tag = tag;
        item.role = role;
        item.anchor = anchor;
        item.room = room;
        item.text = std::move(fit.text);
        item.stretch = fit.stretch;
        item.width = fit.width;
        item.face = m_style.face(role);
        item.clipToRect = true;
        return item;
    }
    // A text in a cell of the table, within its margins.
    SceneItem& cellText(std::string utf8, TextRole role, const Rect& cell, Anchor anchor,
                        Ink ink = Ink::Member, SceneTag tag = {}) {
        const Rect inner{cell.left + kTextMargin, cell.top, cell.width - 2 * kTextMargin,
                         cell.height};
        return text(std::move(utf8), role, inner, anchor, inner.width, ink, tag);
    }

    std::string memberName(int member) const {
        const PoolMember& m = m_pool.members[size_t(member)];
        std::string name = std::to_string(member + 1) + ' ' + m.name;
        if (m.withdrawal != Withdrawal::None) name += std::string(" (") + m_words.withdrawn + ')';
        return name;
    }

    void header(int top) {
        const int members = int(m_pool.members.size());
        for (int column = 0; column < members; ++column) {
            const Rect cell{kNameWidth + kCellWidth * column, top, kCellWidth, kRowHeight};
            cellText(std::to_string(column + 1) + ' ' + m_pool.members[size_t(column)].name,
                     TextRole::Name, cell, Anchor::Middle);
        }
        int x = kNameWidth + kCellWidth * members;
        for (const auto& [word, width] : statColumns()) {
            const Rect cell{x, top, width, kRowHeight};
            cellText(word, TextRole::RoundName, cell, Anchor::Middle);
            x += width;
        }
    }

    std::vector<std::pair<const char*, int>> statColumns() const {
        std::vector<std::pair<const char*, int>> columns{{m_words.wins, kCountWidth},
                                                         {m_words.losses, kCountWidth}};
        if (showsDraws()) columns.emplace_back(m_words.draws, kCountWidth);
        columns.emplace_back(m_words.points, kPointsWidth);
        columns.emplace_back(m_words.difference, kDifferenceWidth);
        columns.emplace_back(m_words.rank, kRankWidth);
        return columns;
    }

    void memberRow(int row, int top) {
        const int members = int(m_pool.members.size());
        const PoolStanding& standing = m_standings.members[size_t(row)];
        const Ink ink = standing.through ? Ink::Win : Ink::Member;
        const Rect nameCell{0, top, kNameWidth, kRowHeight};
        SceneItem& name = cellText(memberName(row), TextRole::Name, nameCell, Anchor::Start, ink,
                                   {SceneTag::Kind::PoolMember, m_index * kMaxPoolSize + row});
        if (standing.through) name.face.weight = 700;
        for (int column = 0; column < members; ++column) {
            const Rect cell{kNameWidth + kCellWidth * column, top, kCellWidth, kRowHeight};
            if (column == row) fill(cell, Ink::Lose);  // nobody plays themself
        }
        int x = kNameWidth + kCellWidth * members;
        std::vector<std::string> values{std::to_string(standing.wins),
                                        std::to_string(standing.losses)};
        if (showsDraws()) values.push_back(std::to_string(standing.draws));
        values.push_back(std::to_string(standing.points));
        const long long difference = standing.difference();
        values.push_back((difference > 0 ? "+" : "") + std::to_string(difference));
        // Before its first result a pool ranks nobody: all would stand level.
        values.push_back(!started()          ? std::string()
                         : standing.rank > 0 ? std::to_string(standing.rank)
                                             : "-");
        const auto columns = statColumns();
        for (size_t at = 0; at < columns.size(); ++at) {
            const Rect cell{x, top, columns[at].second, kRowHeight};
            const bool rank = at + 1 == columns.size();
            cellText(values[at], TextRole::MatchNumber, cell, Anchor::Middle,
                     rank ? ink : Ink::Member);
            x += columns[at].second;
        }
        if (row == members - 1) {
            const int firstRowTop = top - kRowHeight * (members - 1);
            grid(firstRowTop - kRowHeight);
            resultCells(firstRowTop);
        }
    }

    // The table's rules, one pixel wide each: its frame, and a line between every two rows and
    // every two columns (cells framed one by one would double them).
    void grid(int top) {
        const int members = int(m_pool.members.size());
        const int width = tableWidth();
        const int height = kRowHeight * (members + 1);
        frame({0, top, width, height});
        for (int row = 1; row <= members; ++row) {
            fill({0, top + kRowHeight * row, width, 1}, Ink::Member);
        }
        int x = kNameWidth;
        for (int column = 0; column < members; ++column, x += kCellWidth) {
            fill({x, top, 1, height}, Ink::Member);
        }
        for (const auto& column : statColumns()) {
            fill({x, top, 1, height}, Ink::Member);
            x += column.second;
        }
    }

    // Every played match's two cells: the result from each row member's side.
    void resultCells(int firstRowTop) {
        for (size_t at = 0; at < m_pool.matches.size(); ++at) {
            const PoolMatch& match = m_pool.matches[at];
            if (!match.isPlayed() || !isMemberPair(match)) continue;
            const SceneTag tag = matchTag(poolMatchNumber(m_stage, m_index, int(at)));
            for (bool firstSide : {true, false}) {
                const int row = firstSide ? match.first : match.second;
                const int column = firstSide ? match.second : match.first;
                const Rect cell{kNameWidth + kCellWidth * column, firstRowTop + kRowHeight * row,
                                kCellWidth, kRowHeight};
                cellText(resultText(match, firstSide), TextRole::Score, cell, Anchor::Middle,
                         Ink::Score, tag);
            }
        }
    }

    bool isMemberPair(const PoolMatch& match) const {
        const int members = int(m_pool.members.size());
        return match.first >= 0 && match.second >= 0 && match.first < members &&
               match.second < members && match.first != match.second;
    }

    // "○ 21-15" from the first member's side, "● 15-21" from the second's.
    std::string resultText(const PoolMatch& match, bool firstSide) const {
        std::string text = resultMark(m_stage.rules.marks, match.outcome, firstSide);
        if (match.walkover) return text + ' ' + m_words.walkover;
        if (match.firstScore >= 0 && match.secondScore >= 0) {
            const int own = firstSide ? match.firstScore : match.secondScore;
            const int other = firstSide ? match.secondScore : match.firstScore;
            text += ' ' + std::to_string(own) + '-' + std::to_string(other);
        }
        return text;
    }

    bool started() const {
        return std::any_of(m_pool.matches.begin(), m_pool.matches.end(),
                           [](const PoolMatch& match) { return match.isPlayed(); });
    }

    // "同順位: 1 山田、3 佐藤" for each set the rules leave level, once the pool has begun.
    int tiedNote(int y) {
        if (!started()) return y;
        const int width = tableWidth();
        for (const std::vector<int>& tie : m_standings.ties) {
            std::string note = std::string(m_words.tied) + ':';
            for (size_t at = 0; at < tie.size(); ++at) {
                note += (at == 0 ? " " : ", ") + std::to_string(tie[at] + 1) + ' ' +
                        m_pool.members[size_t(tie[at])].name;
            }
            text(note, TextRole::Score, {0, y, width, kOrderLineHeight}, Anchor::Start, width,
                 Ink::Score);
            y += kOrderLineHeight;
        }
        return m_standings.ties.empty() ? y : y + kGap;
    }

    // The matches in their order, each by its number; a played one with its result.
    int orderOfPlay(int y) {
        const int width = tableWidth();
        text(m_words.orderOfPlay, TextRole::RoundName, {0, y, width, kOrderLineHeight},
             Anchor::Start, width);
        y += kOrderLineHeight;
        const size_t count = m_pool.matches.size();
        const size_t perColumn = count > kOrderLinesInOneColumn ? (count + 1) / 2 : count;
        const int columnWidth = count > kOrderLinesInOneColumn ? width / 2 : width;
        for (size_t at = 0; at < count; ++at) {
            const PoolMatch& match = m_pool.matches[at];
            if (!isMemberPair(match)) continue;
            const int number = poolMatchNumber(m_stage, m_index, int(at));
            const int column = int(at / perColumn);
            const Rect line{columnWidth * column, y + kOrderLineHeight * int(at % perColumn),
                            columnWidth - kTextMargin, kOrderLineHeight};
            const std::string& first = m_pool.members[size_t(match.first)].name;
            const std::string& second = m_pool.members[size_t(match.second)].name;
            std::string words = std::to_string(number) + ". " + first;
            if (match.isPlayed()) {
                words += ' ' + resultText(match, true) + ' ' +
                         resultMark(m_stage.rules.marks, match.outcome, false) + ' ' + second;
            } else {
                words += " - " + second;
            }
            text(words, TextRole::Score, line, Anchor::Start, line.width,
                 match.isPlayed() ? Ink::Score : Ink::Member, matchTag(number));
        }
        return y + kOrderLineHeight * int(perColumn);
    }

    const PoolStage& m_stage;
    const Pool& m_pool;
    int m_index;
    const TextMetrics& m_metrics;
    const SceneStyle& m_style;
    const PoolWords& m_words;
    PoolStandings m_standings;
    Scene m_scene;
};

// Appends `block`'s items to `scene`, moved by `offset`.
void place(Scene& scene, Scene block, Point offset) {
    for (SceneItem& item : block.items) {
        item.rect.left += offset.x;
        item.rect.top += offset.y;
        if (item.clip.width > 0) {
            item.clip.left += offset.x;
            item.clip.top += offset.y;
        }
        scene.items.push_back(std::move(item));
    }
}

}  // namespace

Scene buildPoolScene(const PoolStage& stage, int pool, const TextMetrics& metrics,
                     const SceneStyle& style) {
    if (pool < 0 || size_t(pool) >= stage.pools.size()) return {};
    return PoolBuilder(stage, pool, metrics, style).build();
}

Scene buildPoolStageScene(const PoolStage& stage, const TextMetrics& metrics,
                          const SceneStyle& style) {
    Scene scene;
    scene.items.emplace_back().ink = Ink::Background;
    int y = kMargin;
    int widest = 0;
    for (const auto& [line, role] : {std::pair{&stage.title, TextRole::Title},
                                     std::pair{&stage.subtitle, TextRole::Subtitle}}) {
        if (line->empty()) continue;
        const int height = metrics.lineHeight(role) + 4;
        FittedText fit = fitText(metrics, role, laidOutText(*line), 1 << 20);
        SceneItem& item = scene.items.emplace_back();
        item.kind = SceneItem::Kind::Text;
        item.role = role;
        item.rect = {kMargin, y, fit.width, height};
        item.text = std::move(fit.text);
        item.width = fit.width;
        item.face = style.face(role);
        widest = std::max(widest, fit.width);
        y += height;
    }
    if (y > kMargin) y += kGap;
    std::vector<Scene> blocks;
    int blockWidth = 0;
    for (int pool = 0; pool < int(stage.pools.size()); ++pool) {
        blocks.push_back(buildPoolScene(stage, pool, metrics, style));
        blockWidth = std::max(blockWidth, blocks.back().extent.width);
    }
    size_t items = scene.items.size();
    for (const Scene& block : blocks) items += block.items.size();
    scene.items.reserve(items);
    const int across = blockWidth <= kTwoAcrossWidth ? 2 : 1;
    for (size_t at = 0; at < blocks.size(); at += size_t(across)) {
        int rowHeight = 0;
        for (size_t in = at; in < std::min(blocks.size(), at + size_t(across)); ++in) {
            const int x = kMargin + int(in - at) * (blockWidth + kBlockGap);
            rowHeight = std::max(rowHeight, blocks[in].extent.height);
            widest = std::max(widest, x - kMargin + blocks[in].extent.width);
            place(scene, std::move(blocks[in]), {x, y});
        }
        y += rowHeight + kBlockGap;
    }
    scene.extent = {widest + 2 * kMargin, y - kBlockGap + kMargin};
    scene.items.front().rect = {0, 0, scene.extent.width, scene.extent.height};
    indexScene(scene, 0);
    return scene;
}

}  // namespace kaz
