#include <QTest>
#include <set>

#include "bracket/bracket_shape.h"

using namespace kaz;

class TestBracketShape : public QObject {
    Q_OBJECT

private slots:
    void roundsAndLines_data();
    void roundsAndLines();
    void placeOfLine_data();
    void placeOfLine();
    void everyLineFitsTheShape_data();
    void everyLineFitsTheShape();
};

void TestBracketShape::roundsAndLines_data() {
    QTest::addColumn<int>("players");
    QTest::addColumn<int>("rounds");
    QTest::addColumn<int>("lines");
    QTest::addColumn<QList<int>>("firstLines");

    QTest::newRow("4") << 4 << 3 << 7 << QList<int>{0, 4, 6};
    QTest::newRow("8") << 8 << 4 << 15 << QList<int>{0, 8, 12, 14};
    QTest::newRow("16") << 16 << 5 << 31 << QList<int>{0, 16, 24, 28, 30};
    QTest::newRow("32") << 32 << 6 << 63 << QList<int>{0, 32, 48, 56, 60, 62};
    QTest::newRow("64") << 64 << 7 << 127 << QList<int>{0, 64, 96, 112, 120, 124, 126};
    QTest::newRow("128") << 128 << 8 << 255 << QList<int>{0, 128, 192, 224, 240, 248, 252, 254};
}

void TestBracketShape::roundsAndLines() {
    QFETCH(int, players);
    QFETCH(int, rounds);
    QFETCH(int, lines);
    QFETCH(QList<int>, firstLines);

    QVERIFY(isValidMemberCount(players));
    QCOMPARE(roundsForMembers(players), rounds);
    QCOMPARE(lineCountForMembers(players), lines);
    for (int round = 0; round < rounds; ++round) {
        const LinePlace first = kaz::placeOfLine(players, firstLines[round]);
        QCOMPARE(first.round, round);
        QCOMPARE(first.position, 0);
    }
    // Every line lies in the last round that begins at or before it.
    for (int line = 0; line < lines; ++line) {
        int round = rounds - 1;
        while (firstLines[round] > line) --round;
        const LinePlace place = kaz::placeOfLine(players, line);
        QCOMPARE(place.round, round);
        QCOMPARE(place.position, line - firstLines[round]);
        QCOMPARE(place.size, players >> round);
    }
    // The final line is the last index.
    QCOMPARE(kindOfLine(players, lines - 1), LineKind::Final);
}

void TestBracketShape::placeOfLine_data() {
    QTest::addColumn<int>("players");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("round");  // 0-based
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("next");
    QTest::addColumn<int>("opponent");

    // The whole 8-member bracket.
    struct Row {
        int line, round, position, kind, next, opponent;
    };
    const Row eight[] = {
        {0, 0, 0, 0, 8, 1},    {1, 0, 1, 1, 8, 0},    {2, 0, 2, 0, 9, 3},    {3, 0, 3, 1, 9, 2},
        {4, 0, 4, 0, 10, 5},   {5, 0, 5, 1, 10, 4},   {6, 0, 6, 0, 11, 7},   {7, 0, 7, 1, 11, 6},
        {8, 1, 0, 0, 12, 9},   {9, 1, 1, 1, 12, 8},   {10, 1, 2, 0, 13, 11}, {11, 1, 3, 1, 13, 10},
        {12, 2, 0, 0, 14, 13}, {13, 2, 1, 1, 14, 12}, {14, 3, 0, 2, -1, -1},
    };
    for (const Row& r : eight) {
        QTest::addRow("8 line %d", r.line)
            << 8 << r.line << r.round << r.position << r.kind << r.next << r.opponent;
    }

    QTest::newRow("4 line 0") << 4 << 0 << 0 << 0 << 0 << 4 << 1;
    QTest::newRow("4 line 3") << 4 << 3 << 0 << 3 << 1 << 5 << 2;
    QTest::newRow("4 line 4") << 4 << 4 << 1 << 0 << 0 << 6 << 5;
    QTest::newRow("4 line 5") << 4 << 5 << 1 << 1 << 1 << 6 << 4;
    QTest::newRow("4 final") << 4 << 6 << 2 << 0 << 2 << -1 << -1;

    QTest::newRow("32 line 0") << 32 << 0 << 0 << 0 << 0 << 32 << 1;
    QTest::newRow("32 line 31") << 32 << 31 << 0 << 31 << 1 << 47 << 30;
    QTest::newRow("32 line 32") << 32 << 32 << 1 << 0 << 0 << 48 << 33;
    QTest::newRow("32 line 47") << 32 << 47 << 1 << 15 << 1 << 55 << 46;
    QTest::newRow("32 line 59") << 32 << 59 << 3 << 3 << 1 << 61 << 58;
    QTest::newRow("32 line 60") << 32 << 60 << 4 << 0 << 0 << 62 << 61;
    QTest::newRow("32 line 61") << 32 << 61 << 4 << 1 << 1 << 62 << 60;
    QTest::newRow("32 final") << 32 << 62 << 5 << 0 << 2 << -1 << -1;
}

void TestBracketShape::placeOfLine() {
    QFETCH(int, players);
    QFETCH(int, line);
    QFETCH(int, round);
    QFETCH(int, position);
    QFETCH(int, kind);
    QFETCH(int, next);
    QFETCH(int, opponent);

    const LinePlace place = kaz::placeOfLine(players, line);
    QCOMPARE(place.round, round);
    QCOMPARE(place.position, position);
    QCOMPARE(place.size, players >> round);
    QCOMPARE(int(kindOfLine(players, line)), kind);
    QCOMPARE(nextRoundLine(players, line), next);
    QCOMPARE(opponentLine(players, line), opponent);
}

void TestBracketShape::everyLineFitsTheShape_data() {
    QTest::addColumn<int>("players");
    for (int players : {4, 8, 16, 32}) QTest::addRow("%d", players) << players;
}

// Whatever the size: each line sits in exactly one round at the right offset, pairs are
// opponents of each other, and each next-round line is fed by exactly one pair.
void TestBracketShape::everyLineFitsTheShape() {
    QFETCH(int, players);
    const int lines = lineCountForMembers(players);
    std::multiset<int> fed;
    for (int line = 0; line < lines; ++line) {
        const LinePlace place = kaz::placeOfLine(players, line);
        QCOMPARE(kaz::placeOfLine(players, line - place.position).round, place.round);
        QVERIFY(place.position < place.size);
        if (line == lines - 1) {
            QCOMPARE(place.size, 1);
            continue;
        }
        QCOMPARE(int(kindOfLine(players, line)), place.position % 2);
        const int opponent = opponentLine(players, line);
        QCOMPARE(opponentLine(players, opponent), line);
        QCOMPARE(kaz::placeOfLine(players, opponent).round, place.round);
        const int next = nextRoundLine(players, line);
        QCOMPARE(nextRoundLine(players, opponent), next);
        const LinePlace nextPlace = kaz::placeOfLine(players, next);
        QCOMPARE(nextPlace.round, place.round + 1);
        QCOMPARE(nextPlace.position, place.position / 2);
        fed.insert(next);
    }
    // Every line but those of round 1 is fed by its two lines.
    for (int line = players; line < lines; ++line) QCOMPARE(int(fed.count(line)), 2);
    QCOMPARE(int(fed.size()), lines - 1);
}

QTEST_GUILESS_MAIN(TestBracketShape)
#include "tst_bracket_shape.moc"
