// The knockout made from a pool stage: the crossing of the pools' places, the slots filled as
// the pools are decided, and no knockout result left to someone who no longer stands in its
// slot, whatever the pools and the knockout go through.

#include <QTest>
#include <map>
#include <numeric>
#include <random>

#include "bracket/member_progress.h"
#include "bracket/result_proposal.h"
#include "bracket/sheet_marks.h"
#include "draw/club_spread.h"
#include "draw/seed_order.h"
#include "io/kaz_format.h"
#include "pools/knockout_draw.h"
#include "pools/knockout_fill.h"
#include "pools/order_of_play.h"
#include "pools/pool_change.h"
#include "pools/pool_draw.h"

using namespace kaz;

namespace {

// `pools` pools of `size` members named "A-0", "A-1", …; the club of member m of pool p is
// `clubOf(p, m)`.
template <typename ClubOf>
PoolStage stageOf(int pools, int size, int through, ClubOf clubOf) {
    PoolStage stage;
    stage.rules.through = through;
    for (int p = 0; p < pools; ++p) {
        Pool pool;
        pool.name = defaultPoolName(p);
        for (int m = 0; m < size; ++m) {
            pool.members.push_back(
                {pool.name + "-" + std::to_string(m), clubOf(p, m), 0, Withdrawal::None});
        }
        pool.matches = orderOfPlay(size);
        stage.pools.push_back(std::move(pool));
    }
    return stage;
}

PoolStage plainStage(int pools, int through) {
    return stageOf(pools, 3, through, [](int, int) { return std::string(); });
}

int positionOf(const KnockoutDraw& draw, int pool, int place) {
    for (size_t p = 0; p < draw.placeAt.size(); ++p) {
        if (draw.placeAt[p] == KnockoutPlace{pool, place}) return int(p);
    }
    return -1;
}

int roundsOf(int size) {
    int rounds = 0;
    while ((1 << rounds) < size) ++rounds;
    return rounds;
}

}  // namespace

class TestKnockout : public QObject {
    Q_OBJECT
private slots:
    void placement();
    void clubsApartWhereFree();
    void slotsFillAndKeepTheirFile();
    void poolChangesNeverLeaveAResultToAnother();
};

// Every pool count from 2 to 32, one and two through, in the fixed order and by lot: each place
// once, the winners on the seed places in pool order with the byes beside them first, and each
// pool's two kept apart as late as the halves allow.
void TestKnockout::placement() {
    for (int through = 1; through <= 2; ++through) {
        for (int pools = 2; pools <= kMaxPools; ++pools) {
            for (const bool byLot : {false, true}) {
                const PoolStage stage = plainStage(pools, through);
                const auto draw = drawKnockout(stage, {byLot, uint32_t(pools * 7 + through)});
                QVERIFY(draw);
                const int qualifiers = pools * through;
                const int size = int(draw->placeAt.size());
                QCOMPARE(size, smallestDrawSize(qualifiers));
                const std::vector<int> seeds = sheetSeedOrder(size, qualifiers, nullptr);
                int byes = 0;
                for (const KnockoutPlace& place : draw->placeAt) byes += place.isBye();
                QCOMPARE(byes, size - qualifiers);
                const int rounds = roundsOf(size);
                for (int pool = 0; pool < pools; ++pool) {
                    const int winner = positionOf(*draw, pool, 1);
                    QCOMPARE(seeds[size_t(winner)], pool + 1);
                    // The byes stand beside seeds 1, 2, …: the winners' in pool order.
                    QCOMPARE(draw->placeAt[size_t(winner ^ 1)].isBye(), pool < size - qualifiers);
                    if (through == 1) continue;
                    const int runnerUp = positionOf(*draw, pool, 2);
                    QVERIFY(runnerUp >= 0);
                    QVERIFY2(meetingRound(winner, runnerUp) >= rounds - 1,
                             qPrintable(QString("%1 pools, pool %2").arg(pools).arg(pool)));
                }
                if (through == 2 && size - qualifiers <= pools) {
                    // With no runner-up beside a bye each half has the places its runners-up
                    // need, so every pool's two meet in the final at the earliest.
                    for (int pool = 0; pool < pools; ++pool) {
                        QCOMPARE(
                            meetingRound(positionOf(*draw, pool, 1), positionOf(*draw, pool, 2)),
                            rounds);
                    }
                }
            }
        }
    }
    // Two pools: A1–B2 and B1–A2 in the semi-finals.
    const auto two = drawKnockout(plainStage(2, 2), {false, 1});
    QCOMPARE(two->placeAt, (std::vector<KnockoutPlace>{{0, 1}, {1, 2}, {0, 2}, {1, 1}}));
}

