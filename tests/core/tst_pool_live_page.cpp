// The live page of a pool stage: every pool drawn, names escaped, the latest results on top as
// the editor names them (or the highest numbers played), and nothing else from outside.

#include <QTest>
#include <vector>

#include "html/pool_live_page.h"
#include "pools/knockout_draw.h"
#include "pools/pool_draw.h"
#include "pools/pool_words.h"

using namespace kaz;

Q_DECLARE_METATYPE(std::vector<int>)

class TestPoolLivePage : public QObject {
    Q_OBJECT
private slots:
    void page_data();
    void page();
    void eventPage();
};

void TestPoolLivePage::page_data() {
    QTest::addColumn<std::vector<int>>("recent");
    QTest::addColumn<QStringList>("listed");  // the top's results, in order
    QTest::newRow("the highest numbers")
        << std::vector<int>{} << QStringList{"9", "7", "5", "3", "1"};
    // Unplayed, unknown and repeated numbers are passed over.
    QTest::newRow("as named") << std::vector<int>{3, 2, 99, 3, 0, 9} << QStringList{"3", "9"};
}

void TestPoolLivePage::page() {
    QFETCH(std::vector<int>, recent);
    QFETCH(QStringList, listed);
    std::vector<Entrant> entrants(9);
    for (size_t e = 0; e < entrants.size(); ++e) {
        entrants[e].name = "<b>&\"N" + std::to_string(e) + "'";
    }
    PoolDrawOptions options;
    options.pools = 3;
    PoolStage stage = drawPools(entrants, options)->stage;
    // Every other match played, by its number across the stage: 1, 3, 5, 7, 9.
    int number = 0;
    for (Pool& pool : stage.pools) {
        for (PoolMatch& match : pool.matches) {
            if (++number % 2 == 0) continue;
            match.outcome = MatchOutcome::FirstWins;
            match.firstScore = 100 + number;  // names the match in the page
            match.secondScore = 0;
        }
    }
    const QString page =
        QString::fromStdString(writePoolLivePage(stage, {"2026-12-10 09:00:00", 30, recent}));
    QVERIFY(!page.contains(QStringLiteral("<b>")));
    QVERIFY(page.contains(QStringLiteral("&lt;b&gt;&amp;&quot;N0&#39;")));
    for (const Pool& pool : stage.pools) {
        const QString title = QString::fromStdString(poolTitle(stage.language, pool.name));
        QVERIFY(page.contains(QStringLiteral("aria-label=\"%1\"").arg(title)));
    }
    const int top = page.indexOf(QStringLiteral("<ol class=\"recent\">"));
    const QString list = page.mid(top, page.indexOf(QStringLiteral("</ol>"), top) - top);
    QStringList found;
    for (int at = list.indexOf(QStringLiteral("\"sc\">1")); at >= 0;
         at = list.indexOf(QStringLiteral("\"sc\">1"), at + 1)) {
        found << QString::number(list.mid(at + 5, 3).toInt() - 100);
    }
    QCOMPARE(found, listed);
}

// With its knockout, the page is the event's: the knockout's chart, its slots waiting as
// 「Aブロック1位」, between the latest results and the pools.
void TestPoolLivePage::eventPage() {
    std::vector<Entrant> entrants(6);
    for (size_t e = 0; e < entrants.size(); ++e) entrants[e].name = "N" + std::to_string(e);
    PoolDrawOptions options;
    options.pools = 2;
    options.through = 2;
    const PoolStage stage = drawPools(entrants, options)->stage;
    const Bracket knockout = makeKnockout(stage, *drawKnockout(stage, {false, 1}), "p.kazpool");
    PoolLivePageOptions pageOptions;
    pageOptions.knockout = &knockout;
    const QString page = QString::fromStdString(writePoolLivePage(stage, pageOptions));
    const int heading = page.indexOf(QStringLiteral("<h2>決勝トーナメント</h2>"));
    const int slot = page.indexOf(QStringLiteral("Aブロック1位"));
    const int firstPool = page.indexOf(QStringLiteral("aria-label=\"Aブロック\""));
    QVERIFY(heading > 0);
    QVERIFY(slot > heading);
    QVERIFY(firstPool > slot);
}

QTEST_GUILESS_MAIN(TestPoolLivePage)
#include "tst_pool_live_page.moc"
