// The pool draw: the pools' sizes, seeds in snake order, clubs spread as far as the pools allow,
// every pool equally likely for everyone else, and the same draw from the same number.

#include <QTest>
#include <map>
#include <random>

#include "pools/pool_draw.h"
#include "pools/pool_file.h"

using namespace kaz;

Q_DECLARE_METATYPE(std::vector<int>)

class TestPoolDraw : public QObject {
    Q_OBJECT
private slots:
    void sizes_data();
    void sizes();
    void randomDraws();
    void everyPoolEquallyLikely();
};

void TestPoolDraw::sizes_data() {
    QTest::addColumn<int>("entrants");
    QTest::addColumn<int>("pools");
    QTest::addColumn<int>("poolSize");
    QTest::addColumn<std::vector<int>>("sizes");
    QTest::newRow("10 by size 4") << 10 << 0 << 4 << std::vector<int>{4, 3, 3};
    QTest::newRow("17 by size 8") << 17 << 0 << 8 << std::vector<int>{6, 6, 5};
    QTest::newRow("128 in 32") << 128 << 32 << 0 << std::vector<int>(32, 4);
    QTest::newRow("3 in 1") << 3 << 1 << 0 << std::vector<int>{3};
    QTest::newRow("pools of 2") << 9 << 4 << 0 << std::vector<int>{};
    QTest::newRow("a pool of 9") << 9 << 1 << 0 << std::vector<int>{};
    QTest::newRow("2 entrants") << 2 << 1 << 0 << std::vector<int>{};
    QTest::newRow("129 entrants") << 129 << 32 << 0 << std::vector<int>{};
    QTest::newRow("33 pools") << 99 << 33 << 0 << std::vector<int>{};
    QTest::newRow("size 2") << 10 << 0 << 2 << std::vector<int>{};
}

void TestPoolDraw::sizes() {
    QFETCH(int, entrants);
    QFETCH(int, pools);
    QFETCH(int, poolSize);
    QFETCH(std::vector<int>, sizes);
    PoolDrawOptions options;
    options.pools = pools;
    options.poolSize = poolSize;
    QCOMPARE(poolSizes(entrants, options), sizes);
}

// Random lists of every size, with clubs and seeds: each entrant drawn once into pools of the
// sizes asked, seeds one to a pool in snake order and first in their pools, no more same-club
// pairs than the clubs' sizes force, and the same draw again from the same number.
void TestPoolDraw::randomDraws() {
    std::mt19937 random(46);
    for (int trial = 0; trial < 300; ++trial) {
        const int count =
            kMinPoolEntrants + int(random() % (kMaxPoolEntrants - kMinPoolEntrants + 1));
        PoolDrawOptions options;
        options.poolSize = kMinPoolSize + int(random() % (kMaxPoolSize - kMinPoolSize + 1));
        options.drawNumber = 1 + uint32_t(random() % kMaxDrawNumber);
        const std::vector<int> sizes = poolSizes(count, options);
        if (sizes.empty()) continue;
        const int pools = int(sizes.size());
        const int clubCount = 1 + int(random() % 12);
        const int seeds = trial % 2 == 0 ? 0 : int(random() % std::min(count, 2 * pools + 1));
        std::vector<Entrant> entrants(static_cast<size_t>(count));
        std::map<std::string, int> clubSizes;
        for (int e = 0; e < count; ++e) {
            Entrant& entrant = entrants[size_t(e)];
            entrant.name = "E" + std::to_string(e);
            if (random() % 4 != 0) entrant.club = "C" + std::to_string(random() % clubCount);
            if (e < seeds) entrant.seed = seeds - e;  // the list need not be in seed order
            if (!entrant.club.empty()) ++clubSizes[entrant.club];
        }
        const std::optional<PoolDraw> draw = drawPools(entrants, options);
        QVERIFY(draw);
        QCOMPARE(int(draw->stage.pools.size()), pools);
        std::vector<int> poolOf(size_t(count), -1);
        for (int p = 0; p < pools; ++p) {
            const Pool& pool = draw->stage.pools[size_t(p)];
            QCOMPARE(int(pool.members.size()), sizes[size_t(p)]);
            QCOMPARE(pool.name, defaultPoolName(p));
            QCOMPARE(int(pool.matches.size()), sizes[size_t(p)] * (sizes[size_t(p)] - 1) / 2);
            for (size_t m = 0; m < pool.members.size(); ++m) {
                const int e = draw->entrantsOf[size_t(p)][m];
                QCOMPARE(poolOf[size_t(e)], -1);
                poolOf[size_t(e)] = p;
                QCOMPARE(pool.members[m].name, entrants[size_t(e)].name);
                // Seeds stand first, in seed order.
                if (m > 0 && pool.members[m].seed > 0) {
                    QVERIFY(pool.members[m - 1].seed > 0);
                    QVERIFY(pool.members[m - 1].seed < pool.members[m].seed);
                }
            }
        }
        for (int e = 0; e < seeds; ++e) {
            const int seed = entrants[size_t(e)].seed;  // 1 … seeds
            const int turn = (seed - 1) / pools;
            const int step = (seed - 1) % pools;
            // Seeds of the first two turns always find room: every pool holds at least three.
            if (turn < 2) QCOMPARE(poolOf[size_t(e)], turn == 0 ? step : pools - 1 - step);
        }
        if (seeds == 0) {
            int forced = 0;
            int clubsForced = 0;
            for (const auto& [club, members] : clubSizes) {
                forced += unavoidableClubPairs(members, pools);
                clubsForced += unavoidableClubPairs(members, pools) > 0;
            }
            QCOMPARE(int(draw->clubPairs.size()), forced);
            // The draw's notes name each club that cannot be spread without a pair.
            QCOMPARE(int(unavoidablePoolPairTexts(entrants, pools).size()), clubsForced);
        }
        // What the draw makes, the file holds.
        QVERIFY(poolStageFits(draw->stage));
        const std::optional<PoolDraw> again = drawPools(entrants, options);
        QVERIFY(again && again->stage == draw->stage);
    }
}

// Without clubs or seeds each entrant lands in each pool about as often as in any other over
// many draw numbers (expected 1000 of 3000 each; five standard deviations either way).
void TestPoolDraw::everyPoolEquallyLikely() {
    std::vector<Entrant> entrants(12);
    for (size_t e = 0; e < entrants.size(); ++e) entrants[e].name = "E" + std::to_string(e);
    PoolDrawOptions options;
    options.pools = 3;
    std::vector<std::vector<int>> landed(entrants.size(), std::vector<int>(3, 0));
    for (uint32_t number = 1; number <= 3000; ++number) {
        options.drawNumber = number;
        const std::optional<PoolDraw> draw = drawPools(entrants, options);
        QVERIFY(draw);
        for (int p = 0; p < 3; ++p) {
            for (int e : draw->entrantsOf[size_t(p)]) ++landed[size_t(e)][size_t(p)];
        }
    }
    for (const std::vector<int>& counts : landed) {
        for (int n : counts) QVERIFY2(std::abs(n - 1000) <= 130, qPrintable(QString::number(n)));
    }
}

QTEST_GUILESS_MAIN(TestPoolDraw)
#include "tst_pool_draw.moc"
