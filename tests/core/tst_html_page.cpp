#include <QList>
#include <QPair>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>
#include <functional>

#include "bracket/bracket.h"
#include "bracket/line_rules.h"
#include "bracket/sheet_marks.h"
#include "bracket/third_place.h"
#include "core_test_support.h"
#include "html/html_page.h"
#include "html_grid.h"
#include "io/kaz_format.h"
#include "text/cp932.h"
#include "text/document_text.h"
#include "text/text_limits.h"

using namespace kaz;
using kaztest::readTestData;
using kaztest::toBytes;

using Replacements = QList<QPair<QByteArray, QByteArray>>;
using Edit = std::function<void(Bracket&)>;
using Setter = std::function<void(Bracket&, const std::string&)>;
Q_DECLARE_METATYPE(Edit)
Q_DECLARE_METATYPE(Setter)
Q_DECLARE_METATYPE(kaz::ThirdPlace)

namespace {

const QByteArray kSenshu("\x91\x49\x8E\xE8");  // 選手 in CP932

// The 4-member example: 選手1 … 選手4, line 0 won with the score 2, line 1 with the score 1.
Bracket exampleBracket() {
    Bracket bracket(4);
    for (int i = 0; i < 4; ++i) bracket.setMemberName(i, std::string("選手") + char('1' + i));
    bracket.setLineState(0, LineState::Won);
    bracket.setLineScore(0, "2");
    bracket.setLineScore(1, "1");
    return bracket;
}

QByteArray pageOf(const Bracket& bracket) { return toBytes(writeHtmlPage(bracket)); }

// Applies each replacement to `page`; every text to be replaced must occur exactly `count`
// times, so that an expectation cannot quietly miss.
bool applyReplacements(QByteArray& page, const Replacements& replacements) {
    for (const auto& [from, to] : replacements) {
        if (page.count(from) == 0) {
            qWarning("not in the page: %s", from.constData());
            return false;
        }
        page.replace(from, to);
    }
    return true;
}

// Compares two pages line by line, so that a failure names the first line that differs.
void comparePages(const QByteArray& actual, const QByteArray& expected) {
    const QList<QByteArray> a = actual.split('\n');
    const QList<QByteArray> e = expected.split('\n');
    for (qsizetype i = 0; i < std::min(a.size(), e.size()); ++i) {
        if (a[i] != e[i]) {
            QFAIL(qPrintable(QStringLiteral("line %1 differs:\n actual:   %2\n expected: %3")
                                 .arg(i + 1)
                                 .arg(QString::fromStdString(cp932ToUtf8(kaztest::toStd(a[i]))))
                                 .arg(QString::fromStdString(cp932ToUtf8(kaztest::toStd(e[i]))))));
        }
    }
    QCOMPARE(a.size(), e.size());
    QCOMPARE(actual.size(), expected.size());
    QVERIFY(actual == expected);
}

}  // namespace

class TestHtmlPage : public QObject {
    Q_OBJECT

private slots:
    void workedExample();
    void emptyPage();
    void sheetPage();
    void goldenPages_data();
    void goldenPages();
    void englishPage();
    void variants_data();
    void variants();
    void tableOfEverySize_data();
    void tableOfEverySize();
    void gridOfEveryOption_data();
    void gridOfEveryOption();
    void gridReadsAttributesAsHtml();
    void twoSidedFinalColours_data();
    void twoSidedFinalColours();
    void boldMemberKeepsTheModelPlain();
    void escapesBracketText_data();
    void escapesBracketText();
    void leavesCp932TextAlone();
    void pageStaysWithinItsBound_data();
    void pageStaysWithinItsBound();
};

void TestHtmlPage::workedExample() {
    const QByteArray golden = readTestData("four_members_example.html");
    QCOMPARE(golden.size(), 2768);
    comparePages(pageOf(exampleBracket()), golden);
}

void TestHtmlPage::emptyPage() {
    const QByteArray golden = readTestData("four_members_empty.html");
    QCOMPARE(golden.size(), 2688);
    comparePages(pageOf(Bracket(4)), golden);
}

// The sheet's texts stand inside the table, so the table copy keeps them too.
void TestHtmlPage::sheetPage() {
    const QByteArray golden = readTestData("four_members_sheet_page.html");
    QCOMPARE(golden.size(), 3771);
    const Bracket bracket = kaztest::sheetExampleBracket();
    comparePages(pageOf(bracket), golden);
    const QByteArray table = toBytes(writeHtmlTable(bracket));
    QVERIFY(table.startsWith("<TABLE ") && table.endsWith("</TABLE>"));
    for (const char* text : {"春季大会", "4月5日", "予選", "A高", "[1]", "抽選番号 4242"})
        QVERIFY2(table.contains(toBytes(*utf8ToCp932(text))), text);
}

