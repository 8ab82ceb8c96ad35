#include <QTest>
#include <cctype>
#include <functional>

#include "bracket/bracket.h"
#include "bracket/bracket_change.h"
#include "bracket/line_rules.h"
#include "bracket/member_count.h"
#include "bracket/refusal.h"
#include "bracket/third_place.h"
#include "core_test_support.h"
#include "html/html_page.h"
#include "io/kaz_format.h"
#include "text/cp932.h"
#include "text/text_limits.h"

using namespace kaz;

using Edit = std::function<void(Bracket&)>;
Q_DECLARE_METATYPE(Edit)

class TestBracket : public QObject {
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
    void sheetSteps();
    void sheetFitsBracket_data();
    void sheetFitsBracket();
    void refusals_data();
    void refusals();
};

void TestBracket::newBracket_data() {
    QTest::addColumn<int>("players");
    QTest::addColumn<int>("rounds");
    QTest::newRow("4") << 4 << 3;
    QTest::newRow("8") << 8 << 4;
    QTest::newRow("16") << 16 << 5;
    QTest::newRow("32") << 32 << 6;
    QTest::newRow("128") << 128 << 8;
}

void TestBracket::newBracket() {
    QFETCH(int, players);
    QFETCH(int, rounds);
    const Bracket bracket(players);
    QCOMPARE(bracket.memberCount(), players);
    QCOMPARE(bracket.roundCount(), rounds);
    QCOMPARE(bracket.lineCount(), 2 * players - 1);
    QVERIFY(!bracket.isChanged());
    QVERIFY(!bracket.boldMemberNames());
    QVERIFY(!bracket.boldScores());
    QVERIFY(bracket.champion().empty());
    for (int i = 0; i < players; ++i) QVERIFY(bracket.memberName(i).empty());
    for (int line = 0; line < bracket.lineCount(); ++line) {
        QCOMPARE(bracket.lineState(line), LineState::Open);
        QVERIFY(bracket.lineScore(line).empty());
    }
    const ColorSet& colors = bracket.colors();
    QCOMPARE(colors.winLineColor, std::string("#DC143C"));
    QCOMPARE(colors.loseLineColor, std::string("#808080"));
    QCOMPARE(colors.backgroundColor, std::string("#FFFFFF"));
    QCOMPARE(colors.memberColor, std::string("#000000"));
    QCOMPARE(colors.scoreColor, std::string("#FF9000"));
    QCOMPARE(kHtmlNameWidth, 120);
    QCOMPARE(kHtmlLineWidth, 4);
}

void TestBracket::playersFromCountText_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("players");
    // "人用" is 90 6C 97 70 in CP932.
    const QByteArray ninYou("\x90\x6C\x97\x70");
    QTest::newRow("4") << "4" + ninYou << 4;
    QTest::newRow("8") << "8" + ninYou << 8;
    QTest::newRow("16") << "16" + ninYou << 16;
    QTest::newRow("32") << "32" + ninYou << 32;
    QTest::newRow("128") << "128" + ninYou << 128;

    QTest::newRow("trailing blank") << "4" + ninYou + " " << 0;
    QTest::newRow("leading blank") << " 8" + ninYou << 0;
    QTest::newRow("trailing ideographic space") << "16" + ninYou + "\x81\x40" << 0;
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("256") << "256" + ninYou << 0;
    QTest::newRow("2") << "2" + ninYou << 0;
    QTest::newRow("the number alone") << QByteArray("16") << 16;
    QTest::newRow("a number offered by none") << QByteArray("5") << 0;
    QTest::newRow("the unit alone") << ninYou << 0;
    QTest::newRow("full-width 4") << "\x82\x53" + ninYou << 0;
    QTest::newRow("full-width 32") << "\x82\x52\x82\x51" + ninYou << 0;
    QTest::newRow("UTF-8") << QByteArray("4\xE4\xBA\xBA\xE7\x94\xA8") << 0;
    QTest::newRow("without 用") << QByteArray("8\x90\x6C") << 0;
    QTest::newRow("trailing NUL") << "32" + ninYou + QByteArray(1, '\0') << 0;
    QTest::newRow("leading zero") << "08" + ninYou << 0;
}

