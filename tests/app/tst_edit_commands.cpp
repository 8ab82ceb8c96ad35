// The 編集 menu through the real main window: undo and redo of the active bracket, the text
// commands on the focused box, and the whole bracket on the clipboard.

#include <QClipboard>
#include <QImage>
#include <QMdiArea>
#include <QMimeData>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include "app_test_support.h"
#include "document/bracket_document.h"
#include "documents/document_manager.h"
#include "view/line_widget.h"
#include "view/member_name_edit.h"

using namespace kaz::gui;
using namespace kaz::app;

using namespace guitest;

class TestEditCommands : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8()); }
    void undoRedoFollowTheActiveBracket();
    void textCommandsActOnTheFocusedBox();
    void bracketCopiedInThreeForms();

private:
    QTemporaryDir m_config;
};

// The trial's sequence through the menu: a name, a click, then 元に戻す takes back the click
// and keeps the name; each bracket window brings its own history.
void TestEditCommands::undoRedoFollowTheActiveBracket() {
    MainWindow frame;
    showActive(frame);
    BracketView* first = newBracket(frame);
    QAction* undo = action(frame, "editUndo");
    QAction* redo = action(frame, "editRedo");
    QVERIFY(!undo->isEnabled());
    typeText(first->nameEdits()[0], QStringLiteral("Zoe"));
    QTest::mouseClick(first->lineWidgets()[0], Qt::LeftButton);
    QVERIFY(undo->isEnabled());
    QCOMPARE(undo->statusTip(), QStringLiteral("元に戻す: 勝ち上がり"));
    undo->showStatusText(&frame);
    QCOMPARE(frame.statusBar()->currentMessage(), QStringLiteral("元に戻す: 勝ち上がり"));

    undo->trigger();
    QCOMPARE(first->document()->lineState(0), kaz::LineState::Open);
    QCOMPARE(first->nameEdits()[0]->text(), QStringLiteral("Zoe"));
    QVERIFY(redo->isEnabled());
    QCOMPARE(redo->statusTip(), QStringLiteral("やり直し: 勝ち上がり"));
    QCOMPARE(undo->statusTip(), QStringLiteral("元に戻す: 名前の入力"));

    // A second bracket has nothing to undo; back on the first, its history is there again.
    newBracket(frame);
    QVERIFY(!undo->isEnabled());
    QVERIFY(!redo->isEnabled());
    frame.mdiArea()->activatePreviousSubWindow();
    QVERIFY(redo->isEnabled());
    redo->trigger();
    QCOMPARE(first->document()->lineState(0), kaz::LineState::Won);
    frame.documentManager()->closeAllDocuments();
}

void TestEditCommands::textCommandsActOnTheFocusedBox() {
    MainWindow frame;
    showActive(frame);
    BracketView* view = newBracket(frame);
    QAction* cut = action(frame, "editCut");
    QAction* copy = action(frame, "editCopy");
    QAction* paste = action(frame, "editPaste");
    MemberNameEdit* box = view->nameEdits()[0];
    focus(box);
    typeText(box, QStringLiteral("田中"));
    QVERIFY(!copy->isEnabled());
    box->selectAll();
    QVERIFY(cut->isEnabled() && copy->isEnabled());
    copy->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("田中"));

    // 貼り付け from the menu fills the boxes below with a list, as the keys do.
    QGuiApplication::clipboard()->setText(QStringLiteral("佐藤\r\n鈴木\r\n"));
    MemberNameEdit* second = view->nameEdits()[1];
    focus(second);
    QVERIFY(paste->isEnabled());
    paste->trigger();
    QCOMPARE(second->text(), QStringLiteral("佐藤"));
    QCOMPARE(view->nameEdits()[2]->text(), QStringLiteral("鈴木"));

    focus(box);
    box->selectAll();
    cut->trigger();
    QCOMPARE(box->text(), QString());
    QCOMPARE(view->document()->memberNameText(0), QString());
    frame.documentManager()->closeAllDocuments();
}

void TestEditCommands::bracketCopiedInThreeForms() {
    MainWindow frame;
    showActive(frame);
    BracketView* view = newBracket(frame);
    BracketDocument* doc = view->document();
    doc->setMemberName(0, "Ann");
    doc->setMemberName(1, "Bob");
    doc->leftClickLine(0);
    doc->setLineScore(0, "3");
    winUpToTheFinal(*doc);
    doc->setChampion("Ann");
    action(frame, "copyBracket")->trigger();

    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    QImage picture;
    QVERIFY(picture.loadFromData(copied->data(QStringLiteral("image/png")), "PNG"));
    const QSize extent = view->bracketExtent();
    QCOMPARE(picture.size(), extent * 2);
    QVERIFY(copied->html().startsWith(QStringLiteral("<TABLE ")));
    QVERIFY(copied->html().endsWith(QStringLiteral("</TABLE>")));
    QVERIFY(copied->html().contains(QStringLiteral("Ann")));
    QVERIFY(copied->text().startsWith(QStringLiteral("準決勝\nAnn\t3\nBob\n")));
    // The rounds are named as the draw names them; the champion is listed once, at the end.
    QVERIFY(copied->text().contains(QStringLiteral("\n\n決勝\nAnn\n")));
    QVERIFY(copied->text().endsWith(QStringLiteral("\n\n優勝\nAnn\n")));
    QCOMPARE(copied->text().count(QStringLiteral("優勝")), 1);
    QCOMPARE(frame.statusBar()->currentMessage(), QStringLiteral("表をｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰしました。"));
    frame.documentManager()->closeAllDocuments();
}

QTEST_MAIN(TestEditCommands)
#include "tst_edit_commands.moc"
