#include <QTest>
#include <vector>

#include "bracket/bracket.h"
#include "bracket/line_rules.h"

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
        {Click, 1, {0, 1, 1, 0, 0, 0, 0, 0, 1, 3, 0, 0, 3, 0, 0}},
        {Click, 9, {0, 1, 1, 0, 0, 0, 0, 0, 4, 1, 0, 0, 3, 0, 0}},
        {Click, 12, {0, 1, 1, 0, 0, 0, 0, 0, 4, 1, 0, 0, 1, 0, 2}},
        {Click, 14, {0, 1, 1, 0, 0, 0, 0, 0, 4, 1, 0, 0, 1, 0, 0}},
        {Click, 14, {0, 1, 1, 0, 0, 0, 0, 0, 4, 1, 0, 0, 1, 0, 1}},
        {DoubleClick, 12, {0, 1, 1, 0, 0, 0, 0, 0, 4, 1, 0, 0, 0, 0, 0}},
        {DoubleClick, 1, {0, 0, 1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0}},
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

// 0 -> 1 -> 2 -> 0 on a round-1 line, and only the step from 0 carries a win on.
void TestLineRules::roundOneClickCycle() {
    Bracket bracket(8);
    leftClickLine(bracket, 2);
    QCOMPARE(int(bracket.lineState(2)), 1);
    QCOMPARE(int(bracket.lineState(9)), 3);

    bracket.setLineState(9, LineState::Open);  // so that any further notification would show
    leftClickLine(bracket, 2);
    QCOMPARE(int(bracket.lineState(2)), 2);
    leftClickLine(bracket, 2);
    QCOMPARE(int(bracket.lineState(2)), 0);
    QCOMPARE(int(bracket.lineState(9)), 0);

    leftClickLine(bracket, 2);
    QCOMPARE(int(bracket.lineState(2)), 1);
    QCOMPARE(int(bracket.lineState(9)), 3);
}

void TestLineRules::finalLineCycle() {
    for (int players : {4, 8, 16, 32}) {
        Bracket bracket(players);
        const int final = bracket.lineCount() - 1;
        for (int line = 0; line < final; ++line) bracket.setLineState(line, LineState::Won);
        const std::vector<int> others = statesOf(bracket);

        leftClickLine(bracket, final);
        QCOMPARE(int(bracket.lineState(final)), 1);
        leftClickLine(bracket, final);
        QCOMPARE(int(bracket.lineState(final)), 0);
        leftClickLine(bracket, final);
        QCOMPARE(int(bracket.lineState(final)), 1);
        userDoubleClick(bracket, final);  // no reset goes out from the final line
        QCOMPARE(int(bracket.lineState(final)), 0);
        QCOMPARE(statesOf(bracket), others);

        // A win in the round before the final leaves it at 2; a click takes it to 0.
        Bracket fresh(players);
        leftClickLine(fresh, final - 2);
        QCOMPARE(int(fresh.lineState(final)), 2);
        leftClickLine(fresh, final);
        QCOMPARE(int(fresh.lineState(final)), 0);
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
    for (int players : {4, 8, 16, 32}) {
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
    for (int line : {0, 2, 4, 6, 8, 11, 12, 14, 14}) leftClickLine(bracket, line);
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
    QTest::addColumn<bool>("nextOpenFirst");  // line 8 made open (as a file may hold it) first
    QTest::addColumn<QString>("states");
    QTest::addColumn<QString>("scores");
    QTest::addColumn<QString>("champion");
    QTest::addColumn<QList<int>>("changed");  // what the double-click message reports

    QTest::newRow("played") << -1 << false << "101010101331131"
                            << "3,,,,,,,,2,1,,,5,,x"
                            << "A" << QList<int>{};
    // Member 0 leaves rounds 2, 3 and the final; the champion goes; the clicked line keeps
    // its score, every line it is taken out of loses its own.
    QTest::newRow("round 1 of the champion") << 0 << false << "001010100331030"
                                             << "3,,,,,,,,,1,,,,,"
                                             << "" << QList<int>{0, 8, 12, 14};
    QTest::newRow("round 2 of the champion") << 8 << false << "101010100331030"
                                             << "3,,,,,,,,2,1,,,,,"
                                             << "" << QList<int>{8, 12, 14};
    QTest::newRow("semi-final: the final line is reset") << 12 << false << "101010101331030"
                                                         << "3,,,,,,,,2,1,,,5,,"
                                                         << "" << QList<int>{12, 14};
    // Line 13 was reached, not won: nothing beyond it moves, the champion stays.
    QTest::newRow("round 2, next line only reached") << 11 << false << "101010101330101"
                                                     << "3,,,,,,,,2,1,,,5,,x"
                                                     << "A" << QList<int>{11, 13};
    QTest::newRow("round 1, next line advanced") << 2 << false << "100010101031131"
                                                 << "3,,,,,,,,2,,,,5,,x"
                                                 << "A" << QList<int>{2, 9};
    // The final line's own cycle is as it was: the press opened it, the message adds nothing.
    QTest::newRow("final line") << 14 << false << "101010101331130"
                                << "3,,,,,,,,2,1,,,5,,x"
                                << "A" << QList<int>{};
    // The press on line 1 takes its opponent's win back; the message then resets the path the
    // opponent had won, which line 8 still carried.
    QTest::newRow("opponent of the champion") << 1 << false << "001010100331030"
                                              << "3,,,,,,,,,1,,,,,"
                                              << "" << QList<int>{1, 8, 12, 14};
    // Only the score of an open next-round line changes: it is reported all the same.
    QTest::newRow("next line open with a score") << 0 << true << "001010100331131"
                                                 << "3,,,,,,,,,1,,,5,,x"
                                                 << "A" << QList<int>{0, 8};
}

// A double click (the press, then the message) on a bracket played to its end.
void TestLineRules::resetTakesMemberOutOfLaterRounds() {
    QFETCH(int, line);
    QFETCH(bool, nextOpenFirst);
    QFETCH(QString, states);
    QFETCH(QString, scores);
    QFETCH(QString, champion);
    QFETCH(QList<int>, changed);
    Bracket bracket = playedEightMembers();
    if (nextOpenFirst) bracket.setLineState(8, LineState::Open);
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
    QTest::newRow("won to reached") << QList<int>{0} << false << 0 << QList<int>{0};
    QTest::newRow("final line") << QList<int>{} << false << 14 << QList<int>{14};
    QTest::newRow("into the final") << QList<int>{} << false << 12 << QList<int>{12, 14};
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

QTEST_GUILESS_MAIN(TestLineRules)
#include "tst_line_rules.moc"
