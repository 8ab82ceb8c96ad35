// The zoom of a bracket window: a click hits the line under the pointer at every zoom, the boxes
// stay editable, the lines show the page's picture at that scale, the steps stop at 25 % and
// 400 %, and Ctrl with the wheel zooms about the pointer.

#include <QLabel>
#include <QPainter>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QUndoStack>
#include <QWheelEvent>
#include <QtTest>
#include <algorithm>

#include "bracket/line_rules.h"
#include "bracket/third_place.h"
#include "bridge/qt_colors.h"
#include "bridge/qt_geometry.h"
#include "bridge/qt_text.h"
#include "dialogs/match_score_dialog.h"
#include "dialogs/text_input_dialog.h"
#include "gui_test_support.h"
#include "painting/bracket_renderer.h"
#include "scripted_desktop.h"
#include "view/line_widget.h"
#include "view/member_name_edit.h"
#include "view/third_place_line.h"

using namespace kaz::gui;
using namespace kaz::render;
using namespace guitest;

namespace {

// What takes a click: a bracket line's index, lineCount() + side for a side of the third-place
// match, -1 for neither.
int lineCount(const BracketView& view) { return view.document()->bracket().lineCount(); }

// True when pixel `p` of the canvas at `percent` shows a point of `rect` of the sheet.
bool shows(const kaz::Rect& rect, const QPoint& p, int percent) {
    return rect.left * percent <= p.x() * 100 && p.x() * 100 < rect.right() * percent &&
           rect.top * percent <= p.y() * 100 && p.y() * 100 < rect.bottom() * percent;
}

// Where the core's geometry puts pixel `p` of the canvas at `percent`.
int expectedAt(const BracketView& view, const QPoint& p, int percent) {
    const kaz::SheetLayout& layout = view.sheetLayout();
    for (int line = 0; line < lineCount(view); ++line) {
        if (shows(kaz::sheetLineRect(layout, layout.members, line), p, percent)) return line;
    }
    for (int side = 0; side < kaz::kThirdPlaceSides; ++side) {
        if (shows(layout.thirdPlace.lines[size_t(side)], p, percent)) return lineCount(view) + side;
    }
    return -1;
}

// What a click at pixel `p` of the canvas reaches, found as the window finds it.
int widgetAt(BracketView& view, const QPoint& p) {
    for (QWidget* w = view.childAt(view.canvas()->mapTo(&view, p)); w; w = w->parentWidget()) {
        if (auto* line = qobject_cast<LineWidget*>(w)) return line->index();
        if (auto* side = qobject_cast<ThirdPlaceLine*>(w)) return lineCount(view) + side->side();
    }
    return -1;
}

kaz::LineState stateOf(const BracketView& view, int at) {
    const kaz::Bracket& bracket = view.document()->bracket();
    return at < lineCount(view) ? bracket.lineState(at)
                                : kaz::thirdPlaceLineState(bracket, at - lineCount(view));
}

// How far pixel `p` of the canvas lies from the nearest pixel in a line's colour that the line
// under it shows, counted as the larger of the two offsets; `radius` + 1 for none that near.
int distanceToInk(BracketView& view, const QPoint& p, int radius) {
    QWidget* line = view.canvas()->childAt(p);
    if (line == nullptr) return radius + 1;
    const QRect around = QRect(p - QPoint(radius, radius), QSize(2 * radius + 1, 2 * radius + 1))
                             .intersected(line->geometry());
    const QImage image = line->grab(around.translated(-line->pos())).toImage();
    const kaz::ColorSet& colors = view.document()->bracket().colors();
    const QRgb win = kaz::render::qColorFromString(colors.winLineColor).rgb();
    const QRgb lose = kaz::render::qColorFromString(colors.loseLineColor).rgb();
    int nearest = radius + 1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y) | 0xFF000000;
            if (pixel != win && pixel != lose) continue;
            const QPoint at = around.topLeft() + QPoint(x, y) - p;
            nearest = std::min(nearest, std::max(std::abs(at.x()), std::abs(at.y())));
        }
    }
    return nearest;
}

