#include <QRandomGenerator>
#include <QTest>
#include <optional>
#include <vector>

#include "bracket/bracket.h"
#include "bracket/bracket_change.h"
#include "bracket/line_rules.h"
#include "bracket/member_progress.h"
#include "bracket/result_proposal.h"
#include "bracket/third_place.h"

using namespace kaz;

namespace {

std::vector<int> statesOf(const Bracket& bracket) {
    std::vector<int> states;
    for (int line = 0; line < bracket.lineCount(); ++line) {
        states.push_back(int(bracket.lineState(line)));
    }
    return states;
}

// A double click arrives as a press followed by the double-click message.
void userDoubleClick(Bracket& bracket, int line) {
    leftClickLine(bracket, line);
    doubleClickLine(bracket, line);
}

enum Action { Click, DoubleClick };

struct Step {
    Action action;
    int line;
    std::vector<int> after;  // the 15 states after the action
};

// A user's session on a new 8-member bracket, with every line's state after each action.
const std::vector<Step>& sessionSteps() {
    static const std::vector<Step> steps = {
        {Click, 0, {1, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0}},
        {Click, 2, {1, 0, 1, 0, 0, 0, 0, 0, 3, 3, 0, 0, 0, 0, 0}},
        {Click, 8, {1, 0, 1, 0, 0, 0, 0, 0, 1, 3, 0, 0, 3, 0, 0}},
        // Member 1 takes match 1 from member 0, who had also won round 2: that result goes, and
        // member 1 stands on line 8, not yet won there.
        {Click, 1, {0, 1, 1, 0, 0, 0, 0, 0, 3, 3, 0, 0, 0, 0, 0}},
        {Click, 9, {0, 1, 1, 0, 0, 0, 0, 0, 3, 1, 0, 0, 3, 0, 0}},
        {Click, 12, {0, 1, 1, 0, 0, 0, 0, 0, 3, 1, 0, 0, 1, 0, 2}},
        {Click, 14, {0, 1, 1, 0, 0, 0, 0, 0, 3, 1, 0, 0, 1, 0, 1}},
        {Click, 14, {0, 1, 1, 0, 0, 0, 0, 0, 3, 1, 0, 0, 1, 0, 2}},
        {DoubleClick, 12, {0, 1, 1, 0, 0, 0, 0, 0, 3, 1, 0, 0, 2, 0, 0}},
        // Member 1 leaves round 2, where member 2 had beaten it: that win goes too.
        {DoubleClick, 1, {0, 0, 1, 0, 0, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0}},
    };
    return steps;
}

}  // namespace

class TestLineRules : public QObject {
    Q_OBJECT

private slots:
    void eightMemberSession_data();
    void eightMemberSession();
    void roundOneClickCycle();
    void finalLineCycle();
    void doubleClickOnOpenLineWhoseOpponentWon();
    void setState_data();
    void setState();
    void clickLeavesUnknownState_data();
    void clickLeavesUnknownState();
    void ruleCases_data();
    void ruleCases();
    void ruleTouchesOnlyNextAndOpponent_data();
    void ruleTouchesOnlyNextAndOpponent();
    void resetTakesMemberOutOfLaterRounds_data();
    void resetTakesMemberOutOfLaterRounds();
    void clicksTellWhichLinesChanged_data();
    void clicksTellWhichLinesChanged();
    void randomSessionsKeepTheBracketConsistent_data();
    void randomSessionsKeepTheBracketConsistent();
};

void TestLineRules::eightMemberSession_data() {
    QTest::addColumn<int>("step");
    const auto& steps = sessionSteps();
    for (int i = 0; i < int(steps.size()); ++i) {
        QTest::addRow("%d: %s %d", i + 1, steps[i].action == Click ? "click" : "double click",
                      steps[i].line)
            << i;
    }
}

// Replays the session from a new bracket up to the row's action and checks all 15 lines.
void TestLineRules::eightMemberSession() {
    QFETCH(int, step);
    Bracket bracket(8);
    const auto& steps = sessionSteps();
    for (int i = 0; i <= step; ++i) {
        if (steps[i].action == Click) {
            leftClickLine(bracket, steps[i].line);
        } else {
            userDoubleClick(bracket, steps[i].line);
        }
    }
    QCOMPARE(statesOf(bracket), steps[step].after);
}

