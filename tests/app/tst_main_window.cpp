// The application shell through the real main window; the scripted desktop answers every
// file chooser and question.

#include <sys/stat.h>

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QtTest>
#include <functional>
#include <memory>

#include "app_test_support.h"
#include "dialogs/member_count_dialog.h"
#include "document/bracket_document.h"
#include "documents/bracket_window.h"
#include "documents/document_manager.h"
#include "io/kaz_format.h"
#include "scripted_desktop.h"
#include "settings/profile_settings.h"
#include "shell/main_window.h"
#include "view/bracket_view.h"
#include "view/line_widget.h"
#include "view/member_name_edit.h"

using namespace kaz::gui;
using namespace kaz::app;

using namespace guitest;

namespace {

void closeNextDialog() {
    onNextDialog<QDialog>([](QDialog* dialog) { dialog->reject(); });
}

// Each item's text, "-" for a separator.
QStringList menuItems(QMenu* menu) {
    QStringList items;
    for (QAction* action : menu->actions()) {
        items << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return items;
}

// The recent-file entries of a ﾌｧｲﾙ menu ("&1 path", …).
QList<QAction*> recentEntries(QMenu* menu) {
    QList<QAction*> entries;
    for (QAction* action : menu->actions()) {
        if (action->text().startsWith(QLatin1Char('&'))) entries << action;
    }
    return entries;
}

QStringList texts(const QList<QAction*>& actions) {
    QStringList list;
    for (QAction* action : actions) list << action->text();
    return list;
}

QStringList menuTitles(MainWindow& frame) {
    QStringList titles;
    for (QAction* action : frame.menuBar()->actions()) titles << action->text();
    return titles;
}

QMenu* menuNamed(MainWindow& frame, const QString& title) {
    for (QAction* action : frame.menuBar()->actions()) {
        if (action->text() == title) return action->menu();
    }
    return nullptr;
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void menusWithoutBracket();
    void menusWithBracket();
    void newCancelledKeepsTitleNumber();
    void placeIsKeptWhileRunning();
    void shortcutsReachTheirCommands_data();
    void shortcutsReachTheirCommands();
    void editKeysStayWithNameBox();
    void toolbarAndStatusBar();
    void saveThenOpenGivesBackTheBracket_data();
    void saveThenOpenGivesBackTheBracket();
    void commandsTellWhatTheyDid_data();
    void commandsTellWhatTheyDid();
    void newBracketProposesItsFolder();
    void saveQuestion_data();
    void saveQuestion();
    void saveQuestionOnEveryClosePath_data();
    void saveQuestionOnEveryClosePath();
    void failedSaveKeepsFileAndQuestion();
    void openFailures_data();
    void openFailures();
    void secondWindowOnOneBracket();
    void manyWindows();
    void recentFilesAcrossRestart();

private:
    QTemporaryDir m_config;
};

void TestMainWindow::initTestCase() {
    // Settings of this run stay apart from the user's own.
    qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
}

void TestMainWindow::menusWithoutBracket() {
    MainWindow frame;
    QCOMPARE(shownTitle(&frame), QStringLiteral("カズボー"));
    QCOMPARE(menuTitles(frame), QStringList({"ﾌｧｲﾙ(&F)", "表示(&V)", "ﾍﾙﾌﾟ(&H)"}));
    QVERIFY(!action(frame, "noRecentFiles")->isEnabled());
    QVERIFY(menuNamed(frame, "ﾍﾙﾌﾟ(&H)")->actions().contains(action(frame, "help")));
    // Without a bracket window the bracket's commands do nothing.
    ScriptedDesktop desktop;
    showActive(frame);
    QTest::keyClick(&frame, Qt::Key_T, Qt::ControlModifier);
    QTest::keyClick(&frame, Qt::Key_H, Qt::ControlModifier);
    QTest::keyClick(&frame, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(&frame, Qt::Key_P, Qt::ControlModifier);
    QVERIFY(desktop.saveRequests.isEmpty());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void TestMainWindow::menusWithBracket() {
    MainWindow frame;
    showActive(frame);
    newBracket(frame);
    QCOMPARE(frame.mdiArea()->subWindowList().size(), 1);
    QCOMPARE(shownTitle(&frame), QStringLiteral("カズボー - 新しいトーナメント表1"));
    QCOMPARE(menuTitles(frame), QStringList({"ﾌｧｲﾙ(&F)", "編集(&E)", "ツール(&T)", "表示(&V)",
                                             "ｳｨﾝﾄﾞｳ(&W)", "ﾍﾙﾌﾟ(&H)"}));
    // Nothing to undo, redo, cut, copy or paste yet; the bracket itself can be copied.
    for (QAction* item : menuNamed(frame, "編集(&E)")->actions()) {
        QVERIFY(item->isSeparator() || item->isEnabled() == (item == action(frame, "copyBracket")));
    }
    // Every item of every menu tells what it does in the status bar.
    for (QAction* title : frame.menuBar()->actions()) {
        for (QAction* item : title->menu()->actions()) {
            if (item->isSeparator()) continue;
            QVERIFY2(!item->statusTip().isEmpty(), qPrintable(item->text()));
            item->showStatusText(&frame);
            QCOMPARE(frame.statusBar()->currentMessage(), item->statusTip());
        }
    }
    QVERIFY(action(frame, "htmlExport")->isEnabled());
    QVERIFY(menuNamed(frame, "ﾍﾙﾌﾟ(&H)")->actions().contains(action(frame, "help")));
    // The last bracket window closing brings the short menu back.
    frame.mdiArea()->closeAllSubWindows();
    QTRY_COMPARE(menuTitles(frame), QStringList({"ﾌｧｲﾙ(&F)", "表示(&V)", "ﾍﾙﾌﾟ(&H)"}));
    QCOMPARE(shownTitle(&frame), QStringLiteral("カズボー"));
    QVERIFY(!action(frame, "htmlExport")->isEnabled());
}

// The window's size is kept as it changes, not only when the editor ends: after a crash, the
// next start takes it too.
void TestMainWindow::placeIsKeptWhileRunning() {
    MainWindow frame;
    showActive(frame);
    const QSize size = frame.size() + QSize(37, 23);
    frame.resize(size);
    MainWindow next;
    QTRY_COMPARE_WITH_TIMEOUT((next.restorePlace(), next.size()), size, 3000);
}

void TestMainWindow::newCancelledKeepsTitleNumber() {
    MainWindow frame;
    showActive(frame);
    closeNextDialog();
    action(frame, "fileNew")->trigger();
    QCOMPARE(frame.mdiArea()->subWindowList().size(), 0);
    onNextDialog<MemberCountDialog>([](MemberCountDialog* dialog) {
        dialog->comboBox()->setEditText(QStringLiteral("5人用"));
        dialog->accept();
        QVERIFY(dialog->isVisible());  // no such size: the dialog stays until cancelled
        dialog->reject();
    });
    action(frame, "fileNew")->trigger();
    QCOMPARE(frame.mdiArea()->subWindowList().size(), 0);
    newBracket(frame, 3);
    QCOMPARE(shownTitle(frame.mdiArea()->currentSubWindow()),
             QStringLiteral("新しいトーナメント表1"));
    QCOMPARE(activeView(frame)->document()->memberCount(), 32);
    newBracket(frame, 1);
    QCOMPARE(shownTitle(frame.mdiArea()->currentSubWindow()),
             QStringLiteral("新しいトーナメント表2"));
    frame.documentManager()->closeAllDocuments();
}

void TestMainWindow::shortcutsReachTheirCommands_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Ctrl+O") << int(Qt::Key_O) << int(Qt::ControlModifier) << "open";
    QTest::newRow("Ctrl+S") << int(Qt::Key_S) << int(Qt::ControlModifier) << "save";
    QTest::newRow("Ctrl+Shift+S") << int(Qt::Key_S) << int(Qt::ControlModifier | Qt::ShiftModifier)
                                  << "save";
    QTest::newRow("Ctrl+Q") << int(Qt::Key_Q) << int(Qt::ControlModifier) << "quit";
    QTest::newRow("Ctrl+T") << int(Qt::Key_T) << int(Qt::ControlModifier) << "export";
    QTest::newRow("Ctrl+H") << int(Qt::Key_H) << int(Qt::ControlModifier) << "dialog";
    QTest::newRow("Ctrl+N") << int(Qt::Key_N) << int(Qt::ControlModifier) << "dialog";
    QTest::newRow("F1") << int(Qt::Key_F1) << int(Qt::NoModifier) << "dialog";
    QTest::newRow("Shift+F1") << int(Qt::Key_F1) << int(Qt::ShiftModifier) << "dialog";
}

void TestMainWindow::shortcutsReachTheirCommands() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, expected);
    MainWindow frame;
    showActive(frame);
    newBracket(frame);
    MemberNameEdit* box = activeView(frame)->nameEdits()[0];
    focus(box);

    ScriptedDesktop desktop;
    bool dialogSeen = false;
    if (expected == "open") desktop.openAnswers.enqueue(QString());
    if (expected == "save" || expected == "export") desktop.saveAnswers.enqueue(QString());
    if (expected == "quit") {
        activeView(frame)->document()->setMemberName(1, "A");
        desktop.saveQuestionAnswers.enqueue(DesktopServices::SaveAnswer::Cancel);
    }
    if (expected == "dialog") {
        onNextDialog<QDialog>([&dialogSeen](QDialog* dialog) {
            dialogSeen = true;
            dialog->reject();
        });
    }
    QTest::keyClick(box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    if (expected == "open") QCOMPARE(desktop.openRequests.size(), 1);
    if (expected == "save") QCOMPARE(desktop.saveRequests.value(0).title, "名前を付けて保存");
    if (expected == "export") QCOMPARE(desktop.saveRequests.value(0).defaultSuffix, "html");
    if (expected == "dialog") QVERIFY(dialogSeen);
    if (expected == "quit") QCOMPARE(desktop.questions.size(), 1);
    QCOMPARE(box->text(), QString());  // the key went to its command, not into the box
    frame.documentManager()->closeAllDocuments();
}

void TestMainWindow::editKeysStayWithNameBox() {
    MainWindow frame;
    showActive(frame);
    newBracket(frame);
    const auto& boxes = activeView(frame)->nameEdits();
    focus(boxes[0]);
    typeText(boxes[0], QStringLiteral("田中"));
    QTest::keyClick(boxes[0], Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(boxes[0], Qt::Key_C, Qt::ControlModifier);
    focus(boxes[1]);
    QTest::keyClick(boxes[1], Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(boxes[1]->text(), QStringLiteral("田中"));
    QTest::keyClick(boxes[1], Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(boxes[1]->text(), QString());
    frame.documentManager()->closeAllDocuments();
}

void TestMainWindow::toolbarAndStatusBar() {
    MainWindow frame;
    // Every button is a menu command itself, shown by a picture of its own.
    QSet<QAction*> inMenus;
    for (QMenu* menu : frame.findChildren<QMenu*>()) {
        for (QAction* item : menu->actions()) inMenus.insert(item);
    }
    for (QAction* button : frame.toolBar()->actions()) {
        if (button->isSeparator()) continue;
        QVERIFY2(inMenus.contains(button), qPrintable(button->text()));
        QVERIFY(!button->icon().isNull());
        QVERIFY(!button->toolTip().isEmpty());
    }
    QCOMPARE(frame.toolBar()->iconSize(), QSize(16, 15));
    QCOMPARE(frame.toolBar()->allowedAreas(), Qt::AllToolBarAreas);
    QVERIFY(frame.toolBar()->isMovable());

    QCOMPARE(frame.statusBar()->currentMessage(),
             QStringLiteral("ﾍﾙﾌﾟを表示するには [F1] を押してください。"));
    QStatusTipEvent tip(QStringLiteral("既存のﾌｧｲﾙを開く"));
    QApplication::sendEvent(&frame, &tip);
    QCOMPARE(frame.statusBar()->currentMessage(), QStringLiteral("既存のﾌｧｲﾙを開く"));
    QStatusTipEvent leave{QString()};
    QApplication::sendEvent(&frame, &leave);
    QCOMPARE(frame.statusBar()->currentMessage(),
             QStringLiteral("ﾍﾙﾌﾟを表示するには [F1] を押してください。"));
    QStringList panes;
    for (QLabel* pane : frame.indicatorPanes()) panes << pane->objectName();
    QCOMPARE(panes, QStringList({"ｶﾅ", "CAP", "NUM", "SCRL"}));

    showActive(frame);
    QVERIFY(action(frame, "viewToolBar")->isChecked());
    action(frame, "viewToolBar")->trigger();
    QVERIFY(!frame.toolBar()->isVisible());
    QVERIFY(!action(frame, "viewToolBar")->isChecked());
    action(frame, "viewStatusBar")->trigger();
    QVERIFY(!frame.statusBar()->isVisible());
    QVERIFY(!action(frame, "viewStatusBar")->isChecked());
}

// Where a user's disk puts a bracket: a name in Japanese, a folder too, a path longer than the
// 260 characters Windows' file calls once allowed.
void TestMainWindow::saveThenOpenGivesBackTheBracket_data() {
    QTest::addColumn<QString>("relativePath");
    QTest::newRow("Japanese name") << QStringLiteral("大会.kaz");
    QTest::newRow("Japanese folder and name") << QStringLiteral("県大会/１回戦の記録.kaz");
    QString deep;
    while (deep.size() < 300) deep += QStringLiteral("a-folder-of-forty-characters-each-012345/");
    QTest::newRow("longer than 260 characters") << deep + QStringLiteral("bracket.kaz");
}

void TestMainWindow::saveThenOpenGivesBackTheBracket() {
    QFETCH(QString, relativePath);
    QTemporaryDir dir;
    const QString path = dir.filePath(relativePath);
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    MainWindow frame;
    showActive(frame);
    newBracket(frame, 1);
    BracketView* view = activeView(frame);
    BracketDocument* doc = view->document();
    typeText(view->nameEdits()[0], QStringLiteral("選手A"));
    typeText(view->nameEdits()[7], QStringLiteral("ﾊﾝｶｸ"));
    QTest::mouseClick(view->lineWidgets()[0], Qt::LeftButton);
    QTest::mouseClick(view->lineWidgets()[8], Qt::LeftButton);
    doc->setLineScore(0, "3");
    winUpToTheFinal(*doc);
    doc->setChampion("優勝");
    kaz::ColorSet colors;
    colors.backgroundColor = "#EEEEEE";
    doc->setHtmlSettings(colors, true, true);
    const kaz::Bracket before = doc->bracket();

    ScriptedDesktop desktop;
    desktop.saveAnswers.enqueue(path);
    QTest::keyClick(&frame, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(QFileInfo(desktop.saveRequests.value(0).proposed).fileName(),
             QStringLiteral("新しいトーナメント表1.kaz"));
    QCOMPARE(desktop.saveRequests.value(0).filters,
             QStringList({"kaz ﾌｧｲﾙ (*.kaz)", "すべてのﾌｧｲﾙ (*.*)"}));
    QCOMPARE(readFile(path), QByteArray::fromStdString(kaz::writeKaz(before)));
    QCOMPARE(shownTitle(frame.mdiArea()->currentSubWindow()), QFileInfo(path).fileName());
    QVERIFY(!doc->isChanged());
    frame.mdiArea()->currentSubWindow()->close();  // saved: nothing to ask
    QTRY_COMPARE(frame.mdiArea()->subWindowList().size(), 0);

    desktop.openAnswers.enqueue(path);
    action(frame, "fileOpen")->trigger();
    QCOMPARE(desktop.openRequests.value(0).title, QStringLiteral("開く"));
    BracketView* reopened = activeView(frame);
    QVERIFY(reopened);
    const kaz::Bracket& after = reopened->document()->bracket();
    QCOMPARE(reopened->nameEdits()[0]->text(), QStringLiteral("選手A"));
    QCOMPARE(reopened->nameEdits()[7]->text(), QStringLiteral("ﾊﾝｶｸ"));
    for (int i = 0; i < before.lineCount(); ++i) {
        QCOMPARE(after.lineState(i), before.lineState(i));
        QCOMPARE(after.lineScore(i), before.lineScore(i));
    }
    QCOMPARE(after.champion(), before.champion());
    QVERIFY(after.colors() == before.colors());
    QVERIFY(!after.boldMemberNames());
    QVERIFY(!after.boldScores());
    QVERIFY(!reopened->document()->isChanged());
    // Stored again in place, over the file that is there, with nothing left beside it.
    reopened->document()->setMemberName(1, "\x8D\xB2\x93\xA1");  // 佐藤
    action(frame, "fileSave")->trigger();
    QCOMPARE(readFile(path),
             QByteArray::fromStdString(kaz::writeKaz(reopened->document()->bracket())));
    QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files),
             QStringList{QFileInfo(path).fileName()});
    QCOMPARE(desktop.errors, QStringList());
    frame.documentManager()->closeAllDocuments();
}

void TestMainWindow::commandsTellWhatTheyDid_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("title");  // of the bracket afterwards, as shown
    QTest::addColumn<QString>("message");
    QTest::newRow("save") << "fileSave"
                          << "a.kaz"
                          << "保存しました";
    QTest::newRow("undo back to the stored content") << "editUndo"
                                                     << "a.kaz"
                                                     << "元に戻しました: 勝ち上がり";
    QTest::newRow("Ctrl+Z in a name box") << "nameBoxUndo"
                                          << "a.kaz"
                                          << "元に戻しました: 勝ち上がり";
    QTest::newRow("redo") << "editRedo"
                          << "a.kaz*"
                          << "やり直しました: 勝ち上がり";
}

// The child window's caption and the main window's title carry the mark while the bracket
// differs from what was stored; the status bar says what a command did, for a few seconds.
void TestMainWindow::commandsTellWhatTheyDid() {
    QFETCH(QString, command);
    QFETCH(QString, title);
    QFETCH(QString, message);
    QTemporaryDir dir;
    MainWindow frame;
    showActive(frame);
    BracketView* view = newBracket(frame);
    QMdiSubWindow* child = frame.mdiArea()->currentSubWindow();
    QCOMPARE(shownTitle(child), QStringLiteral("新しいトーナメント表1"));
    // A member with a name, stored: the click then makes the one change.
    ScriptedDesktop desktop;
    typeText(view->nameEdits()[0], QStringLiteral("x"));
    desktop.saveAnswers.enqueue(dir.filePath(QStringLiteral("a.kaz")));
    action(frame, "fileSave")->trigger();
    QTest::mouseClick(view->lineWidgets()[0], Qt::LeftButton);
    QCOMPARE(shownTitle(child), QStringLiteral("a.kaz*"));
    QCOMPARE(shownTitle(&frame), QStringLiteral("カズボー - a.kaz*"));
    if (command == "editRedo") action(frame, "editUndo")->trigger();

    if (command == "nameBoxUndo") {
        QTest::keyClick(view->nameEdits()[0], Qt::Key_Z, Qt::ControlModifier);
    } else {
        action(frame, command.toLatin1().constData())->trigger();
    }
    QCOMPARE(shownTitle(child), title);
    QCOMPARE(shownTitle(&frame), QStringLiteral("カズボー - ") + title);
    QCOMPARE(frame.statusBar()->currentMessage(), message);
    // A few seconds later the bar is back at its idle text (waited for in one row only).
    if (command == "fileSave") {
        QTRY_COMPARE_WITH_TIMEOUT(frame.statusBar()->currentMessage(),
                                  QStringLiteral("ﾍﾙﾌﾟを表示するには [F1] を押してください。"),
                                  8000);
    }
    frame.documentManager()->closeAllDocuments();
}

// A new bracket is proposed in the folder of the last bracket opened or stored, else (none, or
// that folder gone) in the user's Documents folder; never in the working folder, which is the
// program's own when started from the Start menu. So are the exports of a new bracket.
void TestMainWindow::newBracketProposesItsFolder() {
    QTemporaryDir home;
    const QString ownDocuments = home.filePath(QStringLiteral("文書"));
    const QString program = home.filePath(QStringLiteral("Program Files/Kazbo"));
    QVERIFY(QDir().mkpath(ownDocuments) && QDir().mkpath(program));
    // Where the system reads the user's folders from a file (XDG), the Documents folder is the
    // test's own; elsewhere it is the user's.
    const QString userDirs = m_config.filePath(QStringLiteral("user-dirs.dirs"));
    QVERIFY(writeFile(userDirs, "XDG_DOCUMENTS_DIR=\"" + ownDocuments.toUtf8() + "\"\n"));
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QVERIFY(!documents.isEmpty() && documents != program);
    const QString working = QDir::currentPath();
    QVERIFY(QDir::setCurrent(program));
    profileSettings().remove(QStringLiteral("Recent File List"));
    profileSettings().remove(QStringLiteral("Settings/LastExportFolder"));
    ScriptedDesktop desktop;
    MainWindow frame;
    showActive(frame);
    const auto proposedForNew = [&](const char* command) {
        newBracket(frame);
        desktop.saveAnswers.enqueue(QString());
        action(frame, command)->trigger();
        frame.documentManager()->closeAllDocuments();
        return QFileInfo(desktop.saveRequests.last().proposed).absolutePath();
    };
    QCOMPARE(proposedForNew("fileSaveAs"), documents);
    QCOMPARE(proposedForNew("htmlExport"), documents);
    const QString chosen = home.filePath(QStringLiteral("大会"));
    QVERIFY(QDir().mkpath(chosen));
    newBracket(frame);
    desktop.saveAnswers.enqueue(chosen + QStringLiteral("/a.kaz"));
    action(frame, "fileSaveAs")->trigger();
    frame.documentManager()->closeAllDocuments();
    QCOMPARE(proposedForNew("fileSaveAs"), chosen);
    QVERIFY(QDir(chosen).removeRecursively());
    QCOMPARE(proposedForNew("fileSaveAs"), documents);
    QVERIFY(QDir::setCurrent(working));
    QVERIFY(QFile::remove(userDirs));
}

void TestMainWindow::saveQuestion_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("asked");
    QTest::newRow("untouched") << "" << false;
    QTest::newRow("name typed") << "name" << true;
    QTest::newRow("name typed and removed again") << "name back" << false;
    QTest::newRow("line clicked") << "line" << true;
    QTest::newRow("line clicked round back") << "line back" << false;
    QTest::newRow("score") << "score" << true;
    QTest::newRow("champion") << "champion" << true;
    QTest::newRow("colour") << "colour" << true;
    QTest::newRow("bold only") << "bold" << false;
}

void TestMainWindow::saveQuestion() {
    QFETCH(QString, change);
    QFETCH(bool, asked);
    MainWindow frame;
    showActive(frame);
    newBracket(frame);
    BracketView* view = activeView(frame);
    BracketDocument* doc = view->document();
    if (change.startsWith("name")) typeText(view->nameEdits()[2], QStringLiteral("x"));
    if (change == "name back") QTest::keyClick(view->nameEdits()[2], Qt::Key_Backspace);
    if (change.startsWith("line")) {
        typeText(view->nameEdits()[0], QStringLiteral("x"));  // a slot without a name cannot win
        QTest::mouseClick(view->lineWidgets()[0], Qt::LeftButton);
    }
    if (change == "line back") {
        QTest::mouseClick(view->lineWidgets()[0], Qt::LeftButton);
        QTest::mouseDClick(view->lineWidgets()[0], Qt::LeftButton);
        QTest::keyClick(view->nameEdits()[0], Qt::Key_Backspace);
    }
    if (change == "score") {
        doc->setMemberName(1, "x");
        doc->setLineScore(1, "1");
    }
    if (change == "champion") {
        winUpToTheFinal(*doc);
        doc->setChampion("A");
    }
    kaz::ColorSet colors;
    colors.winLineColor = "#0000FF";
    if (change == "colour") doc->setHtmlSettings(colors, false, false);
    if (change == "bold") doc->setHtmlSettings(kaz::ColorSet(), true, true);

    ScriptedDesktop desktop;
    if (asked) desktop.saveQuestionAnswers.enqueue(DesktopServices::SaveAnswer::No);
    frame.mdiArea()->currentSubWindow()->close();
    QCOMPARE(desktop.questions.size(), asked ? 1 : 0);
    if (asked) {
        QCOMPARE(desktop.questions[0],
                 QStringLiteral("新しいトーナメント表1 への変更を保存しますか?"));
    }
    QTRY_COMPARE(frame.mdiArea()->subWindowList().size(), 0);
}

void TestMainWindow::saveQuestionOnEveryClosePath_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("close box") << "box";
    QTest::newRow("閉じる") << "close";
    QTest::newRow("ｱﾌﾟﾘｹｰｼｮﾝの終了") << "exit";
    QTest::newRow("main window closed") << "main";
}

void TestMainWindow::saveQuestionOnEveryClosePath() {
    QFETCH(QString, path);
    QTemporaryDir dir;
    MainWindow frame;
    showActive(frame);
    newBracket(frame);
    winUpToTheFinal(*activeView(frame)->document());
    activeView(frame)->document()->setChampion("A");
    auto close = [&] {
        if (path == "box") frame.mdiArea()->currentSubWindow()->close();
        if (path == "close") action(frame, "fileClose")->trigger();
        if (path == "exit") action(frame, "appExit")->trigger();
        if (path == "main") frame.close();
    };
    ScriptedDesktop desktop;
    // cancel keeps everything open.
    desktop.saveQuestionAnswers.enqueue(DesktopServices::SaveAnswer::Cancel);
    close();
    QCOMPARE(desktop.questions.size(), 1);
    QTest::qWait(0);
    QCOMPARE(frame.mdiArea()->subWindowList().size(), 1);
    QVERIFY(frame.isVisible());
    QVERIFY(activeView(frame)->document()->isChanged());

    // Yes saves, then closes.
    const QString file = dir.filePath(QStringLiteral("a.kaz"));
    desktop.saveQuestionAnswers.enqueue(DesktopServices::SaveAnswer::Yes);
    desktop.saveAnswers.enqueue(file);
    close();
    QCOMPARE(desktop.questions.size(), 2);
    QVERIFY(QFile::exists(file));
    QTRY_COMPARE(frame.mdiArea()->subWindowList().size(), 0);
}

void TestMainWindow::failedSaveKeepsFileAndQuestion() {
    QTemporaryDir dir;
    MainWindow frame;
    showActive(frame);
    newBracket(frame);
    BracketDocument* doc = activeView(frame)->document();
    doc->setMemberName(0, "x");
    ScriptedDesktop desktop;
    const QString bad = dir.filePath(QStringLiteral("missing/folder/a.kaz"));
    desktop.saveAnswers.enqueue(bad);
    action(frame, "fileSave")->trigger();
    QCOMPARE(desktop.errors.size(), 1);
    QVERIFY2(desktop.errors[0].endsWith(QStringLiteral(" には無効なﾊﾟｽが含まれています。")),
             qPrintable(desktop.errors[0]));
    QVERIFY(doc->isChanged());
    QVERIFY(doc->filePath().isEmpty());

    // A target that cannot be replaced stays as it was, and the question comes again.
    const QString folder = dir.filePath(QStringLiteral("taken.kaz"));
    QVERIFY(QDir().mkdir(folder));
    desktop.saveQuestionAnswers.enqueue(DesktopServices::SaveAnswer::Yes);
    desktop.saveAnswers.enqueue(folder);
    frame.mdiArea()->currentSubWindow()->close();
    QCOMPARE(desktop.errors.size(), 2);
    QVERIFY(QFileInfo(folder).isDir());
    QCOMPARE(frame.mdiArea()->subWindowList().size(), 1);
    desktop.saveQuestionAnswers.enqueue(DesktopServices::SaveAnswer::No);
    frame.mdiArea()->currentSubWindow()->close();
    QCOMPARE(desktop.questions.size(), 2);
    QTRY_COMPARE(frame.mdiArea()->subWindowList().size(), 0);
}

void TestMainWindow::openFailures_data() {
    QTest::addColumn<QByteArray>("content");  // "missing": no file at all; "fifo": a FIFO
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << QByteArray("missing") << " が見つかりませんでした。";
    QTest::newRow("empty") << QByteArray() << "予期しないﾌｧｲﾙ形式です。";
    QTest::newRow("foreign") << QByteArray("<html>not a bracket</html>")
                             << "予期しないﾌｧｲﾙ形式です。";
    kaz::Bracket bracket(4);
    const QByteArray whole = QByteArray::fromStdString(kaz::writeKaz(bracket));
    QTest::newRow("truncated") << whole.left(whole.size() - 3) << "予期しないﾌｧｲﾙ形式です。";
    QTest::newRow("the limit + 1")
        << whole.leftJustified(qsizetype(kaz::kMaxKazFileBytes) + 1, '\0')
        << "予期しないﾌｧｲﾙ形式です。";
    bracket.colors().at(2) = "#FFFFFF0";
    QTest::newRow("colour of 8 bytes")
        << QByteArray::fromStdString(kaz::writeKaz(bracket)) << "予期しないﾌｧｲﾙ形式です。";
#ifndef Q_OS_WIN
    // No writer will ever come: opening must not wait for one.
    QTest::newRow("FIFO") << QByteArray("fifo") << "予期しないﾌｧｲﾙ形式です。";
#endif
}

void TestMainWindow::openFailures() {
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("b.kaz"));
#ifndef Q_OS_WIN
    if (content == "fifo") QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
#endif
    if (content != "missing" && content != "fifo") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    MainWindow frame;
    ScriptedDesktop desktop;
    desktop.openAnswers.enqueue(path);
    action(frame, "fileOpen")->trigger();
    QCOMPARE(desktop.errors.size(), 1);
    QVERIFY2(desktop.errors[0].endsWith(message), qPrintable(desktop.errors[0]));
    QCOMPARE(frame.mdiArea()->subWindowList().size(), 0);
}

