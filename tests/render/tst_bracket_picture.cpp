// The whole bracket as a picture, drawn by the renderer on any device: its pixels at every
// scale and resolution, the sheet around it, and its PDF read back with poppler's tools.

#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "bracket/bracket.h"
#include "bracket/bracket_geometry.h"
#include "bracket/line_rules.h"
#include "bracket/third_place.h"
#include "bridge/fonts.h"
#include "bridge/qt_geometry.h"
#include "bridge/qt_text.h"
#include "painting/bracket_picture.h"
#include "painting/bracket_renderer.h"
#include "painting/pool_picture.h"
#include "picture_example.h"
#include "pools/knockout_draw.h"
#include "pools/pool_draw.h"
#include "test_files.h"
#include "text/document_text.h"
#include "text/text_limits.h"

using namespace kaz::render;
using namespace picturetest;
using testfiles::writeFile;

class TestBracketPicture : public QObject {
    Q_OBJECT
private slots:
    void strokesJoinsScoresAndBackground_data();
    void strokesJoinsScoresAndBackground();
    void longNamesAreDrawnWhole_data();
    void longNamesAreDrawnWhole();
    void nameLongerThanAnyColumnIsCut();
    void longestScoreStaysClearOfItsLine_data();
    void longestScoreStaysClearOfItsLine();
    void sameAtEveryResolution_data();
    void sameAtEveryResolution();
    void sixtyFourTwoSidedStaysLegibleOnA4();
    void pictureSizeIsBounded_data();
    void pictureSizeIsBounded();
    void sheetIsDrawn_data();
    void sheetIsDrawn();
    void byeHasNoStub();
    void thirdPlaceIsDrawn();
    void twoSidedNamesStandAtBothEdges_data();
    void twoSidedNamesStandAtBothEdges();
    void seedsAndClubsStandByTheirNames_data();
    void seedsAndClubsStandByTheirNames();
    void emptyClubColumnIsLeftOut();
    void pictureFollowsEveryChange();
    void pdfShowsNoSeams();
    void handOutHasTheKnockoutFirst();
};

void TestBracketPicture::strokesJoinsScoresAndBackground_data() {
    QTest::addColumn<int>("members");
    QTest::addColumn<qreal>("scale");
    QTest::newRow("4 members, screen size") << 4 << qreal(1);
    QTest::newRow("4 members, twice") << 4 << qreal(2);
    QTest::newRow("32 members, half") << 32 << qreal(0.5);
}

void TestBracketPicture::strokesJoinsScoresAndBackground() {
    QFETCH(int, members);
    QFETCH(qreal, scale);
    const QImage image = bracketImage(example(members), scale);
    const kaz::Size extent = kaz::bracketExtent(members);
    QCOMPARE(image.size(), QSize(qRound(extent.width * scale), qRound(extent.height * scale)));

    // Line 0 won: stroke and join in the win colour. Line 1 open: both in the lose colour.
    // The line they feed (the first of round 2) advanced: win stroke, lose join.
    const QRect won = toQRect(kaz::lineRect(members, 0));
    const QRect open = toQRect(kaz::lineRect(members, 1));
    const QRect advanced = toQRect(kaz::lineRect(members, members));
    const int middle = won.height() / 2;
    QCOMPARE(at(image, scale, won.left() + 20, won.top() + middle), kWin);
    QCOMPARE(at(image, scale, won.right() - 1, won.top() + won.height() * 3 / 4), kWin);
    QCOMPARE(at(image, scale, open.left() + 20, open.top() + middle), kLose);
    QCOMPARE(at(image, scale, open.right() - 1, open.top() + open.height() / 4), kLose);
    const int advancedMiddle = advanced.top() + advanced.height() / 2;
    QCOMPARE(at(image, scale, advanced.left() + 20, advancedMiddle), kWin);
    QCOMPARE(at(image, scale, advanced.right() - 1, advancedMiddle + advanced.height() / 4), kLose);
    // The scores beside the join: below the stroke on the upper line, above it on the lower.
    // Shrunk, text is drawn smoothed at its own size, so only some of its pixels are the colour.
    auto scoreIn = [&](const QRect& area) {
        if (scale >= 1) return contains(image, scale, area, kScore);
        for (int y = int(area.top() * scale); y <= int(area.bottom() * scale); ++y) {
            for (int x = int(area.left() * scale); x <= int(area.right() * scale); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                if (pixel != kBack && pixel != kWin && pixel != kLose) return true;
            }
        }
        return false;
    };
    QVERIFY(scoreIn(QRect(won.right() - 24, won.top() + middle + 3, 20, middle - 3)));
    QVERIFY(scoreIn(QRect(open.right() - 24, open.top(), 20, middle - 3)));
    QVERIFY(!contains(image, scale, QRect(won.left(), won.top(), 40, won.height()), kScore));
    // The champion right of the final line, in the score colour.
    const kaz::Point champion = kaz::championPosition(members);
    QVERIFY(scoreIn(QRect(champion.x, champion.y, 60, 16)));
    // The background everywhere else, up to the last pixel.
    QCOMPARE(at(image, scale, 5, 5), kBack);
    QCOMPARE(at(image, scale, won.left() + 20, won.top() + 4), kBack);
    QCOMPARE(image.pixelColor(image.width() - 1, image.height() - 1), kBack);
    // No frame round the names (which sameAsTheView compares with the boxes).
    const kaz::Rect box = kaz::memberNameRect(members - 1);
    QCOMPARE(at(image, scale, box.left, box.top), kBack);
    QCOMPARE(at(image, scale, box.right() - 1, box.bottom() - 1), kBack);
}