// A pixel at most one from a corner of a random line, where rounding would err.
QPoint nearCorner(const BracketView& view, QRandomGenerator& random, int percent) {
    const kaz::Rect r = kaz::sheetLineRect(view.sheetLayout(), view.sheetLayout().members,
                                           int(random.bounded(lineCount(view))));
    return QPoint((random.bounded(2) ? r.left : r.right()) * percent / 100,
                  (random.bounded(2) ? r.top : r.bottom()) * percent / 100) +
           QPoint(int(random.bounded(-1, 2)), int(random.bounded(-1, 2)));
}

// The upper line of every pair wins, round by round: every line has a member on it, so that a
// click on any line changes it.
kaz::Bracket decidedBracket(int members, const kaz::SheetInfo& sheet) {
    kaz::Bracket bracket(members);
    bracket.setSheet(sheet);
    for (int member = 0; member < members; ++member) {
        bracket.setMemberName(member, "M" + std::to_string(member + 1));
    }
    for (int line = 0; line < bracket.lineCount() - 1; ++line) {
        if (bracket.lineKind(line) == kaz::LineKind::Upper) kaz::leftClickLine(bracket, line);
    }
    return bracket;
}

void sendWheel(QWidget* over, const QPoint& at, int turn, Qt::KeyboardModifiers modifiers) {
    QWheelEvent wheel(at, over->mapToGlobal(at), QPoint(), QPoint(0, turn), Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    // As the window system delivers it: passed on to the parents while none takes it.
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    qApp->notify(over, &wheel);
}

// The place of the sheet under viewport point `at`, in the sheet's own pixels.
QPointF sheetPlace(BracketView& view, const QPoint& at) {
    const QPoint scrolled(view.horizontalScrollBar()->value(), view.verticalScrollBar()->value());
    return QPointF(scrolled + at) * 100.0 / view.zoom();
}

}  // namespace

class TestZoom : public QObject {
    Q_OBJECT

private slots:
    void clicksHitTheLineUnderThePointer_data();
    void clicksHitTheLineUnderThePointer();
    void nameBoxStaysEditable_data();
    void nameBoxStaysEditable();
    void zoomedLinesAreThePicturesLines();
    void shrunkTextKeepsItsStrokes();
    void ctrlWheelZoomsAboutThePointer();
};

// Random zooms and points of the canvas (half of them by a line's corner): the widget the window
// finds under a point is what the core puts there, and a click there changes that line when it
// falls on the line's ink or next to it, and nothing when it falls in white space.
void TestZoom::clicksHitTheLineUnderThePointer_data() {
    QTest::addColumn<int>("members");
    QTest::addColumn<bool>("fullSheet");  // two-sided, third-place match, clubs, numbers, title
    QTest::newRow("8 members") << 8 << false;
    QTest::newRow("16 members, full sheet") << 16 << true;
    QTest::newRow("128 members") << 128 << false;
}

