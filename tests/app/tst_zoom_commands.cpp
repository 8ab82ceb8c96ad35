// 表示 → 拡大, 縮小 and 実寸 through the main window: the keys reach the active bracket from a
// name box, and each window, a pool stage's too, keeps its own zoom.

#include <QLabel>
#include <QScrollBar>
#include <QUndoStack>
#include <QtTest>

#include "app_test_support.h"
#include "documents/document_manager.h"
#include "documents/pool_stages.h"
#include "documents/pool_window.h"
#include "view/member_name_edit.h"
#include "view/pool_view.h"

using namespace kaz::gui;
using namespace kaz::app;
using namespace guitest;

class TestZoomCommands : public QObject {
    Q_OBJECT
private slots:
    void keysZoomFromANameBox_data();
    void keysZoomFromANameBox();
    void eachWindowHasItsOwnZoom();
};

// The keys zoom the active bracket from a name box, however the keyboard reports Ctrl++ (a
// Japanese keyboard's "+" is Shift and ";").
void TestZoomCommands::keysZoomFromANameBox_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("expected");  // from 150 %
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    QTest::newRow("Ctrl++") << int(Qt::Key_Plus) << ctrl << 175;
    QTest::newRow("Ctrl+Shift++") << int(Qt::Key_Plus) << (ctrl | Qt::ShiftModifier) << 175;
    QTest::newRow("Ctrl+=") << int(Qt::Key_Equal) << ctrl << 175;
    QTest::newRow("Ctrl+Shift+;") << int(Qt::Key_Semicolon) << (ctrl | Qt::ShiftModifier) << 175;
    QTest::newRow("Ctrl+-") << int(Qt::Key_Minus) << ctrl << 125;
    QTest::newRow("Ctrl+0") << int(Qt::Key_0) << ctrl << 100;
}

void TestZoomCommands::keysZoomFromANameBox() {
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

// A bracket of 128 members opens within the main window's area, scrolling. The commands act on
// the active window alone, stop at 25 % and 400 %, and change nothing of the bracket; the status
// bar tells a zoom other than 100 %.
void TestZoomCommands::eachWindowHasItsOwnZoom() {
    MainWindow window;
    window.resize(900, 700);
    QVERIFY(!action(window, "viewZoomIn")->isEnabled());
    BracketView* first = newBracket(window, 5);
    QVERIFY(first && first->document()->memberCount() == 128);
    QVERIFY(window.mdiArea()->viewport()->rect().contains(activeBracketWindow(window)->geometry()));
    QTRY_VERIFY(first->verticalScrollBar()->isVisible());
    auto* pane = window.findChild<QLabel*>(QStringLiteral("zoomPane"));
    QVERIFY(pane && !pane->isVisible());
    for (const char* command : {"viewZoomOut", "viewZoomIn"}) {
        for (int step = 0; step < 20; ++step) {
            const int before = first->zoom();
            action(window, command)->trigger();
            QVERIFY(QByteArray(command).endsWith("In") ? first->zoom() > before || before == 400
                                                       : first->zoom() < before || before == 25);
        }
    }
    QCOMPARE(first->zoom(), 400);
    QCOMPARE(pane->text(), QStringLiteral("拡大率 400%"));
    QVERIFY(pane->isVisible());
    action(window, "windowNew")->trigger();
    BracketView* second = activeView(window);
    QVERIFY(second && second != first);
    QVERIFY(!pane->isVisible());
    action(window, "viewZoomOut")->trigger();
    QCOMPARE(second->zoom(), 90);
    QCOMPARE(first->zoom(), 400);
    window.mdiArea()->setActiveSubWindow(window.mdiArea()->subWindowList().front());
    action(window, "viewActualSize")->trigger();
    QCOMPARE(first->zoom(), 100);
    QCOMPARE(second->zoom(), 90);
    // A pool stage's window zooms as a bracket's does.
    window.documentManager()->openNewPoolStage(drawnPoolStage());
    PoolWindow* pools = window.documentManager()->pools()->activeWindow();
    QVERIFY(pools);
    action(window, "viewZoomIn")->trigger();
    QCOMPARE(pools->view()->zoom(), 110);
    QCOMPARE(pane->text(), QStringLiteral("拡大率 110%"));
    QCOMPARE(first->zoom(), 100);
    QVERIFY(!first->document()->isChanged());
    QCOMPARE(first->document()->undoStack()->count(), 0);
}

QTEST_MAIN(TestZoomCommands)
#include "tst_zoom_commands.moc"