// 0 -> 1 -> 2 -> 1 on a round-1 line: taking the win back keeps the member on its line and
// takes it out of the next round.
void TestLineRules::roundOneClickCycle() {
    Bracket bracket(8);
    leftClickLine(bracket, 2);
    QCOMPARE(int(bracket.lineState(2)), 1);
    QCOMPARE(int(bracket.lineState(9)), 3);
    leftClickLine(bracket, 2);
    QCOMPARE(int(bracket.lineState(2)), 2);
    QCOMPARE(int(bracket.lineState(9)), 0);
    leftClickLine(bracket, 2);
    QCOMPARE(int(bracket.lineState(2)), 1);
    QCOMPARE(int(bracket.lineState(9)), 3);
}

// Nobody stands on the final line of a new bracket: a click or a double click there changes
// nothing. Once the final is won, clicks go 2 -> 1 -> 2 and a double click leaves 2.
void TestLineRules::finalLineCycle() {
    for (int players : {4, 8, 16, 32, 64, 128}) {
        Bracket bracket(players);
        const int final = bracket.lineCount() - 1;
        QVERIFY(leftClickLine(bracket, final).empty());
        QVERIFY(doubleClickLine(bracket, final).empty());
        QCOMPARE(statesOf(bracket), statesOf(Bracket(players)));

        // Member 0 wins every match up to the final line.
        for (int line = 0; line != final; line = nextRoundLine(players, line)) {
            leftClickLine(bracket, line);
        }
        QCOMPARE(int(bracket.lineState(final)), 2);
        const std::vector<int> others = statesOf(bracket);
        leftClickLine(bracket, final);
        QCOMPARE(int(bracket.lineState(final)), 1);
        leftClickLine(bracket, final);
        QCOMPARE(int(bracket.lineState(final)), 2);
        leftClickLine(bracket, final);
        userDoubleClick(bracket, final);  // no reset goes out from the final line
        QCOMPARE(statesOf(bracket), others);
    }
}

// The press marks the line the winner (its opponent falls back to 0), then the double click
// resets it and the next-round line: all three end open.
void TestLineRules::doubleClickOnOpenLineWhoseOpponentWon() {
    Bracket bracket(8);
    leftClickLine(bracket, 5);
    QCOMPARE(int(bracket.lineState(5)), 1);
    QCOMPARE(int(bracket.lineState(10)), 3);

    userDoubleClick(bracket, 4);
    QCOMPARE(statesOf(bracket), std::vector<int>(15, 0));
}

void TestLineRules::setState_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("accepted");
    for (int from = 0; from <= 4; ++from) {
        for (int to = 0; to <= 4; ++to) {
            const bool refused = from == int(LineState::Won) && to == int(LineState::Advanced);
            QTest::addRow("%d to %d", from, to) << from << to << !refused;
        }
    }
    QTest::newRow("1 to 7") << 1 << 7 << true;
    QTest::newRow("7 to 3") << 7 << 3 << true;
}

void TestLineRules::setState() {
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(bool, accepted);
    Bracket bracket(4);
    QVERIFY(bracket.setLineState(2, LineState(from)));
    QCOMPARE(bracket.setLineState(2, LineState(to)), accepted);
    QCOMPARE(int(bracket.lineState(2)), accepted ? to : from);
}

void TestLineRules::clickLeavesUnknownState_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("state");
    QTest::newRow("round 1, 7") << 0 << 7;
    QTest::newRow("round 1, -1") << 3 << -1;
    QTest::newRow("round 2, 5") << 9 << 5;
    QTest::newRow("final, 7") << 14 << 7;
    QTest::newRow("final, min") << 14 << int(INT32_MIN);
}

// A state outside 0 … 4 (only a file can bring one) stays as it is, and nothing else moves.
void TestLineRules::clickLeavesUnknownState() {
    QFETCH(int, line);
    QFETCH(int, state);
    Bracket bracket(8);
    for (int i = 0; i < bracket.lineCount(); ++i) bracket.setLineState(i, LineState::Won);
    bracket.setLineState(line, LineState(state));
    const std::vector<int> before = statesOf(bracket);
    leftClickLine(bracket, line);
    QCOMPARE(statesOf(bracket), before);
}

