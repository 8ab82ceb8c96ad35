// A pool result as entered: the outcome the scores decide or the one chosen, the refusals, and
// steps that undo and redo exactly.

#include <QTest>
#include <random>

#include "pools/pool_change.h"
#include "pools/pool_draw.h"

using namespace kaz;

Q_DECLARE_METATYPE(MatchOutcome)
Q_DECLARE_METATYPE(MessageId)

namespace {

PoolStage fourInOnePool(bool drawsAllowed) {
    std::vector<Entrant> entrants(4);
    for (size_t e = 0; e < entrants.size(); ++e) entrants[e].name = "E" + std::to_string(e);
    PoolDrawOptions options;
    options.pools = 1;
    PoolStage stage = drawPools(entrants, options)->stage;
    stage.rules.drawsAllowed = drawsAllowed;
    return stage;
}

}  // namespace

class TestPoolChange : public QObject {
    Q_OBJECT
private slots:
    void entered_data();
    void entered();
    void stepsUndoAndRedo();
    void matchNumbersAcrossPools();
};

void TestPoolChange::entered_data() {
    QTest::addColumn<bool>("drawsAllowed");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<MatchOutcome>("chosen");
    QTest::addColumn<bool>("walkover");
    QTest::addColumn<MatchOutcome>("outcome");  // Unplayed where refused or taken back
    QTest::addColumn<MessageId>("refusal");     // NoError where taken
    const auto W1 = MatchOutcome::FirstWins;
    const auto W2 = MatchOutcome::SecondWins;
    const auto D = MatchOutcome::Draw;
    const auto U = MatchOutcome::Unplayed;
    const auto ok = MessageId::NoError;
    QTest::newRow("scores decide") << false << 21 << 15 << U << false << W1 << ok;
    QTest::newRow("scores overrule the choice") << false << 15 << 21 << W1 << false << W2 << ok;
    QTest::newRow("chosen without scores") << false << -1 << -1 << W2 << false << W2 << ok;
    QTest::newRow("level, chosen win") << false << 2 << 2 << W1 << false << W1 << ok;
    QTest::newRow("level, nothing chosen")
        << false << 2 << 2 << U << false << U << MessageId::PoolWinnerNeeded;
    QTest::newRow("level, draws allowed") << true << 2 << 2 << U << false << D << ok;
    QTest::newRow("draw refused") << false << -1 << -1 << D << false << U
                                  << MessageId::PoolDrawNotAllowed;
    QTest::newRow("one side's score")
        << false << 3 << -1 << W1 << false << U << MessageId::PoolScoreBothSides;
    QTest::newRow("score too high")
        << false << 1000 << 0 << U << false << U << MessageId::PoolScoreRange;
    QTest::newRow("walkover") << false << 3 << 0 << W2 << true << W2 << ok;
    QTest::newRow("walkover without winner")
        << true << -1 << -1 << D << true << U << MessageId::PoolWinnerNeeded;
    QTest::newRow("taken back") << false << -1 << -1 << U << false << U << ok;
}

void TestPoolChange::entered() {
    QFETCH(bool, drawsAllowed);
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(MatchOutcome, chosen);
    QFETCH(bool, walkover);
    QFETCH(MatchOutcome, outcome);
    QFETCH(MessageId, refusal);
    PoolStage stage = fourInOnePool(drawsAllowed);
    // A played match to start from, so that taking back and refusals show.
    stage.pools[0].matches[2] = {0, 2, MatchOutcome::SecondWins, false, 1, 4};
    const PoolStage before = stage;
    const PoolResultProposal proposal =
        proposePoolResult(stage, 0, 2, {first, second, chosen, walkover});
    QCOMPARE(proposal.refusal ? proposal.refusal->id : MessageId::NoError, refusal);
    if (proposal.refusal) {
        QVERIFY(proposal.change.isEmpty());
        return;
    }
    proposal.change.redo(stage);
    const PoolMatch& match = stage.pools[0].matches[2];
    QCOMPARE(match.outcome, outcome);
    QCOMPARE(match.walkover, walkover);
    // Scores stand with a played result only, never with a walkover.
    const bool scored = outcome != MatchOutcome::Unplayed && !walkover;
    QCOMPARE(match.firstScore, scored ? first : -1);
    QCOMPARE(match.secondScore, scored ? second : -1);
    QCOMPARE(std::make_pair(match.first, match.second), std::make_pair(0, 2));
    proposal.change.undo(stage);
    QVERIFY(stage == before);
}

// Random results, rules and sheets, each a step: undoing them all gives back the stage drawn,
// redoing them all the stage reached.
void TestPoolChange::stepsUndoAndRedo() {
    std::mt19937 random(4);
    const PoolStage drawn = fourInOnePool(true);
    PoolStage stage = drawn;
    std::vector<PoolStageChange> steps;
    for (int step = 0; step < 200; ++step) {
        PoolStageChange change;
        switch (random() % 5) {
            case 0: {
                PoolRules rules = stage.rules;
                rules.winPoints = int(random() % 4);
                change = rulesChange(stage, rules);
                break;
            }
            case 1:  // the title, and the pool renamed, between the results that hold its name
                change = sheetChange(stage, {"T" + std::to_string(random() % 3),
                                             "",
                                             stage.language,
                                             {std::string(1, char('A' + random() % 3))}});
                break;
            case 2:
                change = withdrawalChange(stage, 0, int(random() % 4), Withdrawal(random() % 3));
                break;
            default: {
                const EnteredResult entered{int(random() % 4) - 1, int(random() % 4) - 1,
                                            MatchOutcome(random() % 4), random() % 5 == 0};
                change = proposePoolResult(stage, 0, int(random() % 6), entered).change;
            }
        }
        change.redo(stage);
        steps.push_back(std::move(change));
    }
    const PoolStage reached = stage;
    QVERIFY(!(reached == drawn));
    for (auto it = steps.rbegin(); it != steps.rend(); ++it) it->undo(stage);
    QVERIFY(stage == drawn);
    for (const PoolStageChange& change : steps) change.redo(stage);
    QVERIFY(stage == reached);
}

// Every match's number leads back to it; numbers before the first and past the last to none.
void TestPoolChange::matchNumbersAcrossPools() {
    std::vector<Entrant> entrants(11);
    for (size_t e = 0; e < entrants.size(); ++e) entrants[e].name = "E" + std::to_string(e);
    PoolDrawOptions options;
    options.pools = 3;  // 4, 4 and 3: 6, 6 and 3 matches
    const PoolStage stage = drawPools(entrants, options)->stage;
    int count = 0;
    for (int pool = 0; pool < 3; ++pool) {
        for (int match = 0; match < int(stage.pools[size_t(pool)].matches.size()); ++match) {
            ++count;
            QCOMPARE(poolMatchNumber(stage, pool, match), count);
            QVERIFY(poolMatchOfNumber(stage, count) == (PoolMatchPlace{pool, match}));
        }
    }
    QCOMPARE(count, 15);
    QVERIFY(!poolMatchOfNumber(stage, 0));
    QVERIFY(!poolMatchOfNumber(stage, count + 1));
}

QTEST_GUILESS_MAIN(TestPoolChange)
#include "tst_pool_change.moc"
