// A pool's standings against a plain model of the same rules over random pools, and the named
// ties: a circular tie broken among the tied, a lot, a tie that stays, withdrawals both ways.

#include <QRandomGenerator>
#include <QTest>
#include <algorithm>
#include <list>
#include <map>
#include <set>

#include "draw/draw_random.h"
#include "pools/pool_standings.h"

using namespace kaz;

namespace {

// Ranks as "1 3 2 4", a tied one as "1=", the through marks as "1000", " cut" where a tie lies
// across the cut; with `records`, each member's points and 得失 as "3/+2".
QString shown(const PoolStandings& standings, bool records = false) {
    QStringList ranks, points;
    QString through;
    for (const PoolStanding& s : standings.members) {
        ranks << QString::number(s.rank) + (s.tied ? "=" : "");
        through += s.through ? u'1' : u'0';
        points << QString::asprintf("%lld/%+lld", (long long)s.points, (long long)s.difference());
    }
    return ranks.join(u' ') + u' ' + through + (standings.tieAtCut ? " cut" : "") +
           (records ? u' ' + points.join(u' ') : QString());
}

// Worked out here without the core, in the form `shown` gives with records: a table of what
// each member took from each other member, then an ordered list of blocks refined one
// criterion at a time.
QString referenceStandings(const Pool& pool, const PoolRules& rules) {
    const int n = int(pool.members.size());
    auto removed = [&](int m) { return pool.members[m].withdrawal == Withdrawal::MatchesRemoved; };
    auto lost = [&](int m) { return pool.members[m].withdrawal == Withdrawal::MatchesLost; };
    // took[a][b]: points a took from b; scored[a][b]: what a scored against b.
    std::vector<std::vector<long long>> took(n, std::vector<long long>(n, 0));
    std::vector<std::vector<long long>> scored = took;
    for (const PoolMatch& m : pool.matches) {
        const int a = m.first, b = m.second;
        if (removed(a) || removed(b)) continue;
        MatchOutcome outcome = m.outcome;
        bool walkover = m.walkover;
        if (outcome == MatchOutcome::Unplayed && lost(a) && !lost(b)) {
            outcome = MatchOutcome::SecondWins, walkover = true;
        } else if (outcome == MatchOutcome::Unplayed && lost(b) && !lost(a)) {
            outcome = MatchOutcome::FirstWins, walkover = true;
        }
        if (outcome == MatchOutcome::Unplayed) continue;
        if (outcome == MatchOutcome::Draw) {
            took[a][b] += rules.drawPoints, took[b][a] += rules.drawPoints;
        } else {
            const int winner = outcome == MatchOutcome::FirstWins ? a : b;
            const int loser = winner == a ? b : a;
            took[winner][loser] += rules.winPoints, took[loser][winner] += rules.lossPoints;
        }
        if (!walkover) {
            scored[a][b] += std::max(0, m.firstScore), scored[b][a] += std::max(0, m.secondScore);
        }
    }
    auto sumOver = [&](const std::vector<std::vector<long long>>& t, int m,
                       const std::vector<int>& among) {
        long long s = 0;
        for (const int o : among) s += t[m][o];
        return s;
    };
    std::vector<int> everyone(n);
    for (int m = 0; m < n; ++m) everyone[m] = m;
    auto diff = [&](int m, const std::vector<int>& among) {
        long long d = 0;
        for (const int o : among) d += scored[m][o] - scored[o][m];
        return d;
    };
    // The criteria in turn: "h" head-to-head, "d" difference among the set, "D" over the pool,
    // "f" scores for, "l" the lot.
    std::string criteria;
    for (const TieBreak t : rules.tieBreaks) {
        criteria += t == TieBreak::HeadToHead        ? "h"
                    : t == TieBreak::ScoreDifference ? "dD"
                    : t == TieBreak::ScoresFor       ? "f"
                                                     : "l";
    }
    auto key = [&](char c, int m, const std::vector<int>& set) -> long long {
        switch (c) {
            case 'p': return sumOver(took, m, everyone);
            case 'h': return sumOver(took, m, set);
            case 'd': return diff(m, set);
            case 'D': return diff(m, everyone);
            case 'f': return sumOver(scored, m, everyone);
        }
        for (const int o : set) {
            if (std::find(pool.lot.begin(), pool.lot.end(), o) == pool.lot.end()) return 0;
        }
        return -(std::find(pool.lot.begin(), pool.lot.end(), m) - pool.lot.begin());
    };

    struct Block {
        std::vector<int> members;
        int step;  // -1 for points, then an index into `criteria`
    };
    std::list<Block> blocks;
    blocks.push_back({{}, -1});
    for (int m = 0; m < n; ++m) {
        if (!removed(m)) blocks.front().members.push_back(m);
    }
    for (auto it = blocks.begin(); it != blocks.end();) {
        if (it->members.size() < 2 || it->step >= int(criteria.size())) {
            ++it;
            continue;
        }
        const char c = it->step < 0 ? 'p' : criteria[size_t(it->step)];
        std::map<long long, std::vector<int>, std::greater<>> byKey;
        for (const int m : it->members) byKey[key(c, m, it->members)].push_back(m);
        if (byKey.size() == 1) {
            ++it->step;
            continue;
        }
        for (const auto& [k, part] : byKey) blocks.insert(it, Block{part, 0});
        it = blocks.erase(it);
        std::advance(it, -int(byKey.size()));
    }

    std::vector<QString> rank(n, "0");
    QString through(n, u'0'), cut, records;
    int place = 1;
    for (const Block& b : blocks) {
        const int last = place + int(b.members.size()) - 1;
        for (const int m : b.members) {
            rank[m] = QString::number(place) + (last > place ? "=" : "");
            if (last <= rules.through) through[m] = u'1';
        }
        if (last > place && place <= rules.through && last > rules.through) cut = " cut";
        place = last + 1;
    }
    for (int m = 0; m < n; ++m) {
        records += QString::asprintf(" %lld/%+lld", sumOver(took, m, everyone), diff(m, everyone));
    }
    return QStringList(rank.begin(), rank.end()).join(u' ') + u' ' + through + cut + records;
}

template <typename T>
void shuffle(QRandomGenerator& rng, std::vector<T>& items) {
    for (size_t i = items.size(); i > 1; --i) std::swap(items[i - 1], items[rng.bounded(int(i))]);
}

PoolRules randomRules(QRandomGenerator& rng) {
    static const int kPoints[][3] = {{1, 0, 0}, {3, 1, 0}, {2, 1, 0}};
    const int* p = kPoints[rng.bounded(3)];
    PoolRules rules;
    rules.winPoints = p[0], rules.drawPoints = p[1], rules.lossPoints = p[2];
    rules.drawsAllowed = rng.bounded(2) == 0;
    std::vector<TieBreak> all{TieBreak::HeadToHead, TieBreak::ScoreDifference, TieBreak::ScoresFor,
                              TieBreak::Lot};
    shuffle(rng, all);
    all.resize(size_t(rng.bounded(5)));
    rules.tieBreaks = all;
    rules.through = 1 + int(rng.bounded(2));
    return rules;
}

// Small scores, so that levels and circular ties are common.
Pool randomPool(QRandomGenerator& rng, const PoolRules& rules) {
    Pool pool;
    const int n = kMinPoolSize + int(rng.bounded(kMaxPoolSize - kMinPoolSize + 1));
    for (int m = 0; m < n; ++m) {
        const int w = int(rng.bounded(12));
        pool.members.push_back({"m" + std::to_string(m), "", 0,
                                w == 0   ? Withdrawal::MatchesLost
                                : w == 1 ? Withdrawal::MatchesRemoved
                                         : Withdrawal::None});
        for (int o = 0; o < m; ++o) pool.matches.push_back({o, m});
    }
    for (PoolMatch& match : pool.matches) {
        const int r = int(rng.bounded(10));
        if (r == 0) continue;
        if (rules.drawsAllowed && r < 3) {
            match.outcome = MatchOutcome::Draw;
            match.firstScore = match.secondScore = int(rng.bounded(3));
            continue;
        }
        const int win = 1 + int(rng.bounded(3)), loss = int(rng.bounded(win));
        const bool firstWins = rng.bounded(2) == 0;
        match.outcome = firstWins ? MatchOutcome::FirstWins : MatchOutcome::SecondWins;
        match.walkover = rng.bounded(8) == 0;
        match.firstScore = rng.bounded(10) == 0 ? -1 : firstWins ? win : loss;
        match.secondScore = firstWins ? loss : win;
    }
    std::vector<int> lot(static_cast<size_t>(n));
    for (int m = 0; m < n; ++m) lot[size_t(m)] = m;
    shuffle(rng, lot);
    lot.resize(rng.bounded(3) == 0 ? 0 : rng.bounded(2) ? size_t(n) : size_t(rng.bounded(n)));
    pool.lot = lot;
    return pool;
}

// Three members level on points, each of whom beat one of the others.
bool hasCircularTie(const Pool& pool, const PoolStandings& got) {
    auto beat = [&](int a, int b) {
        return std::any_of(pool.matches.begin(), pool.matches.end(), [&](const PoolMatch& m) {
            return (m.first == a && m.second == b && m.outcome == MatchOutcome::FirstWins) ||
                   (m.first == b && m.second == a && m.outcome == MatchOutcome::SecondWins);
        });
    };
    const int n = int(pool.members.size());
    for (int a = 0; a < n; ++a)
        for (int b = 0; b < n; ++b)
            for (int c = 0; c < n; ++c) {
                const auto& s = got.members;
                if (s[a].rank && s[a].points == s[b].points && s[b].points == s[c].points &&
                    beat(a, b) && beat(b, c) && beat(c, a)) {
                    return true;
                }
            }
    return false;
}

// A pool from "a>b s:t" (a beat b, scores s and t), "a<b", "a=b", "a>b s:tw" (a walkover), "a.b"
// (not played), split by commas.
Pool poolOf(int size, const QString& matches, const QString& lot) {
    Pool pool;
    pool.members.resize(size_t(size));
    for (const QString& text : matches.split(u',', Qt::SkipEmptyParts)) {
        const QStringList parts = text.trimmed().split(u' ');
        const QString pair = parts[0];
        PoolMatch match{pair[0].digitValue(), pair[2].digitValue()};
        const QChar how = pair[1];
        match.outcome = how == u'>'   ? MatchOutcome::FirstWins
                        : how == u'<' ? MatchOutcome::SecondWins
                        : how == u'=' ? MatchOutcome::Draw
                                      : MatchOutcome::Unplayed;
        if (parts.size() > 1) {
            match.walkover = parts[1].endsWith(u'w');
            const QStringList scores = parts[1].chopped(match.walkover ? 1 : 0).split(u':');
            match.firstScore = scores[0].toInt();
            match.secondScore = scores.value(1).toInt();
        }
        pool.matches.push_back(match);
    }
    for (const QString& m : lot.split(u' ', Qt::SkipEmptyParts)) pool.lot.push_back(m.toInt());
    return pool;
}

}  // namespace

