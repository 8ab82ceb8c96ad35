// Keeping clubs apart: the fewest early same-club meetings, checked against every placement
// for 4 and 8 positions, and the half, quarter, … bounds for 16, 32 and 128.

#include <QRandomGenerator>
#include <QTest>
#include <algorithm>
#include <array>

#include "draw/bracket_draw.h"
#include "draw/club_spread.h"
#include "draw/seed_order.h"

using namespace kaz;

namespace {

using Meetings = QList<int>;  // same-club pairs by the round they can meet in, from round 1

// Worked out here without the core: two positions meet in the first round r where they fall
// into the same block of 2^r positions.
Meetings meetingsOf(const std::vector<int>& clubAt) {
    Meetings meetings(kMaxRounds - 1, 0);
    for (size_t a = 0; a < clubAt.size(); ++a) {
        for (size_t b = a + 1; b < clubAt.size(); ++b) {
            if (clubAt[a] < 0 || clubAt[a] != clubAt[b]) continue;
            int round = 1;
            while ((a >> round) != (b >> round)) ++round;
            ++meetings[round - 1];
        }
    }
    return meetings;
}

struct RandomList {
    std::vector<Entrant> entrants;
    std::vector<int> clubs;  // per entrant, -1 for none
};

// `count` entrants whose clubs are drawn from `clubCount` clubs or none; some seeded.
RandomList randomList(QRandomGenerator& rng, int count, int clubCount, bool seeds) {
    RandomList list;
    for (int i = 0; i < count; ++i) {
        const int club = int(rng.bounded(clubCount + 1)) - 1;
        list.clubs.push_back(club);
        list.entrants.push_back(
            {"e" + std::to_string(i), club < 0 ? "" : "club" + std::to_string(club), 0, i + 1});
    }
    if (seeds) {
        for (int s = 1; s <= count; ++s) {
            if (rng.bounded(4) == 0) list.entrants[size_t(rng.bounded(count))].seed = s;
        }
    }
    return list;
}

std::vector<int> clubAtPositions(const Draw& draw, const RandomList& list) {
    std::vector<int> clubAt;
    for (const int e : draw.entrantAt) clubAt.push_back(e < 0 ? -1 : list.clubs[size_t(e)]);
    return clubAt;
}

// The fewest meetings over every placement of the unseeded entrants into the free positions.
Meetings bestByBruteForce(const Draw& draw, const RandomList& list) {
    std::vector<int> clubAt = clubAtPositions(draw, list);
    std::vector<int> freePositions;
    std::vector<int> freeClubs;
    for (size_t p = 0; p < draw.entrantAt.size(); ++p) {
        const int e = draw.entrantAt[p];
        if (e >= 0 && list.entrants[size_t(e)].seed == 0) {
            freePositions.push_back(int(p));
            freeClubs.push_back(list.clubs[size_t(e)]);
        }
    }
    std::sort(freeClubs.begin(), freeClubs.end());
    Meetings best;
    do {
        for (size_t i = 0; i < freePositions.size(); ++i) {
            clubAt[size_t(freePositions[i])] = freeClubs[i];
        }
        const Meetings m = meetingsOf(clubAt);
        if (best.isEmpty() || m < best) best = m;
    } while (std::next_permutation(freeClubs.begin(), freeClubs.end()));
    return best;
}

// The meetings the clubs' sizes force, summed over the clubs of `list`.
Meetings unavoidableOf(const RandomList& list, int size) {
    Meetings forced(kMaxRounds - 1, 0);
    for (int club = 0; club < 10; ++club) {
        const int n = int(std::count(list.clubs.begin(), list.clubs.end(), club));
        const MeetingCounts counts = unavoidableMeetings(n, size);
        for (int round = 1; round < kMaxRounds; ++round) forced[round - 1] += counts[size_t(round)];
    }
    return forced;
}

// Pairs that can meet in round `round` or earlier.
int upTo(const Meetings& meetings, int round) {
    int pairs = 0;
    for (int r = 0; r < round; ++r) pairs += meetings[r];
    return pairs;
}

}  // namespace

class TestClubSpread : public QObject {
    Q_OBJECT

private slots:
    void optimalForFourAndEight();
    void evenHalvesAndQuarters_data();
    void evenHalvesAndQuarters();
    void unavoidableMeetingsNamed();
};

