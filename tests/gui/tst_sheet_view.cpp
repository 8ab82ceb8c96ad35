// The sheet in the editor's window: where it moves the boxes and lines, the club boxes, a bye
// drawn straight, and the window showing the picture's pixels.

#include <QScreen>
#include <QUndoStack>
#include <QtTest>

#include "bridge/qt_geometry.h"
#include "document/bracket_document.h"
#include "gui_test_support.h"
#include "painting/bracket_picture.h"
#include "picture_example.h"
#include "view/bracket_view.h"
#include "view/line_widget.h"
#include "view/member_club_edit.h"
#include "view/member_name_edit.h"

using namespace kaz::gui;
using namespace kaz::render;
using namespace guitest;
using namespace picturetest;

namespace {

kaz::Bracket bracketWithSheet(int members, const kaz::SheetInfo& sheet) {
    kaz::Bracket bracket(members);
    bracket.setSheet(sheet);
    return bracket;
}

QColor pixelAt(QWidget* widget, int x, int y) { return widget->grab().toImage().pixelColor(x, y); }

}  // namespace

class TestSheetView : public QObject {
    Q_OBJECT
private slots:
    void sheetMovesBoxesAndLines_data();
    void sheetMovesBoxesAndLines();
    void clubIsOneStepAndShowsInEveryWindow();
    void tabStaysInItsColumn();
    void byeLineIsNotDrawn();
    void sameAsTheView_data();
    void sameAsTheView();
};

void TestSheetView::sheetMovesBoxesAndLines_data() {
    QTest::addColumn<bool>("title");
    QTest::addColumn<bool>("clubColumn");
    QTest::newRow("title") << true << false;
    QTest::newRow("club column") << false << true;
    QTest::newRow("both") << true << true;
}

void TestSheetView::sheetMovesBoxesAndLines() {
    QFETCH(bool, title);
    QFETCH(bool, clubColumn);
    kaz::SheetInfo sheet;
    if (title) sheet.title = "Cup";
    sheet.clubColumn = clubColumn;
    BracketDocument doc{bracketWithSheet(8, sheet)};
    BracketView view(&doc);
    const kaz::SheetLayout& layout = view.sheetLayout();
    QVERIFY(layout.headerHeight > 0);
    QCOMPARE(layout.bracketOrigin.x, clubColumn ? kaz::kClubBoxWidth : 0);
    const QPoint origin = kaz::render::toQPoint(layout.bracketOrigin);
    for (int member = 0; member < 8; ++member) {
        QCOMPARE(view.nameEdits()[member]->geometry(),
                 QRect(50, 34 * (member + 1) + layout.headerHeight, 110, 20));
    }
    for (int line = 0; line < doc.bracket().lineCount(); ++line) {
        QCOMPARE(view.lineWidgets()[line]->geometry(),
                 kaz::render::toQRect(kaz::lineRect(8, line)).translated(origin));
    }
    QCOMPARE(int(view.clubEdits().size()), clubColumn ? 8 : 0);
    for (MemberClubEdit* box : view.clubEdits()) {
        QCOMPARE(box->geometry(), QRect(160, view.nameEdits()[box->member()]->y(), 80, 20));
    }
    QCOMPARE(view.canvas()->minimumSize(), kaz::render::toQSize(layout.extent));
    // The title is drawn in its band above the bracket.
    if (title) {
        const QImage canvas = view.canvas()->grab().toImage();
        const QRect band = kaz::render::toQRect(layout.title);
        bool inked = false;
        for (int y = band.top(); y <= band.bottom() && !inked; ++y) {
            for (int x = 0; x < canvas.width() && !inked; ++x) {
                inked = canvas.pixelColor(x, y) != Qt::white;
            }
        }
        QVERIFY(inked);
    }
}

// A club typed in a box is one step, shows in a second window, and the club column appears
// there and goes again with undo, the name boxes moving with it and the focus staying put.
void TestSheetView::clubIsOneStepAndShowsInEveryWindow() {
    kaz::SheetInfo sheet;
    sheet.clubColumn = true;
    BracketDocument doc{bracketWithSheet(4, sheet)};
    BracketView first(&doc);
    typeText(first.clubEdits()[1], QStringLiteral("東高"));
    QCOMPARE(doc.undoStack()->count(), 1);
    QCOMPARE(doc.undoStack()->undoText(), QStringLiteral("所属の入力"));
    QCOMPARE(doc.memberClubText(1), QStringLiteral("東高"));
    BracketView second(&doc);
    typeText(first.clubEdits()[2], QStringLiteral("西"));
    QCOMPARE(doc.undoStack()->count(), 2);
    QCOMPARE(second.clubEdits()[2]->text(), QStringLiteral("西"));
    doc.undoStack()->undo();
    QCOMPARE(second.clubEdits()[2]->text(), QString());
    QCOMPARE(first.clubEdits()[1]->text(), QStringLiteral("東高"));

    BracketDocument bare{kaz::Bracket(4)};
    BracketView view(&bare);
    showExposed(view);
    focus(view.nameEdits()[2]);
    const QRect before = view.lineWidgets()[0]->geometry();
    bare.setMemberClub(0, "A");
    QCOMPARE(int(view.clubEdits().size()), 4);
    QVERIFY(view.clubEdits()[0]->isVisible());
    QCOMPARE(view.clubEdits()[0]->text(), QStringLiteral("A"));
    QCOMPARE(view.lineWidgets()[0]->geometry(),
             before.translated(80, view.sheetLayout().headerHeight));
    QVERIFY(view.nameEdits()[2]->hasFocus());
    // Erasing it again leaves the column where the typing goes on.
    bare.setMemberClub(0, "");
    QVERIFY(view.clubEdits()[0]->isVisible());
    QCOMPARE(bare.undoStack()->count(), 1);
    bare.undoStack()->undo();
    QVERIFY(!view.clubEdits()[0]->isVisible());
    QCOMPARE(view.lineWidgets()[0]->geometry(), before);
    QVERIFY(view.nameEdits()[2]->hasFocus());
}

