// The zoom of a bracket window: a click hits the line under the pointer at every zoom, the boxes
// stay editable, the picture scales as the page's does, the steps stop at 25 % and 400 %, Ctrl
// with the wheel zooms about the pointer, and each window keeps its own zoom.

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
#include "bridge/qt_geometry.h"
#include "bridge/qt_text.h"
#include "dialogs/text_input_dialog.h"
#include "documents/document_manager.h"
#include "gui_test_support.h"
#include "io/kaz_format.h"
#include "painting/bracket_renderer.h"
#include "view/line_widget.h"
#include "view/member_name_edit.h"
#include "view/third_place_line.h"

using namespace kaz::gui;
using namespace kaz::app;
using namespace kaz::render;
using namespace guitest;

namespace {

// What a point of the canvas shows: a bracket line, a side of the third-place match, or neither.
struct LineAt {
    int line = -1;
    int thirdPlaceSide = -1;
    bool operator==(const LineAt& o) const {
        return line == o.line && thirdPlaceSide == o.thirdPlaceSide;
    }
};

// True when pixel `p` of the canvas at `percent` shows a point of `rect` on the sheet.
bool shows(const kaz::Rect& rect, const QPoint& p, int percent) {
    return rect.left * percent <= p.x() * 100 && p.x() * 100 < rect.right() * percent &&
           rect.top * percent <= p.y() * 100 && p.y() * 100 < rect.bottom() * percent;
}

// Where the core's geometry puts pixel `p` of the canvas at `percent`.
LineAt expectedAt(const BracketView& view, const QPoint& p, int percent) {
    const kaz::SheetLayout& layout = view.sheetLayout();
    const int members = view.document()->memberCount();
    for (int line = 0; line < view.document()->bracket().lineCount(); ++line) {
        if (shows(kaz::sheetLineRect(layout, members, line), p, percent)) return {line, -1};
    }
    for (int side = 0; side < kaz::kThirdPlaceSides; ++side) {
        if (shows(layout.thirdPlace.lines[size_t(side)], p, percent)) return {-1, side};
    }
    return {};
}

// The line a click at pixel `p` of the canvas reaches, found as the window finds it.
LineAt widgetAt(BracketView& view, const QPoint& p) {
    const QPoint inWindow = view.canvas()->mapTo(view.window(), p);
    for (QWidget* w = view.window()->childAt(inWindow); w; w = w->parentWidget()) {
        if (auto* line = qobject_cast<LineWidget*>(w)) return {line->index(), -1};
        if (auto* side = qobject_cast<ThirdPlaceLine*>(w)) return {-1, side->side()};
    }
    return {};
}

// A pixel at most one from a corner of a random line at `percent`, where rounding would err.
QPoint nearCorner(const BracketView& view, QRandomGenerator& random, int percent) {
    const int line = int(random.bounded(view.document()->bracket().lineCount()));
    const kaz::Rect r =
        kaz::sheetLineRect(view.sheetLayout(), view.document()->memberCount(), line);
    const int x = (random.bounded(2) ? r.left : r.right()) * percent / 100;
    const int y = (random.bounded(2) ? r.top : r.bottom()) * percent / 100;
    return QPoint(x + int(random.bounded(-1, 2)), y + int(random.bounded(-1, 2)));
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

// The state a click on `at` changes.
kaz::LineState stateAt(const kaz::Bracket& bracket, const LineAt& at) {
    return at.line >= 0 ? bracket.lineState(at.line)
                        : kaz::thirdPlaceLineState(bracket, at.thirdPlaceSide);
}

void sendWheel(QWidget* over, const QPoint& at, int turn, Qt::KeyboardModifiers modifiers) {
    QWheelEvent wheel(at, over->mapToGlobal(at), QPoint(), QPoint(0, turn), Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    // As the window system delivers it: passed on to the parents while none takes it.
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    qApp->notify(over, &wheel);
}

// The view's place on the sheet under viewport point `at`, in the sheet's own pixels.
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
    void zoomedPictureIsThePagesPicture();
    void stepsStopAtTheEnds();
    void keysZoomFromANameBox_data();
    void keysZoomFromANameBox();
    void ctrlWheelZoomsAboutThePointer();
    void eachWindowHasItsOwnZoom();
    void largeBracketOpensWithinTheArea();
};

// Random zooms and random points of the canvas: the widget the window finds under a point is
// the line the core puts there at that zoom, or none, and a click there changes that line.
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
    if (fullSheet) {
        sheet.title = "大会";
        sheet.twoSided = true;
        sheet.thirdPlace = kaz::ThirdPlace::Match;
        sheet.matchNumbers = true;
        sheet.clubColumn = true;
    }
    BracketDocument doc{decidedBracket(members, sheet)};
    BracketView view(&doc);
    view.resize(640, 480);
    showExposed(view);
    QRandomGenerator random(members);
    int linesHit = 0;
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
            const LineAt expected = expectedAt(view, p, percent);
            QVERIFY2(
                widgetAt(view, p) == expected,
                qPrintable(
                    QStringLiteral("at %1 %, point (%2, %3)").arg(percent).arg(p.x()).arg(p.y())));
            if (expected == LineAt()) continue;
            ++linesHit;
            const kaz::LineState before = stateAt(doc.bracket(), expected);
            const int steps = doc.undoStack()->index();
            QTest::mouseClick(view.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                              view.canvas()->mapTo(&view, p));
            QVERIFY(stateAt(doc.bracket(), expected) != before);
            QCOMPARE(doc.undoStack()->index(), steps + 1);
            doc.undoStack()->undo();
        }
    }
    QVERIFY(linesHit > 0);
}