// Names longer than their boxes are drawn whole: the column widens, the lines move right by
// as much, and each name's ink, the short ones' too, ends just before its line starts. At full
// width the name is exactly as wide as when drawn alone; beyond four boxes it is condensed,
// and its text in a PDF is still whole.
void TestBracketPicture::longNamesAreDrawnWhole_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<bool>("condensed");
    QTest::newRow("Latin and Japanese") << kLongLatin << kLongJapanese << qreal(1) << false;
    QTest::newRow("twice the size") << kLongJapanese << kLongLatin << qreal(2) << false;
    QTest::newRow("beyond the cap") << kLongerThanTheCap << kLongJapanese << qreal(1) << true;
}

void TestBracketPicture::longNamesAreDrawnWhole() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(qreal, scale);
    QFETCH(bool, condensed);
    kaz::Bracket bracket = example(4);
    bracket.setMemberName(0, toDocumentText(first));
    bracket.setMemberName(1, toDocumentText(second));
    const QImage image = bracketImage(bracket, scale);
    const kaz::Size normal = kaz::bracketExtent(4);
    const int extra = qRound(image.width() / scale) - normal.width;
    QVERIFY(extra > 0 && extra <= 3 * kaz::memberNameRect(0).width);
    QCOMPARE(bracketExtent(bracket), QSize(normal.width + extra, normal.height));

    const QRect line = toQRect(kaz::lineRect(4, 0)).translated(extra, 0);
    QCOMPARE(at(image, scale, line.left() + 20, line.top() + line.height() / 2), kWin);
    QCOMPARE(at(image, scale, line.left() - 1, line.top() + line.height() / 2), kBack);
    for (int member = 0; member < 4; ++member) {
        const QRect box = toQRect(kaz::memberNameRect(member));
        const qreal right = nameInkRight(image, scale, box);
        QVERIFY2(right > line.left() - kMostNameGap && right < line.left(),
                 qPrintable(QStringLiteral("%1: %2").arg(member).arg(right)));
    }

    if (!condensed) {
        // Each name as wide as drawn alone, with nothing to stop it.
        for (int member = 0; member < 2; ++member) {
            QImage alone(image.width() * 2, image.height(), QImage::Format_RGB32);
            alone.fill(kBack);
            QPainter painter(&alone);
            painter.scale(scale, scale);
            painter.setFont(japaneseFontPoints(11));
            painter.setPen(kMember);
            const QRect box = toQRect(kaz::memberNameRect(member));
            painter.drawText(box.left() + 3, box.top() + 15, member == 0 ? first : second);
            painter.end();
            const auto [left, right] = nameInk(image, scale, box);
            const auto [aloneLeft, aloneRight] = nameInk(alone, scale, box);
            QCOMPARE(right - left, aloneRight - aloneLeft);
        }
    }
    if (!havePoppler()) QSKIP("poppler-utils is not installed (scripts/install-deps.sh)");
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("long.pdf"));
    const kaz::Result<QByteArray> bytes = bracketPdf(bracket, QStringLiteral("long"));
    QVERIFY(bytes && writeFile(pdf, *bytes));
    const QString text = run("pdftotext", {pdf, "-"});
    QVERIFY2(text.contains(first) && text.contains(second), qPrintable(text));
}

// A name longer than can be laid out (three million characters) is cut with "…" where the
// widest column ends, condensed; nothing of it reaches the lines.
void TestBracketPicture::nameLongerThanAnyColumnIsCut() {
    kaz::Bracket bracket = example(4);
    bracket.setMemberName(0, std::string(3 << 20, 'W'));
    const QImage image = bracketImage(bracket, 1);
    const int box = kaz::memberNameRect(0).width;
    QCOMPARE(image.width(), kaz::bracketExtent(4).width + 3 * box);
    const QRect line = toQRect(kaz::lineRect(4, 0)).translated(3 * box, 0);
    const qreal right = nameInkRight(image, 1, toQRect(kaz::memberNameRect(0)));
    QVERIFY2(right > line.left() - 20 && right < line.left(), qPrintable(QString::number(right)));
    if (!havePoppler()) QSKIP("poppler-utils is not installed (scripts/install-deps.sh)");
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("cut.pdf"));
    const kaz::Result<QByteArray> bytes = bracketPdf(bracket, QStringLiteral("cut"));
    QVERIFY(bytes && writeFile(pdf, *bytes));
    QVERIFY(run("pdftotext", {pdf, "-"}).contains(QStringLiteral("WWWW\u2026")));
}