// A page of each layout option, read from its file: a third-place match below the bracket,
// a two-sided bracket, and a bracket of 64 members.
void TestHtmlPage::goldenPages_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("third-place match") << QStringLiteral("four_members_third_place");
    QTest::newRow("two-sided") << QStringLiteral("eight_members_two_sided");
    QTest::newRow("64 members") << QStringLiteral("sixty_four_members");
    QTest::newRow("two-sided, played, a bye") << QStringLiteral("eight_members_two_sided_played");
}

void TestHtmlPage::goldenPages() {
    QFETCH(QString, name);
    const std::optional<Bracket> bracket =
        readKaz(kaztest::toStd(readTestData(qPrintable(name + QStringLiteral(".kaz")))));
    QVERIFY(bracket);
    comparePages(pageOf(*bracket), readTestData(qPrintable(name + QStringLiteral(".html"))));
}

// An English sheet's page: the same page with the sheet's own words in English; the rest,
// names and typed texts included, byte for byte.
void TestHtmlPage::englishPage() {
    std::optional<Bracket> bracket =
        readKaz(kaztest::toStd(readTestData("four_members_third_place.kaz")));
    QVERIFY(bracket);
    SheetInfo sheet = bracket->sheet();
    sheet.language = SheetLanguage::English;
    bracket->setSheet(sheet);
    QByteArray expected = readTestData("four_members_third_place.html");
    const auto words = [](const char* japanese, const char* english) {
        return qMakePair(toBytes(*utf8ToCp932(japanese)), toBytes(*utf8ToCp932(english)));
    };
    QVERIFY(applyReplacements(expected, {{"lang=\"ja\"", "lang=\"en\""},
                                         {"content=\"ja\"", "content=\"en\""},
                                         words("トーナメント表", "Tournament bracket"),
                                         words(">準決勝<", ">Semi-finals<"),
                                         words(">決勝<", ">Final<"),
                                         words(">優勝<", ">Champion<"),
                                         words(">3位決定戦<", ">Third-place match<"),
                                         words("　3位 ", "　3rd "),
                                         words("●●●ここからソースをコピーしてお使い下さい●●●",
                                               "●●● Copy the source from here ●●●"),
                                         words("●●●ここまで●●●", "●●● Up to here ●●●")}));
    comparePages(pageOf(*bracket), expected);
}