void TestMainWindow::secondWindowOnOneBracket() {
    MainWindow frame;
    showActive(frame);
    newBracket(frame);
    action(frame, "windowNew")->trigger();
    const auto windows = frame.mdiArea()->subWindowList(QMdiArea::CreationOrder);
    QCOMPARE(windows.size(), 2);
    QCOMPARE(shownTitle(windows[0]), QStringLiteral("新しいトーナメント表1:1"));
    QCOMPARE(shownTitle(windows[1]), QStringLiteral("新しいトーナメント表1:2"));
    // The Window menu lists both, the active one checked.
    QMenu* windowMenu = menuNamed(frame, "ｳｨﾝﾄﾞｳ(&W)");
    emit windowMenu->aboutToShow();
    const QStringList listed = menuItems(windowMenu).mid(4);
    QCOMPARE(listed,
             QStringList({"-", "&1 新しいトーナメント表1:1", "&2 新しいトーナメント表1:2"}));
    QVERIFY(windowMenu->actions().last()->isChecked());
    windowMenu->actions()[5]->trigger();
    QCOMPARE(frame.mdiArea()->currentSubWindow(), windows[0]);
    auto* second = qobject_cast<BracketWindow*>(windows[1]);
    typeText(second->view()->nameEdits()[0], QStringLiteral("x"));
    QTest::mouseClick(second->view()->lineWidgets()[0], Qt::LeftButton);

    ScriptedDesktop desktop;
    windows[1]->close();  // not the last window: nothing asked
    QTRY_COMPARE(frame.mdiArea()->subWindowList().size(), 1);
    QTRY_COMPARE(shownTitle(windows[0]), QStringLiteral("新しいトーナメント表1*"));
    QCOMPARE(desktop.questions.size(), 0);
    desktop.saveQuestionAnswers.enqueue(DesktopServices::SaveAnswer::No);
    windows[0]->close();
    QCOMPARE(desktop.questions.size(), 1);
}