void TestBracket::playersFromCountText() {
    QFETCH(QByteArray, text);
    QFETCH(int, players);
    QCOMPARE(memberCountFromText(kaztest::toStd(text)), players);
}

void TestBracket::changeCheck_data() {
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<bool>("changed");

    QTest::newRow("nothing") << Edit([](Bracket&) {}) << false;
    QTest::newRow("name typed") << Edit([](Bracket& b) { b.setMemberName(3, "A"); }) << true;
    // The check follows the content: a name typed and put back is no change.
    QTest::newRow("name typed and put back") << Edit([](Bracket& b) {
        const std::string old = b.memberName(0);
        b.setMemberName(0, old + "x");
        b.setMemberName(0, old);
    }) << false;
    QTest::newRow("name of the last member")
        << Edit([](Bracket& b) { b.setMemberName(7, "\x91\x49\x8E\xE8"); }) << true;
    QTest::newRow("line clicked") << Edit([](Bracket& b) { leftClickLine(b, 0); }) << true;
    QTest::newRow("line clicked and taken back") << Edit([](Bracket& b) {
        leftClickLine(b, 2);
        leftClickLine(b, 2);
        doubleClickLine(b, 2);
    }) << false;
    QTest::newRow("final clicked twice") << Edit([](Bracket& b) {
        leftClickLine(b, 14);
        leftClickLine(b, 14);
    }) << false;
    QTest::newRow("score") << Edit([](Bracket& b) { b.setLineScore(5, "3-1"); }) << true;
    QTest::newRow("score of the final line")
        << Edit([](Bracket& b) { b.setLineScore(14, "1"); }) << true;
    QTest::newRow("score set and put back") << Edit([](Bracket& b) {
        const std::string old = b.lineScore(5);
        b.setLineScore(5, "3-1");
        b.setLineScore(5, old);
    }) << false;
    QTest::newRow("champion") << Edit([](Bracket& b) { b.setChampion("X"); }) << true;
    QTest::newRow("champion set and put back") << Edit([](Bracket& b) {
        const std::string old = b.champion();
        b.setChampion("X");
        b.setChampion(old);
    }) << false;
    for (int row = 0; row < ColorSet::kCount; ++row) {
        QTest::addRow("colour %d", row)
            << Edit([row](Bracket& b) { b.colors().at(row) = "#010203"; }) << true;
        QTest::addRow("colour %d in lower case", row) << Edit([row](Bracket& b) {
            std::string& c = b.colors().at(row);
            for (char& ch : c) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        }) << (row != 1 && row != 3);  // "#808080" and "#000000" have no letter
    }
    QTest::newRow("sheet title") << Edit([](Bracket& b) {
        SheetInfo sheet = b.sheet();
        sheet.title = "T";
        b.setSheet(sheet);
    }) << true;
    QTest::newRow("club set and put back") << Edit([](Bracket& b) {
        const std::string old = b.memberClub(2);
        b.setMemberClub(2, "C");
        b.setMemberClub(2, old);
    }) << false;
    // The member marks and the third-place results live beside the sheet; each counts.
    QTest::newRow("club") << Edit([](Bracket& b) { b.setMemberClub(7, "C"); }) << true;
    QTest::newRow("seed") << Edit([](Bracket& b) { b.setMemberSeed(1, 2); }) << true;
    QTest::newRow("bye") << Edit([](Bracket& b) { b.setBye(5, true); }) << true;
    QTest::newRow("third-place score") << Edit([](Bracket& b) {
        ThirdPlaceResults results = b.thirdPlaceResults();
        results[1].score = "2";
        b.setThirdPlaceResults(results);
    }) << true;
    QTest::newRow("bold member") << Edit([](Bracket& b) { b.setBoldFlags(false, true); }) << false;
    QTest::newRow("bold score") << Edit([](Bracket& b) { b.setBoldFlags(true, false); }) << false;
}

