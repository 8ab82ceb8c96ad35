// The draw: the standard seed order, bracket sizes, seeds and byes in their places, the
// bracket made from a draw, and the same draw number giving the same bracket.

#include <QRandomGenerator>
#include <QTest>
#include <set>

#include "bracket/bracket.h"
#include "bracket/round_names.h"
#include "bracket/sheet_marks.h"
#include "core_test_support.h"
#include "draw/bracket_draw.h"
#include "draw/draw_random.h"
#include "draw/seed_order.h"

using namespace kaz;

namespace {

// A random list of `count` entrants: names e0, e1, …, clubs among A, B, C or none, and a few
// seeds.
std::vector<Entrant> randomEntrants(QRandomGenerator& rng, int count) {
    std::vector<Entrant> entrants;
    for (int i = 0; i < count; ++i) {
        const char* const clubs[] = {"", "A", "B", "C"};
        entrants.push_back({"e" + std::to_string(i), clubs[rng.bounded(4)], 0, i + 1});
    }
    std::vector<int> seeds;
    for (int s = 1; s <= count; ++s) seeds.push_back(s);
    std::shuffle(seeds.begin(), seeds.end(), rng);
    // Some entrants get a seed (one drawn twice keeps its last): none up to about half.
    const int seeded = rng.bounded(count + 1) / 2;
    for (int i = 0; i < seeded; ++i) entrants[size_t(rng.bounded(count))].seed = seeds[size_t(i)];
    return entrants;
}

QList<int> toList(const std::vector<int>& v) { return QList<int>(v.begin(), v.end()); }

}  // namespace

class TestBracketDraw : public QObject {
    Q_OBJECT

private slots:
    void standardOrder_data();
    void standardOrder();
    void sizes_data();
    void sizes();
    void seedsByesAndBracket();
    void sheetSeedPlaces();
    void sameNumberSameDraw();
    void pinnedDraws_data();
    void pinnedDraws();
    void generator();
    void roundNames();
};

void TestBracketDraw::standardOrder_data() {
    QTest::addColumn<int>("positions");
    QTest::addColumn<QList<int>>("order");
    QTest::newRow("2") << 2 << QList<int>{1, 2};
    QTest::newRow("4") << 4 << QList<int>{1, 4, 2, 3};
    QTest::newRow("8") << 8 << QList<int>{1, 8, 4, 5, 2, 7, 3, 6};
    QTest::newRow("16") << 16 << QList<int>{1, 16, 8, 9, 4, 13, 5, 12, 2, 15, 7, 10, 3, 14, 6, 11};
    QTest::newRow("32") << 32
                        << QList<int>{1, 32, 16, 17, 8, 25, 9,  24, 4, 29, 13, 20, 5, 28, 12, 21,
                                      2, 31, 15, 18, 7, 26, 10, 23, 3, 30, 14, 19, 6, 27, 11, 22};
}

void TestBracketDraw::standardOrder() {
    QFETCH(int, positions);
    QFETCH(QList<int>, order);
    QCOMPARE(toList(standardSeedOrder(positions)), order);
}

void TestBracketDraw::sizes_data() {
    QTest::addColumn<int>("entrants");
    QTest::addColumn<int>("smallest");
    QTest::addColumn<QList<int>>("allowed");
    QTest::newRow("2") << 2 << 4 << QList<int>{4};
    QTest::newRow("4") << 4 << 4 << QList<int>{4, 8};
    QTest::newRow("8") << 8 << 8 << QList<int>{8, 16};
    QTest::newRow("9") << 9 << 16 << QList<int>{16};
    QTest::newRow("16") << 16 << 16 << QList<int>{16, 32};
    QTest::newRow("17") << 17 << 32 << QList<int>{32};
    QTest::newRow("33") << 33 << 64 << QList<int>{64};
    QTest::newRow("64") << 64 << 64 << QList<int>{64, 128};
    QTest::newRow("65") << 65 << 128 << QList<int>{128};
    QTest::newRow("128") << 128 << 128 << QList<int>{128};
    QTest::newRow("129") << 129 << 0 << QList<int>{};
}

