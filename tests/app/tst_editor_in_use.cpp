// The editor as a user meets it: the view's colours, whole scores, a bold champion, the
// member-count dialog, titles, window keys and sizes, and refused characters explained.

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QUndoStack>

#include "app_test_support.h"
#include "bridge/fonts.h"
#include "dialogs/match_score_dialog.h"
#include "dialogs/text_input_dialog.h"
#include "document/bracket_document.h"
#include "documents/document_manager.h"
#include "scripted_desktop.h"
#include "text/cp932.h"
#include "view/line_widget.h"
#include "view/member_name_edit.h"

using namespace kaz::render;
using namespace kaz::gui;
using namespace kaz::app;

using namespace guitest;

namespace {

const QColor kScoreColor(0xFF, 0x90, 0x00);

int pixelsOf(const QImage& image, const QColor& color, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) count += image.pixelColor(x, y) == color;
    }
    return count;
}

// `text` drawn in `font` and the score colour on an image large enough to cut nothing.
QImage unclipped(const QFont& font, const QString& text) {
    QImage image(400, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(kScoreColor);
    painter.drawText(20, 40, text);
    return image;
}

}  // namespace

class TestEditorInUse : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void wholeViewInBackgroundColour();
    void longestScoresShowWhole_data();
    void longestScoresShowWhole();
    void championLooksBold();
    void newTakesAnItemOrItsNumber_data();
    void newTakesAnItemOrItsNumber();
    void titleNamesTheDocumentOnce();
    void windowKeys();
    void windowsOpenAtTheirBracketsSize();
    void refusedCharactersAreExplained();
    void clickRepaintsOnlyWhatChanged();

private:
    QTemporaryDir m_config;
};

void TestEditorInUse::initTestCase() { qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8()); }

void TestEditorInUse::wholeViewInBackgroundColour() {
    MainWindow window;
    window.resize(1280, 1024);
    showActive(window);
    BracketView* view = newBracket(window);
    kaz::ColorSet colors = view->document()->colors();
    colors.backgroundColor = "#102030";
    view->document()->setHtmlSettings(colors, false, false);
    activeBracketWindow(window)->showMaximized();
    QTRY_VERIFY(view->viewport()->width() > view->bracketExtent().width() + 100);

    const QImage image = view->viewport()->grab().toImage();
    const QColor back(0x10, 0x20, 0x30);
    const QSize extent = view->bracketExtent();
    for (const QPoint& p : {QPoint(extent.width() + 20, 10), QPoint(10, extent.height() + 20),
                            QPoint(image.width() - 1, image.height() - 1)}) {
        QVERIFY2(image.rect().contains(p), "the window is not larger than the bracket");
        QCOMPARE(image.pixelColor(p), back);
    }
}

void TestEditorInUse::longestScoresShowWhole_data() {
    QTest::addColumn<QString>("score");
    QTest::addColumn<int>("line");  // 0 an upper line, 1 a lower one
    for (int line : {0, 1}) {
        QTest::addRow("9 half-width digits, line %d", line) << QStringLiteral("123456789") << line;
        QTest::addRow("4 full-width and 1 half-width, line %d", line)
            << QStringLiteral("１２３４5") << line;
    }
}

// Every ink pixel of the score shows (as many as on an unclipped image), all of it left of the
// join, and the join is unbroken.
void TestEditorInUse::longestScoresShowWhole() {
#ifdef Q_OS_WIN
    QSKIP(
        "the offscreen platform on Windows reads the faces with FreeType's full hinting, "
        "whose digits are wider than any Windows face draws them");
#endif
    QFETCH(QString, score);
    QFETCH(int, line);
    BracketDocument doc{namedBracket(4)};
    doc.setLineScore(line, score.toStdString());
    BracketView view(&doc);
    showExposed(view);
    LineWidget* widget = view.lineWidgets()[size_t(line)];
    const QImage image = widget->grab().toImage();

    const int expected =
        pixelsOf(unclipped(japaneseFontPixels(12), score), kScoreColor, QRect(0, 0, 400, 60));
    QVERIFY(expected > 0);
    QCOMPARE(pixelsOf(image, kScoreColor, image.rect()), expected);
    const int joinLeft = widget->width() - 3;  // the 7-pixel join is centred on the right edge
    QCOMPARE(pixelsOf(image, kScoreColor, QRect(joinLeft, 0, 3, image.height())), 0);
    const QColor lose(0x80, 0x80, 0x80);
    const int m = widget->height() / 2;
    const int from = line == 0 ? m + 2 : 0;
    const int to = line == 0 ? widget->height() : m - 2;
    for (int y = from; y < to; ++y) QCOMPARE(image.pixelColor(widget->width() - 1, y), lose);
}