// Changes to the example bracket and what each does to the example page.
void TestHtmlPage::variants_data() {
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<Replacements>("replacements");

    const QByteArray name1 = ">" + kSenshu + "1</TD >";
    const QByteArray line17 = "<TD rowspan = \"1\" STYLE = \"width:85 ;border-bottom:2px solid ";
    const QByteArray line23 = "align = \"right\" STYLE = \"width:85;border-right:4px solid ";
    const QByteArray final19 = "<TD rowspan = \"4\" STYLE = \"width:85 ;border-bottom:2px solid ";
    const QByteArray final37 = "<TD rowspan = \"4\" STYLE = \"width:85;border-top:2px solid ";

    QTest::newRow("bold member") << Edit([](Bracket& b) { b.setBoldFlags(false, true); })
                                 << Replacements{
                                        {name1, "><B>" + kSenshu + "1</B></TD >"},
                                        {">" + kSenshu + "2<", "><B>" + kSenshu + "2</B><"},
                                        {">" + kSenshu + "3<", "><B>" + kSenshu + "3</B><"},
                                        {">" + kSenshu + "4<", "><B>" + kSenshu + "4</B><"},
                                    };
    QTest::newRow("empty name, bold")
        << Edit([](Bracket& b) {
               b.setMemberName(1, "");
               b.setBoldFlags(false, true);
           })
        << Replacements{{">" + kSenshu + "1<", "><B>" + kSenshu + "1</B><"},
                        {">" + kSenshu + "2<", "><B></B><"},
                        {">" + kSenshu + "3<", "><B>" + kSenshu + "3</B><"},
                        {">" + kSenshu + "4<", "><B>" + kSenshu + "4</B><"}};
    QTest::newRow("bold score") << Edit([](Bracket& b) { b.setBoldFlags(true, false); })
                                << Replacements{
                                       {"font-size:x-small;color:#FF9000\">",
                                        "font-size:x-small;font-weight:bold;color:#FF9000\">"}};
    // The page stays Shift_JIS: what it cannot hold, or holds only as a look-alike, goes as a
    // character reference, and the page is otherwise the classic one.
    QTest::newRow("names beyond Shift_JIS")
        << Edit([](Bracket& b) {
               b.setMemberName(0, "𠮷田 Müller");
               b.setLineScore(0, "〜2");
               b.setChampion("Zoë & 頰");
           })
        << Replacements{{">" + kSenshu + "1<", ">&#x20BB7;\x93\x63 M&#xFC;ller<"},
                        {"#FF9000\">2<", "#FF9000\">&#x301C;2<"},
                        {"font-weight:bold\">\x81\x40</TD>",
                         "font-weight:bold\">\x81\x40Zo&#xEB; &amp; &#x9830;</TD>"}};
    QTest::newRow("champion") << Edit([](Bracket& b) { b.setChampion("王者"); })
                              << Replacements{{"font-weight:bold\">\x81\x40</TD>",
                                               "font-weight:bold\">\x81\x40\x89\xA4\x8E\xD2</TD>"}};
    QTest::newRow("champion with leading blanks, bold flags on")
        << Edit([](Bracket& b) {
               b.setChampion("  X");
               b.setBoldFlags(true, true);
           })
        << Replacements{{"font-weight:bold\">\x81\x40</TD>", "font-weight:bold\">\x81\x40  X</TD>"},
                        {"font-size:x-small;color", "font-size:x-small;font-weight:bold;color"},
                        {">" + kSenshu + "1<", "><B>" + kSenshu + "1</B><"},
                        {">" + kSenshu + "2<", "><B>" + kSenshu + "2</B><"},
                        {">" + kSenshu + "3<", "><B>" + kSenshu + "3</B><"},
                        {">" + kSenshu + "4<", "><B>" + kSenshu + "4</B><"}};
    QTest::newRow("score on the final line")
        << Edit([](Bracket& b) { b.setLineScore(6, "99"); }) << Replacements{};
    QTest::newRow("score with blanks kept")
        << Edit([](Bracket& b) { b.setLineScore(5, " 3 "); })
        << Replacements{
               {"<TD rowspan = \"2\" align = \"right\" STYLE = \"width:85;border-right:4px "
                "solid #808080;border-bottom:2px solid #808080;\">\x81\x40</TD>",
                "<TD rowspan = \"2\" align = \"right\" STYLE = \"width:85;border-right:4px "
                "solid #808080;border-bottom:2px solid #808080;font-size:x-small;color:"
                "#FF9000\"> 3 </TD>"}};
    QTest::newRow("background only on the table")
        << Edit([](Bracket& b) { b.colors().backgroundColor = "#000080"; })
        << Replacements{{"background-color:#FFFFFF \" >", "background-color:#000080 \" >"}};
    QTest::newRow("lose colour") << Edit([](Bracket& b) { b.colors().loseLineColor = "#111111"; })
                                 << Replacements{{"#808080", "#111111"}};
    QTest::newRow("member colour") << Edit([](Bracket& b) { b.colors().memberColor = "#222222"; })
                                   << Replacements{{"color :#000000", "color :#222222"}};
    QTest::newRow("score colour") << Edit([](Bracket& b) { b.colors().scoreColor = "red"; })
                                  << Replacements{{"#FF9000", "red"}};
    QTest::newRow("colour text copied as it is")
        << Edit([](Bracket& b) { b.colors().winLineColor = "#dc143c  "; })
        << Replacements{{"#DC143C", "#dc143c  "}};

    // A line a member reached is drawn in the win colour, its join in the lose colour.
    for (int state : {2, 3, 4}) {
        QTest::addRow("line 0 in state %d", state) << Edit([state](Bracket& b) {
            b.setLineState(0, LineState::Open);  // a won line refuses 3
            b.setLineState(0, LineState(state));
        }) << Replacements{{line23 + "#DC143C", line23 + "#808080"}};
    }
    for (int state : {1, 2, 3, 4}) {
        QTest::addRow("final line in state %d", state)
            << Edit([state](Bracket& b) { b.setLineState(6, LineState(state)); })
            << Replacements{{final19 + "#808080", final19 + "#DC143C"},
                            {final37 + "#808080", final37 + "#DC143C"}};
    }
    for (int state : {5, 7, -1, int(INT32_MIN)}) {
        QTest::addRow("line 0 in state %d", state)
            << Edit([state](Bracket& b) { b.setLineState(0, LineState(state)); })
            << Replacements{{line17 + "#DC143C", line17}, {"#DC143C", ""}};
    }
}