class TestPoolStandings : public QObject {
    Q_OBJECT

private slots:
    void matchesReference();
    void namedCases_data();
    void namedCases();
    void drawnLotDecides();
};

void TestPoolStandings::matchesReference() {
    QRandomGenerator rng(46);
    int circular = 0, stillTied = 0, atCut = 0;
    for (int round = 0; round < 4000; ++round) {
        const PoolRules rules = randomRules(rng);
        const Pool pool = randomPool(rng, rules);
        const PoolStandings got = poolStandings(pool, rules);
        const QString where = "round " + QString::number(round) + ": ";
        QCOMPARE(where + shown(got, true), where + referenceStandings(pool, rules));
        // The order lists everyone once, by rank, the unranked last.
        QCOMPARE(std::set<int>(got.order.begin(), got.order.end()).size(), pool.members.size());
        for (size_t i = 1; i < got.order.size(); ++i) {
            const int before = got.members[size_t(got.order[i - 1])].rank;
            const int after = got.members[size_t(got.order[i])].rank;
            QVERIFY2(after == 0 || (before != 0 && before <= after), qPrintable(where));
        }
        circular += hasCircularTie(pool, got);
        stillTied += !got.ties.empty();
        atCut += got.tieAtCut;
    }
    // The random pools reach the cases that matter.
    QVERIFY(circular > 100);
    QVERIFY(stillTied > 100);
    QVERIFY(atCut > 50);
}