void TestZoom::clicksHitTheLineUnderThePointer() {
    QFETCH(int, members);
    QFETCH(bool, fullSheet);
    kaz::SheetInfo sheet;
    sheet.title = fullSheet ? "Open" : "";
    sheet.twoSided = sheet.matchNumbers = sheet.clubColumn = fullSheet;
    sheet.thirdPlace = fullSheet ? kaz::ThirdPlace::Match : kaz::ThirdPlace::None;
    BracketDocument doc{decidedBracket(members, sheet)};
    BracketView view(&doc);
    view.resize(640, 480);
    showExposed(view);
    // A click on a decided match's other side asks before it clears what came after: はい.
    ScriptedDesktop desktop;
    desktop.agreeToEveryLoss = true;
    QRandomGenerator random(members);
    int clicked = 0;
    int missed = 0;
    for (int round = 0; round < 12; ++round) {
        view.setZoom(int(random.bounded(kaz::kLeastZoom, kaz::kMostZoom + 1)));
        const int percent = view.zoom();
        const QSize canvas = toQSize(kaz::zoomed(view.sheetLayout().extent, percent));
        for (int point = 0; point < 40; ++point) {
            QPoint p(int(random.bounded(canvas.width())), int(random.bounded(canvas.height())));
            if (point % 2) {
                const QPoint near = nearCorner(view, random, percent);
                p = QPoint(std::clamp(near.x(), 0, canvas.width() - 1),
                           std::clamp(near.y(), 0, canvas.height() - 1));
            }
            view.ensureVisible(p.x(), p.y());
            const int expected = expectedAt(view, p, percent);
            QVERIFY2(
                widgetAt(view, p) == expected,
                qPrintable(QStringLiteral("%1 %: (%2, %3)").arg(percent).arg(p.x()).arg(p.y())));
            if (expected < 0) continue;
            constexpr int kFar = 8;
            const int ink = distanceToInk(view, p, kFar);
            if (ink > 2 && ink <= kFar) continue;  // the edge of what counts as near
            const kaz::LineState before = stateOf(view, expected);
            QTest::mouseClick(view.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                              view.canvas()->mapTo(&view, p));
            const bool changed = stateOf(view, expected) != before;
            QVERIFY2(changed == (ink <= 2), qPrintable(QStringLiteral("%1 %: (%2, %3), ink at %4")
                                                           .arg(percent)
                                                           .arg(p.x())
                                                           .arg(p.y())
                                                           .arg(ink)));
            if (changed) doc.undoStack()->undo();
            ++(changed ? clicked : missed);
        }
    }
    QVERIFY(clicked > 0 && missed > 0);
}

// At the smallest and largest zooms: the box meets its line, typing sets the name, Tab scrolls
// the next box into sight, and F2 opens the score dialog at the member's line.
void TestZoom::nameBoxStaysEditable_data() {
    QTest::addColumn<int>("percent");
    QTest::newRow("25 %") << 25;
    QTest::newRow("67 %") << 67;
    QTest::newRow("400 %") << 400;
}

void TestZoom::nameBoxStaysEditable() {
    QFETCH(int, percent);
    BracketDocument doc{kaz::Bracket(32)};
    BracketView view(&doc);
    view.resize(500, 400);
    showActive(view);
    view.setZoom(percent);
    const int member = 21;
    MemberNameEdit* box = view.nameEdits()[size_t(member)];
    QCOMPARE(box->geometry().right() + 1, view.lineWidgets()[size_t(member)]->x());
    QTest::mouseClick(box, Qt::LeftButton);
    QTRY_VERIFY(box->hasFocus());
    typeText(box, QStringLiteral("山田 太郎"));
    QCOMPARE(doc.bracket().memberName(member), toDocumentText(QStringLiteral("山田 太郎")));
    QTest::keyClick(box, Qt::Key_Tab);
    MemberNameEdit* next = view.nameEdits()[size_t(member + 1)];
    QVERIFY(next->hasFocus());
    const QRect shown(next->mapTo(view.viewport(), QPoint()), next->size() / 2);
    QVERIFY(view.viewport()->rect().contains(shown));
    QTest::keyClick(next, Qt::Key_Right, Qt::AltModifier);
    QPoint opened;
    onNextDialog<MatchScoreDialog>([&opened](MatchScoreDialog* dialog) { opened = dialog->pos(); });
    QTest::keyClick(next, Qt::Key_F2);
    const QWidget* line = view.lineWidgets()[size_t(member + 1)];
    QCOMPARE(opened, line->mapToGlobal(QPoint(0, line->height() / 2)));
}