void TestLineRules::ruleCases_data() {
    QTest::addColumn<int>("players");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("flag");
    QTest::addColumn<int>("nextBefore");
    QTest::addColumn<int>("opponentBefore");
    QTest::addColumn<int>("nextAfter");
    QTest::addColumn<int>("opponentAfter");

    // The next-round line: 3 after a win (a won line keeps its 1), 2 on the final line after
    // a win whatever it was, 0 after a reset whatever it was.
    for (int next = 0; next <= 4; ++next) {
        QTest::addRow("8: win of 0, next %d", next)
            << 8 << 0 << int(LineOutcome::Win) << next << 0 << (next == 1 ? 1 : 3) << 0;
        QTest::addRow("8: win of 13, final %d", next)
            << 8 << 13 << int(LineOutcome::Win) << next << 0 << 2 << 0;
        QTest::addRow("8: reset of 10, next %d", next)
            << 8 << 10 << int(LineOutcome::Reset) << next << 0 << 0 << 0;
    }
    // The opponent: a won opponent goes to 0 in round 1 and 4 later, on a win or a reset;
    // 2, 3 and 4 are never touched.
    for (int opp = 0; opp <= 4; ++opp) {
        const int round1 = opp == 1 ? 0 : opp;
        const int later = opp == 1 ? 4 : opp;
        QTest::addRow("8: win of 3, opponent %d", opp)
            << 8 << 3 << int(LineOutcome::Win) << 0 << opp << 3 << round1;
        QTest::addRow("8: reset of 3, opponent %d", opp)
            << 8 << 3 << int(LineOutcome::Reset) << 0 << opp << 0 << round1;
        QTest::addRow("8: win of 11, opponent %d", opp)
            << 8 << 11 << int(LineOutcome::Win) << 0 << opp << 3 << later;
        QTest::addRow("8: reset of 12, opponent %d", opp)
            << 8 << 12 << int(LineOutcome::Reset) << 0 << opp << 0 << later;
    }
    QTest::newRow("4: win of 0") << 4 << 0 << int(LineOutcome::Win) << 0 << 1 << 3 << 0;
    QTest::newRow("4: win of 4") << 4 << 4 << int(LineOutcome::Win) << 0 << 1 << 2 << 4;
    QTest::newRow("4: win of 5") << 4 << 5 << int(LineOutcome::Win) << 1 << 1 << 2 << 4;
    QTest::newRow("16: win of 27") << 16 << 27 << int(LineOutcome::Win) << 0 << 1 << 3 << 4;
    QTest::newRow("32: win of 31") << 32 << 31 << int(LineOutcome::Win) << 0 << 1 << 3 << 0;
    QTest::newRow("32: win of 60") << 32 << 60 << int(LineOutcome::Win) << 1 << 1 << 2 << 4;
    QTest::newRow("32: reset of 47") << 32 << 47 << int(LineOutcome::Reset) << 1 << 1 << 0 << 4;
}

void TestLineRules::ruleCases() {
    QFETCH(int, players);
    QFETCH(int, line);
    QFETCH(int, flag);
    QFETCH(int, nextBefore);
    QFETCH(int, opponentBefore);
    QFETCH(int, nextAfter);
    QFETCH(int, opponentAfter);

    Bracket bracket(players);
    const int next = nextRoundLine(players, line);
    const int opponent = opponentLine(players, line);
    bracket.setLineState(line, LineState::Advanced);
    bracket.setLineState(next, LineState(nextBefore));
    bracket.setLineState(opponent, LineState(opponentBefore));

    carryResult(bracket, line, LineOutcome(flag));
    QCOMPARE(int(bracket.lineState(next)), nextAfter);
    QCOMPARE(int(bracket.lineState(opponent)), opponentAfter);
    QCOMPARE(int(bracket.lineState(line)),
             int(LineState::Advanced));  // the rule never sets the line itself
}

