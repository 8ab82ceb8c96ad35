// The order of play of every pool size: each pair once, as few back-to-back matches as any
// order can have, and nobody far ahead of the others in matches played.

#include <QTest>
#include <algorithm>
#include <set>
#include <utility>

#include "pools/order_of_play.h"

using namespace kaz;

namespace {

// The fewest back-to-back matches of any order of the pairs of `members`, by trying every
// order of them (kept to the small sizes, where some are unavoidable).
int fewestBackToBack(int members) {
    std::vector<PoolMatch> pairs;
    for (int a = 0; a < members; ++a) {
        for (int b = a + 1; b < members; ++b) pairs.push_back({a, b});
    }
    std::vector<size_t> order(pairs.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    int fewest = int(pairs.size());
    do {
        std::vector<PoolMatch> tried;
        for (size_t i : order) tried.push_back(pairs[i]);
        fewest = std::min(fewest, backToBackMatches(tried));
    } while (std::next_permutation(order.begin(), order.end()));
    return fewest;
}

}  // namespace

class TestPoolOrder : public QObject {
    Q_OBJECT
private slots:
    void everyPairOnceWithRest_data();
    void everyPairOnceWithRest();
};

void TestPoolOrder::everyPairOnceWithRest_data() {
    QTest::addColumn<int>("members");
    for (int members = kMinPoolSize; members <= kMaxPoolSize; ++members) {
        QTest::addRow("%d", members) << members;
    }
}

void TestPoolOrder::everyPairOnceWithRest() {
    QFETCH(int, members);
    const std::vector<PoolMatch> order = orderOfPlay(members);
    std::set<std::pair<int, int>> pairs;
    std::vector<int> played(size_t(members), 0);
    for (const PoolMatch& match : order) {
        QVERIFY(match.first >= 0 && match.first < match.second && match.second < members);
        QVERIFY(!match.isPlayed());
        QVERIFY(pairs.insert({match.first, match.second}).second);
        ++played[size_t(match.first)];
        ++played[size_t(match.second)];
        const auto [least, most] = std::minmax_element(played.begin(), played.end());
        QVERIFY2(*most - *least <= 2, qPrintable(QStringLiteral("after %1").arg(pairs.size())));
    }
    QCOMPARE(int(pairs.size()), members * (members - 1) / 2);
    QCOMPARE(backToBackMatches(order), members <= 4 ? fewestBackToBack(members) : 0);
}

QTEST_GUILESS_MAIN(TestPoolOrder)
#include "tst_pool_order.moc"