// Typing into a box at the smallest and the largest zoom sets the member's name; the box lies
// against its line at every zoom.
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
    QCOMPARE(view.zoom(), percent);
    const int member = 21;
    MemberNameEdit* box = view.nameEdits()[size_t(member)];
    QCOMPARE(box->geometry().right() + 1, view.lineWidgets()[size_t(member)]->x());
    QTest::mouseClick(box, Qt::LeftButton);
    QTRY_VERIFY(box->hasFocus());
    typeText(box, QStringLiteral("山田 太郎"));
    QCOMPARE(doc.bracket().memberName(member), toCp932Lenient(QStringLiteral("山田 太郎")));
    // Tab goes on to the next box and scrolls it into sight.
    QTest::keyClick(box, Qt::Key_Tab);
    MemberNameEdit* next = view.nameEdits()[size_t(member + 1)];
    QVERIFY(next->hasFocus());
    QVERIFY(view.viewport()->rect().contains(
        QRect(next->mapTo(view.viewport(), QPoint()), QSize(next->width() / 2, next->height()))));
    // F2 opens the score dialog at the member's line, wherever the zoom puts it.
    QTest::keyClick(next, Qt::Key_Right, Qt::AltModifier);
    QPoint opened;
    onNextDialog<ScoreDialog>([&opened](ScoreDialog* dialog) { opened = dialog->pos(); });
    QTest::keyClick(next, Qt::Key_F2);
    const QWidget* line = view.lineWidgets()[size_t(member + 1)];
    QCOMPARE(opened, line->mapToGlobal(QPoint(0, line->height() / 2)));
}

// At twice the size the lines show what a picture at twice the size shows, pixel for pixel, and
// back at the actual size the window is as it was.
void TestZoom::zoomedPictureIsThePagesPicture() {
    kaz::SheetInfo sheet;
    sheet.matchNumbers = true;
    BracketDocument doc{decidedBracket(8, sheet)};
    doc.setLineScore(0, "6-4");
    BracketView view(&doc);
    view.resize(toQSize(kaz::zoomed(view.sheetLayout().extent, 200)) + QSize(40, 40));
    showExposed(view);
    const QImage actual = view.canvas()->grab().toImage();
    view.setZoom(200);
    const QSize extent = toQSize(view.sheetLayout().extent);
    QImage picture(extent * 2, QImage::Format_RGB32);
    {
        QPainter painter(&picture);
        painter.scale(2, 2);
        renderBracket(painter, doc.bracket());
    }
    const int boxesEnd = kaz::sheetNameRect(view.sheetLayout(), 0).right() * 2;
    const QRect lines(boxesEnd, 0, picture.width() - boxesEnd, picture.height());
    QCOMPARE(view.canvas()->grab().toImage().copy(lines).convertToFormat(QImage::Format_RGB32),
             picture.copy(lines));
    view.setZoom(25);
    view.setZoom(100);
    QCOMPARE(view.canvas()->grab().toImage(), actual);
}

// 縮小 and 拡大 go a step at a time and stop at 25 % and 400 %; 実寸 is 100 % again. A zoom is
// no change of the bracket.
void TestZoom::stepsStopAtTheEnds() {
    MainWindow window;
    QVERIFY(!action(window, "viewZoomIn")->isEnabled());
    BracketView* view = newBracket(window);
    QVERIFY(view);
    QVERIFY(action(window, "viewZoomIn")->isEnabled());
    auto* pane = window.findChild<QLabel*>(QStringLiteral("zoomPane"));
    QVERIFY(pane && !pane->isVisible());
    for (const char* command : {"viewZoomOut", "viewZoomIn"}) {
        const bool in = command == std::string("viewZoomIn");
        for (int step = 0; step < 20; ++step) {
            const int before = view->zoom();
            action(window, command)->trigger();
            const int end = in ? kaz::kMostZoom : kaz::kLeastZoom;
            QVERIFY(before == end ? view->zoom() == end
                                  : (in ? view->zoom() > before : view->zoom() < before));
        }
        QCOMPARE(view->zoom(), in ? 400 : 25);
    }
    QVERIFY(pane->isVisible());
    QCOMPARE(pane->text(), QStringLiteral("拡大率 400%"));
    action(window, "viewActualSize")->trigger();
    QCOMPARE(view->zoom(), 100);
    QVERIFY(!pane->isVisible());
    QVERIFY(!view->document()->isChanged());
    QCOMPARE(view->document()->undoStack()->count(), 0);
}