// The same edits on a new bracket and on a loaded one.
void TestBracket::changeCheck() {
    QFETCH(Edit, edit);
    QFETCH(bool, changed);

    Bracket fresh(8);
    edit(fresh);
    QCOMPARE(fresh.isChanged(), changed);

    Bracket loaded = *readKaz(writeKaz([] {
        Bracket b(8);
        b.setMemberName(0, "Old");
        b.setLineState(0, LineState::Won);
        b.setLineState(8, LineState::Advanced);
        b.setLineScore(0, "2");
        b.setChampion("C");
        return b;
    }()));
    QVERIFY(!loaded.isChanged());
    edit(loaded);
    QCOMPARE(loaded.isChanged(), changed);
}

void TestBracket::markSavedClearsEverything() {
    Bracket bracket(4);
    bracket.setMemberName(1, "B");
    leftClickLine(bracket, 2);
    bracket.setLineScore(2, "5");
    bracket.setChampion("B");
    bracket.colors().backgroundColor = "#000080";
    QVERIFY(bracket.isChanged());

    bracket.markSaved();
    QVERIFY(!bracket.isChanged());
    QCOMPARE(bracket.memberName(1), std::string("B"));
    QCOMPARE(bracket.lineState(2), LineState::Won);
    QCOMPARE(bracket.lineState(5), LineState::Advanced);

    // The snapshot is now the reference: going back to the old values is a change.
    bracket.setLineScore(2, "");
    QVERIFY(bracket.isChanged());
    bracket.setLineScore(2, "5");
    QVERIFY(!bracket.isChanged());
    bracket.colors().backgroundColor = "#FFFFFF";
    QVERIFY(bracket.isChanged());
    bracket.markSaved();
    bracket.setChampion("");
    QVERIFY(bracket.isChanged());
}

void TestBracket::loadedBracketIsUnchanged() {
    const std::optional<Bracket> bracket =
        readKaz(kaztest::toStd(kaztest::readTestData("thirty_two_members.kaz")));
    QVERIFY(bracket);
    QVERIFY(!bracket->isChanged());
}

// A sheet edit and a member's marks are each one step, undone to the stored content; a name
// typed into a bye's slot takes the bye away in its own step; erasing the last club keeps the
// column shown; a sheet without the third-place match drops its results in the same step.
void TestBracket::sheetSteps() {
    Bracket bracket(4);
    bracket.setMemberName(0, "A");
    bracket.markSaved();
    SheetInfo sheet;
    sheet.title = "T";
    const BracketChange step = sheetChange(bracket, sheet);
    QVERIFY(!step.isEmpty());
    QVERIFY(sheetChange(bracket, bracket.sheet()).isEmpty());
    step.redo(bracket);
    QVERIFY(bracket.sheet() == sheet);
    QVERIFY(bracket.isChanged());
    step.undo(bracket);
    QVERIFY(!bracket.isChanged());
    step.redo(bracket);

    const BracketChange club = clubChange(bracket, 0, "C");
    club.redo(bracket);
    const BracketChange bye = marksChange(bracket, 1, MemberMarks{"", 0, true, {}});
    bye.redo(bracket);
    QVERIFY(bracket.isBye(1));
    const BracketChange named = namesChange(bracket, 0, {"A", "B"});
    named.redo(bracket);
    QVERIFY(!bracket.isBye(1));
    QCOMPARE(bracket.memberClub(0), std::string("C"));
    named.undo(bracket);
    QVERIFY(bracket.isBye(1));
    QCOMPARE(bracket.memberName(1), std::string());
    QVERIFY(namesChange(bracket, 1, {""}).isEmpty());
    bye.undo(bracket);

    const BracketChange erased = clubChange(bracket, 0, "");
    erased.redo(bracket);
    QVERIFY(bracket.memberClub(0).empty() && bracket.sheet().clubColumn);
    erased.undo(bracket);
    club.undo(bracket);
    QVERIFY(bracket.sheet() == sheet && bracket.memberMarks(0) == MemberMarks());

    bracket.setMemberName(2, "C");
    bracket.setMemberName(1, "B");  // the semi-finals' losers play for third place
    bracket.setMemberName(3, "D");
    leftClickLine(bracket, 0);
    leftClickLine(bracket, 2);
    sheet.thirdPlace = ThirdPlace::Match;
    sheetChange(bracket, sheet).redo(bracket);
    QVERIFY(leftClickThirdPlace(bracket, 1));
    const ThirdPlaceResults played = bracket.thirdPlaceResults();
    sheet.thirdPlace = ThirdPlace::Shared;
    const BracketChange shared = sheetChange(bracket, sheet);
    shared.redo(bracket);
    QVERIFY(bracket.thirdPlaceResults() == ThirdPlaceResults());
    shared.undo(bracket);
    QVERIFY(bracket.thirdPlaceResults() == played);
}