void TestBracketDraw::sizes() {
    QFETCH(int, entrants);
    QFETCH(int, smallest);
    QFETCH(QList<int>, allowed);
    QCOMPARE(smallestDrawSize(entrants), smallest);
    QList<int> found;
    for (int size : {2, 4, 6, 8, 16, 32, 64, 128, 256}) {
        if (isDrawSizeAllowed(entrants, size)) found << size;
    }
    QCOMPARE(found, allowed);
    QCOMPARE(largestDrawSize(entrants), allowed.isEmpty() ? 0 : allowed.last());
    for (int size : {4, 8, 16, 32, 64, 128}) {
        QCOMPARE(!drawSizeProblem(entrants, size), allowed.contains(size));
    }
}

// Over many random lists, sizes and options: every entrant once, seeds at their seed numbers,
// byes at seed numbers N+1 … P facing entrants, list order kept where asked, and a bracket
// whose only results are the byes' opponents advanced.
void TestBracketDraw::seedsByesAndBracket() {
    QRandomGenerator rng(17);
    for (int trial = 0; trial < 600; ++trial) {
        const int count = 2 + int(rng.bounded(127));
        std::vector<Entrant> entrants = randomEntrants(rng, count);
        QList<int> sizes{0};
        for (int size : {4, 8, 16, 32, 64, 128}) {
            if (isDrawSizeAllowed(count, size)) sizes << size;
        }
        DrawOptions options;
        options.size = sizes[rng.bounded(int(sizes.size()))];
        options.byLot = rng.bounded(4) != 0;
        options.keepClubsApart = rng.bounded(2) != 0;
        options.drawNumber = 1 + rng.bounded(999999u);
        const std::optional<Draw> draw = drawEntrants(entrants, options);
        QVERIFY(draw);

        const int positions = options.size ? options.size : smallestDrawSize(count);
        QCOMPARE(int(draw->entrantAt.size()), positions);
        const std::vector<int>& order = draw->seedNumberAt;
        if (!options.byLot)
            QCOMPARE(toList(order), toList(sheetSeedOrder(positions, count, nullptr)));
        std::vector<int> seen(size_t(count), 0);
        std::vector<int> unseededSeedNumbers;  // of the unseeded, in list order
        std::map<int, int> seedNumberOf;
        for (int p = 0; p < positions; ++p) {
            const int e = draw->entrantAt[size_t(p)];
            const int seedNumber = order[size_t(p)];
            QCOMPARE(e<0, seedNumber> count);  // byes take N+1 … P
            if (e < 0) {
                QVERIFY(draw->entrantAt[size_t(p ^ 1)] >= 0);  // a bye faces an entrant
                continue;
            }
            ++seen[size_t(e)];
            if (entrants[size_t(e)].seed != 0) QCOMPARE(entrants[size_t(e)].seed, seedNumber);
            seedNumberOf[e] = seedNumber;
        }
        QCOMPARE(std::count(seen.begin(), seen.end(), 1), qsizetype(count));
        if (!options.byLot) {
            for (int e = 0; e < count; ++e) {
                if (entrants[size_t(e)].seed == 0) unseededSeedNumbers.push_back(seedNumberOf[e]);
            }
            QVERIFY(std::is_sorted(unseededSeedNumbers.begin(), unseededSeedNumbers.end()));
        }

        const Bracket bracket = makeDrawnBracket(*draw, entrants, false);
        QCOMPARE(bracket.memberCount(), positions);
        // The sheet: clubs in their column, seeds, byes, and the number of a draw by lot.
        QVERIFY(sheetFits(bracket));
        for (int p = 0; p < positions; ++p) {
            const int e = draw->entrantAt[size_t(p)];
            QCOMPARE(bracket.isBye(p), e < 0);
            QCOMPARE(bracket.memberClub(p), e < 0 ? std::string() : entrants[size_t(e)].club);
            QCOMPARE(bracket.memberSeed(p), e < 0 ? 0 : entrants[size_t(e)].seed);
        }
        QCOMPARE(bracket.sheet().drawNumber,
                 options.byLot ? std::optional<uint32_t>(options.drawNumber) : std::nullopt);
        QVERIFY(!hasClubs(makeDrawnBracket(*draw, entrants, true)));
        std::vector<LineState> expected(size_t(bracket.lineCount()), LineState::Open);
        for (int p = 0; p < positions; ++p) {
            const int e = draw->entrantAt[size_t(p)];
            QCOMPARE(bracket.memberName(p), e < 0 ? std::string() : entrants[size_t(e)].name);
            if (draw->entrantAt[size_t(p ^ 1)] < 0) {
                expected[size_t(p)] = LineState::Won;
                expected[size_t(positions + p / 2)] = LineState::Advanced;
            }
        }
        for (int line = 0; line < bracket.lineCount(); ++line) {
            QCOMPARE(bracket.lineState(line), expected[size_t(line)]);
            QCOMPARE(bracket.lineScore(line), std::string());
        }
        QCOMPARE(bracket.champion(), std::string());

        // The early meetings are exactly the same-club pairs who can meet before the final.
        std::set<std::pair<int, int>> early;
        for (int a = 0; a < positions; ++a) {
            for (int b = a + 1; b < positions; ++b) {
                const int x = draw->entrantAt[size_t(a)];
                const int y = draw->entrantAt[size_t(b)];
                if (x < 0 || y < 0 || entrants[size_t(x)].club.empty() ||
                    entrants[size_t(x)].club != entrants[size_t(y)].club) {
                    continue;
                }
                if ((a ^ b) < positions / 2) early.insert({x, y});
            }
        }
        std::set<std::pair<int, int>> reported;
        for (const ClubMeeting& m : draw->earlyMeetings) reported.insert({m.first, m.second});
        QCOMPARE(reported, early);
    }
}