void TestHtmlPage::variants() {
    QFETCH(Edit, edit);
    QFETCH(Replacements, replacements);
    Bracket bracket = exampleBracket();
    edit(bracket);
    QByteArray expected = readTestData("four_members_example.html");
    QVERIFY(applyReplacements(expected, replacements));
    comparePages(pageOf(bracket), expected);
}

void TestHtmlPage::tableOfEverySize_data() {
    QTest::addColumn<int>("players");
    QTest::addColumn<bool>("sheet");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("cells");
    QTest::newRow("4") << 4 << false << 375 << 48 << 19;
    QTest::newRow("8") << 8 << false << 460 << 96 << 39;
    QTest::newRow("16") << 16 << false << 545 << 192 << 79;
    QTest::newRow("32") << 32 << false << 630 << 384 << 159;
    // A sheet adds the club column (P cells, 100 wide), the row of round names (R + 1 cells,
    // the last over two columns) and the draw number's row (one cell over all).
    QTest::newRow("4 with a sheet") << 4 << true << 475 << 48 << 19 + 4 + 4 + 1;
    QTest::newRow("8 with a sheet") << 8 << true << 560 << 96 << 39 + 8 + 5 + 1;
    QTest::newRow("16 with a sheet") << 16 << true << 645 << 192 << 79 + 16 + 6 + 1;
    QTest::newRow("32 with a sheet") << 32 << true << 730 << 384 << 159 + 32 + 7 + 1;
}

namespace {

// A sheet with everything on: a club for every other member, a bye in every fourth slot,
// seeds, match numbers, a title and the draw number.
void addFullSheet(Bracket& bracket) {
    SheetInfo sheet;
    sheet.title = "T";
    for (int i = 0; i < bracket.memberCount(); ++i) {
        if (i % 2 == 0) bracket.setMemberClub(i, "C" + std::to_string(i));
        bracket.setBye(i, i % 4 == 3);
        if (i % 4 == 0) bracket.setMemberSeed(i, i / 4 + 1);
    }
    sheet.matchNumbers = true;
    sheet.drawNumber = 7;
    bracket.setSheet(sheet);
}

// The sum of the colspans of the cells in the first match of `rowPattern`.
int columnsSpanned(const QString& page, const QString& rowPattern) {
    const QRegularExpression row(rowPattern, QRegularExpression::DotMatchesEverythingOption);
    const QString cells = row.match(page).captured(1);
    int columns = 0;
    for (const auto& cell :
         QRegularExpression(QStringLiteral("colspan = \"(\\d+)\"")).globalMatch(cells))
        columns += cell.captured(1).toInt();
    return columns;
}

}  // namespace

