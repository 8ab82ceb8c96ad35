// The pool sheet's scene: each result in both its cells, seen from each row's member; the
// blanked diagonal; the standings as the rules rank; every block within the stage's picture.

#include <QTest>
#include <random>

#include "pools/pool_draw.h"
#include "pools/pool_standings.h"
#include "pools/pool_words.h"
#include "scene/pool_scene.h"

using namespace kaz;

namespace {

class ByteMetrics : public TextMetrics {
public:
    TextRun run(TextRole, std::string_view utf8, int stretch) const override {
        const int width = int(utf8.size()) * 6 * stretch / 100;
        return {width, 0, width};
    }
    int lineHeight(TextRole) const override { return 14; }
};

// The text item whose string is `text` and that stands in `area`'s rows and columns.
const SceneItem* textIn(const Scene& scene, const Rect& row, const Rect& column) {
    for (const SceneItem& item : scene.items) {
        if (item.kind == SceneItem::Kind::Text && item.rect.top == row.top &&
            item.rect.left >= column.left && item.rect.right() <= column.right()) {
            return &item;
        }
    }
    return nullptr;
}

PoolStage randomStage(std::mt19937& random) {
    const int count = 3 + int(random() % 30);
    std::vector<Entrant> entrants(static_cast<size_t>(count));
    for (int e = 0; e < count; ++e) entrants[size_t(e)].name = "M" + std::to_string(e);
    PoolDrawOptions options;
    options.poolSize = 3 + int(random() % 6);
    options.drawNumber = uint32_t(random() % 1000 + 1);
    options.language = random() % 2 ? SheetLanguage::English : SheetLanguage::Japanese;
    std::optional<PoolDraw> draw = drawPools(entrants, options);
    if (!draw) return {};
    PoolStage stage = std::move(draw->stage);
    stage.rules.drawsAllowed = random() % 2;
    stage.rules.marks = random() % 2 ? ResultMarks::Crosses : ResultMarks::Circles;
    stage.title = "T";
    for (Pool& pool : stage.pools) {
        if (random() % 5 == 0) continue;  // a pool not begun
        for (PoolMatch& match : pool.matches) {
            match.outcome = MatchOutcome(random() % (stage.rules.drawsAllowed ? 4 : 3));
            if (match.isPlayed() && random() % 2) {
                match.firstScore = int(random() % 30);
                match.secondScore = int(random() % 30);
            }
        }
    }
    return stage;
}

}  // namespace

class TestPoolScene : public QObject {
    Q_OBJECT
private slots:
    void tablesOfRandomPools();
};

void TestPoolScene::tablesOfRandomPools() {
    std::mt19937 random(1);
    const ByteMetrics metrics;
    const SceneStyle style = pictureSceneStyle();
    for (int trial = 0; trial < 60; ++trial) {
        const PoolStage stage = randomStage(random);
        if (stage.pools.empty()) continue;
        for (int p = 0; p < int(stage.pools.size()); ++p) {
            const Pool& pool = stage.pools[size_t(p)];
            const Scene scene = buildPoolScene(stage, p, metrics, style);
            const int members = int(pool.members.size());
            // Each member's row (its name's) and column (its number across the top).
            std::vector<Rect> rows;
            std::vector<Rect> columns;
            for (int m = 0; m < members; ++m) {
                const std::string label =
                    std::to_string(m + 1) + ' ' + pool.members[size_t(m)].name;
                // Across the top first, then down the side.
                std::vector<Rect> found;
                for (const SceneItem& item : scene.items) {
                    if (item.kind == SceneItem::Kind::Text && item.text == label) {
                        found.push_back(item.rect);
                    }
                }
                QCOMPARE(found.size(), size_t(2));
                QVERIFY(found[0].top < found[1].top);
                columns.push_back(found[0]);
                rows.push_back(found[1]);
            }
            QCOMPARE(int(columns.size()), members);
            QCOMPARE(int(rows.size()), members);
            int blanked = 0;
            for (const SceneItem& item : scene.items) {
                if (item.kind != SceneItem::Kind::Fill || item.ink != Ink::Lose) continue;
                const auto r = std::find_if(rows.begin(), rows.end(), [&](const Rect& row) {
                    return item.rect.top == row.top;
                });
                QVERIFY(r != rows.end());
                const int m = int(r - rows.begin());
                QVERIFY(item.rect.left < columns[size_t(m)].left &&
                        columns[size_t(m)].right() < item.rect.right());
                ++blanked;
            }
            QCOMPARE(blanked, members);
            for (size_t at = 0; at < pool.matches.size(); ++at) {
                const PoolMatch& match = pool.matches[at];
                const SceneItem* firstCell =
                    textIn(scene, rows[size_t(match.first)], columns[size_t(match.second)]);
                const SceneItem* secondCell =
                    textIn(scene, rows[size_t(match.second)], columns[size_t(match.first)]);
                if (!match.isPlayed()) {
                    QVERIFY(!firstCell && !secondCell);
                    continue;
                }
                QVERIFY(firstCell && secondCell);
                std::string first = resultMark(stage.rules.marks, match.outcome, true);
                std::string second = resultMark(stage.rules.marks, match.outcome, false);
                if (match.firstScore >= 0) {
                    first += ' ' + std::to_string(match.firstScore) + '-' +
                             std::to_string(match.secondScore);
                    second += ' ' + std::to_string(match.secondScore) + '-' +
                              std::to_string(match.firstScore);
                }
                QCOMPARE(firstCell->text, first);
                QCOMPARE(secondCell->text, second);
                const SceneTag tag{SceneTag::Kind::PoolMatch,
                                   poolMatchNumber(stage, p, int(at)) - 1};
                QVERIFY(firstCell->tag == tag && secondCell->tag == tag);
            }
            // The rank column, the last, in each row: the standings' rank.
            const PoolStandings standings = poolStandings(pool, stage.rules);
            const char* rankWord = poolWords(stage.language).rank;
            const auto heading =
                std::find_if(scene.items.begin(), scene.items.end(),
                             [&](const SceneItem& item) { return item.text == rankWord; });
            QVERIFY(heading != scene.items.end());
            for (int m = 0; m < members; ++m) {
                const SceneItem* rank = textIn(scene, rows[size_t(m)], heading->rect);
                const bool started =
                    std::any_of(pool.matches.begin(), pool.matches.end(),
                                [](const PoolMatch& match) { return match.isPlayed(); });
                QCOMPARE(rank != nullptr && !rank->text.empty(), started);
                if (!started) continue;
                QCOMPARE(rank->text, std::to_string(standings.members[size_t(m)].rank));
                QCOMPARE(rank->ink == Ink::Win, standings.members[size_t(m)].through);
            }
        }
        const Scene whole = buildPoolStageScene(stage, metrics, style);
        for (const SceneItem& item : whole.items) {
            QVERIFY(item.rect.left >= 0 && item.rect.top >= 0);
            QVERIFY(item.rect.right() <= whole.extent.width &&
                    item.rect.bottom() <= whole.extent.height);
        }
        for (const Pool& pool : stage.pools) {
            const std::string title = poolTitle(stage.language, pool.name);
            QVERIFY(std::any_of(whole.items.begin(), whole.items.end(),
                                [&](const SceneItem& item) { return item.text == title; }));
        }
    }
}

QTEST_GUILESS_MAIN(TestPoolScene)
#include "tst_pool_scene.moc"