using SheetEdit = std::function<void(SheetInfo&, std::array<MemberMarks, kMaxMembers>&)>;
Q_DECLARE_METATYPE(SheetEdit)

void TestBracket::sheetFitsBracket_data() {
    QTest::addColumn<SheetEdit>("edit");
    QTest::addColumn<bool>("fits");
    using Marks = std::array<MemberMarks, kMaxMembers>;
    const auto longText = [](size_t bytes) { return std::string(bytes, 'x'); };
    QTest::newRow("every text at its limit") << SheetEdit([&](SheetInfo& s, Marks& m) {
        s.title = longText(kMaxSheetTitleCharacters);
        s.subtitle = longText(kMaxSheetSubtitleCharacters);
        s.roundNames[2] = longText(kMaxRoundNameCharacters);
        m[3].club = longText(kMaxClubCharacters);
        m[3].seed = 4;
        m[2].bye = true;
    }) << true;
    QTest::newRow("title too long") << SheetEdit([&](SheetInfo& s, Marks&) {
        s.title = longText(kMaxSheetTitleCharacters + 1);
    }) << false;
    QTest::newRow("second line too long") << SheetEdit([&](SheetInfo& s, Marks&) {
        s.subtitle = longText(kMaxSheetSubtitleCharacters + 1);
    }) << false;
    QTest::newRow("round name too long") << SheetEdit([&](SheetInfo& s, Marks&) {
        s.roundNames[0] = longText(kMaxRoundNameCharacters + 1);
    }) << false;
    QTest::newRow("club too long")
        << SheetEdit([&](SheetInfo&, Marks& m) { m[0].club = longText(kMaxClubCharacters + 1); })
        << false;
    QTest::newRow("tab in the title")
        << SheetEdit([](SheetInfo& s, Marks&) { s.title = "a\tb"; }) << false;
    QTest::newRow("DEL in a club")
        << SheetEdit([](SheetInfo&, Marks& m) { m[1].club = "\x7F"; }) << false;
    QTest::newRow("bye on a named slot")
        << SheetEdit([](SheetInfo&, Marks& m) { m[0].bye = true; }) << false;
    QTest::newRow("seed above the count")
        << SheetEdit([](SheetInfo&, Marks& m) { m[1].seed = 5; }) << false;
    QTest::newRow("negative seed")
        << SheetEdit([](SheetInfo&, Marks& m) { m[1].seed = -1; }) << false;
    QTest::newRow("draw number 0")
        << SheetEdit([](SheetInfo& s, Marks&) { s.drawNumber = 0; }) << false;
    QTest::newRow("draw number 2^31")
        << SheetEdit([](SheetInfo& s, Marks&) { s.drawNumber = 0x80000000u; }) << false;
    QTest::newRow("club beyond the members")
        << SheetEdit([](SheetInfo&, Marks& m) { m[4].club = "C"; }) << false;
    QTest::newRow("round name beyond the rounds")
        << SheetEdit([](SheetInfo& s, Marks&) { s.roundNames[3] = "R"; }) << false;
}