void TestBracketPicture::longestScoreStaysClearOfItsLine_data() {
    QTest::addColumn<QString>("score");
    QTest::newRow("wide letters") << QStringLiteral("WWWWWWWWW");
    QTest::newRow("double-byte") << QStringLiteral("優勝優勝W");
    QTest::newRow("digits") << QStringLiteral("123456789");
}

// The longest score the dialog takes, beside an upper and a lower line, at screen size: its ink
// lies within the line's area, clear of the stroke and of the join, and every pixel of both
// strokes shows.
void TestBracketPicture::longestScoreStaysClearOfItsLine() {
    QFETCH(QString, score);
    const qreal scale = 1;
    kaz::Bracket bracket = example(4);
    bracket.setLineScore(0, toDocumentText(score));
    bracket.setLineScore(1, toDocumentText(score));
    QCOMPARE(kaz::cp932Length(bracket.lineScore(0)), size_t(9));
    const QImage image = bracketImage(bracket, scale);
    for (int line : {0, 1}) {
        const QRect area = toQRect(kaz::lineRect(4, line));
        const QColor stroke = line == 0 ? kWin : kLose;
        const int middle = area.top() + area.height() / 2;
        const int joinLeft = area.left() + area.width() - 3;  // the join's half inside the line
        int ink = 0;
        int inkRight = -1;
        for (int y = int(area.top() * scale); y < int((area.bottom() + 1) * scale); ++y) {
            for (int x = int(area.left() * scale); x < int(joinLeft * scale); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                const bool inStroke =
                    y >= int((middle - 2) * scale) && y < int((middle + 2) * scale);
                if (inStroke) {
                    QVERIFY2(
                        pixel == stroke,
                        qPrintable(
                            QStringLiteral("line %1: %2, %3 covered").arg(line).arg(x).arg(y)));
                } else if (pixel != kBack) {
                    ++ink;
                    inkRight = std::max(inkRight, x);
                }
            }
        }
        QVERIFY2(ink > 20, qPrintable(QString::number(ink)));
        // It ends a pixel before the join, which would hide whatever ran under it.
        QVERIFY2(inkRight < int((joinLeft - 1) * scale),
                 qPrintable(QStringLiteral("line %1: ink up to %2").arg(line).arg(inkRight)));
        // Nothing of the score left of the line's area, nor in the join.
        for (int y = int(area.top() * scale); y < int((area.bottom() + 1) * scale); ++y) {
            const QColor left = image.pixelColor(int(area.left() * scale) - 1, y);
            QVERIFY2(
                left == kBack || left == kLose || left == kWin || left == kMember,
                qPrintable(QStringLiteral("line %1 row %2 left of the line").arg(line).arg(y)));
        }
    }
}

// A printer or PDF device of high resolution gets the same picture, names included: the
// third place's long names too, which a printer's font measured as the screen's would cut.
void TestBracketPicture::sameAtEveryResolution_data() {
    QTest::addColumn<bool>("thirdPlace");
    QTest::newRow("names") << false;
    QTest::newRow("third place of long names") << true;
}

void TestBracketPicture::sameAtEveryResolution() {
    QFETCH(bool, thirdPlace);
    kaz::Bracket bracket = example(4);
    if (thirdPlace) {
        kaz::SheetInfo sheet;
        sheet.thirdPlace = kaz::ThirdPlace::Match;
        bracket.setSheet(sheet);
        for (int member = 0; member < 4; ++member) {
            bracket.setMemberName(member, toDocumentText(kLongLatin.left(30)));
        }
        kaz::leftClickLine(bracket, 3);
    }
    const QImage screen = bracketImage(bracket, 1);
    QImage fine(screen.size(), QImage::Format_RGB32);
    fine.setDotsPerMeterX(qRound(600 / 0.0254));
    fine.setDotsPerMeterY(qRound(600 / 0.0254));
    QPainter painter(&fine);
    renderBracket(painter, bracket);
    painter.end();
    QCOMPARE(fine, screen);
}

// A two-sided sheet of 64 members with clubs, seeds and match numbers fits one A4 page so
// that its smallest text, 10 pixels, prints at 5 points or more.
void TestBracketPicture::sixtyFourTwoSidedStaysLegibleOnA4() {
    kaz::Bracket bracket = example(64, false);
    kaz::SheetInfo sheet;
    sheet.title = toDocumentText(QStringLiteral("第12回 市民剣道大会 個人戦"));
    for (int m = 0; m < 64; ++m) {
        bracket.setMemberName(m, toDocumentText(QStringLiteral("山田 太郎")));
        bracket.setMemberClub(m, toDocumentText(QStringLiteral("県立第一高校")));
        bracket.setMemberSeed(m, m < 8 ? m + 1 : 0);
    }
    sheet.matchNumbers = true;
    sheet.twoSided = true;
    bracket.setSheet(sheet);
    QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                   QPageLayout::Millimeter);
    a4.setOrientation(bestOrientation(bracket, a4));
    const QRectF page = a4.paintRect(QPageLayout::Point);
    const QSize extent = bracketExtent(bracket);
    const qreal pointsPerPixel =
        std::min(page.width() / extent.width(), page.height() / extent.height());
    QVERIFY2(10 * pointsPerPixel >= 5, qPrintable(QString::number(10 * pointsPerPixel)));
}