// Seeds placed as on draw sheets, over every size and many lots: 1 and 2 at the ends, 3 and 4
// at the top of the second quarter and the bottom of the third, 5 to 8 at the other quarter
// ends; seeds 1 … 2^k in different blocks of P/2^k, so that they meet as late as in the
// standard order; byes beside the top seeds, spread over the halves, quarters, … evenly.
void TestBracketDraw::sheetSeedPlaces() {
    QRandomGenerator rng(4242);
    for (int trial = 0; trial < 400; ++trial) {
        const int positions = 4 << rng.bounded(6);
        const int entrants = positions / 2 + int(rng.bounded(positions / 2 + 1));
        DrawRandom lot(1 + rng.bounded(999999u));
        const bool byLot = trial % 4 != 0;
        const std::vector<int> order = sheetSeedOrder(positions, entrants, byLot ? &lot : nullptr);
        QCOMPARE(int(order.size()), positions);
        std::vector<int> at(size_t(positions) + 1, -1);  // by seed number
        for (int p = 0; p < positions; ++p) {
            const int seed = order[size_t(p)];
            QVERIFY(seed >= 1 && seed <= positions && at[size_t(seed)] < 0);
            at[size_t(seed)] = p;
        }
        const int q = positions / 4;
        QCOMPARE(at[1], 0);
        QCOMPARE(at[2], positions - 1);
        QCOMPARE((std::set<int>{at[3], at[4]}), (std::set<int>{q, 3 * q - 1}));
        if (positions >= 8) {
            QCOMPARE((std::set<int>{at[5], at[6], at[7], at[8]}),
                     (std::set<int>{q - 1, 2 * q - 1, 2 * q, 3 * q}));
        }
        for (int seeds = 2; seeds <= positions; seeds *= 2) {
            std::set<int> blocks;
            for (int seed = 1; seed <= seeds; ++seed)
                blocks.insert(at[size_t(seed)] / (positions / seeds));
            QCOMPARE(int(blocks.size()), seeds);
        }
        const int byes = positions - entrants;
        for (int blockSize = positions / 2; blockSize >= 2; blockSize /= 2) {
            std::vector<int> inBlock(size_t(positions / blockSize), 0);
            for (int p = 0; p < positions; ++p) {
                if (order[size_t(p)] <= entrants) continue;
                QVERIFY(order[size_t(p ^ 1)] <= byes);  // beside one of the top seeds
                ++inBlock[size_t(p / blockSize)];
            }
            const auto [fewest, most] = std::minmax_element(inBlock.begin(), inBlock.end());
            QVERIFY(*most - *fewest <= 1);
        }
    }
}

void TestBracketDraw::sameNumberSameDraw() {
    QRandomGenerator rng(5);
    for (int trial = 0; trial < 50; ++trial) {
        const int count = 5 + int(rng.bounded(28));
        const std::vector<Entrant> entrants = randomEntrants(rng, count);
        DrawOptions options;
        options.keepClubsApart = trial % 2 == 0;
        std::set<std::vector<int>> outcomes;
        for (uint32_t number = 1; number <= 10; ++number) {
            options.drawNumber = number * 99991;
            const std::optional<Draw> first = drawEntrants(entrants, options);
            const std::optional<Draw> again = drawEntrants(entrants, options);
            QVERIFY(first && again);
            QCOMPARE(toList(first->entrantAt), toList(again->entrantAt));
            outcomes.insert(first->entrantAt);
        }
        QVERIFY2(outcomes.size() > 1, "different numbers give different draws");
    }
}