// What does not fit is refused as a step and never comes back from a file.
void TestBracket::sheetFitsBracket() {
    QFETCH(SheetEdit, edit);
    QFETCH(bool, fits);
    Bracket bracket(4);
    bracket.setMemberName(0, "A");
    SheetInfo sheet;
    std::array<MemberMarks, kMaxMembers> marks;
    edit(sheet, marks);
    BracketChange step = sheetChange(bracket, sheet);
    for (int m = 0; m < kMaxMembers; ++m) step.append(marksChange(bracket, m, marks[size_t(m)]));
    QCOMPARE(step.isEmpty(), !fits);
    bracket.setSheet(sheet);
    for (int m = 0; m < kMaxMembers; ++m) bracket.setMemberMarks(m, marks[size_t(m)]);
    QCOMPARE(sheetFits(bracket), fits);
    const std::optional<Bracket> read = readKaz(writeKaz(bracket));
    const auto sameMarks = [&marks](const Bracket& b) {
        for (int m = 0; m < kMaxMembers; ++m) {
            if (b.memberMarks(m) != marks[size_t(m)]) return false;
        }
        return true;
    };
    if (fits) {
        QVERIFY(read && read->sheet() == sheet && sameMarks(*read));
    } else {
        QVERIFY(!read || read->sheet() != sheet || !sameMarks(*read));
    }
}

using Check = std::function<std::optional<Refusal>(const Bracket&)>;

// The bracket's refusals, in the words the editor shows (empty where the change is taken).
void TestBracket::refusals_data() {
    QTest::addColumn<Check>("check");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("seed beyond the members")
        << Check([](const Bracket& b) { return seedRefusal(b, 0, 5); })
        << "シードは 1 から 4 までの番号です。";
    QTest::newRow("seed held, the name's spaces made one")
        << Check([](const Bracket& b) { return seedRefusal(b, 0, 3); })
        << "シード 3 はすでに Zoe Ann (2人目) にあります。";
    QTest::newRow("seed held by a member without a name")
        << Check([](const Bracket& b) { return seedRefusal(b, 0, 2); })
        << "シード 2 はすでに 4人目にあります。";
    QTest::newRow("own seed, and none") << Check([](const Bracket& b) {
        return seedRefusal(b, 1, 3) ? seedRefusal(b, 1, 3) : seedRefusal(b, 0, 0);
    }) << "";
    QTest::newRow("bye with a name")
        << Check([](const Bracket& b) { return byeRefusal(b, 1, true); })
        << "名前のある枠は不戦勝にできません。";
    QTest::newRow("bye taken away from a name")
        << Check([](const Bracket& b) { return byeRefusal(b, 1, false); }) << "";
    QTest::newRow("club column in use")
        << Check([](const Bracket& b) { return clubColumnRefusal(b, false); })
        << "所属のあるﾒﾝﾊﾞｰがいるため、所属の列は隠せません。";
    QTest::newRow("line nobody reached")
        << Check([](const Bracket& b) { return lineRefusal(b, 4); })
        << "この線にはまだﾒﾝﾊﾞｰがいません。";
    QTest::newRow("first-round line")
        << Check([](const Bracket& b) { return lineRefusal(b, 3); }) << "";
    QTest::newRow("third place won before its opponent is known") << Check([](const Bracket& b) {
        Bracket played = b;
        SheetInfo sheet;
        sheet.thirdPlace = ThirdPlace::Match;
        played.setSheet(sheet);
        leftClickLine(played, 0);
        return thirdPlaceWinRefusal(played, 0);
    }) << "3位決定戦の相手がまだ決まっていません。";
}

void TestBracket::refusals() {
    QFETCH(Check, check);
    QFETCH(QString, refusal);
    Bracket bracket(4);
    bracket.setMemberName(1, "  Zoe\u3000 Ann ");
    bracket.setMemberSeed(1, 3);
    bracket.setMemberSeed(3, 2);
    bracket.setMemberClub(2, "A");
    const std::optional<Refusal> got = check(bracket);
    QCOMPARE(got ? QString::fromStdString(japaneseText(*got)) : QString(), refusal);
}

QTEST_GUILESS_MAIN(TestBracket)
#include "tst_bracket.moc"