void TestBracketPicture::pictureSizeIsBounded_data() {
    QTest::addColumn<int>("members");
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<bool>("made");
    QTest::newRow("32 at 8, a full sheet") << 32 << qreal(8) << true;
    QTest::newRow("128 at 2") << 128 << qreal(2) << true;
    QTest::newRow("128 at 8") << 128 << qreal(8) << false;
}

// No picture grows beyond its bound, however large the bracket and the scale.
void TestBracketPicture::pictureSizeIsBounded() {
    QFETCH(int, members);
    QFETCH(qreal, scale);
    QFETCH(bool, made);
    kaz::Bracket bracket(members);
    kaz::SheetInfo sheet;
    sheet.title = "T";
    for (int m = 0; m < members; ++m) {
        bracket.setMemberName(m, std::string(40, 'W'));
        bracket.setMemberClub(m, std::string(kaz::kMaxClubCharacters, 'W'));
        bracket.setMemberSeed(m, m + 1);
    }
    sheet.matchNumbers = true;
    bracket.setSheet(sheet);
    QCOMPARE(!bracketImage(bracket, scale).isNull(), made);
}

// The sheet around the bracket: the title, the rounds' names and a club drawn in the member
// colour where the layout puts them, the bracket moved below and right of them, a long title
// and club whole (the picture widened, then condensed), all of it text in a PDF.
void TestBracketPicture::sheetIsDrawn_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("club");
    QTest::addColumn<bool>("english");
    // The sheet's own words, which the PDF holds as text, and those it must not hold.
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QStringList>("absent");
    const QStringList japanese = {"準々決勝", "準決勝", "優勝", "抽選番号 4242"};
    QTest::newRow("short") << QStringLiteral("市民大会") << QStringLiteral("東高") << false
                           << japanese << QStringList();
    QTest::newRow("long") << QString(64, QChar(0x5927))  // 大 × 64: the longest title
                          << QStringLiteral("北海道立札幌東高等学校硬式テニス部第二チーム") << false
                          << japanese << QStringList();
    QTest::newRow("beyond Shift_JIS") << QStringLiteral("Müller Cup") << QStringLiteral("Café")
                                      << false << japanese << QStringList{"〓"};
    // Typed texts stay as they are; the third-place match shows its heading before it is played.
    QTest::newRow("English") << QStringLiteral("Spring Open") << QStringLiteral("東高") << true
                             << QStringList{"Quarter-finals", "Semi-finals",       "Final",
                                            "Champion",       "Third-place match", "Draw no. 4242"}
                             << QStringList{"決勝", "抽選番号", "3位"};
}