// Fixed results, so that any change of the generator or the lot shows here: a draw number
// must give the same bracket in every later version.
void TestBracketDraw::pinnedDraws_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("keepClubsApart");
    QTest::addColumn<uint>("number");
    QTest::addColumn<QList<int>>("entrantAt");
    QTest::newRow("6, clubs apart, every placement tried")
        << 6 << true << 2024u << QList<int>{0, -1, 2, 4, 3, 5, -1, 1};
    QTest::newRow("6, shuffled") << 6 << false << 2024u << QList<int>{0, -1, 2, 5, 3, 4, -1, 1};
    QTest::newRow("14, clubs apart, halves filled evenly")
        << 14 << true << 777u << QList<int>{0, -1, 8, 12, 4, 2, 6, 3, 5, 11, 13, 7, 10, 9, -1, 1};
}

void TestBracketDraw::pinnedDraws() {
    QFETCH(int, count);
    QFETCH(bool, keepClubsApart);
    QFETCH(uint, number);
    QFETCH(QList<int>, entrantAt);
    std::vector<Entrant> entrants;
    const char* const clubs[] = {"X", "Y", "X", "", "Y", "X", "Z"};
    for (int i = 0; i < count; ++i) entrants.push_back({"e", clubs[i % 7], 0, i + 1});
    entrants[0].seed = 1;
    entrants[1].seed = 2;
    DrawOptions options;
    options.keepClubsApart = keepClubsApart;
    options.drawNumber = number;
    const std::optional<Draw> draw = drawEntrants(entrants, options);
    QVERIFY(draw);
    QCOMPARE(toList(draw->entrantAt), entrantAt);
}

void TestBracketDraw::generator() {
    // SplitMix64's published values for the seed 1234567.
    DrawRandom random(1234567);
    const QList<quint64> expected{6457827717110365317u, 3203168211198807973u, 9817491932198370423u,
                                  4593380528125082431u, 16408922859458223821u};
    QList<quint64> got;
    for (int i = 0; i < 5; ++i) got << random.next();
    QCOMPARE(got, expected);

    for (int i = 0; i < 100; ++i) {
        const uint32_t n = pickDrawNumber();
        QVERIFY(n >= kMinDrawNumber && n <= kMaxDrawNumber);
    }
}

void TestBracketDraw::roundNames() {
    QStringList rounds;
    for (int r = 1; r <= 5; ++r) rounds << QString::fromStdString(matchRoundName(32, r));
    QCOMPARE(rounds, (QStringList{"1回戦", "2回戦", "準々決勝", "準決勝", "決勝"}));

    // A sheet's columns: the round of the last eight has its own name, the last the champion,
    // in the sheet's language.
    const auto sheetNames = [](int members, SheetLanguage language) {
        QStringList names;
        for (int r = 0; r < roundsForMembers(members); ++r) {
            names << QString::fromStdString(defaultRoundName(members, r, language));
        }
        return names.join('|');
    };
    const SheetLanguage ja = SheetLanguage::Japanese;
    const SheetLanguage en = SheetLanguage::English;
    QCOMPARE(sheetNames(4, ja), QStringLiteral("準決勝|決勝|優勝"));
    QCOMPARE(sheetNames(8, ja), QStringLiteral("準々決勝|準決勝|決勝|優勝"));
    QCOMPARE(sheetNames(32, ja), QStringLiteral("1回戦|2回戦|準々決勝|準決勝|決勝|優勝"));
    QCOMPARE(sheetNames(4, en), QStringLiteral("Semi-finals|Final|Champion"));
    QCOMPARE(sheetNames(32, en),
             QStringLiteral("Round 1|Round 2|Quarter-finals|Semi-finals|Final|Champion"));
    QCOMPARE(sheetNames(128, en).section('|', 0, 4),
             QStringLiteral("Round 1|Round 2|Round 3|Round 4|Quarter-finals"));
}

QTEST_GUILESS_MAIN(TestBracketDraw)
#include "tst_bracket_draw.moc"