// The rows and spans fill the table exactly: laying out each row's cells in the first free
// columns, as a browser does, every row is full and every span ends at the bottom. Name
// cells land in the first column, the champion cell in the last.
void TestHtmlPage::tableOfEverySize() {
    QFETCH(int, players);
    QFETCH(bool, sheet);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, cells);

    Bracket bracket(players);
    for (int line = 0; line < bracket.lineCount(); ++line)
        bracket.setLineState(line, LineState(line % 5));
    if (sheet) addFullSheet(bracket);
    const QString page = QString::fromLatin1(pageOf(bracket));
    QCOMPARE(htmlTableWidth(bracket), width);
    QCOMPARE(htmlTableHeight(bracket), height);
    QVERIFY(
        page.contains(QStringLiteral("STYLE = \"width:%1 ;height:%2 ;background-color:#FFFFFF \" >")
                          .arg(width)
                          .arg(height)));
    QCOMPARE(page.count(QStringLiteral("<TD")), cells);
    QCOMPARE(page.count(QStringLiteral("</TD")), cells);
    QCOMPARE(page.count(QStringLiteral("<TR valign = \"middle\">")), 2 * players);
    QCOMPARE(page.count(QStringLiteral("</TR>")), 2 * players + (sheet ? 2 : 0));

    const int firstRound = sheet ? 2 : 1;  // the club column stands between names and rounds
    const int columns = bracket.roundCount() + firstRound + 1;
    if (sheet) {
        QCOMPARE(columnsSpanned(page, QStringLiteral("<TR valign = \"bottom\">(.*?)</TR>")),
                 columns);
        QCOMPARE(columnsSpanned(page, QStringLiteral("<TR>(.*?)</TR>")), columns);
    }
    std::vector<int> busy(size_t(columns), 0);
    const QRegularExpression rowPattern(QStringLiteral("<TR valign = \"middle\">\r\n(.*?)</TR>"),
                                        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpression cellPattern(QStringLiteral("<TD rowspan = \"(\\d+)\"([^\r]*)\r\n"));
    int row = 0;
    for (const auto& rowMatch : rowPattern.globalMatch(page)) {
        const QString rowText = rowMatch.captured(1);
        int column = 0;
        int placed = 0;
        for (const auto& cell : cellPattern.globalMatch(rowText)) {
            while (column < columns && busy[size_t(column)] > 0) ++column;
            QVERIFY2(column < columns, qPrintable(QStringLiteral("row %1 overflows").arg(row)));
            const int span = cell.captured(1).toInt();
            busy[size_t(column)] = span;
            const bool nameCell = cell.captured(2).contains(QStringLiteral("height:12"));
            QCOMPARE(nameCell, column == 0);
            const bool clubCell = cell.captured(2).contains(QStringLiteral("width:100 "));
            QCOMPARE(clubCell, sheet && column == 1);
            if (column == columns - 1) QCOMPARE(span, 2 * players);
            if (column >= firstRound && column < columns - 1) {
                // Round k spans 2^k rows; but the sheet's bye in every fourth slot lets the third
                // slot's line run straight on: the second-round line after it has its stroke a
                // row higher, its cells spanning one row and three.
                const bool afterBye = sheet && column == firstRound + 1 && row % 8 >= 4;
                QCOMPARE(span, afterBye ? (row % 8 == 4 ? 1 : 3) : 1 << (column - firstRound));
                if (!afterBye) QCOMPARE(row % span, 0);
            }
            ++placed;
            ++column;
        }
        QVERIFY(placed > 0);
        for (int& b : busy) {
            QVERIFY2(b > 0, qPrintable(QStringLiteral("row %1 leaves a gap").arg(row)));
            --b;
        }
        ++row;
    }
    QCOMPARE(row, 2 * players);
    for (int b : busy) QCOMPARE(b, 0);

    // Only the final line has cells of P rows, and it shows no score and no join.
    const QRegularExpression finalCell(
        QStringLiteral("<TD rowspan = \"%1\" ([^\r]*)\r\n").arg(players));
    int finals = 0;
    for (const auto& m : finalCell.globalMatch(page)) {
        QVERIFY(!m.captured(1).contains(QStringLiteral("border-right")));
        ++finals;
    }
    QCOMPARE(finals, 2);
}

void TestHtmlPage::gridOfEveryOption_data() {
    QTest::addColumn<int>("players");
    QTest::addColumn<ThirdPlace>("thirdPlace");
    QTest::addColumn<bool>("twoSided");
    for (int players : {4, 8, 16, 32, 64, 128}) {
        for (ThirdPlace third : {ThirdPlace::None, ThirdPlace::Shared, ThirdPlace::Match}) {
            for (bool twoSided : {false, true}) {
                QTest::addRow("%d, third place %d%s", players, int(third),
                              twoSided ? ", two-sided" : "")
                    << players << third << twoSided;
            }
        }
    }
}