void TestBracketPicture::sheetIsDrawn() {
    QFETCH(QString, title);
    QFETCH(QString, club);
    QFETCH(bool, english);
    QFETCH(QStringList, words);
    QFETCH(QStringList, absent);
    kaz::Bracket bracket = example(8);
    kaz::SheetInfo sheet;
    if (english) {
        sheet.language = kaz::SheetLanguage::English;
        sheet.thirdPlace = kaz::ThirdPlace::Match;
    }
    sheet.title = toDocumentText(title);
    sheet.subtitle = toDocumentText(QStringLiteral("12月8日 市民体育館"));
    bracket.setMemberClub(0, toDocumentText(club));
    bracket.setMemberSeed(0, 1);
    sheet.matchNumbers = true;
    sheet.drawNumber = 4242;
    bracket.setSheet(sheet);
    QVERIFY(kaz::sheetFits(bracket));

    const qreal scale = 1;
    const QImage image = bracketImage(bracket, scale);
    const kaz::SheetLayout layout = kaz::render::pictureLayout(bracket);
    QCOMPARE(image.size(), toQSize(layout.extent));
    QVERIFY(image.width() > kaz::bracketExtent(8).width);
    QVERIFY(image.height() > kaz::bracketExtent(8).height);
    QVERIFY(contains(image, scale, toQRect(layout.title), kMember));
    QVERIFY(contains(image, scale, toQRect(layout.subtitle), kMember));
    QVERIFY(contains(image, scale, toQRect(layout.roundNames.front()), kMember));
    QVERIFY(contains(image, scale, toQRect(layout.roundNames.back()), kMember));
    QVERIFY(contains(image, scale, toQRect(kaz::sheetClubRect(layout, 0)), kMember));
    QVERIFY(!contains(image, scale, toQRect(kaz::sheetClubRect(layout, 1)), kMember));
    QVERIFY(contains(image, scale, toQRect(kaz::seedMarkRect(layout, 0)), kMember));
    QVERIFY(contains(image, scale, toQRect(layout.drawNumber), kMember));
    // Nothing of the title reaches the picture's edges.
    const QRect titleRow = toQRect(layout.title);
    QVERIFY(!contains(image, scale, QRect(0, titleRow.top(), 2, titleRow.height()), kMember));
    QVERIFY(!contains(image, scale, QRect(image.width() - 2, titleRow.top(), 2, titleRow.height()),
                      kMember));
    // The lines below the header and right of the club column.
    const QRect won = toQRect(kaz::sheetLineRect(layout, 8, 0));
    QCOMPARE(won.left(), toQRect(kaz::sheetClubRect(layout, 0)).right() + 1);
    QCOMPARE(at(image, scale, won.left() + 20, won.top() + won.height() / 2), kWin);
    QCOMPARE(at(image, scale, won.left() - 1, won.top() + won.height() / 2), kBack);

    if (!havePoppler()) QSKIP("poppler-utils is not installed (scripts/install-deps.sh)");
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    const kaz::Result<QByteArray> bytes = bracketPdf(bracket, QStringLiteral("sheet"));
    QVERIFY(bytes && writeFile(pdf, *bytes));
    QVERIFY(run("pdfinfo", {pdf})
                .contains(QRegularExpression("Title: +" + QRegularExpression::escape(title))));
    const QString text = run("pdftotext", {pdf, "-"}).remove(QLatin1Char('\n'));
    for (const QString& shown : QStringList{title, club} + words) {
        QVERIFY2(text.contains(shown), qPrintable(shown + QLatin1Char('\n') + text));
    }
    for (const QString& word : absent) {
        QVERIFY2(!text.contains(word), qPrintable(word + QLatin1Char('\n') + text));
    }
}

// A bye's slot is drawn without its stub, and its opponent's line runs straight on into the
// second round at its own height, with no join between them.
void TestBracketPicture::byeHasNoStub() {
    kaz::Bracket bracket = example(8);
    bracket.setMemberName(1, std::string());
    bracket.setLineScore(0, std::string());
    bracket.setLineScore(1, std::string());
    kaz::SheetInfo sheet;
    bracket.setBye(1, true);
    bracket.setSheet(sheet);
    QVERIFY(kaz::sheetFits(bracket));

    const QImage image = bracketImage(bracket, 1);
    const kaz::SheetLayout layout = kaz::render::pictureLayout(bracket);
    const QRect opponent = toQRect(kaz::sheetLineRect(layout, 8, 0));
    const QRect bye = toQRect(kaz::sheetLineRect(layout, 8, 1));
    const QRect next = toQRect(kaz::sheetLineRect(layout, 8, 8));
    // No stub, and no join below the opponent's stroke.
    const int stroke = opponent.top() + opponent.height() / 2;
    const QRect belowStroke(opponent.right() - 3, stroke + 3, 3, bye.bottom() - stroke - 3);
    for (const QColor& line : {kWin, kLose}) {
        QVERIFY(!contains(image, 1, bye.adjusted(0, 0, -4, 0), line));
        QVERIFY(!contains(image, 1, belowStroke, line));
    }
    for (int x = opponent.left(); x < next.right() - 4; x += 5) {
        QVERIFY2(at(image, 1, x, stroke) == kWin, qPrintable(QString::number(x)));
    }
    QCOMPARE(at(image, 1, next.left() + 20, next.top() + next.height() / 2), kBack);
    // The second-round line's join still meets its pair's.
    QCOMPARE(at(image, 1, next.right() - 1, next.bottom() - 2), kLose);
}

