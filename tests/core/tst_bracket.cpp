#include <QTest>
#include <cctype>
#include <functional>

#include "bracket/bracket.h"
#include "io/kaz_format.h"
#include "bracket/member_count.h"
#include "bracket/line_rules.h"
#include "core_test_support.h"

using namespace kaz;

using Edit = std::function<void(Bracket&)>;
Q_DECLARE_METATYPE(Edit)

class BracketTest : public QObject {
    Q_OBJECT

private slots:
    void newBracket_data();
    void newBracket();
    void playersFromCountText_data();
    void playersFromCountText();
    void changeCheck_data();
    void changeCheck();
    void markSavedClearsEverything();
    void loadedBracketIsUnchanged();
};

void BracketTest::newBracket_data() {
    QTest::addColumn<int>("players");
    QTest::addColumn<int>("rounds");
    QTest::newRow("4") << 4 << 3;
    QTest::newRow("8") << 8 << 4;
    QTest::newRow("16") << 16 << 5;
    QTest::newRow("32") << 32 << 6;
}

void BracketTest::newBracket() {
    QFETCH(int, players);
    QFETCH(int, rounds);
    const Bracket bracket(players);
    QCOMPARE(bracket.GetPlayers(), players);
    QCOMPARE(bracket.GetRounds(), rounds);
    QCOMPARE(bracket.GetLineCount(), 2 * players - 1);
    QVERIFY(!bracket.IsLoaded());
    QVERIFY(!bracket.IsChanged());
    QVERIFY(!bracket.IsBoldMember());
    QVERIFY(!bracket.IsBoldScore());
    QVERIFY(bracket.GetChampion().empty());
    for (int i = 0; i < players; ++i) {
        QVERIFY(bracket.GetMemberName(i).empty());
        QVERIFY(!bracket.IsMemberEdited(i));
    }
    for (int line = 0; line < bracket.GetLineCount(); ++line) {
        QCOMPARE(bracket.GetState(line), int(LINE_OPEN));
        QVERIFY(bracket.GetScore(line).empty());
        QCOMPARE(bracket.GetSavedState(line), int(LINE_OPEN));
        QVERIFY(bracket.GetSavedScore(line).empty());
    }
    const ColorSet& colors = bracket.GetColors();
    QCOMPARE(colors.m_strWinLineColor, std::string("#DC143C"));
    QCOMPARE(colors.m_strLoseLineColor, std::string("#808080"));
    QCOMPARE(colors.m_strBackColor, std::string("#FFFFFF"));
    QCOMPARE(colors.m_strMemberColor, std::string("#000000"));
    QCOMPARE(colors.m_strScoreColor, std::string("#FF9000"));
    QCOMPARE(Bracket::kNameWidth, 120);
    QCOMPARE(Bracket::kLineWidth, 4);
}

void BracketTest::playersFromCountText_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("players");
    // "人用" is 90 6C 97 70 in CP932.
    const QByteArray ninYou("\x90\x6C\x97\x70");
    QTest::newRow("4") << "4" + ninYou << 4;
    QTest::newRow("8") << "8" + ninYou << 8;
    QTest::newRow("16") << "16" + ninYou << 16;
    QTest::newRow("32") << "32" + ninYou << 32;

    QTest::newRow("trailing blank") << "4" + ninYou + " " << 0;
    QTest::newRow("leading blank") << " 8" + ninYou << 0;
    QTest::newRow("trailing ideographic space") << "16" + ninYou + "\x81\x40" << 0;
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("64") << "64" + ninYou << 0;
    QTest::newRow("2") << "2" + ninYou << 0;
    QTest::newRow("digits only") << QByteArray("4") << 0;
    QTest::newRow("full-width 4") << "\x82\x53" + ninYou << 0;
    QTest::newRow("full-width 32") << "\x82\x52\x82\x51" + ninYou << 0;
    QTest::newRow("UTF-8") << QByteArray("4\xE4\xBA\xBA\xE7\x94\xA8") << 0;
    QTest::newRow("without 用") << QByteArray("8\x90\x6C") << 0;
    QTest::newRow("trailing NUL") << "32" + ninYou + QByteArray(1, '\0') << 0;
    QTest::newRow("leading zero") << "08" + ninYou << 0;
}

void BracketTest::playersFromCountText() {
    QFETCH(QByteArray, text);
    QFETCH(int, players);
    QCOMPARE(PlayersFromCountText(kaztest::ToStd(text)), players);
}