// At 200 % the lines show what a picture at twice the size shows, pixel for pixel; back at
// 100 % the window is as it was.
void TestZoom::zoomedLinesAreThePicturesLines() {
    kaz::SheetInfo sheet;
    sheet.matchNumbers = true;
    BracketDocument doc{decidedBracket(8, sheet)};
    doc.setLineScore(0, "6-4");
    BracketView view(&doc);
    view.resize(toQSize(kaz::zoomed(view.sheetLayout().extent, 200)) + QSize(40, 40));
    showExposed(view);
    const QImage actual = view.canvas()->grab().toImage();
    view.setZoom(200);
    QImage picture(toQSize(view.sheetLayout().extent) * 2, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.scale(2, 2);
    renderBracket(painter, doc.bracket());
    painter.end();
    const int boxesEnd = kaz::sheetNameRect(view.sheetLayout(), 0).right() * 2;
    const QRect lines(boxesEnd, 0, picture.width() - boxesEnd, picture.height());
    QCOMPARE(view.canvas()->grab().toImage().copy(lines).convertToFormat(QImage::Format_RGB32),
             picture.copy(lines));
    view.setZoom(25);
    view.setZoom(100);
    QCOMPARE(view.canvas()->grab().toImage(), actual);
}

// Below 100 % a score is drawn at its shrunk size rather than shrunk from its full size, which
// would lose its thin strokes ("11-9" as "· · 9"): at half the size, smoothed, it keeps well
// over a third of its ink (shrunk from its full size, about a quarter).
void TestZoom::shrunkTextKeepsItsStrokes() {
    BracketDocument doc{decidedBracket(8, kaz::SheetInfo())};
    doc.setLineScore(0, "11-9");
    const kaz::ColorSet& colors = doc.bracket().colors();
    const QColor back = qColorFromString(colors.backgroundColor);
    const QColor win = qColorFromString(colors.winLineColor);
    const QColor lose = qColorFromString(colors.loseLineColor);
    BracketView view(&doc);
    showExposed(view);
    auto ink = [&] {
        const QImage line = view.lineWidgets()[0]->grab().toImage();
        int pixels = 0;
        for (int y = 0; y < line.height(); ++y) {
            for (int x = 0; x < line.width(); ++x) {
                const QColor pixel = line.pixelColor(x, y);
                pixels += pixel != back && pixel != win && pixel != lose;
            }
        }
        return pixels;
    };
    const int full = ink();
    view.setZoom(50);
    const int half = ink();
    QVERIFY2(full > 20 && 5 * half >= 2 * full,
             qPrintable(QStringLiteral("%1, %2").arg(full).arg(half)));
}

// Ctrl with the wheel zooms a step a notch (half notches add up) and keeps the line under the
// pointer there; the wheel alone scrolls.
void TestZoom::ctrlWheelZoomsAboutThePointer() {
    BracketDocument doc{kaz::Bracket(128)};
    BracketView view(&doc);
    view.resize(600, 500);
    showExposed(view);
    LineWidget* line = view.lineWidgets()[130];
    view.ensureWidgetVisible(line);
    const QPoint at = line->mapTo(view.viewport(), QPoint(20, line->height() / 2));
    const QPointF place = sheetPlace(view, at);
    sendWheel(line, QPoint(20, line->height() / 2), 120, Qt::ControlModifier);
    QCOMPARE(view.zoom(), 110);
    QVERIFY((sheetPlace(view, at) - place).manhattanLength() < 1);
    QCOMPARE(view.viewport()->childAt(at), line);
    for (int half = 0; half < 3; ++half) sendWheel(line, QPoint(5, 5), -60, Qt::ControlModifier);
    QCOMPARE(view.zoom(), 100);
    const int scrolled = view.verticalScrollBar()->value();
    sendWheel(view.viewport(), QPoint(300, 200), -120, Qt::NoModifier);
    QCOMPARE(view.zoom(), 100);
    QVERIFY(view.verticalScrollBar()->value() > scrolled);
}

QTEST_MAIN(TestZoom)
#include "tst_zoom.moc"