void TestLineRules::ruleTouchesOnlyNextAndOpponent_data() {
    QTest::addColumn<int>("players");
    QTest::addColumn<int>("fill");
    for (int players : {4, 8, 16, 32, 64, 128}) {
        for (int fill = 0; fill <= 4; ++fill) {
            QTest::addRow("%d members, all %d", players, fill) << players << fill;
        }
    }
}

// Every line, win and reset, from a bracket with all lines in one state: only the next-round
// line and the opponent may change, and the final line changes nothing.
void TestLineRules::ruleTouchesOnlyNextAndOpponent() {
    QFETCH(int, players);
    QFETCH(int, fill);
    Bracket start(players);
    for (int line = 0; line < start.lineCount(); ++line) start.setLineState(line, LineState(fill));

    for (int line = 0; line < start.lineCount(); ++line) {
        for (int flag : {int(LineOutcome::Win), int(LineOutcome::Reset)}) {
            Bracket bracket = start;
            carryResult(bracket, line, LineOutcome(flag));
            const int next = nextRoundLine(players, line);
            const int opponent = opponentLine(players, line);
            for (int other = 0; other < bracket.lineCount(); ++other) {
                if (other == next || other == opponent) continue;
                if (int(bracket.lineState(other)) != fill) {
                    QFAIL(qPrintable(QStringLiteral("line %1 flag %2 changed line %3")
                                         .arg(line)
                                         .arg(flag)
                                         .arg(other)));
                }
            }
        }
    }
}

namespace {

// A bracket of 8 played to its end: members 0, 2, 4 and 6 won round 1, 0 and 6 round 2, 0 the
// final, named champion "A"; lines 0, 8, 9, 12 and the final hold scores.
Bracket playedEightMembers() {
    Bracket bracket(8);
    for (int line : {0, 2, 4, 6, 8, 11, 12, 14}) leftClickLine(bracket, line);
    const std::pair<int, const char*> scores[] = {
        {0, "3"}, {8, "2"}, {9, "1"}, {12, "5"}, {14, "x"}};
    for (const auto& [line, score] : scores) bracket.setLineScore(line, score);
    bracket.setChampion("A");
    return bracket;
}

QString scoresOf(const Bracket& bracket) {
    QStringList scores;
    for (int line = 0; line < bracket.lineCount(); ++line) {
        scores << QString::fromStdString(bracket.lineScore(line));
    }
    return scores.join(',');
}

}  // namespace

void TestLineRules::resetTakesMemberOutOfLaterRounds_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("states");
    QTest::addColumn<QString>("scores");
    QTest::addColumn<QString>("champion");
    QTest::addColumn<QList<int>>("changed");  // what the double-click message reports

    QTest::newRow("played") << -1 << "101010101331131"
                            << "3,,,,,,,,2,1,,,5,,x"
                            << "A" << QList<int>{};
    // The press takes the win back: member 0 leaves rounds 2, 3 and the final, the champion
    // goes; the match taken back loses its scores, and so does every line it is taken out of.
    // The message then opens the round-1 line.
    QTest::newRow("round 1 of the champion") << 0 << "001010100331030"
                                             << ",,,,,,,,,,,,,,"
                                             << "" << QList<int>{0};
    // A later line keeps its member, reached: the message has nothing left to do.
    QTest::newRow("round 2 of the champion") << 8 << "101010102331030"
                                             << "3,,,,,,,,,,,,,,"
                                             << "" << QList<int>{};
    // The final's own result taken back: a champion's name typed by hand stays.
    QTest::newRow("semi-final: the final line is reset") << 12 << "101010101331230"
                                                         << "3,,,,,,,,2,1,,,,,"
                                                         << "A" << QList<int>{};
    // Member 6 lost the final on line 13: without its round-2 win, the final it played goes,
    // with both finalists' scores and the champion.
    QTest::newRow("round 2 of the final's loser") << 11 << "101010101332300"
                                                  << "3,,,,,,,,2,1,,,,,"
                                                  << "" << QList<int>{};
    // Member 2 lost round 2 to member 0: that match, and all member 0 won after it, go.
    QTest::newRow("round 1 of a round-2 loser") << 2 << "100010103031030"
                                                << "3,,,,,,,,,,,,,,"
                                                << "" << QList<int>{2};
    // The final line keeps its member, reached.
    QTest::newRow("final line") << 14 << "101010101331132"
                                << "3,,,,,,,,2,1,,,5,,x"
                                << "A" << QList<int>{};
    // The press on line 1 takes its opponent's win back, and with it everything member 0 won
    // after; the message then takes member 1 off line 8 again.
    QTest::newRow("opponent of the champion") << 1 << "001010100331030"
                                              << ",,,,,,,,,,,,,,"
                                              << "" << QList<int>{1, 8};
}

