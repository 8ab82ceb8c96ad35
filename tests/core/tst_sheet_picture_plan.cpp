#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <string>

#include "bracket/bracket.h"
#include "bracket/sheet_picture_plan.h"

using namespace kaz;

namespace {

// Widths given outright. A title condenses down to `leastTitle` percent of its width: the
// pictures' least stretch, or 0 for the page, which condenses a text into any room.
class FakeMeasure : public TextMeasure {
public:
    int titleWidth = 0;
    int leastTitle = 0;

    MeasuredText name(int) const override { return {10, false}; }
    MeasuredText club(int) const override { return {}; }
    int title(int room) const override {
        return std::min(titleWidth, std::max(room, titleWidth * leastTitle / 100));
    }
    int subtitle(int) const override { return 0; }
};

}  // namespace

class TestSheetPicturePlan : public QObject {
    Q_OBJECT
private slots:
    void columnFitsItsWidestText_data();
    void columnFitsItsWidestText();
    void longTitleWidensTheSheet_data();
    void longTitleWidensTheSheet();
};

void TestSheetPicturePlan::columnFitsItsWidestText_data() {
    QTest::addColumn<bool>("estimated");
    QTest::addColumn<bool>("clubs");
    QTest::newRow("measured names") << false << false;
    QTest::newRow("measured clubs") << false << true;
    QTest::newRow("estimated names") << true << false;
    QTest::newRow("estimated clubs") << true << true;
}

// For every widest text: a column widens only for a text too wide for its box, then exactly as
// far as that text needs, up to its most; an estimated width keeps the ink gap to spare.
void TestSheetPicturePlan::columnFitsItsWidestText() {
    QFETCH(bool, estimated);
    QFETCH(bool, clubs);
    const PictureStyle picture = estimated ? estimatedPictureStyle() : measuredPictureStyle();
    const ColumnStyle style = clubs ? picture.clubs : picture.names;
    const int most = (kColumnMostBoxes - 1) * style.box;
    const int fits = style.box - style.margin - (estimated ? style.inkGap : 0);
    for (int widest = 0; widest < 5 * style.box; ++widest) {
        const ColumnPlan plan = planColumn({{widest / 2, false}, {widest, false}}, style);
        QCOMPARE(plan.widened(), widest > fits);
        QVERIFY(plan.extraWidth <= most);
        if (plan.extraWidth < most) QVERIFY(plan.room >= widest);
        if (plan.widened() && plan.extraWidth < most) QCOMPARE(plan.room, widest);
    }
    // A text cut short before it was measured takes the widest column.
    QCOMPARE(planColumn({{1, true}}, style).extraWidth, most);
}

void TestSheetPicturePlan::longTitleWidensTheSheet_data() {
    QTest::addColumn<int>("title");       // in sheet widths, percent
    QTest::addColumn<int>("leastTitle");  // percent
    QTest::addColumn<int>("width");       // the sheet's, in sheet widths, percent
    QTest::newRow("short") << 50 << 50 << 100;
    QTest::newRow("wider, within twice") << 150 << 50 << 150;
    QTest::newRow("condensed at twice") << 300 << 50 << 200;
    QTest::newRow("page at twice") << 1000 << 0 << 200;
    QTest::newRow("too wide condensed") << 1000 << 50 << 500;
}

// A title widens the sheet as far as it needs, up to twice; beyond that it is condensed, and
// widens the sheet further only where it cannot be condensed that far.
void TestSheetPicturePlan::longTitleWidensTheSheet() {
    QFETCH(int, title);
    QFETCH(int, leastTitle);
    QFETCH(int, width);
    Bracket bracket(8);
    SheetInfo sheet;
    sheet.title = "T";
    bracket.setSheet(sheet);
    FakeMeasure measure;
    const int plain =
        planSheetPicture(bracket, measure, measuredPictureStyle()).layout.extent.width;
    measure.titleWidth = plain * title / 100 - 2 * kTitleSideMargin;
    measure.leastTitle = leastTitle;
    const SheetPicturePlan plan = planSheetPicture(bracket, measure, measuredPictureStyle());
    const int wanted = plain * width / 100;
    QVERIFY2(std::abs(plan.layout.extent.width - wanted) <= 2 * kTitleSideMargin,
             std::to_string(plan.layout.extent.width).c_str());
    QCOMPARE(plan.layout.title.width, plan.layout.extent.width);
    QVERIFY(measure.title(plan.titleRoom) <= plan.layout.extent.width - 2 * kTitleSideMargin);
}

QTEST_GUILESS_MAIN(TestSheetPicturePlan)
#include "tst_sheet_picture_plan.moc"