// The third-place match below the final: its heading and the sides' names in the member
// colour, the winner's line in the win colour, "3位" and the winner's name in the score colour,
// as text in a PDF.
void TestBracketPicture::thirdPlaceIsDrawn() {
    kaz::Bracket bracket = example(4);
    kaz::SheetInfo sheet;
    sheet.thirdPlace = kaz::ThirdPlace::Match;
    bracket.setSheet(sheet);
    const kaz::SheetLayout layout = kaz::render::pictureLayout(bracket);
    const kaz::ThirdPlaceLayout place = layout.thirdPlace;
    QVERIFY(place.shown());
    // Before the lower semi-final its side shows an empty place.
    QVERIFY(contains(bracketImage(bracket, 1), 1, toQRect(place.names[1]), kMember));
    kaz::leftClickLine(bracket, 3);
    // Both sides known, the match not played: neither side is drawn as a winner.
    const QImage undecided = bracketImage(bracket, 1);
    for (const kaz::Rect& side : place.lines) {
        QCOMPARE(at(undecided, 1, side.left + 20, side.top + side.height / 2), kLose);
        QCOMPARE(at(undecided, 1, side.right() - 1, side.top + side.height / 2), kLose);
    }
    QVERIFY(kaz::leftClickThirdPlace(bracket, 1));
    kaz::leftClickLine(bracket, 4);  // the final

    const QImage image = bracketImage(bracket, 1);
    // The final's and the third place's losers are drawn all in the lose colour.
    for (const auto& [line, color] : {std::pair{4, kWin}, std::pair{5, kLose}}) {
        const QRect area = toQRect(kaz::sheetLineRect(layout, 4, line));
        QCOMPARE(at(image, 1, area.left() + 20, area.top() + area.height() / 2), color);
    }
    QCOMPARE(at(image, 1, place.lines[0].left + 20, place.lines[0].top + place.lines[0].height / 2),
             kLose);
    QVERIFY(contains(image, 1, toQRect(place.heading), kMember));
    QVERIFY(contains(image, 1, toQRect(place.names[0]), kMember));
    QVERIFY(contains(image, 1, toQRect(place.names[1]), kMember));
    const QRect lost = toQRect(place.lines[0]);
    const QRect won = toQRect(place.lines[1]);
    QCOMPARE(at(image, 1, won.left() + 20, won.top() + won.height() / 2), kWin);
    // The loser's join is in the lose colour, the winner's carries the win colour.
    QCOMPARE(at(image, 1, lost.right() - 1, lost.bottom() - 2), kLose);
    QCOMPARE(at(image, 1, won.right() - 1, won.top() + 2), kWin);
    QVERIFY(contains(image, 1, toQRect(place.result).intersected(image.rect()), kScore));

    if (!havePoppler()) QSKIP("poppler-utils is not installed (scripts/install-deps.sh)");
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("third.pdf"));
    const kaz::Result<QByteArray> bytes = bracketPdf(bracket, QStringLiteral("third"));
    QVERIFY(bytes && writeFile(pdf, *bytes));
    const QString text = run("pdftotext", {pdf, "-"});
    for (const QString& shown :
         {QStringLiteral("3位決定戦"), QStringLiteral("3位 ") + memberName(2)}) {
        QVERIFY2(text.contains(shown), qPrintable(shown + QLatin1Char('\n') + text));
    }
}

void TestBracketPicture::twoSidedNamesStandAtBothEdges_data() {
    QTest::addColumn<int>("members");
    QTest::addColumn<bool>("longNames");
    QTest::newRow("4") << 4 << false;
    QTest::newRow("32 long names") << 32 << true;
}

// The first half's names down the left edge, the second half's down the right, read towards
// the middle where the champion's name stands; such a sheet is printed across the page.
void TestBracketPicture::twoSidedNamesStandAtBothEdges() {
    QFETCH(int, members);
    QFETCH(bool, longNames);
    kaz::Bracket bracket = example(members, longNames);
    if (longNames) bracket.setMemberName(members / 2, toDocumentText(kLongLatin));
    kaz::SheetInfo sheet;
    sheet.twoSided = true;
    bracket.setSheet(sheet);
    const QImage image = bracketImage(bracket, 1);
    const kaz::SheetLayout layout = pictureLayout(bracket);
    QCOMPARE(image.size(), toQSize(layout.extent));
    // Each row's two names: the left one left of its line, the right one right of its own.
    for (int member = 0; member < members / 2; ++member) {
        const QRect row = toQRect(kaz::sheetNameRect(layout, member));
        const QRect left = toQRect(kaz::sheetLineRect(layout, members, member));
        const QRect right = toQRect(kaz::sheetLineRect(layout, members, member + members / 2));
        QVERIFY(contains(image, 1, QRect(0, row.top(), left.left(), row.height()), kMember));
        QVERIFY(contains(
            image, 1,
            QRect(right.right() + 1, row.top(), image.width() - right.right() - 1, row.height()),
            kMember));
    }
    // A long name on the right begins next to its line and runs outwards, within the picture.
    const QRect right = toQRect(kaz::sheetNameRect(layout, members / 2));
    const QRect line = toQRect(kaz::sheetLineRect(layout, members, members / 2));
    QVERIFY(contains(image, 1, QRect(line.right() + 1, right.top(), right.width(), right.height()),
                     kMember));
    QVERIFY(!contains(image, 1, QRect(image.width() - 2, right.top(), 2, right.height()), kMember));
    QVERIFY(contains(image, 1, toQRect(layout.champion), kScore));
    QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10));
    QCOMPARE(bestOrientation(bracket, a4), QPageLayout::Landscape);
}

void TestBracketPicture::seedsAndClubsStandByTheirNames_data() {
    QTest::addColumn<bool>("twoSided");
    QTest::newRow("one-sided") << false;
    QTest::newRow("two-sided") << true;
}