// Brackets filled by random clicks, with random clubs, seeds and match numbers: laid out as a
// browser does, every row of the table is full; every line but the final (and, two-sided, the
// finalists, who meet in the middle) draws its share of a join; the names stand in order
// down the edges; the table's height counts the names in its first column.
void TestHtmlPage::gridOfEveryOption() {
    QFETCH(int, players);
    QFETCH(ThirdPlace, thirdPlace);
    QFETCH(bool, twoSided);
    QRandomGenerator random(uint32_t(players * 7 + int(thirdPlace) * 2 + int(twoSided)));
    for (int round = 0; round < 20; ++round) {
        Bracket bracket(players);
        SheetInfo sheet;
        int byes = 0;
        for (int i = 0; i < players; ++i) {
            bracket.setMemberName(i, "N" + std::to_string(i) + ";");
            if (random.bounded(3) == 0) bracket.setMemberClub(i, "C");
            if (random.bounded(4) == 0) bracket.setMemberSeed(i, 1 + random.bounded(players));
            if (i % 2 == 1 && random.bounded(4) == 0) {
                bracket.setBye(i, true);
                bracket.setMemberName(i, "");
                ++byes;
            }
        }
        sheet.matchNumbers = random.bounded(2) == 1;
        if (random.bounded(2) == 1) sheet.drawNumber = 5;
        sheet.thirdPlace = thirdPlace;
        sheet.twoSided = twoSided;
        bracket.setSheet(sheet);
        for (int click = random.bounded(4 * players); click > 0; --click)
            leftClickLine(bracket, random.bounded(bracket.lineCount()));
        leftClickThirdPlace(bracket, random.bounded(2));

        const std::string table = writeHtmlTable(bracket);
        const kaztest::TableGrid grid = kaztest::layOutTable(table);
        QVERIFY2(grid.problem.empty(), grid.problem.c_str());
        const int nameColumns = showsClubColumn(bracket) ? 2 : 1;
        const int rounds = bracket.roundCount();
        QCOMPARE(grid.columns, twoSided ? 2 * (nameColumns + rounds) : nameColumns + rounds + 1);
        const int thirdRows = thirdPlace == ThirdPlace::Match    ? 5
                              : thirdPlace == ThirdPlace::Shared ? 3
                                                                 : 0;
        const int bracketRows = twoSided ? players : 2 * players;
        QCOMPARE(grid.rows, 1 + bracketRows + thirdRows + (sheet.drawNumber ? 1 : 0));

        const auto count = [&table](const char* text) {
            return QByteArray::fromStdString(table).count(text);
        };
        // One cell a line; none for a bye's line, nor for its opponent's where that runs
        // straight on (not where it is a finalist's).
        const int joins = (twoSided ? 2 * players - 3 : 2 * players - 2) -
                          byes * (twoSided && players == 4 ? 1 : 2);
        QCOMPARE(count("border-right:4px") + count("border-left:4px"),
                 joins + (thirdPlace == ThirdPlace::Match ? 2 : 0));

        std::vector<std::string> edges[2];  // the names down the left edge, and the right
        for (const kaztest::GridCell& cell : grid.cells) {
            if (cell.start.find("height:12") == std::string_view::npos) continue;
            QVERIFY(cell.column == 0 || cell.column == grid.columns - 1);
            const size_t end = cell.content.find(';');
            const size_t begin = cell.content.rfind('N', end);
            edges[cell.column == 0 ? 0 : 1].push_back(
                end == std::string_view::npos
                    ? std::string()
                    : std::string(cell.content.substr(begin, end + 1 - begin)));
        }
        std::vector<std::string> expected[2];
        for (int i = 0; i < players; ++i)
            expected[twoSided && i >= players / 2 ? 1 : 0].push_back(bracket.memberName(i));
        if (thirdPlace != ThirdPlace::None) {
            for (int side = 0; side < kThirdPlaceSides; ++side) {
                const int member = thirdPlaceMember(bracket, side);
                expected[0].push_back(member < 0 ? std::string() : bracket.memberName(member));
            }
        }
        QCOMPARE(edges[0], expected[0]);
        QCOMPARE(edges[1], expected[1]);
        QCOMPARE(htmlTableHeight(bracket), 12 * int(expected[0].size()));
    }
}

// The grid check reads a cell's attributes as a browser does: "rowspan" as a colour inside a
// STYLE value is no row span. (An input the reader's fuzz target once stopped on.)
void TestHtmlPage::gridReadsAttributesAsHtml() {
    const std::optional<Bracket> bracket =
        readKaz(kaztest::toStd(readTestData("member_colour_rowspan.kaz")));
    QVERIFY(bracket);
    QCOMPARE(bracket->colors().memberColor, std::string("rowspan"));
    const kaztest::TableGrid grid = kaztest::layOutTable(writeHtmlTable(*bracket));
    QVERIFY2(grid.problem.empty(), grid.problem.c_str());
    QCOMPARE(grid.rows, 9);
    QCOMPARE(grid.columns, 5);
}

void TestHtmlPage::twoSidedFinalColours_data() {
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QString>("colours");  // the finalists' halves of the centre, the final's line
    QTest::newRow("nobody in the final") << QList<int>{} << "LL L";
    QTest::newRow("one finalist") << QList<int>{0} << "WL L";
    QTest::newRow("both, undecided") << QList<int>{0, 3} << "WW L";
    QTest::newRow("the left won") << QList<int>{0, 3, 4} << "WL W";
    QTest::newRow("the right won") << QList<int>{0, 3, 5} << "LW W";
}