// Weight 600 in a family without such a face still looks bold: more ink than the regular face.
void TestEditorInUse::championLooksBold() {
    kaz::Bracket bracket(4);
    bracket.setChampion("\x97\x44\x8F\x9F");  // 優勝, as a file may hold it
    BracketDocument doc{bracket};
    BracketView view(&doc);
    showExposed(view);
    const QImage image = view.canvas()->grab().toImage();
    const int drawn = pixelsOf(image, kScoreColor, image.rect());
    const int regular = pixelsOf(unclipped(japaneseFontPixels(14), QStringLiteral("優勝")),
                                 kScoreColor, QRect(0, 0, 400, 60));
    QVERIFY2(drawn > regular * 5 / 4,
             qPrintable(QStringLiteral("%1 / %2").arg(drawn).arg(regular)));
}

void TestEditorInUse::newTakesAnItemOrItsNumber_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("windows");
    QTest::newRow("an item") << QStringLiteral("8人用") << 1;
    QTest::newRow("an item's number") << QStringLiteral("8") << 1;
    QTest::newRow("the start of an item") << QStringLiteral("3") << 0;
    QTest::newRow("an item without its end") << QStringLiteral("16人") << 0;
}

void TestEditorInUse::newTakesAnItemOrItsNumber() {
    QFETCH(QString, typed);
    QFETCH(int, windows);
    MainWindow window;
    showActive(window);
    onNextDialog<MemberCountDialog>([typed](MemberCountDialog* dialog) {
        QLineEdit* edit = dialog->comboBox()->lineEdit();
        QApplication::setActiveWindow(dialog);
        edit->setFocus();
        edit->clear();
        typeText(edit, typed);
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        // A text that is no size keeps the dialog open.
        if (dialog->isVisible()) dialog->reject();
    });
    action(window, "fileNew")->trigger();
    QCOMPARE(window.mdiArea()->subWindowList().size(), windows);
}

void TestEditorInUse::titleNamesTheDocumentOnce() {
    MainWindow window;
    showActive(window);
    newBracket(window);
    newBracket(window);
    const QString title = QStringLiteral("カズボー - 新しいトーナメント表2");
    QCOMPARE(shownTitle(&window), title);
    activeBracketWindow(window)->showMaximized();
    QCOMPARE(shownTitle(&window), title);
    action(window, "windowNew")->trigger();  // its caption ends in ":2"
    QCOMPARE(shownTitle(activeBracketWindow(window)), QStringLiteral("新しいトーナメント表2:2"));
    QCOMPARE(shownTitle(&window), title);
    activeBracketWindow(window)->showNormal();
    QCOMPARE(shownTitle(&window), title);
}