void TestClubSpread::optimalForFourAndEight() {
    QRandomGenerator rng(8);
    for (int trial = 0; trial < 400; ++trial) {
        const int size = trial % 3 == 0 ? 4 : 8;
        const int count = size / 2 + int(rng.bounded(size / 2 + 1));
        const RandomList list = randomList(rng, count, 1 + int(rng.bounded(4)), trial % 2 == 0);
        DrawOptions options;
        options.size = size;
        options.drawNumber = 1 + rng.bounded(999999u);
        const std::optional<Draw> draw = drawEntrants(list.entrants, options);
        if (!draw) continue;  // two entrants drew the same seed
        const Meetings best = bestByBruteForce(*draw, list);
        QCOMPARE(meetingsOf(clubAtPositions(*draw, list)), best);
        // Without seeds nothing but the clubs' sizes stands in the way: the best placement
        // has exactly the meetings they force.
        if (trial % 2 == 1) QCOMPARE(unavoidableOf(list, size), best);
    }
}

void TestClubSpread::evenHalvesAndQuarters_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("fewest");  // entrants, the most being `size`
    QTest::newRow("128, full") << 128 << 128;
    QTest::newRow("128, with byes") << 128 << 65;
    QTest::newRow("32, full") << 32 << 32;
    QTest::newRow("32, with byes") << 32 << 17;
    QTest::newRow("16, full") << 16 << 16;
    QTest::newRow("16, with byes") << 16 << 9;
}

// Without seeds no block of B blocks (halves, quarters, … down to single matches) holds more
// than ⌈n/B⌉ of a club's n entrants.
void TestClubSpread::evenHalvesAndQuarters() {
    QFETCH(int, size);
    QFETCH(int, fewest);
    QRandomGenerator rng(uint(size * 100 + fewest));
    for (int trial = 0; trial < 300; ++trial) {
        const int count = fewest + int(rng.bounded(size - fewest + 1));
        const RandomList list = randomList(rng, count, 1 + int(rng.bounded(10)), false);
        DrawOptions options;
        options.size = size;
        options.drawNumber = 1 + rng.bounded(999999u);
        const std::optional<Draw> draw = drawEntrants(list.entrants, options);
        QVERIFY(draw);
        const std::vector<int> clubAt = clubAtPositions(*draw, list);
        // No placement has fewer meetings up to any round than the clubs' sizes force.
        const Meetings drawn = meetingsOf(clubAt);
        const Meetings forced = unavoidableOf(list, size);
        const int rounds = roundsForMembers(size) - 1;  // of matches
        for (int round = 1; round <= rounds; ++round)
            QVERIFY(upTo(drawn, round) >= upTo(forced, round));
        QCOMPARE(upTo(drawn, rounds), upTo(forced, rounds));  // every pair meets by the final
        for (int club = 0; club < 10; ++club) {
            const int n = int(std::count(list.clubs.begin(), list.clubs.end(), club));
            for (int blocks = 2; blocks < size; blocks *= 2) {
                const int blockSize = size / blocks;
                for (int first = 0; first < size; first += blockSize) {
                    const int inBlock = int(std::count(clubAt.begin() + first,
                                                       clubAt.begin() + first + blockSize, club));
                    QVERIFY2(inBlock <= (n + blocks - 1) / blocks,
                             qPrintable(QStringLiteral("trial %1: club %2 has %3 of %4 in a "
                                                       "block of %5")
                                            .arg(trial)
                                            .arg(club)
                                            .arg(inBlock)
                                            .arg(n)
                                            .arg(blockSize)));
                }
            }
        }
    }
}

// Only clubs whose size forces a meeting before the final are named, with the rounds' names.
void TestClubSpread::unavoidableMeetingsNamed() {
    std::vector<Entrant> entrants;
    for (int i = 0; i < 5; ++i) entrants.push_back({"a" + std::to_string(i), "A", 0, i + 1});
    entrants.push_back({"b0", "B", 0, 6});
    entrants.push_back({"b1", "B", 0, 7});
    entrants.push_back({"c", "", 0, 8});
    // Five of eight: four matches hold them as 2+1+1+1 (one pair), the halves as 3+2 (four).
    const auto japanese = [&](int size) {
        std::vector<std::string> texts;
        for (const Message& m : unavoidableMeetingTexts(entrants, size)) {
            texts.push_back(japaneseText(m));
        }
        return texts;
    };
    QCOMPARE(japanese(8), std::vector<std::string>{"A 5人: 準々決勝 1組、準決勝 3組"});
    // In 16 the five fit into eight matches; the quarters take 2+1+1+1.
    QCOMPARE(japanese(16), std::vector<std::string>{"A 5人: 準々決勝 1組、準決勝 3組"});
}

QTEST_GUILESS_MAIN(TestClubSpread)
#include "tst_club_spread.moc"