// Where a two-sided page's finalists meet in the middle, each stroke goes on in its own colour
// while the final is open; once it is decided, the loser's in the lose colour.
void TestHtmlPage::twoSidedFinalColours() {
    QFETCH(QList<int>, clicks);
    QFETCH(QString, colours);
    Bracket bracket(4);
    SheetInfo sheet;
    sheet.twoSided = true;
    bracket.setSheet(sheet);
    for (int line : clicks) QVERIFY(!leftClickLine(bracket, line).empty());
    const QString page = QString::fromLatin1(pageOf(bracket));
    const auto letter = [](const QString& colour) {
        return colour == QStringLiteral("#DC143C") ? QStringLiteral("W") : QStringLiteral("L");
    };
    // The two cells above the strokes (the left one also draws the final's line), then the
    // two below them.
    const QRegularExpression middle(QStringLiteral(
        "width:60(;border-right:4px solid (#\\w+))?;border-(?:bottom|top):2px solid (#\\w+)"));
    QStringList halves;
    QString finalLine;
    for (const auto& m : middle.globalMatch(page)) {
        halves << letter(m.captured(3));
        if (!m.captured(2).isEmpty()) finalLine += letter(m.captured(2));
    }
    QCOMPARE(halves.size(), 4);
    QCOMPARE(halves.mid(2), halves.mid(0, 2));
    QCOMPARE(halves[0] + halves[1] + QLatin1Char(' ') + finalLine, colours);
}

void TestHtmlPage::boldMemberKeepsTheModelPlain() {
    Bracket bracket = exampleBracket();
    const std::string stored = writeKaz(bracket);
    bracket.setBoldFlags(true, true);
    const QByteArray first = pageOf(bracket);
    const QByteArray second = pageOf(bracket);
    QVERIFY(first == second);
    QCOMPARE(first.count("<B>"), 4);
    QCOMPARE(bracket.memberName(0), std::string("選手1"));
    QCOMPARE(writeKaz(bracket), stored);
}

void TestHtmlPage::escapesBracketText_data() {
    QTest::addColumn<Setter>("set");
    QTest::newRow("member name") << Setter(
        [](Bracket& b, const std::string& t) { b.setMemberName(2, t); });
    QTest::newRow("score") << Setter(
        [](Bracket& b, const std::string& t) { b.setLineScore(3, t); });
    QTest::newRow("champion") << Setter([](Bracket& b, const std::string& t) { b.setChampion(t); });
    for (int row = 0; row < ColorSet::kCount; ++row) {
        QTest::addRow("colour %d", row)
            << Setter([row](Bracket& b, const std::string& t) { b.colors().at(row) = t; });
    }
    // The sheet's texts, each beside a sheet that shows everything else.
    auto sheetSetter = [](std::function<void(SheetInfo&, const std::string&)> setField) {
        return Setter([setField](Bracket& b, const std::string& t) {
            const Bracket example = kaztest::sheetExampleBracket();
            SheetInfo sheet = example.sheet();
            setField(sheet, t);
            b.setMemberName(3, "");
            for (int m = 0; m < example.memberCount(); ++m) {
                b.setMemberMarks(m, example.memberMarks(m));
            }
            b.setSheet(sheet);
        });
    };
    QTest::newRow("title") << sheetSetter([](SheetInfo& s, const std::string& t) { s.title = t; });
    QTest::newRow("second line") << sheetSetter(
        [](SheetInfo& s, const std::string& t) { s.subtitle = t; });
    QTest::newRow("round name") << sheetSetter(
        [](SheetInfo& s, const std::string& t) { s.roundNames[1] = t; });
    QTest::newRow("club") << Setter([sheetSetter](Bracket& b, const std::string& t) {
        sheetSetter([](SheetInfo&, const std::string&) {})(b, t);
        b.setMemberClub(1, t);
    });
}

// Markup put into any field reaches the page as entities only: the page equals the one with
// a plain marker in that field, the marker replaced by the escaped text.
void TestHtmlPage::escapesBracketText() {
    QFETCH(Setter, set);
    const std::string text = "<b>&amp;\"x\"</b>'";
    const QByteArray escaped = "&lt;b&gt;&amp;amp;&quot;x&quot;&lt;/b&gt;'";
    for (bool bold : {false, true}) {
        auto build = [&](const std::string& value) {
            Bracket b = exampleBracket();
            b.setBoldFlags(bold, bold);
            set(b, value);
            return pageOf(b);
        };
        QByteArray expected = build("MARKER");
        QVERIFY(expected.contains("MARKER"));
        expected.replace("MARKER", escaped);
        const QByteArray actual = build(text);
        comparePages(actual, expected);
        QVERIFY(!actual.contains("<b>"));
    }
}