void TestPoolStandings::namedCases_data() {
    QTest::addColumn<QString>("withdrawals");  // per member: '.' none, 'L' lost, 'R' removed
    QTest::addColumn<QString>("matches");
    QTest::addColumn<QString>("lot");
    QTest::addColumn<QString>("expected");
    const char* const three = "0>1 1:0, 1>2 1:0, 2>0 1:0";  // a circular tie
    // Member 3 beat 0, then withdrew: lost, 1 and 2 win by walkover; removed, a circular tie.
    const char* const withdrawn = "0>1 1:0, 1>2 1:0, 2>0 1:0, 0<3 0:2, 1.3, 2.3";
    const struct {
        const char *name, *withdrawals, *matches, *lot, *expected;
    } rows[] = {
        // Level on points and head-to-head; among the tied A +2, C 0, B -2, though B's 10:0
        // over D would put B first over the whole pool.
        {"circular, difference among the tied", "....",
         "0>1 3:0, 1>2 2:1, 2>0 2:1, 1>3 10:0, 0>3 1:0, 2>3 1:0", "", "1 3 2 4 1000"},
        {"walkover scores count for nothing", "...", "0>1 9:0w, 1>2 1:0, 2>0 1:0", "", "3 1 2 010"},
        {"a lot decides", "...", three, "2 0 1", "2 3 1 001"},
        {"a lot lacking one stays 同順位", "...", three, "2 0", "1= 1= 1= 000 cut"},
        {"a match or lot entry naming nobody counts for nothing", "...",
         "0>1 1:0, 1>2 1:0, 2>0 1:0, 0>9 5:0, 1>1 5:0", "7 2 0 1", "2 3 1 001"},
        {"withdrawn, matches lost", "...L", withdrawn, "", "4 1 2 3 0100"},
        {"withdrawn, matches removed", "...R", withdrawn, "", "1= 1= 1= 0 0000 cut"},
    };
    for (const auto& row : rows) {
        QTest::newRow(row.name) << QString(row.withdrawals) << QString(row.matches)
                                << QString(row.lot) << QString(row.expected);
    }
}