namespace {

// Windows laid out in a cascade (new ones, and again by 重ねて表示) go one step down and right
// of the one before, and start again at the top left before a title bar would leave the area.
void checkCascade(const QList<QMdiSubWindow*>& windows, const QMdiArea* area) {
    const int step = windows[0]->style()->pixelMetric(QStyle::PM_TitleBarHeight);
    int restarts = 0;
    for (int i = 0; i < windows.size(); ++i) {
        const QPoint at = windows[i]->pos();
        QVERIFY2(at.x() == at.y() && at.y() + step <= area->viewport()->height(),
                 qPrintable(QStringLiteral("window %1 at %2, %3").arg(i).arg(at.x()).arg(at.y())));
        if (i == 0) {
            QCOMPARE(at, QPoint(0, 0));
        } else if (at == QPoint(0, 0)) {
            ++restarts;
            QVERIFY(windows[i - 1]->y() > 0);
        } else {
            QCOMPARE(at.y(), windows[i - 1]->y() + step);
        }
    }
    QVERIFY(restarts > 0);
}

}  // namespace

// Twelve windows: the Window menu gives the first nine the access keys &1 … &9 and the rest
// none; new windows and 重ねて表示 keep every title bar inside the area.
void TestMainWindow::manyWindows() {
    MainWindow frame;
    frame.resize(500, 400);
    showActive(frame);
    newBracket(frame);
    for (int i = 1; i < 12; ++i) action(frame, "windowNew")->trigger();
    QList<QMdiSubWindow*> windows = frame.mdiArea()->subWindowList(QMdiArea::CreationOrder);
    QCOMPARE(windows.size(), 12);
    QMenu* windowMenu = menuNamed(frame, "ｳｨﾝﾄﾞｳ(&W)");
    emit windowMenu->aboutToShow();
    const QStringList listed = menuItems(windowMenu).mid(5);
    QCOMPARE(listed.value(8), QStringLiteral("&9 新しいトーナメント表1:9"));
    QCOMPARE(listed.value(9), QStringLiteral("10 新しいトーナメント表1:10"));
    QCOMPARE(listed.value(11), QStringLiteral("12 新しいトーナメント表1:12"));
    checkCascade(windows, frame.mdiArea());

    for (QMdiSubWindow* window : windows) window->move(200, 150);
    windows[3]->showMaximized();
    action(frame, "windowCascade")->trigger();
    checkCascade(frame.mdiArea()->subWindowList(QMdiArea::StackingOrder), frame.mdiArea());
    frame.documentManager()->closeAllDocuments();
}