// The keys zoom the active bracket while a name box has the focus, however the keyboard
// reports Ctrl++ (a Japanese keyboard's "+" is Shift and ";").
void TestZoom::keysZoomFromANameBox_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("expected");  // from 150 %
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const Qt::KeyboardModifiers ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    QTest::newRow("Ctrl++") << int(Qt::Key_Plus) << ctrl << 175;
    QTest::newRow("Ctrl+Shift++") << int(Qt::Key_Plus) << ctrlShift << 175;
    QTest::newRow("Ctrl+=") << int(Qt::Key_Equal) << ctrl << 175;
    QTest::newRow("Ctrl+Shift+;") << int(Qt::Key_Semicolon) << ctrlShift << 175;
    QTest::newRow("Ctrl+-") << int(Qt::Key_Minus) << ctrl << 125;
    QTest::newRow("Ctrl+0") << int(Qt::Key_0) << ctrl << 100;
}

void TestZoom::keysZoomFromANameBox() {
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, expected);
    MainWindow window;
    BracketView* view = newBracket(window);
    QVERIFY(view);
    view->setZoom(150);
    MemberNameEdit* box = view->nameEdits()[1];
    focus(box);
    QTest::keyClick(box, Qt::Key(key), modifiers);
    QCOMPARE(view->zoom(), expected);
    QCOMPARE(box->text(), QString());
}

// Ctrl with the wheel zooms a step a notch and keeps the place under the pointer where it was,
// so the same line stays under it; the wheel alone scrolls.
void TestZoom::ctrlWheelZoomsAboutThePointer() {
    BracketDocument doc{kaz::Bracket(128)};
    BracketView view(&doc);
    view.resize(600, 500);
    showExposed(view);
    view.verticalScrollBar()->setValue(1000);
    LineWidget* line = view.lineWidgets()[130];
    view.ensureWidgetVisible(line);
    const QPoint at = line->mapTo(view.viewport(), QPoint(20, line->height() / 2));
    const QPointF place = sheetPlace(view, at);
    sendWheel(line, QPoint(20, line->height() / 2), 120, Qt::ControlModifier);
    QCOMPARE(view.zoom(), 110);
    QVERIFY((sheetPlace(view, at) - place).manhattanLength() < 1);
    QCOMPARE(view.viewport()->childAt(at), line);
    // Half notches add up to a step.
    for (int half = 0; half < 3; ++half) sendWheel(line, QPoint(5, 5), -60, Qt::ControlModifier);
    QCOMPARE(view.zoom(), 100);
    const int scrolled = view.verticalScrollBar()->value();
    sendWheel(view.viewport(), QPoint(300, 200), -120, Qt::NoModifier);
    QCOMPARE(view.zoom(), 100);
    QVERIFY(view.verticalScrollBar()->value() > scrolled);
}

// Two windows on one bracket: the zoom is the active window's, and the status bar tells it.
void TestZoom::eachWindowHasItsOwnZoom() {
    MainWindow window;
    BracketView* first = newBracket(window, 2);
    QVERIFY(first);
    action(window, "windowNew")->trigger();
    BracketView* second = activeView(window);
    QVERIFY(second && second != first);
    action(window, "viewZoomIn")->trigger();
    QCOMPARE(second->zoom(), 110);
    QCOMPARE(first->zoom(), 100);
    auto* pane = window.findChild<QLabel*>(QStringLiteral("zoomPane"));
    QCOMPARE(pane->text(), QStringLiteral("拡大率 110%"));
    QVERIFY(pane->isVisible());
    window.mdiArea()->setActiveSubWindow(window.mdiArea()->subWindowList().front());
    QCOMPARE(activeView(window), first);
    QVERIFY(!pane->isVisible());
    action(window, "viewZoomOut")->trigger();
    QCOMPARE(first->zoom(), 90);
    QCOMPARE(second->zoom(), 110);
}

// A bracket of 128 members opens in a window within the main window's area, which scrolls.
void TestZoom::largeBracketOpensWithinTheArea() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.kaz"));
    QVERIFY(writeFile(path, QByteArray::fromStdString(kaz::writeKaz(kaz::Bracket(128)))));
    MainWindow window;
    window.resize(900, 700);
    showActive(window);
    QVERIFY(window.documentManager()->openDocumentFile(path));
    BracketWindow* child = activeBracketWindow(window);
    QVERIFY(child);
    const QRect area = window.mdiArea()->viewport()->rect();
    QVERIFY(area.contains(child->geometry()));
    QTRY_VERIFY(child->view()->verticalScrollBar()->isVisible());
    QVERIFY(child->view()->verticalScrollBar()->maximum() > 0);
}

QTEST_MAIN(TestZoom)
#include "tst_zoom.moc"