// In a column widened for a long name a short seeded name stands by its line, and so does its
// seed mark, nowhere near the paper's edge; every club stands apart from its name.
void TestBracketPicture::seedsAndClubsStandByTheirNames() {
    QFETCH(bool, twoSided);
    const int members = 8;
    kaz::Bracket bracket = example(members);
    kaz::SheetInfo sheet;
    sheet.twoSided = twoSided;
    for (int m = 0; m < members; ++m)
        bracket.setMemberClub(m, toDocumentText(QStringLiteral("東高")));
    const std::vector<int> seeded{2, twoSided ? members / 2 + 2 : 5};
    for (int m : seeded) bracket.setMemberSeed(m, m + 1);
    bracket.setSheet(sheet);
    bracket.setMemberName(0, toDocumentText(kLongLatin));
    bracket.setMemberName(members / 2, toDocumentText(kLongLatin));
    const QImage image = bracketImage(bracket, 1);
    const kaz::SheetLayout layout = pictureLayout(bracket);
    // The ink of a row between x `from` and `to` (the names are smoothed): its first and last
    // column, -1 for none.
    auto ink = [&image](const QRect& row, int from, int to) {
        std::pair<int, int> found{-1, -1};
        for (int y = row.top(); y <= row.bottom(); ++y) {
            for (int x = std::max(from, 0); x < std::min(to, image.width()); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                if (pixel == kBack || pixel == kWin || pixel == kLose || pixel == kScore) continue;
                found.first = found.first < 0 ? x : std::min(found.first, x);
                found.second = std::max(found.second, x);
            }
        }
        return found;
    };
    for (int m : seeded) {
        const QRect box = toQRect(kaz::sheetNameRect(layout, m));
        const bool right = kaz::isOnRightSide(layout, m);
        // Nothing beyond the name box's outer edge, where the mark stood by the paper's edge.
        const auto outside =
            right ? ink(box, box.right() + 1, image.width()) : ink(box, 0, box.left());
        QVERIFY2(outside.first < 0, qPrintable(QString::number(m)));
    }
    // The long name ends by its column's end; its club begins well after it.
    for (int m : {0, members / 2}) {
        if (m == members / 2 && !twoSided) continue;
        const QRect club = toQRect(kaz::sheetClubRect(layout, m));
        const QRect row = toQRect(kaz::sheetNameRect(layout, m));
        const bool right = kaz::isOnRightSide(layout, m);
        const auto clubInk = ink(row, club.left(), club.right() + 1);
        const auto nameInk =
            right ? ink(row, club.right() + 1, image.width()) : ink(row, 0, club.left());
        QVERIFY(clubInk.first >= 0 && nameInk.first >= 0);
        const int gap = right ? nameInk.first - clubInk.second : clubInk.first - nameInk.second;
        QVERIFY2(gap >= 12, qPrintable(QString::number(gap)));
    }
}

// A club column shown for typing while no club is set leaves no gap on paper.
void TestBracketPicture::emptyClubColumnIsLeftOut() {
    kaz::Bracket bracket = example(8);
    kaz::SheetInfo sheet;
    sheet.matchNumbers = true;
    bracket.setSheet(sheet);
    const QSize without = bracketExtent(bracket);
    sheet.clubColumn = true;
    bracket.setSheet(sheet);
    QCOMPARE(bracketExtent(bracket), without);
    QCOMPARE(pictureLayout(bracket).bracketOrigin.x, 0);
}

// The picture planned for one state of a bracket is never drawn for another: every change of
// what the plan is made from shows at once, and the bracket as it was draws as before.
void TestBracketPicture::pictureFollowsEveryChange() {
    const kaz::Bracket bracket = example(8);
    const QImage before = bracketImage(bracket, 1);
    const std::vector<std::function<void(kaz::Bracket&)>> changes = {
        [](kaz::Bracket& b) { b.setMemberName(3, std::string(40, 'W')); },
        [](kaz::Bracket& b) { b.setMemberName(3, b.memberName(3) + "x"); },
        [](kaz::Bracket& b) {
            kaz::SheetInfo sheet;
            sheet.title = std::string(120, 'T');
            b.setSheet(sheet);
        },
        [](kaz::Bracket& b) { b.setMemberClub(2, std::string(60, 'C')); },
        [](kaz::Bracket& b) { b.setMemberSeed(5, 1); },
    };
    for (const auto& change : changes) {
        kaz::Bracket changed = bracket;
        change(changed);
        QVERIFY(bracketImage(changed, 1) != before);
        QCOMPARE(bracketImage(bracket, 1), before);
    }
}