// Four pools each of one club, two through, the clubs X, Y, X, Y: the lot never lets two of one
// club meet in the first round where the halves leave that free.
void TestKnockout::clubsApartWhereFree() {
    const PoolStage stage =
        stageOf(8, 3, 2, [](int pool, int) { return std::string(pool % 2 ? "Y" : "X"); });
    for (uint32_t number = 1; number <= 20; ++number) {
        const auto draw = drawKnockout(stage, {true, number});
        std::vector<int> clubAt;
        for (const KnockoutPlace& place : draw->placeAt) clubAt.push_back(place.pool % 2);
        QCOMPARE(clubMeetings(clubAt)[1], 0);
        QCOMPARE(draw->drawNumber, std::optional<uint32_t>(number));
    }
}

// Made before any match: the placeholders; a decided pool fills its slots with name, club and
// mark; the file keeps the link and the slots, and a classic reader sees the names.
void TestKnockout::slotsFillAndKeepTheirFile() {
    PoolStage stage = stageOf(2, 3, 2, [](int p, int m) { return p == 1 && m == 2 ? "B高" : ""; });
    Bracket knockout = makeKnockout(stage, *drawKnockout(stage, {false, 1}), "/大会/予選.kazpool");
    QCOMPARE(knockout.memberName(0), std::string("Aブロック1位"));
    QCOMPARE(knockout.memberName(1), std::string("Bブロック2位"));
    stage.language = SheetLanguage::English;
    QCOMPARE(knockoutFill(knockout, stage).change.names.front().name.after,
             std::string("Pool A 1st"));
    stage.language = SheetLanguage::Japanese;

    // Pool B decided in reverse: B-2 first, B-1 second.
    for (PoolMatch& match : stage.pools[1].matches) match.outcome = MatchOutcome::SecondWins;
    const KnockoutFill fill = knockoutFill(knockout, stage);
    QCOMPARE(fill.filledSlots, (std::vector<int>{1, 3}));
    QVERIFY(!fill.asks());
    fill.change.redo(knockout);
    QCOMPARE(knockout.memberName(3), std::string("B-2"));
    QCOMPARE(knockout.memberClub(3), std::string("B高"));
    QCOMPARE(memberMark(knockout.memberMarks(3)), std::string("B1"));
    QCOMPARE(knockout.memberName(0), std::string("Aブロック1位"));
    QVERIFY(knockoutFill(knockout, stage).change.isEmpty());

    const std::string bytes = writeKaz(knockout);
    const auto read = readKaz(bytes);
    QVERIFY(read);
    QVERIFY(read->content() == knockout.content());
    QCOMPARE(read->sheet().poolFile, std::string("/大会/予選.kazpool"));
    // The classic part holds the placeholder's CP932 bytes, as any reader of it shows them.
    QVERIFY(bytes.find("A\x83u\x83\x8D\x83\x62\x83N1\x88\xCA") != std::string::npos);
}