void TestEditorInUse::windowKeys() {
    MainWindow window;
    showActive(window);
    newBracket(window);
    newBracket(window);
    newBracket(window);
    QMdiArea* area = window.mdiArea();
    const auto windows = area->subWindowList(QMdiArea::CreationOrder);
    for (QMdiSubWindow* child : windows) {
        for (QAction* action : child->systemMenu()->actions()) QVERIFY(!action->isCheckable());
    }
    QCOMPARE(area->activeSubWindow(), windows[2]);
    QTest::keyClick(&window, Qt::Key_F6, Qt::ControlModifier);
    QVERIFY(area->activeSubWindow() != windows[2]);
    QTest::keyClick(&window, Qt::Key_F6, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(area->activeSubWindow(), windows[2]);

    // Ctrl+F4 closes the active window, asking first where it was changed.
    activeView(window)->document()->setMemberName(0, "x");
    ScriptedDesktop desktop;
    desktop.saveQuestionAnswers.enqueue(DesktopServices::SaveAnswer::No);
    QTest::keyClick(&window, Qt::Key_F4, Qt::ControlModifier);
    QCOMPARE(desktop.questions.size(), 1);
    QTRY_COMPARE(area->subWindowList().size(), 2);
    // A pool stage's window alike.
    window.documentManager()->openNewPoolStage(drawnPoolStage());
    for (QAction* action : area->activeSubWindow()->systemMenu()->actions())
        QVERIFY(!action->isCheckable());
    desktop.saveQuestionAnswers.enqueue(DesktopServices::SaveAnswer::No);
    QTest::keyClick(&window, Qt::Key_F4, Qt::ControlModifier);
    QCOMPARE(desktop.questions.size(), 2);
    QTRY_COMPARE(area->subWindowList().size(), 2);
}

void TestEditorInUse::windowsOpenAtTheirBracketsSize() {
    MainWindow window;
    window.resize(1280, 1024);
    showActive(window);
    QMdiSubWindow* first = newBracket(window, 1) ? activeBracketWindow(window) : nullptr;
    QVERIFY(first);
    BracketView* view = activeView(window);
    // The whole 8-member bracket shows: there is nothing to scroll.
    QCOMPARE(view->horizontalScrollBar()->maximum(), 0);
    QCOMPARE(view->verticalScrollBar()->maximum(), 0);
    QVERIFY(view->viewport()->width() >= view->bracketExtent().width());

    newBracket(window, 0);
    QMdiSubWindow* second = activeBracketWindow(window);
    QVERIFY(second->x() > first->x());  // the first window's left edge stays in sight
    QVERIFY(second->y() > first->y());
    QCOMPARE(activeView(window)->verticalScrollBar()->maximum(), 0);

    // A 32-member bracket is taller than the area: the window stays inside it.
    newBracket(window, 3);
    QVERIFY(activeBracketWindow(window)->geometry().bottom() < window.mdiArea()->height());
}

void TestEditorInUse::refusedCharactersAreExplained() {
    MainWindow window;
    showActive(window);
    BracketView* view = newBracket(window);
    typeText(view->nameEdits()[0], QStringLiteral("Aé"));    // é is kept, beyond Shift_JIS
    view->nameEdits()[0]->insert(QStringLiteral("\u0007"));  // no field takes a control character
    QCOMPARE(view->nameEdits()[0]->text(), QStringLiteral("Aé"));
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("この文字は使えません。"));

    // In a dialog the reason shows in the dialog, where the user is typing, not behind it.
    QString told;
    onNextDialog<MatchScoreDialog>([&told](MatchScoreDialog* dialog) {
        typeText(dialog->field(0), QString(33, '1'));
        QCOMPARE(dialog->field(0)->text(), QString(32, '1'));
        if (auto* line = dialog->findChild<QLabel*>(QStringLiteral("refusalLine"))) {
            if (line->isVisible()) told = line->text();
        }
        dialog->reject();
    });
    QTest::mouseClick(view->lineWidgets()[0], Qt::RightButton);
    QCOMPARE(told, QStringLiteral("点数は 32 文字までです。"));
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("この文字は使えません。"));

    // The next prompt replaces it, and the idle text comes back after it.
    QStatusTipEvent leave{QString()};
    QApplication::sendEvent(&window, &leave);
    QCOMPARE(window.statusBar()->currentMessage(),
             QStringLiteral("ﾍﾙﾌﾟを表示するには [F1] を押してください。"));
}

// A click on a line leaves the focus in its name box and repaints just the lines it changed,
// not their neighbours.
void TestEditorInUse::clickRepaintsOnlyWhatChanged() {
    MainWindow window;
    showActive(window);
    BracketView* view = newBracket(window, 1);
    view->document()->setMemberName(0, "x");
    focus(view->nameEdits()[2]);
    QApplication::processEvents();

    // Only the bracket's own widgets count: the toolbar's undo button repaints as it wakes.
    struct PaintCounter : QObject {
        QWidget* view = nullptr;
        QStringList painted;
        bool eventFilter(QObject* watched, QEvent* event) override {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (event->type() == QEvent::Paint && widget && view->isAncestorOf(widget)) {
                painted << QString(watched->metaObject()->className()).section("::", -1);
            }
            return false;
        }
    } counter;
    counter.view = view;
    qApp->installEventFilter(&counter);
    QTest::mouseClick(view->lineWidgets()[0], Qt::LeftButton);  // lines 0 and 8 change
    QApplication::processEvents();
    QVERIFY(view->nameEdits()[2]->hasFocus());
    QCOMPARE(counter.painted, QStringList({"LineWidget", "LineWidget"}));

    // The champion's name, set or undone, repaints its own band of the surface alone.
    winUpToTheFinal(*view->document());
    QApplication::processEvents();
    for (bool undo : {false, true}) {
        counter.painted.clear();
        if (undo) {
            view->document()->undoStack()->undo();
        } else {
            view->document()->setChampion("A");
        }
        QApplication::processEvents();
        QCOMPARE(counter.painted, QStringList({"BracketCanvas"}));
    }
    qApp->removeEventFilter(&counter);
}

QTEST_MAIN(TestEditorInUse)
#include "tst_editor_in_use.moc"