void BracketTest::changeCheck_data() {
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<bool>("changed");

    QTest::newRow("nothing") << Edit([](Bracket&) {}) << false;
    QTest::newRow("name typed") << Edit([](Bracket& b) { b.SetMemberName(3, "A"); }) << true;
    QTest::newRow("name typed back to the old text")
        << Edit([](Bracket& b) { b.SetMemberName(0, b.GetMemberName(0)); }) << true;
    QTest::newRow("name of the last member")
        << Edit([](Bracket& b) { b.SetMemberName(7, "\x91\x49\x8E\xE8"); }) << true;
    QTest::newRow("line clicked") << Edit([](Bracket& b) { LeftClickLine(b, 0); }) << true;
    QTest::newRow("line clicked and taken back")
        << Edit([](Bracket& b) {
               LeftClickLine(b, 2);
               LeftClickLine(b, 2);
               DoubleClickLine(b, 2);
           })
        << false;
    QTest::newRow("final clicked twice") << Edit([](Bracket& b) {
        LeftClickLine(b, 14);
        LeftClickLine(b, 14);
    }) << false;
    QTest::newRow("score") << Edit([](Bracket& b) { b.SetScore(5, "3-1"); }) << true;
    QTest::newRow("score of the final line")
        << Edit([](Bracket& b) { b.SetScore(14, "1"); }) << true;
    QTest::newRow("score set and put back") << Edit([](Bracket& b) {
        const std::string old = b.GetScore(5);
        b.SetScore(5, "3-1");
        b.SetScore(5, old);
    }) << false;
    QTest::newRow("champion") << Edit([](Bracket& b) { b.SetChampion("X"); }) << true;
    QTest::newRow("champion set and put back") << Edit([](Bracket& b) {
        const std::string old = b.GetChampion();
        b.SetChampion("X");
        b.SetChampion(old);
    }) << false;
    for (int row = 0; row < ColorSet::kCount; ++row) {
        QTest::addRow("colour %d", row)
            << Edit([row](Bracket& b) { b.GetColors().At(row) = "#010203"; }) << true;
        QTest::addRow("colour %d in lower case", row) << Edit([row](Bracket& b) {
            std::string& c = b.GetColors().At(row);
            for (char& ch : c) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        }) << (row != 1 && row != 3);  // "#808080" and "#000000" have no letter
    }
    QTest::newRow("bold member") << Edit([](Bracket& b) { b.SetBoldFlags(false, true); }) << false;
    QTest::newRow("bold score") << Edit([](Bracket& b) { b.SetBoldFlags(true, false); }) << false;
}

// The same edits on a new bracket and on a loaded one.
void BracketTest::changeCheck() {
    QFETCH(Edit, edit);
    QFETCH(bool, changed);

    Bracket fresh(8);
    edit(fresh);
    QCOMPARE(fresh.IsChanged(), changed);

    Bracket loaded = *ReadKaz(WriteKaz([] {
        Bracket b(8);
        b.SetMemberName(0, "Old");
        b.SetState(0, LINE_WON);
        b.SetState(8, LINE_ADVANCED);
        b.SetScore(0, "2");
        b.SetChampion("C");
        return b;
    }()));
    QVERIFY(!loaded.IsChanged());
    edit(loaded);
    QCOMPARE(loaded.IsChanged(), changed);
}

void BracketTest::markSavedClearsEverything() {
    Bracket bracket(4);
    bracket.SetMemberName(1, "B");
    LeftClickLine(bracket, 2);
    bracket.SetScore(2, "5");
    bracket.SetChampion("B");
    bracket.GetColors().m_strBackColor = "#000080";
    QVERIFY(bracket.IsChanged());

    bracket.MarkSaved();
    QVERIFY(!bracket.IsChanged());
    QVERIFY(!bracket.IsMemberEdited(1));
    QCOMPARE(bracket.GetMemberName(1), std::string("B"));
    QCOMPARE(bracket.GetSavedState(2), int(LINE_WON));
    QCOMPARE(bracket.GetSavedState(5), int(LINE_ADVANCED));
    QCOMPARE(bracket.GetSavedScore(2), std::string("5"));

    // The snapshot is now the reference: going back to the old values is a change.
    bracket.SetScore(2, "");
    QVERIFY(bracket.IsChanged());
    bracket.SetScore(2, "5");
    QVERIFY(!bracket.IsChanged());
    bracket.GetColors().m_strBackColor = "#FFFFFF";
    QVERIFY(bracket.IsChanged());
    bracket.MarkSaved();
    bracket.SetChampion("");
    QVERIFY(bracket.IsChanged());
}

void BracketTest::loadedBracketIsUnchanged() {
    const std::optional<Bracket> bracket =
        ReadKaz(kaztest::ToStd(kaztest::ReadTestData("thirty_two_members.kaz")));
    QVERIFY(bracket);
    QVERIFY(bracket->IsLoaded());
    QVERIFY(!bracket->IsChanged());
    for (int i = 0; i < 32; ++i) QVERIFY(!bracket->IsMemberEdited(i));
    for (int line = 0; line < bracket->GetLineCount(); ++line) {
        QCOMPARE(bracket->GetSavedState(line), bracket->GetState(line));
        QCOMPARE(bracket->GetSavedScore(line), bracket->GetScore(line));
    }
}

QTEST_GUILESS_MAIN(BracketTest)
#include "tst_bracket.moc"