void TestSheetView::tabStaysInItsColumn() {
    kaz::SheetInfo sheet;
    sheet.clubColumn = true;
    BracketDocument doc{bracketWithSheet(4, sheet)};
    BracketView view(&doc);
    showExposed(view);
    const auto& clubs = view.clubEdits();
    const auto& names = view.nameEdits();
    QTest::mouseClick(clubs[1], Qt::LeftButton);
    QVERIFY(clubs[1]->hasFocus());
    QTest::keyClick(clubs[1], Qt::Key_Tab);
    QVERIFY(clubs[2]->hasFocus());
    focus(clubs[3]);
    QTest::keyClick(clubs[3], Qt::Key_Tab);
    QVERIFY(clubs[0]->hasFocus());
    QTest::keyClick(clubs[0], Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(clubs[3]->hasFocus());
    focus(names[1]);
    QTest::keyClick(names[1], Qt::Key_Tab);
    QVERIFY(names[2]->hasFocus());
}

// A bye's slot has no stroke; its opponent draws no join and the second-round line's stroke
// runs at the opponent's height.
void TestSheetView::byeLineIsNotDrawn() {
    kaz::Bracket bracket(4);
    bracket.setBye(1, true);
    BracketDocument doc{bracket};
    BracketView view(&doc);
    const QColor open = pixelAt(view.lineWidgets()[2], 30, 17);
    QVERIFY(open != Qt::white);
    QCOMPARE(pixelAt(view.lineWidgets()[0], 30, 17), open);
    QCOMPARE(pixelAt(view.lineWidgets()[0], 68, 28), QColor(Qt::white));
    QCOMPARE(pixelAt(view.lineWidgets()[1], 30, 17), QColor(Qt::white));
    QCOMPARE(pixelAt(view.lineWidgets()[4], 30, 17), open);
    QCOMPARE(pixelAt(view.lineWidgets()[4], 30, 34), QColor(Qt::white));
}

// At screen size the picture is the view's picture, pixel for pixel: right of the name boxes,
// and inside each box's frame and shadow (but the first box's, which shows the cursor).
// A row with `finalPlayed` plays up to the final, wins it and undoes it, comparing what the window
// has painted (not painted afresh) after each step: every line whose colours change repaints.
void TestSheetView::sameAsTheView_data() {
    QTest::addColumn<bool>("twoSided");
    QTest::addColumn<bool>("finalPlayed");
    QTest::newRow("one-sided") << false << false;
    QTest::newRow("two-sided") << true << false;
    QTest::newRow("two-sided, the final won and undone") << true << true;
}

void TestSheetView::sameAsTheView() {
    QFETCH(bool, twoSided);
    QFETCH(bool, finalPlayed);
    kaz::Bracket bracket = example(8);
    if (twoSided) {
        kaz::SheetInfo sheet;
        sheet.twoSided = true;
        sheet.matchNumbers = true;
        bracket.setSheet(sheet);
    }
    BracketDocument doc{bracket};
    BracketView view(&doc);
    const kaz::SheetLayout& layout = view.sheetLayout();
    view.resize(layout.extent.width + 40, layout.extent.height + 40);
    showExposed(view);
    // Between the name boxes of the two edges (or right of the one edge's).
    const int boxesEnd = kaz::sheetNameRect(layout, 0).right();
    const int rightBoxes = twoSided ? kaz::sheetNameRect(layout, 4).left : layout.extent.width;
    const QRect lines(boxesEnd, 0, rightBoxes - boxesEnd, layout.extent.height);
    if (finalPlayed) {
        for (int line : {8, 4, 10}) doc.leftClickLine(line);
        for (bool undo : {false, true}) {
            if (undo) {
                doc.undoStack()->undo();
            } else {
                doc.leftClickLine(12);
            }
            QApplication::processEvents();
            const QPoint canvasAt = view.canvas()->mapTo(&view, QPoint(0, 0));
            const QImage painted = view.screen()->grabWindow(view.winId()).toImage();
            QCOMPARE(
                painted.copy(lines.translated(canvasAt)).convertToFormat(QImage::Format_RGB32),
                bracketImage(doc.bracket(), 1).copy(lines).convertToFormat(QImage::Format_RGB32));
        }
        return;
    }
    const QImage screen = view.canvas()->grab().toImage();
    const QImage picture = bracketImage(bracket, 1);
    QCOMPARE(picture.size(), toQSize(layout.extent));
    QVERIFY(screen.width() >= layout.extent.width && screen.height() >= layout.extent.height);
    QCOMPARE(screen.copy(lines).convertToFormat(QImage::Format_RGB32),
             picture.copy(lines).convertToFormat(QImage::Format_RGB32));
    for (int member = 1; member < 8; ++member) {
        const QRect inside = toQRect(kaz::sheetNameRect(layout, member)).adjusted(2, 2, -2, -2);
        QCOMPARE(screen.copy(inside).convertToFormat(QImage::Format_RGB32),
                 picture.copy(inside).convertToFormat(QImage::Format_RGB32));
    }
}

QTEST_MAIN(TestSheetView)
#include "tst_sheet_view.moc"