void TestMainWindow::recentFilesAcrossRestart() {
    QTemporaryDir dir;
    QStringList paths;
    for (int i = 0; i < 5; ++i) {
        paths << dir.filePath(QStringLiteral("r%1.kaz").arg(i));
        QFile file(paths.last());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(kaz::writeKaz(kaz::Bracket(4))));
    }
    {
        MainWindow frame;
        ScriptedDesktop desktop;
        for (const QString& path : paths) {
            desktop.openAnswers.enqueue(path);
            action(frame, "fileOpen")->trigger();
        }
        QCOMPARE(frame.mdiArea()->subWindowList().size(), 5);
        frame.close();
    }
    MainWindow frame;
    QMenu* file = menuNamed(frame, "ﾌｧｲﾙ(&F)");
    // Each entry shows its file in the system's separators.
    for (QString& path : paths) path = QDir::toNativeSeparators(path);
    QCOMPARE(texts(recentEntries(file)),
             QStringList({"&1 " + paths[4], "&2 " + paths[3], "&3 " + paths[2], "&4 " + paths[1]}));

    // A listed file that has gone: the not-found message, and it leaves the list.
    QVERIFY(QFile::remove(paths[3]));
    ScriptedDesktop desktop;
    recentEntries(file)[1]->trigger();
    QCOMPARE(desktop.errors.size(), 1);
    QVERIFY(desktop.errors[0].endsWith(QStringLiteral(" が見つかりませんでした。")));
    QCOMPARE(frame.mdiArea()->subWindowList().size(), 0);
    file = menuNamed(frame, "ﾌｧｲﾙ(&F)");
    QCOMPARE(texts(recentEntries(file)),
             QStringList({"&1 " + paths[4], "&2 " + paths[2], "&3 " + paths[1]}));
    recentEntries(file)[0]->trigger();
    QCOMPARE(frame.mdiArea()->subWindowList().size(), 1);
    QCOMPARE(shownTitle(frame.mdiArea()->currentSubWindow()), QStringLiteral("r4.kaz"));
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