// A double click (the press, then the message) on a bracket played to its end.
void TestLineRules::resetTakesMemberOutOfLaterRounds() {
    QFETCH(int, line);
    QFETCH(QString, states);
    QFETCH(QString, scores);
    QFETCH(QString, champion);
    QFETCH(QList<int>, changed);
    Bracket bracket = playedEightMembers();
    if (line >= 0) {
        leftClickLine(bracket, line);
        const ChangedLines reported = doubleClickLine(bracket, line);
        QCOMPARE(QList<int>(reported.begin(), reported.end()), changed);
    }
    QString actual;
    for (int state : statesOf(bracket)) actual += QString::number(state);
    QCOMPARE(actual, states);
    QCOMPARE(scoresOf(bracket), scores);
    QCOMPARE(QString::fromStdString(bracket.champion()), champion);
}

void TestLineRules::clicksTellWhichLinesChanged_data() {
    QTest::addColumn<QList<int>>("clicksBefore");  // left clicks on a new 8-member bracket
    QTest::addColumn<bool>("doubleClick");         // the action: a double click, else a click
    QTest::addColumn<int>("line");
    QTest::addColumn<QList<int>>("changed");
    QTest::newRow("win carried on") << QList<int>{} << false << 0 << QList<int>{0, 8};
    // Line 8 is asked for 3 again and stays 3: it is not reported.
    QTest::newRow("opponent's win taken back") << QList<int>{1} << false << 0 << QList<int>{0, 1};
    QTest::newRow("won to reached") << QList<int>{0} << false << 0 << QList<int>{0, 8};
    QTest::newRow("final line, won") << QList<int>{0, 8, 12} << false << 14 << QList<int>{14};
    QTest::newRow("final line, nobody there") << QList<int>{} << false << 14 << QList<int>{};
    QTest::newRow("round 2, nobody there") << QList<int>{0} << false << 9 << QList<int>{};
    QTest::newRow("double click, nobody there") << QList<int>{0} << true << 9 << QList<int>{};
    QTest::newRow("into the final") << QList<int>{0, 8} << false << 12 << QList<int>{12, 14};
    QTest::newRow("double click after its press") << QList<int>{0} << true << 0 << QList<int>{0, 8};
    QTest::newRow("double click, nothing to undo") << QList<int>{} << true << 3 << QList<int>{};
}

// The document repaints exactly the lines a click reports, so none may be missing or extra.
void TestLineRules::clicksTellWhichLinesChanged() {
    QFETCH(QList<int>, clicksBefore);
    QFETCH(bool, doubleClick);
    QFETCH(int, line);
    QFETCH(QList<int>, changed);
    Bracket bracket(8);
    for (int before : clicksBefore) leftClickLine(bracket, before);
    const ChangedLines reported =
        doubleClick ? doubleClickLine(bracket, line) : leftClickLine(bracket, line);
    QCOMPARE(QList<int>(reported.begin(), reported.end()), changed);
}