// Where a PDF viewer smooths edges, a bye's straight line and a join of one colour show no
// seam where their parts meet: every pixel along them is the line's own colour.
void TestBracketPicture::pdfShowsNoSeams() {
    if (!havePoppler()) QSKIP("poppler-utils is not installed (scripts/install-deps.sh)");
    kaz::Bracket bracket = example(8);
    bracket.setMemberName(1, std::string());
    bracket.setLineScore(0, std::string());
    bracket.setLineScore(1, std::string());
    kaz::SheetInfo sheet;
    bracket.setBye(1, true);
    bracket.setSheet(sheet);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("seams.pdf"));
    const kaz::Result<QByteArray> bytes = bracketPdf(bracket, QStringLiteral("seams"));
    QVERIFY(bytes && writeFile(pdf, *bytes));
    const kaz::SheetLayout layout = pictureLayout(bracket);
    for (int dpi : {71, 77, 101, 133}) {
        const QString prefix = dir.filePath(QStringLiteral("page%1").arg(dpi));
        run("pdftoppm", {"-r", QString::number(dpi), "-png", "-singlefile", pdf, prefix});
        const QImage page(prefix + QStringLiteral(".png"));
        QVERIFY(!page.isNull());
        // Where the bracket lies on the page, as the PDF fits it within its margins.
        QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
        a4.setOrientation(bestOrientation(bracket, a4));
        const QRectF fitted = fitCentred(bracketExtent(bracket), a4.paintRectPixels(dpi));
        const qreal scale = fitted.width() / bracketExtent(bracket).width();
        auto pixel = [&](qreal x, qreal y) {
            return page.pixelColor(int(fitted.left() + x * scale), int(fitted.top() + y * scale));
        };
        // The bye's opponent runs straight into the second round.
        const QRect opponent = toQRect(kaz::sheetLineRect(layout, 8, 0));
        const QRect next = toQRect(kaz::sheetLineRect(layout, 8, 8));
        const qreal stroke = opponent.top() + opponent.height() / 2.0;
        for (qreal x = opponent.left() + 2; x < next.right() - 6; x += 0.25) {
            QVERIFY2(pixel(x, stroke) == kWin,
                     qPrintable(QStringLiteral("%1 dpi, %2").arg(dpi).arg(x)));
        }
        // The open pair's join, one colour from the upper stroke down to the lower, and on
        // into the stroke of the open line it feeds.
        const QRect upper = toQRect(kaz::sheetLineRect(layout, 8, 2));
        const QRect lower = toQRect(kaz::sheetLineRect(layout, 8, 3));
        const QRect fed = toQRect(kaz::sheetLineRect(layout, 8, 9));
        const qreal join = upper.left() + upper.width() - 1.75;
        const qreal fedStroke = fed.top() + fed.height() / 2.0;
        for (qreal y = upper.top() + upper.height() / 2.0 + 3;
             y < lower.top() + lower.height() / 2.0 - 3; y += 0.25) {
            QVERIFY2(pixel(join, y) == kLose,
                     qPrintable(QStringLiteral("%1 dpi, %2").arg(dpi).arg(y)));
        }
        for (qreal x = join; x < fed.left() + 20; x += 0.25) {
            QVERIFY2(pixel(x, fedStroke) == kLose,
                     qPrintable(QStringLiteral("%1 dpi, %2").arg(dpi).arg(x)));
        }
    }
}

// The event's hand-out, read back from its PDF: the knockout alone on the first page, its slots
// waiting as 「Aブロック1位」 or filled, then the pools with their tables.
void TestBracketPicture::handOutHasTheKnockoutFirst() {
    if (!havePoppler()) QSKIP("poppler-utils is not installed (scripts/install-deps.sh)");
    std::vector<kaz::Entrant> entrants(6);
    for (size_t e = 0; e < entrants.size(); ++e) entrants[e].name = "選手" + std::to_string(e + 1);
    kaz::PoolDrawOptions options;
    options.pools = 2;
    options.through = 2;
    kaz::PoolStage stage = kaz::drawPools(entrants, options)->stage;
    stage.title = "県大会";
    for (kaz::PoolMatch& match : stage.pools[1].matches)
        match.outcome = kaz::MatchOutcome::FirstWins;
    const kaz::Bracket knockout =
        kaz::makeKnockout(stage, *kaz::drawKnockout(stage, {false, 1}), "p.kazpool");
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("hand-out.pdf"));
    const kaz::Result<QByteArray> bytes = poolStagePdf(stage, QStringLiteral("x"), &knockout);
    QVERIFY(bytes && writeFile(pdf, *bytes));
    const auto page = [&pdf](int number) {
        const QString at = QString::number(number);
        return run("pdftotext", {"-f", at, "-l", at, pdf, "-"}).remove(QLatin1Char('\n'));
    };
    const QString first = page(1);
    const QString winnerB = QString::fromStdString(stage.pools[1].members[0].name);
    for (const QString& shown : {QStringLiteral("Aブロック1位"), QStringLiteral("Aブロック2位"),
                                 QStringLiteral("B1 ") + winnerB}) {
        QVERIFY2(first.contains(shown), qPrintable(shown + QLatin1Char('\n') + first));
    }
    QVERIFY2(!first.contains(QStringLiteral("勝点")), qPrintable(first));
    const QString second = page(2);
    for (const QString& shown :
         {QStringLiteral("県大会"), QStringLiteral("Bブロック"), QStringLiteral("勝点"), winnerB}) {
        QVERIFY2(second.contains(shown), qPrintable(shown + QLatin1Char('\n') + second));
    }
}

QTEST_MAIN(TestBracketPicture)
#include "tst_bracket_picture.moc"