// Random pool results, random knockout clicks and random pool changes answered yes or no: each
// decided knockout match keeps the two who played it, each filled slot holds its pool's place.
void TestKnockout::poolChangesNeverLeaveAResultToAnother() {
    std::mt19937 random(47);
    for (int trial = 0; trial < 60; ++trial) {
        const int pools = 2 + int(random() % 7);
        PoolStage stage = plainStage(pools, 1 + int(random() % 2));
        stage.pools[0].members.push_back({"A-3", "", 0, Withdrawal::None});
        stage.pools[0].matches = orderOfPlay(4);
        // A lot recorded in each pool, so that a level pool is decided too.
        for (Pool& pool : stage.pools) {
            pool.lot.resize(pool.members.size());
            std::iota(pool.lot.begin(), pool.lot.end(), 0);
            std::shuffle(pool.lot.begin(), pool.lot.end(), random);
        }
        Bracket knockout =
            makeKnockout(stage, *drawKnockout(stage, {true, uint32_t(trial + 1)}), "p");
        // Who stood on each side of each decided match when it was decided, by its upper line;
        // a side nobody had reached yet ("") may be reached later.
        std::map<int, std::pair<QString, QString>> played;
        const auto nameOn = [&knockout](int line) {
            const int member = memberOnLine(knockout, line);
            return member < 0 ? QString() : QString::fromStdString(knockout.memberName(member));
        };
        const auto occupants = [&nameOn](int upper) {
            return std::make_pair(nameOn(upper), nameOn(upper + 1));
        };
        const auto decided = [&knockout](int upper) {
            return knockout.lineState(upper) == LineState::Won ||
                   knockout.lineState(upper + 1) == LineState::Won;
        };
        const auto checkPlayed = [&] {
            for (auto it = played.begin(); it != played.end();) {
                if (!decided(it->first)) {
                    it = played.erase(it);
                    continue;
                }
                const auto now = occupants(it->first);
                if (!it->second.first.isEmpty()) QCOMPARE(now.first, it->second.first);
                if (!it->second.second.isEmpty()) QCOMPARE(now.second, it->second.second);
                ++it;
            }
        };
        for (int step = 0; step < 300; ++step) {
            if (random() % 2) {
                const int p = int(random() % stage.pools.size());
                const int m = int(random() % stage.pools[size_t(p)].matches.size());
                EnteredResult entered;
                entered.chosen = static_cast<MatchOutcome>(random() % 5 % 3);
                const PoolResultProposal proposal = proposePoolResult(stage, p, m, entered);
                if (proposal.refusal) continue;
                PoolStage after = stage;
                proposal.change.redo(after);
                const KnockoutFill fill = knockoutFill(knockout, after);
                if (fill.asks() && random() % 2) continue;  // いいえ: both stay as they were
                stage = after;
                fill.change.redo(knockout);
                checkPlayed();
                QVERIFY(knockoutFill(knockout, stage).change.isEmpty());
            } else {
                std::vector<int> playable;
                for (int line = 0; line + 1 < knockout.lineCount(); ++line) {
                    if (playerStandsOn(knockout, line)) playable.push_back(line);
                }
                if (playable.empty()) continue;
                const int line = playable[random() % playable.size()];
                const ResultProposal proposal =
                    proposeResult(knockout, ResultPlace::line(line), ResultAction::Press);
                if (proposal.refusal) continue;
                proposal.change.redo(knockout);
                checkPlayed();
                const int upper = line & ~1;
                if (decided(upper)) played[upper] = occupants(upper);
            }
            for (int slot = 0; slot < knockout.memberCount(); ++slot) {
                const PoolSlot& from = knockout.memberMarks(slot).fromPool;
                if (!from.isSet()) continue;
                const int member = poolQualifier(stage, from.pool, from.place);
                QCOMPARE(from.filled, member >= 0);
                if (member >= 0) {
                    QCOMPARE(knockout.memberName(slot),
                             stage.pools[size_t(from.pool)].members[size_t(member)].name);
                }
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestKnockout)
#include "tst_knockout.moc"