namespace {

// What is wrong with the bracket, or an empty text: a line of round 2 or later that shows a
// member must have exactly one won line feeding it (the final line included: it shows a member
// only once the final was won), no match may have two winners, and a line nobody stands on holds
// no score. The champion's name follows a rule of its own, which the result model checks.
QString inconsistency(const Bracket& bracket) {
    const int members = bracket.memberCount();
    std::vector<int> wonFeeders(size_t(bracket.lineCount()), 0);
    for (int line = 0; line < bracket.lineCount(); ++line) {
        const int next = nextRoundLine(members, line);
        if (next >= 0 && bracket.lineState(line) == LineState::Won) ++wonFeeders[size_t(next)];
        const int opponent = opponentLine(members, line);
        if (opponent > line && bracket.lineState(line) == LineState::Won &&
            bracket.lineState(opponent) == LineState::Won) {
            return QStringLiteral("lines %1 and %2 both won").arg(line).arg(opponent);
        }
    }
    for (int line = members; line < bracket.lineCount(); ++line) {
        const bool shown = bracket.lineState(line) != LineState::Open;
        if (shown && wonFeeders[size_t(line)] != 1) {
            return QStringLiteral("line %1 is fed by %2 won lines")
                .arg(line)
                .arg(wonFeeders[size_t(line)]);
        }
        if (!shown && !bracket.lineScore(line).empty()) {
            return QStringLiteral("line %1 holds a score with nobody on it").arg(line);
        }
    }
    // Each side of the third place is the member who lost its semi-final: the one whose path
    // ends on the semi-final line its opponent won, while the winner stands in the final.
    for (int side = 0; side < kThirdPlaceSides; ++side) {
        const std::array<int, 2> pair = semiFinalLines(members, side);
        int loser = -1;
        for (int m = 0; m < members && bracket.sheet().thirdPlace != ThirdPlace::None; ++m) {
            const int standing = memberStandingLine(bracket, m);
            const int opponent = opponentLine(members, standing);
            if ((standing == pair[0] || standing == pair[1]) &&
                bracket.lineState(opponent) == LineState::Won) {
                loser = m;
            }
        }
        if (thirdPlaceMember(bracket, side) != loser) {
            return QStringLiteral("third-place side %1 shows %2, not %3")
                .arg(side)
                .arg(thirdPlaceMember(bracket, side))
                .arg(loser);
        }
        const LineResult& result = bracket.thirdPlaceResult(side);
        if (result.state == LineState::Won &&
            (thirdPlaceMember(bracket, 0) < 0 || thirdPlaceMember(bracket, 1) < 0)) {
            return QStringLiteral("third place won with a side unknown");
        }
        if (!result.score.empty() && loser < 0) {
            return QStringLiteral("a third-place score with nobody on side %1").arg(side);
        }
    }
    return QString();
}

// The undo history as the document keeps it: the steps done, and those undone to redo.
struct History {
    std::vector<BracketChange> steps;
    size_t done = 0;

    void add(BracketChange step) {
        if (step.isEmpty()) return;
        steps.resize(done);
        steps.push_back(std::move(step));
        ++done;
    }
};

}  // namespace

void TestLineRules::randomSessionsKeepTheBracketConsistent_data() {
    QTest::addColumn<int>("players");
    for (int players : {4, 8, 16, 32, 64, 128}) QTest::addRow("%d members", players) << players;
}

