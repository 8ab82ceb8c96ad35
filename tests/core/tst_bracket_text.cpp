#include <QTest>
#include <functional>

#include "bracket/bracket.h"
#include "bracket/bracket_text.h"
#include "bracket/line_rules.h"
#include "bracket/third_place.h"
#include "core_test_support.h"
#include "text/cp932.h"
#include "text/document_text.h"

using namespace kaz;

using MakeBracket = std::function<Bracket()>;
Q_DECLARE_METATYPE(MakeBracket)

class TestBracketText : public QObject {
    Q_OBJECT

private slots:
    void text_data();
    void text();
};

void TestBracketText::text_data() {
    QTest::addColumn<MakeBracket>("make");
    QTest::addColumn<QString>("expected");

    QTest::newRow("no sheet") << MakeBracket([] {
        Bracket b(4);
        for (int i = 0; i < 4; ++i) b.setMemberName(i, std::string("選手") + char('1' + i));
        b.setLineState(0, LineState::Won);
        b.setLineScore(0, "2");
        b.setLineScore(1, "1");
        return b;
    }) << QStringLiteral("準決勝\n選手1\t2\n選手2\t1\n選手3\n選手4\n\n決勝\n選手1\n\n\n優勝\n\n");

    // The heading, the sheet's round names, seed mark and club, the bye as a dash, the match
    // numbers before the lines they feed, the draw number last.
    QTest::newRow("sheet") << MakeBracket(kaztest::sheetExampleBracket)
                           << QStringLiteral(
                                  "春季大会\n4月5日 市民体育館\n\n"
                                  "予選\n選手A（A高）\t2\n選手B\t1\n[1] 選手C（C高）\n―\n\n"
                                  "決勝\n(1) 選手A\n\n\n"
                                  "優勝\n(2)\n\n"
                                  "抽選番号 4242\n");

    // A pair with a bye plays no match: the numbers go on without it, round by round.
    QTest::newRow("byes skipped by the numbers") << MakeBracket([] {
        Bracket b(8);
        SheetInfo sheet;
        b.setBye(1, true);
        b.setBye(6, true);
        sheet.matchNumbers = true;
        b.setSheet(sheet);
        return b;
    })
                                                 << QStringLiteral(
                                                        "準々決勝\n\n―\n\n\n\n\n―\n\n\n"
                                                        "準決勝\n\n(1)\n(2)\n\n\n"
                                                        "決勝\n(3)\n(4)\n\n"
                                                        "優勝\n(5)\n");

    // The third place after the final: the match's sides (the semi-finals' losers) and scores,
    // then its winner; two third places as one block, an undecided side as an empty line.
    const auto withThirdPlace = [](ThirdPlace mode, bool bothSemiFinals) {
        Bracket b(4);
        for (int i = 0; i < 4; ++i) b.setMemberName(i, std::string("選手") + char('1' + i));
        SheetInfo sheet;
        sheet.thirdPlace = mode;
        b.setSheet(sheet);
        leftClickLine(b, 0);
        if (bothSemiFinals) leftClickLine(b, 3);
        return b;
    };
    QTest::newRow("third-place match")
        << MakeBracket([withThirdPlace] {
               Bracket b = withThirdPlace(ThirdPlace::Match, true);
               leftClickThirdPlace(b, 1);
               ThirdPlaceResults results = b.thirdPlaceResults();
               results[0].score = "1";
               results[1].score = "3";
               b.setThirdPlaceResults(results);
               return b;
           })
        << QStringLiteral(
               "準決勝\n選手1\n選手2\n選手3\n選手4\n\n決勝\n選手1\n選手4\n\n優勝\n\n"
               "\n3位決定戦\n選手2\t1\n選手3\t3\n\n3位\n選手3\n");
    // An English sheet's own words in English; a typed round name as typed.
    QTest::newRow("English sheet")
        << MakeBracket([withThirdPlace] {
               Bracket b = withThirdPlace(ThirdPlace::Match, true);
               SheetInfo sheet = b.sheet();
               sheet.language = SheetLanguage::English;
               sheet.roundNames[0] = "予選";
               sheet.drawNumber = 7;
               b.setSheet(sheet);
               return b;
           })
        << QStringLiteral(
               "予選\n選手1\n選手2\n選手3\n選手4\n\nFinal\n選手1\n選手4\n\nChampion\n\n"
               "\nThird-place match\n選手2\n選手3\n\n3rd\n\n\nDraw no. 7\n");
    QTest::newRow("two third places, one known")
        << MakeBracket([withThirdPlace] { return withThirdPlace(ThirdPlace::Shared, false); })
        << QStringLiteral(
               "準決勝\n選手1\n選手2\n選手3\n選手4\n\n決勝\n選手1\n\n\n優勝\n\n"
               "\n3位\n選手2\n\n");
}

void TestBracketText::text() {
    QFETCH(MakeBracket, make);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(bracketAsText(make())), expected);
}

QTEST_GUILESS_MAIN(TestBracketText)
#include "tst_bracket_text.moc"