void TestPoolStandings::namedCases() {
    QFETCH(QString, withdrawals);
    QFETCH(QString, matches);
    QFETCH(QString, lot);
    QFETCH(QString, expected);
    Pool pool = poolOf(int(withdrawals.size()), matches, lot);
    for (qsizetype m = 0; m < withdrawals.size(); ++m) {
        pool.members[size_t(m)].withdrawal = withdrawals[m] == u'L'   ? Withdrawal::MatchesLost
                                             : withdrawals[m] == u'R' ? Withdrawal::MatchesRemoved
                                                                      : Withdrawal::None;
    }
    QCOMPARE(shown(poolStandings(pool, PoolRules{})), expected);
}

void TestPoolStandings::drawnLotDecides() {
    Pool pool = poolOf(4, "0>1 1:0, 1>2 1:0, 2>0 1:0, 0>3 1:0, 1>3 1:0, 2>3 1:0", "3 1");
    const PoolStandings level = poolStandings(pool, PoolRules{});
    QCOMPARE(level.ties, (std::vector<std::vector<int>>{{0, 1, 2}}));
    QVERIFY(level.tieAtCut);
    std::set<std::vector<int>> orders;
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        DrawRandom random(seed);
        Pool drawn = pool;
        drawn.lot = drawLot(pool, level.ties[0], random);
        QCOMPARE(drawn.lot.front(), 3);  // what was recorded keeps its place
        const PoolStandings decided = poolStandings(drawn, PoolRules{});
        QVERIFY(decided.ties.empty());
        QVERIFY(!decided.tieAtCut);
        QCOMPARE(decided.members[3].rank, 4);
        orders.insert(decided.order);
    }
    QCOMPARE(orders.size(), size_t(6));  // every order of the three comes up
}

QTEST_GUILESS_MAIN(TestPoolStandings)
#include "tst_pool_standings.moc"