// Every operation a user can make, at random, from a new bracket: clicks, double clicks (the
// press, then the message, or the message alone), scores, the champion's name, the keyboard's
// results, the third-place match's clicks and scores, and undo and redo of the recorded steps.
// The bracket stays consistent, a line nobody stands on takes nothing, a line with a member keeps
// one after a click, and an operation that changes a third-place side clears its result.
void TestLineRules::randomSessionsKeepTheBracketConsistent() {
    QFETCH(int, players);
    QRandomGenerator random(quint32(players) * 7919u);
    for (int session = 0; session < 20; ++session) {
        Bracket bracket(players);
        // The third place's sides are players: every slot has one.
        for (int m = 0; m < players; ++m) bracket.setMemberName(m, "M" + std::to_string(m));
        if (session % 2 == 0) {
            SheetInfo sheet;
            sheet.thirdPlace = ThirdPlace::Match;
            bracket.setSheet(sheet);
        }
        History history;
        for (int step = 0; step < 200; ++step) {
            const int line = random.bounded(bracket.lineCount());
            const int member = random.bounded(players);
            const bool stood = memberStandsOn(bracket, line);
            const Bracket before = bracket;
            const LineRecorder recorder(bracket);
            const int operation = random.bounded(12);
            const int side = random.bounded(kThirdPlaceSides);
            // The step the editor commits for one rule: the core's proposal, where it takes it.
            std::optional<BracketChange> asData;
            const auto proposed = [&before](ResultPlace place) -> std::optional<BracketChange> {
                ResultProposal proposal = proposeResult(before, place, ResultAction::Press);
                if (proposal.refusal) return std::nullopt;
                return std::move(proposal.change);
            };
            QString what;
            switch (operation) {
                case 0:
                    what = QStringLiteral("click %1").arg(line);
                    asData = proposed(ResultPlace::line(line));
                    leftClickLine(bracket, line);
                    break;
                case 1:
                    what = QStringLiteral("double click %1").arg(line);
                    userDoubleClick(bracket, line);
                    break;
                case 2:
                    what = QStringLiteral("double-click message %1").arg(line);
                    if (auto proposal = proposeResult(before, ResultPlace::line(line),
                                                      ResultAction::ResetMessage);
                        !proposal.refusal) {
                        asData = std::move(proposal.change);
                    }
                    doubleClickLine(bracket, line);
                    break;
                case 3:
                    what = QStringLiteral("score on %1").arg(line);
                    scoreChange(bracket, line, "7").redo(bracket);
                    break;
                case 4: {
                    what = QStringLiteral("champion");
                    const std::string name = random.bounded(2) == 0 ? "C" : "";
                    championChange(bracket, name).redo(bracket);
                    break;
                }
                case 5: {
                    what = QStringLiteral("Alt+Right of member %1").arg(member);
                    const int standing = memberStandingLine(bracket, member);
                    if (bracket.lineKind(standing) != LineKind::Final) {
                        leftClickLine(bracket, standing);
                    }
                    break;
                }
                case 6: {
                    what = QStringLiteral("Alt+Left of member %1").arg(member);
                    const int won = memberLastWonLine(bracket, member);
                    if (won >= 0) userDoubleClick(bracket, won);
                    break;
                }
                case 7:
                    what = QStringLiteral("third-place click on side %1").arg(side);
                    asData = proposed(ResultPlace::thirdPlaceSide(side));
                    leftClickThirdPlace(bracket, side);
                    break;
                case 8:
                    what = QStringLiteral("third-place double click on side %1").arg(side);
                    leftClickThirdPlace(bracket, side);
                    doubleClickThirdPlace(bracket, side);
                    break;
                case 9:
                    what = QStringLiteral("third-place score on side %1").arg(side);
                    thirdPlaceScoreChange(bracket, side, "3").redo(bracket);
                    break;
                case 10:
                    what = QStringLiteral("undo");
                    if (history.done > 0) history.steps[--history.done].undo(bracket);
                    break;
                default:
                    what = QStringLiteral("redo");
                    if (history.done < history.steps.size()) {
                        history.steps[history.done++].redo(bracket);
                    }
                    break;
            }
            if (operation < 10) history.add(recorder.finish(bracket));
            if (asData) {
                Bracket made = before;
                asData->redo(made);
                if (!(made.lineResults() == bracket.lineResults()) ||
                    made.champion() != bracket.champion() || made.sheet() != bracket.sheet()) {
                    QFAIL(qPrintable(what + QStringLiteral(": the step differs from the rule")));
                }
            }
            const QString wrong = inconsistency(bracket);
            if (!wrong.isEmpty()) QFAIL(qPrintable(what + QStringLiteral(": ") + wrong));
            if (operation <= 3 && !stood && !(bracket.lineResults() == before.lineResults())) {
                QFAIL(qPrintable(what + QStringLiteral(": nobody stood there")));
            }
            if (operation <= 1 && stood && !memberStandsOn(bracket, line)) {
                QFAIL(qPrintable(what + QStringLiteral(": the member was removed")));
            }
            if (operation < 7 && thirdPlaceMembers(before) != thirdPlaceMembers(bracket) &&
                bracket.thirdPlaceResults() != ThirdPlaceResults()) {
                QFAIL(
                    qPrintable(what + QStringLiteral(": a third-place result outlived its side")));
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestLineRules)
#include "tst_line_rules.moc"