// CP932 text passes byte for byte: no trail byte can be taken for one of & < > ".
void TestHtmlPage::leavesCp932TextAlone() {
    Bracket bracket(4);
    const std::string name = "\x83\x5C\x95\x5C\x81\x83\x81\x84\x81\x95\x81\x68";  // ソ表＜＞＆”
    bracket.setMemberName(0, textFromCp932(name));
    bracket.setLineScore(1, "３－１");
    const QByteArray page = pageOf(bracket);
    QVERIFY(page.contains(">" + toBytes(name) + "</TD >"));
    QVERIFY(page.contains("color:#FF9000\">\x82\x52\x81\x7C\x82\x50</TD>"));
}

void TestHtmlPage::pageStaysWithinItsBound_data() {
    QTest::addColumn<int>("players");
    QTest::addColumn<int>("textBytes");  // of every name, score and the champion
    QTest::addColumn<bool>("sheet");     // every text of the sheet at its limit, all marks on
    QTest::addColumn<bool>("twoSided");
    for (int players : {4, 32, 128}) {
        for (int bytes : {0, 1, 300}) {
            QTest::addRow("%d members, %d bytes", players, bytes)
                << players << bytes << false << false;
            for (bool twoSided : {false, true}) {
                QTest::addRow("%d members, %d bytes, sheet%s", players, bytes,
                              twoSided ? ", two-sided" : "")
                    << players << bytes << true << twoSided;
            }
        }
    }
}

// The worst case for the page's size: every text and colour made of quotes, each of which
// the page writes as six bytes, and bold on.
void TestHtmlPage::pageStaysWithinItsBound() {
    QFETCH(int, players);
    QFETCH(int, textBytes);
    QFETCH(bool, sheet);
    QFETCH(bool, twoSided);
    const std::string text(size_t(textBytes), '"');
    Bracket bracket(players);
    // Without a name a slot holds nobody, who plays no third-place match.
    for (int i = 0; i < players; ++i) bracket.setMemberName(i, text.empty() ? "x" : text);
    for (int line = 0; line < bracket.lineCount(); ++line) {
        bracket.setLineScore(line, text);
        bracket.setLineState(line, LineState(line % 5));
    }
    bracket.setChampion(text);
    for (int row = 0; row < ColorSet::kCount; ++row) bracket.colors().at(row) = "\"\"\"\"\"\"\"";
    bracket.setBoldFlags(true, true);
    if (sheet) {
        SheetInfo info;
        info.title = std::string(kMaxSheetTitleCharacters, '"');
        info.subtitle = std::string(kMaxSheetSubtitleCharacters, '"');
        for (int round = 0; round < bracket.roundCount(); ++round)
            info.roundNames[size_t(round)] = std::string(kMaxRoundNameCharacters, '"');
        for (int i = 0; i < players; ++i) {
            bracket.setMemberClub(i, std::string(kMaxClubCharacters, '"'));
            bracket.setMemberSeed(i, i + 1);
        }
        info.matchNumbers = true;
        info.drawNumber = INT32_MAX;
        // A third-place match whose winner's name stands below the bracket twice more, after
        // every match is played, the upper line winning, so that both its sides are known.
        info.thirdPlace = ThirdPlace::Match;
        info.twoSided = twoSided;
        bracket.setSheet(info);
        for (int line = 0; line < bracket.lineCount(); ++line)
            bracket.setLineState(line, LineState::Open);
        for (int line = 0; line + 1 < bracket.lineCount(); line += 2) leftClickLine(bracket, line);
        bracket.setThirdPlaceResults(
            {LineResult{LineState::Won, std::string(kMaxScoreCharacters, '"')},
             LineResult{LineState::Open, std::string(kMaxScoreCharacters, '"')}});
        QVERIFY(thirdPlaceWinner(bracket) >= 0);
        QVERIFY(sheetFits(bracket));
    }
    const size_t fileBytes = writeKaz(bracket).size();
    QVERIFY2(writeHtmlPage(bracket).size() <= htmlPageSizeBound(fileBytes),
             qPrintable(QString::number(writeHtmlPage(bracket).size())));
}

QTEST_GUILESS_MAIN(TestHtmlPage)
#include "tst_html_page.moc"
