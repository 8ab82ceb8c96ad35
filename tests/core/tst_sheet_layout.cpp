#include <QRandomGenerator>
#include <QTest>
#include <set>

#include "bracket/bracket.h"
#include "bracket/sheet_layout.h"
#include "bracket/sheet_marks.h"
#include "io/sheet_block.h"

using namespace kaz;

namespace {

enum class Part { None, Unknown, Title, TitleAndSubtitle, Club, ClubColumn, DrawNumber, Seed };

Bracket bracketWith(int members, Part part) {
    Bracket bracket(members);
    SheetInfo sheet;
    switch (part) {
        case Part::None: break;
        case Part::Unknown:
            bracket.setUnknownSheetRecords(std::make_shared<const UnknownSheetRecords>(
                UnknownSheetRecords{{{99, "future", 0}}}));
            break;
        case Part::Title: sheet.title = "Open"; break;
        case Part::TitleAndSubtitle:
            sheet.title = "Open";
            sheet.subtitle = "2026";
            break;
        case Part::Club: bracket.setMemberClub(members - 1, "Club"); break;
        case Part::ClubColumn: sheet.clubColumn = true; break;
        case Part::DrawNumber: sheet.drawNumber = 4242; break;
        case Part::Seed: bracket.setMemberSeed(0, 1); break;
    }
    bracket.setSheet(sheet);
    return bracket;
}

int strokeY(const Rect& area, const LineShape& shape) {
    return area.top + area.height / 2 + shape.strokeShift;
}

bool overlap(const Rect& a, const Rect& b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

}  // namespace

Q_DECLARE_METATYPE(Part)

class TestSheetLayout : public QObject {
    Q_OBJECT

private slots:
    void partsMoveTheBracket_data();
    void partsMoveTheBracket();
    void wideningWidens();
    void matchNumbersRunByRound_data();
    void matchNumbersRunByRound();
    void byeRunsStraight_data();
    void byeRunsStraight();
    void twoSidedMirrorsOneSided_data();
    void twoSidedMirrorsOneSided();
};

void TestSheetLayout::partsMoveTheBracket_data() {
    QTest::addColumn<int>("members");
    QTest::addColumn<Part>("part");
    QTest::addColumn<bool>("header");    // more than the round names' row above the bracket
    QTest::addColumn<int>("clubWidth");  // the lines move right by this
    QTest::addColumn<bool>("foot");

    for (int members : {4, 32}) {
        const QByteArray n = QByteArray::number(members);
        QTest::newRow(n + " empty") << members << Part::None << false << 0 << false;
        QTest::newRow(n + " unknown only") << members << Part::Unknown << false << 0 << false;
        QTest::newRow(n + " title") << members << Part::Title << true << 0 << false;
        QTest::newRow(n + " two lines") << members << Part::TitleAndSubtitle << true << 0 << false;
        QTest::newRow(n + " club") << members << Part::Club << false << kClubBoxWidth << false;
        QTest::newRow(n + " column")
            << members << Part::ClubColumn << false << kClubBoxWidth << false;
        QTest::newRow(n + " draw") << members << Part::DrawNumber << false << 0 << true;
        QTest::newRow(n + " seed") << members << Part::Seed << false << 0 << false;
    }
}

void TestSheetLayout::partsMoveTheBracket() {
    QFETCH(int, members);
    QFETCH(Part, part);
    QFETCH(bool, header);
    QFETCH(int, clubWidth);
    QFETCH(bool, foot);

    const Bracket bracket = bracketWith(members, part);
    const SheetLayout layout = layoutSheet(bracket);
    const Size bare = bracketExtent(members);
    const bool empty = part == Part::None || part == Part::Unknown;

    // An empty sheet changes nothing; any sheet adds the round names' row, and a title more.
    QCOMPARE(layout.headerHeight == 0, empty);
    QCOMPARE(layout.roundNames.size(), empty ? size_t(0) : size_t(roundsForMembers(members)));
    QCOMPARE(layout.title.height > 0, header);
    QCOMPARE(layout.clubWidth, clubWidth);
    QCOMPARE(layout.bracketOrigin.x, clubWidth);
    QCOMPARE(layout.bracketOrigin.y, layout.headerHeight);
    QCOMPARE(layout.extent.width, bare.width + clubWidth);
    QCOMPARE(layout.extent.height - layout.headerHeight - bare.height > 0, foot);

    for (int member = 0; member < members; ++member) {
        const Rect name = sheetNameRect(layout, member);
        QCOMPARE(name.top, memberNameRect(member).top + layout.headerHeight);
        QCOMPARE(name.left, memberNameRect(member).left);
        QVERIFY(seedMarkRect(layout, member).right() <= name.left);
        QVERIFY(seedMarkRect(layout, member).left >= 0);
        if (clubWidth > 0) QCOMPARE(sheetClubRect(layout, member).left, name.right());
    }
    for (int line = 0; line < lineCountForMembers(members); ++line) {
        const Rect moved = sheetLineRect(layout, members, line);
        QCOMPARE(moved.left, lineRect(members, line).left + clubWidth);
        QCOMPARE(moved.top, lineRect(members, line).top + layout.headerHeight);
        QVERIFY(moved.bottom() <= layout.extent.height);
    }
    // Header lines stack above the round names, which stay above the first name and line.
    int above = 0;
    for (const Rect& text : {layout.title, layout.subtitle}) {
        if (text.height == 0) continue;
        QVERIFY(text.top >= above);
        QCOMPARE(text.width, layout.extent.width);
        above = text.bottom();
    }
    for (int round = 0; round < int(layout.roundNames.size()); ++round) {
        const Rect& name = layout.roundNames[size_t(round)];
        QVERIFY(name.top >= above);
        QVERIFY(name.bottom() <= sheetNameRect(layout, 0).top);
        QVERIFY(name.bottom() <= sheetLineRect(layout, members, 0).top + 17);
        // Neighbouring columns' names never touch.
        if (round > 0) QVERIFY(layout.roundNames[size_t(round) - 1].right() < name.left);
    }
    if (foot) {
        QVERIFY(layout.drawNumber.top >= sheetNameRect(layout, members - 1).bottom());
        QVERIFY(layout.drawNumber.bottom() <= layout.extent.height);
    }
}

void TestSheetLayout::wideningWidens() {
    Bracket bracket = bracketWith(8, Part::Club);
    const SheetLayout plain = layoutSheet(bracket);
    SheetWidening widening;
    widening.nameColumn = 30;
    widening.clubColumn = 50;
    const SheetLayout wide = layoutSheet(bracket, widening);
    QCOMPARE(wide.clubLeft, plain.clubLeft + 30);
    QCOMPARE(wide.clubWidth, plain.clubWidth + 50);
    QCOMPARE(wide.bracketOrigin.x, plain.bracketOrigin.x + 80);
    QCOMPARE(wide.extent.width, plain.extent.width + 80);

    // A title wider than the bracket widens the sheet, its lines staying where they are.
    bracket = bracketWith(8, Part::Title);
    widening = SheetWidening();
    widening.leastWidth = 2000;
    const SheetLayout titled = layoutSheet(bracket, widening);
    QCOMPARE(titled.extent.width, 2000);
    QCOMPARE(titled.title.width, 2000);
    QCOMPARE(titled.bracketOrigin.x, 0);

    // A picture leaves out a club column that holds no club.
    SheetWidening picture;
    picture.clubsOnly = true;
    QCOMPARE(layoutSheet(bracketWith(8, Part::ClubColumn), picture).clubWidth, 0);
    QCOMPARE(layoutSheet(bracketWith(8, Part::Club), picture).clubWidth, kClubBoxWidth);
}

void TestSheetLayout::matchNumbersRunByRound_data() {
    QTest::addColumn<int>("members");
    for (int members : {4, 8, 16, 32, 64, 128})
        QTest::newRow(QByteArray::number(members)) << members;
}

void TestSheetLayout::matchNumbersRunByRound() {
    QFETCH(int, members);
    // Lines run round by round, top to bottom: the matches they are fed by follow them 1, 2,
    // …, N - 1; a first-round line is fed by none.
    const std::vector<int> numbers = matchNumbersByLine(Bracket(members));
    int expected = 0;
    for (int line = 0; line < lineCountForMembers(members); ++line) {
        QCOMPARE(numbers[size_t(line)], line < members ? 0 : ++expected);
    }
    QCOMPARE(expected, members - 1);
}

void TestSheetLayout::byeRunsStraight_data() {
    QTest::addColumn<QList<int>>("byes");

    QTest::newRow("lower slot") << QList<int>{1};
    QTest::newRow("upper slot") << QList<int>{2};
    QTest::newRow("last slot") << QList<int>{7};
    QTest::newRow("two pairs") << QList<int>{1, 6};
    QTest::newRow("a whole pair") << QList<int>{4, 5};
}

void TestSheetLayout::byeRunsStraight() {
    QFETCH(QList<int>, byes);
    constexpr int members = 8;
    Bracket bracket(members);
    SheetInfo sheet;
    for (int bye : byes) bracket.setBye(bye, true);
    bracket.setSheet(sheet);

    const std::vector<int> numbers = matchNumbersByLine(bracket);
    const std::set<int> byeSet(byes.begin(), byes.end());
    std::set<int> straight;  // second-round lines fed by a bye's opponent
    for (int l = 0; l < members; ++l) {
        const LineShape shape = sheetLineShape(bracket, l);
        const bool bye = byeSet.count(l) > 0;
        const bool besideBye = byeSet.count(opponentLine(members, l)) > 0;
        QCOMPARE(shape.drawn, !bye);
        QCOMPARE(shape.joined, !besideBye);
        // A pair with a bye plays no match: it takes no number.
        QCOMPARE(numbers[size_t(nextRoundLine(members, l))] == 0, bye || besideBye);
        QCOMPARE(shape.strokeShift, 0);
        if (besideBye && !bye) {
            // The second-round line runs on at the height of the bye's opponent.
            const int next = nextRoundLine(members, l);
            straight.insert(next);
            QCOMPARE(strokeY(lineRect(members, next), sheetLineShape(bracket, next)),
                     strokeY(lineRect(members, l), shape));
        }
    }
    // Every later line not fed by a bye's opponent is drawn as ever.
    for (int l = members; l < lineCountForMembers(members); ++l) {
        const LineShape shape = sheetLineShape(bracket, l);
        QVERIFY(shape.drawn && shape.joined);
        if (!straight.count(l)) QCOMPARE(shape.strokeShift, 0);
    }
}

QTEST_APPLESS_MAIN(TestSheetLayout)
#include "tst_sheet_layout.moc"

void TestSheetLayout::twoSidedMirrorsOneSided_data() {
    QTest::addColumn<int>("members");
    QTest::addColumn<bool>("sheetParts");  // clubs, seeds, match numbers, a third place
    QTest::addColumn<int>("widening");     // of the name and club columns
    // Not 64: its half, 32 members laid out alone, is spaced wider than the halves of 64.
    for (int members : {4, 8, 16, 32, 128}) {
        const QByteArray n = QByteArray::number(members);
        QTest::newRow(n + " bare") << members << false << 0;
        QTest::newRow(n + " full") << members << true << 0;
        QTest::newRow(n + " widened") << members << true << 90;
    }
}

// A two-sided sheet is the one-sided sheet of half the members on the left, and its mirror image
// on the right: every line, name, club, seed mark and match number of the right half mirrors its
// left counterpart about the centre line, and no two of them overlap.
void TestSheetLayout::twoSidedMirrorsOneSided() {
    QFETCH(int, members);
    QFETCH(bool, sheetParts);
    QFETCH(int, widening);
    const int half = members / 2;
    Bracket bracket(members);
    SheetInfo sheet;
    sheet.twoSided = true;
    QRandomGenerator random(quint32(members * 7 + widening));
    if (sheetParts) {
        sheet.clubColumn = true;
        sheet.matchNumbers = true;
        sheet.thirdPlace = ThirdPlace::Match;
        bracket.setMemberSeed(0, 1);
        bracket.setMemberSeed(half, 2);
        // Byes in the left half's pairs, mirrored on the right.
        for (int pair = 0; pair < half / 2; ++pair) {
            const int slot = 2 * pair + int(random.bounded(3)) - 1;  // none for -1
            if (slot < 2 * pair) continue;
            bracket.setBye(slot, true);
            bracket.setBye(slot + half, true);
        }
    }
    bracket.setSheet(sheet);
    SheetWidening wide;
    wide.nameColumn = widening;
    wide.clubColumn = widening / 2;
    const SheetLayout layout = layoutSheet(bracket, wide);
    QVERIFY(layout.twoSided);
    const int c = layout.centre;
    auto mirror = [c](const Rect& r) { return Rect{2 * c - r.right(), r.top, r.width, r.height}; };
    auto same = [](const Rect& a, const Rect& b) {
        return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
    };
    auto within = [&layout](const Rect& r) {
        return r.left >= 0 && r.top >= 0 && r.right() <= layout.extent.width &&
               r.bottom() <= layout.extent.height;
    };

    // The sheet's parts, each with its area; none may overlap another.
    std::vector<Rect> parts;
    for (int member = 0; member < members; ++member) {
        parts.push_back(sheetNameRect(layout, member));
        if (sheetParts) parts.push_back(sheetClubRect(layout, member));
        if (sheetParts) parts.push_back(seedMarkRect(layout, member));
    }
    const int lines = lineCountForMembers(members);
    for (int line = 0; line < lines; ++line) parts.push_back(sheetLineRect(layout, members, line));
    for (const auto* names : {&layout.roundNames, &layout.mirroredRoundNames}) {
        for (const Rect& name : *names) {
            if (name.width > 0) parts.push_back(name);
        }
    }
    for (size_t i = 0; i < parts.size(); ++i) {
        QVERIFY2(parts[i].width > 0 && within(parts[i]), qPrintable(QString::number(i)));
        for (size_t j = i + 1; j < parts.size(); ++j) {
            QVERIFY2(!overlap(parts[i], parts[j]),
                     qPrintable(QStringLiteral("%1 and %2").arg(i).arg(j)));
        }
    }
    // The champion's name stands clear of every stroke and every match number.
    for (int line = 0; line < lines; ++line) {
        const Rect area = sheetLineRect(layout, members, line);
        const LineShape shape = sheetLineShape(bracket, line);
        if (shape.upright) continue;
        QVERIFY(
            !overlap(layout.champion, Rect{area.left, strokeY(area, shape) - 2, area.width, 4}));
        QVERIFY(!overlap(layout.champion, matchNumberRect(layout, members, line)));
    }

    // The left half's lines, but the final's, lie as the one-sided sheet of half the members.
    Bracket halfBracket(half);
    SheetInfo halfSheet = sheet;
    halfSheet.twoSided = false;
    halfSheet.thirdPlace = ThirdPlace::None;
    halfBracket.setSheet(halfSheet);
    const SheetLayout halfLayout = layoutSheet(halfBracket, wide);
    const int rounds = roundsForMembers(members);
    for (int line = 0; line < lines; ++line) {
        const LinePlace place = placeOfLine(members, line);
        const Rect area = sheetLineRect(layout, members, line);
        const LineShape shape = sheetLineShape(bracket, line);
        if (place.round == rounds - 1) {  // the champion's, upright on the centre line
            QVERIFY(same(area, mirror(area)) && shape.upright);
            continue;
        }
        const bool right = place.position >= place.size / 2;
        QCOMPARE(isLineOnRightSide(layout, line), right);
        QCOMPARE(shape.mirrored, right);
        if (right) {
            const int left = line - place.size / 2;
            QVERIFY(same(area, mirror(sheetLineRect(layout, members, left))));
            const LineShape leftShape = sheetLineShape(bracket, left);
            QCOMPARE(shape.drawn, leftShape.drawn);
            QCOMPARE(shape.joined, leftShape.joined);
            QCOMPARE(shape.strokeShift, leftShape.strokeShift);
            if (place.size > 2 && kindOfLine(members, line) == LineKind::Upper) {
                QVERIFY(same(matchNumberRect(layout, members, line),
                             mirror(matchNumberRect(layout, members, left))));
            }
        } else if (place.round < rounds - 2) {
            const int first = 2 * half - ((2 * half) >> place.round);
            Rect one = sheetLineRect(halfLayout, half, first + place.position);
            one.top += layout.headerHeight - halfLayout.headerHeight;  // the round names' row
            QVERIFY(same(area, one));
        } else {  // the left finalist's, its stroke at the centre of the half, up to the centre
            QCOMPARE(area.right(), c);
            const Rect halfFinal = sheetLineRect(halfLayout, half, lineCountForMembers(half) - 1);
            QCOMPARE(area.top + area.height / 2 + shape.strokeShift,
                     halfFinal.top + halfFinal.height / 2 + layout.headerHeight -
                         halfLayout.headerHeight);
        }
        // A pair's number lies within the line it feeds, which draws it.
        if (kindOfLine(members, line) == LineKind::Upper) {
            const Rect number = matchNumberRect(layout, members, line);
            const Rect fed = sheetLineRect(layout, members, nextRoundLine(members, line));
            QVERIFY(number.left >= fed.left && number.right() <= fed.right() &&
                    number.top >= fed.top && number.bottom() <= fed.bottom());
        }
    }
    for (int member = half; member < members; ++member) {
        QVERIFY(isOnRightSide(layout, member) && !isOnRightSide(layout, member - half));
        QVERIFY(same(sheetNameRect(layout, member), mirror(sheetNameRect(layout, member - half))));
        QVERIFY(!sheetParts ||
                same(sheetClubRect(layout, member), mirror(sheetClubRect(layout, member - half))));
        QVERIFY(same(seedMarkRect(layout, member), mirror(seedMarkRect(layout, member - half))));
    }
    // The champion's name and the third place in the middle, within the sheet.
    QVERIFY(within(layout.champion) && same(layout.champion, mirror(layout.champion)));
    if (sheetParts) {
        QVERIFY(layout.thirdPlace.shown());
        const Rect& third = layout.thirdPlace.lines[0];
        QVERIFY(same(third, mirror(third)) && within(layout.thirdPlace.result));
        QVERIFY(third.top >= sheetLineRect(layout, members, 0).top);
        // Its heading stands beside its lines, right above the upper one, clear of the bracket.
        const Rect& heading = layout.thirdPlace.heading;
        QVERIFY(heading.left >= third.left && heading.right() <= third.right());
        QVERIFY(heading.bottom() <= third.top && heading.bottom() + 4 > third.top);
        for (const Rect& part : parts) QVERIFY(!overlap(heading, part));
    }
}
