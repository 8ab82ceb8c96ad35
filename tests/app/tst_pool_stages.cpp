// Pool stages in the editor: a pool file opens in a child window of its own beside the brackets,
// the commands that serve either kind of document act on it and the bracket's alone do not, a
// result is a step of the one undo history, and storing and closing ask as for a bracket.

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QUndoStack>
#include <memory>

#include "app_test_support.h"
#include "dialogs/knockout_dialog.h"
#include "dialogs/pool_match_dialog.h"
#include "dialogs/pool_settings_dialog.h"
#include "document/bracket_document.h"
#include "document/pool_document.h"
#include "documents/document_manager.h"
#include "documents/pool_stages.h"
#include "documents/pool_window.h"
#include "pools/pool_file.h"
#include "publish/live_publisher.h"
#include "publish/live_publishing.h"
#include "scripted_desktop.h"
#include "view/pool_view.h"

using namespace kaz;
using namespace kaz::gui;
using namespace kaz::app;
using namespace guitest;

namespace {

PoolWindow* activePoolWindow(MainWindow& frame) {
    return qobject_cast<PoolWindow*>(frame.mdiArea()->currentSubWindow());
}

// The first match won by its first member, through the window's dialog.
void winFirstMatch(PoolView* view) {
    onNextDialog<PoolMatchDialog>([](PoolMatchDialog* dialog) {
        dialog->winnerButton(0)->setChecked(true);
        dialog->accept();
    });
    QTest::mouseClick(view->widget(), Qt::LeftButton, {}, view->cellCentre(1));
}

}  // namespace

class TestPoolStages : public QObject {
    Q_OBJECT
private slots:
    void openedPlayedStoredAndClosed();
    void savedAsPictureAndPdf();
    void settingsAreOneStep();
    void editorGoesWithAStageChanged();
    void outsideChangesAreAskedAbout();
    void secondWindowOnAStage();
    void knockoutFollowsItsStage();
};

void TestPoolStages::openedPlayedStoredAndClosed() {
    QTemporaryDir folder;
    const QString path = folder.filePath("予選.kazpool");
    QVERIFY(writeFile(path, QByteArray::fromStdString(writePoolFile(drawnPoolStage()))));
    ScriptedDesktop desktop;
    MainWindow frame;
    showActive(frame);
    QVERIFY(frame.documentManager()->openDocumentFile(path));
    // Opened again, it is the same window.
    QVERIFY(frame.documentManager()->openDocumentFile(path));
    QCOMPARE(frame.mdiArea()->subWindowList().size(), 1);
    PoolWindow* window = activePoolWindow(frame);
    QVERIFY(window);
    QCOMPARE(shownTitle(&frame), QStringLiteral("カズボー - 予選.kazpool"));
    QVERIFY(action(frame, "fileSave")->isEnabled());
    QVERIFY(action(frame, "filePrint")->isEnabled());
    QVERIFY(!action(frame, "htmlExport")->isEnabled());
    QVERIFY(!action(frame, "copyBracket")->isEnabled());
    // The ｳｨﾝﾄﾞｳ menu names it as its caption shows it.
    frame.documentManager()->openNewPoolStage(drawnPoolStage());
    QMenu* windows = nullptr;
    for (QAction* title : frame.menuBar()->actions()) {
        if (title->text() == QStringLiteral("ｳｨﾝﾄﾞｳ(&W)")) windows = title->menu();
    }
    QVERIFY(windows);
    emit windows->aboutToShow();
    const QList<QAction*> listed = windows->actions().mid(5);
    QCOMPARE(listed.value(0)->text(), QStringLiteral("&1 予選.kazpool"));
    QCOMPARE(listed.value(1)->text(), QStringLiteral("&2 新しい予選リーグ1"));
    desktop.saveQuestionAnswers << DesktopServices::SaveAnswer::No;
    frame.documentManager()->pools()->close(frame.documentManager()->activePoolDocument());
    QTRY_COMPARE(frame.mdiArea()->subWindowList().size(), 1);
    desktop.questions.clear();
    frame.mdiArea()->setActiveSubWindow(window);

    winFirstMatch(window->view());
    QCOMPARE(shownTitle(&frame), QStringLiteral("カズボー - 予選.kazpool*"));
    // The editor's undo reaches the stage's history.
    action(frame, "editUndo")->trigger();
    QVERIFY(!window->document()->stage().pools[0].matches[0].isPlayed());
    QCOMPARE(shownTitle(&frame), QStringLiteral("カズボー - 予選.kazpool"));
    action(frame, "editRedo")->trigger();
    QVERIFY(window->document()->stage().pools[0].matches[0].isPlayed());

    action(frame, "fileSave")->trigger();
    const std::optional<PoolStage> stored = readPoolFile(readFile(path).toStdString());
    QVERIFY(stored);
    QVERIFY(*stored == window->document()->stage());
    QVERIFY(!window->document()->isChanged());

    // A change not stored is asked about: cancel keeps the window, No closes it.
    action(frame, "editUndo")->trigger();
    desktop.saveQuestionAnswers << DesktopServices::SaveAnswer::Cancel
                                << DesktopServices::SaveAnswer::No;
    action(frame, "fileClose")->trigger();
    QCOMPARE(desktop.questions, QStringList{"予選.kazpool への変更を保存しますか?"});
    QCOMPARE(frame.mdiArea()->subWindowList().size(), 1);
    action(frame, "fileClose")->trigger();
    QTRY_COMPARE(frame.mdiArea()->subWindowList().size(), 0);
    QVERIFY(*readPoolFile(readFile(path).toStdString()) == *stored);
    QVERIFY(!action(frame, "fileSave")->isEnabled());
}

// 画像として保存 writes the whole stage, as a picture or as A4 pages of PDF.
void TestPoolStages::savedAsPictureAndPdf() {
    QTemporaryDir folder;
    ScriptedDesktop desktop;
    MainWindow frame;
    showActive(frame);
    frame.documentManager()->openNewPoolStage(drawnPoolStage());
    QVERIFY(activePoolWindow(frame));
    QCOMPARE(shownTitle(&frame), QStringLiteral("カズボー - 新しい予選リーグ1*"));
    const QString png = folder.filePath("予選.png");
    const QString pdf = folder.filePath("予選.pdf");
    desktop.saveAnswers << png << pdf;
    action(frame, "savePicture")->trigger();
    action(frame, "savePicture")->trigger();
    QVERIFY(readFile(png).startsWith("\x89PNG"));
    QVERIFY(readFile(pdf).startsWith("%PDF-"));
    QCOMPARE(desktop.saveRequests.size(), 2);
    QVERIFY(desktop.saveRequests[0].proposed.endsWith(QStringLiteral("新しい予選リーグ1.png")));
    // Exit asks about the stage never stored.
    desktop.saveQuestionAnswers << DesktopServices::SaveAnswer::No;
    QVERIFY(frame.close());
    QCOMPARE(desktop.questions, QStringList{"新しい予選リーグ1 への変更を保存しますか?"});
}

// 表の設定: the points, draws, tie-breaks in the order arranged, and the title, as one step.
void TestPoolStages::settingsAreOneStep() {
    MainWindow frame;
    showActive(frame);
    frame.documentManager()->openNewPoolStage(drawnPoolStage());
    PoolDocument* doc = frame.documentManager()->activePoolDocument();
    onNextDialog<PoolSettingsDialog>([](PoolSettingsDialog* dialog) {
        dialog->titleField()->setText(QStringLiteral("秋季\t大会"));  // a pasted tab goes
        QCOMPARE(dialog->poolNamesField()->text(), QStringLiteral("A, B"));
        dialog->poolNamesField()->setText(QStringLiteral("東、"));  // B keeps its name
        dialog->pointsBox(0)->setValue(3);
        dialog->pointsBox(1)->setValue(1);
        dialog->drawsBox()->setChecked(true);
        // 得失点差 first, 直接対決 second; 抽選 no longer used.
        dialog->tieBreakList()->setCurrentRow(1);
        dialog->moveTieBreak(-1);
        dialog->tieBreakList()->item(3)->setCheckState(Qt::Unchecked);
        dialog->accept();
    });
    action(frame, "sheetSettings")->trigger();
    QCOMPARE(doc->stage().title, std::string("秋季大会"));
    QCOMPARE(doc->stage().pools[0].name + doc->stage().pools[1].name, std::string("東B"));
    QCOMPARE(doc->stage().rules.winPoints, 3);
    QCOMPARE(doc->stage().rules.drawPoints, 1);
    QVERIFY(doc->stage().rules.drawsAllowed);
    QVERIFY((doc->stage().rules.tieBreaks == std::vector<TieBreak>{TieBreak::ScoreDifference,
                                                                   TieBreak::HeadToHead,
                                                                   TieBreak::ScoresFor}));
    QCOMPARE(doc->undoStack()->count(), 1);
    doc->undoStack()->undo();
    QVERIFY(doc->stage() == drawnPoolStage());
    frame.documentManager()->closeAllDocuments();
}

// The editor taken down with a changed stage still open (as at exit, once the windows are
// closed without asking) tells nobody of it.
void TestPoolStages::editorGoesWithAStageChanged() {
    QTemporaryDir folder;
    const QString path = folder.filePath("予選.kazpool");
    QVERIFY(writeFile(path, QByteArray::fromStdString(writePoolFile(drawnPoolStage()))));
    auto frame = std::make_unique<MainWindow>();
    showActive(*frame);
    QVERIFY(frame->documentManager()->openDocumentFile(path));
    winFirstMatch(activePoolWindow(*frame)->view());
    int told = 0;
    connect(frame->documentManager()->activePoolDocument(), &PoolDocument::changedStateChanged,
            this, [&told] { ++told; });
    frame->documentManager()->closeAllDocuments();
    frame.reset();
    QCOMPARE(told, 0);
}

// Another program writes the stage's file: an unchanged stage offers to read it again, and once
// it has changes of its own, storing it asks before writing over the file.
void TestPoolStages::outsideChangesAreAskedAbout() {
    QTemporaryDir folder;
    const QString path = folder.filePath("予選.kazpool");
    QVERIFY(writeFile(path, QByteArray::fromStdString(writePoolFile(drawnPoolStage()))));
    ScriptedDesktop desktop;
    MainWindow frame;
    QVERIFY(frame.documentManager()->openDocumentFile(path));
    PoolStage outside = drawnPoolStage();
    outside.title = "県大会";
    desktop.yesNoAnswers.enqueue(true);
    QVERIFY(writeFile(path, QByteArray::fromStdString(writePoolFile(outside))));
    const QString reload = QDir::toNativeSeparators(path) +
                           " は他のプログラムによって変更されています。再度読み込みますか?";
    QTRY_COMPARE(desktop.yesNoQuestions, QStringList{reload});
    QTRY_VERIFY(frame.documentManager()->activePoolDocument() &&
                frame.documentManager()->activePoolDocument()->stage() == outside);
    QCOMPARE(frame.mdiArea()->subWindowList().size(), 1);

    PoolDocument* doc = frame.documentManager()->activePoolDocument();
    doc->commitResult(doc->proposeResult(0, 0, {3, 1, MatchOutcome::Unplayed, false}));
    outside.subtitle = "二日目";
    const QByteArray written = QByteArray::fromStdString(writePoolFile(outside));
    QVERIFY(writeFile(path, written));
    desktop.yesNoAnswers.enqueue(false);
    action(frame, "fileSave")->trigger();
    QCOMPARE(desktop.yesNoQuestions.value(1),
             QDir::toNativeSeparators(path) +
                 " は他のプログラムによって変更されています。上書きしますか?");
    QCOMPARE(desktop.yesNoQuestions.size(), 2);
    QCOMPARE(readFile(path), written);
    QVERIFY(doc->isChanged());
    frame.documentManager()->closeAllDocuments();
}

// 新しいｳｨﾝﾄﾞｳ on a stage: both windows are numbered and show every result; only closing the
// last one asks, and the stage goes with it.
void TestPoolStages::secondWindowOnAStage() {
    ScriptedDesktop desktop;
    MainWindow frame;
    showActive(frame);
    frame.documentManager()->openNewPoolStage(drawnPoolStage());
    PoolWindow* first = activePoolWindow(frame);
    action(frame, "windowNew")->trigger();
    PoolWindow* second = activePoolWindow(frame);
    QVERIFY(second && second != first && second->document() == first->document());
    QCOMPARE(first->caption(), QStringLiteral("新しい予選リーグ1:1"));
    QCOMPARE(second->caption(), QStringLiteral("新しい予選リーグ1:2"));
    winFirstMatch(second->view());
    QVERIFY(first->document()->stage().pools[0].matches[0].isPlayed());
    // The other window shows it too: the two scenes do not differ.
    const auto differ = changedRects(first->view()->scene(), second->view()->scene());
    QVERIFY(differ && differ->empty());

    QPointer<PoolDocument> doc = first->document();
    second->close();
    QTRY_COMPARE(frame.mdiArea()->subWindowList().size(), 1);
    QCOMPARE(desktop.questions, QStringList());
    QCOMPARE(first->caption(), QStringLiteral("新しい予選リーグ1"));
    desktop.saveQuestionAnswers << DesktopServices::SaveAnswer::No;
    action(frame, "fileClose")->trigger();
    QCOMPARE(desktop.questions.size(), 1);
    QTRY_VERIFY(!doc);
}

// 決勝トーナメントを作る, then the knockout follows its stage: a pool decided fills its slots as
// one step, a pool change that would take a knockout result away is asked about (いいえ leaves
// both, はい changes both), and storing the stage under another name takes the knockout along.
void TestPoolStages::knockoutFollowsItsStage() {
    QTemporaryDir folder;
    const QString path = folder.filePath("予選.kazpool");
    PoolStage drawn = drawnPoolStage();
    drawn.rules.through = 2;
    QVERIFY(writeFile(path, QByteArray::fromStdString(writePoolFile(drawn))));
    ScriptedDesktop desktop;
    MainWindow frame;
    showActive(frame);
    QVERIFY(frame.documentManager()->openDocumentFile(path));
    PoolDocument* stage = frame.documentManager()->activePoolDocument();
    PoolWindow* stageWindow = activePoolWindow(frame);
    onNextDialog<KnockoutDialog>([](KnockoutDialog* dialog) {
        dialog->findChild<QRadioButton*>("inOrderButton")->setChecked(true);
        dialog->accept();
    });
    action(frame, "makeKnockout")->trigger();
    BracketDocument* knockout = frame.documentManager()->activeDocument();
    QVERIFY(knockout);
    QCOMPARE(knockout->bracket().memberName(2), std::string("Aブロック2位"));

    // Every match of pool A won by the member listed first: 選手 of place 0 first, 1 second.
    const auto playPool = [stage](int pool, int flipped) {
        for (int m = 0; m < 3; ++m) {
            const MatchOutcome outcome =
                m == flipped ? MatchOutcome::SecondWins : MatchOutcome::FirstWins;
            stage->commitResult(stage->proposeResult(pool, m, {-1, -1, outcome, false}));
        }
    };
    const auto nameAt = [knockout](int slot) { return knockout->bracket().memberName(slot); };
    const auto& poolA = stage->stage().pools[0].members;
    playPool(0, -1);
    QCOMPARE(nameAt(0), poolA[0].name);
    QCOMPARE(nameAt(2), poolA[1].name);
    QCOMPARE(knockout->undoStack()->undoText(), QStringLiteral("予選リーグの結果を反映"));
    QCOMPARE(
        frame.statusBar()->currentMessage(),
        QStringLiteral("予選リーグの結果を 新しいトーナメント表1 に反映しました: A1 %1、A2 %2")
            .arg(QString::fromStdString(poolA[0].name), QString::fromStdString(poolA[1].name)));
    playPool(1, -1);
    knockout->commitResult(knockout->proposeResult(ResultPlace::line(0), ResultAction::Press));
    QCOMPARE(knockout->bracket().lineState(0), LineState::Won);

    // Published, the stage is the event's page: the knockout's latest result above the pools.
    frame.documentManager()->publishing()->setFolder(stage, folder.path());
    const QString page = frame.documentManager()->publishing()->publisher(stage)->targetPath();
    QTRY_VERIFY(QString::fromUtf8(readFile(page)).contains(QStringLiteral("決勝トーナメント")));
    QVERIFY(QString::fromUtf8(readFile(page)).indexOf(QString::fromStdString(poolA[0].name)) <
            QString::fromUtf8(readFile(page)).indexOf(QStringLiteral("aria-label=\"Aブロック\"")));

    // Pool A's first match turned round: A1 and A2 change places, and A1's win would go.
    const PoolStage before = stage->stage();
    const QString question = QStringLiteral(
        "予選リーグの結果を変えると、新しいトーナメント表1 の第1試合の結果が消えます。変えますか?");
    desktop.yesNoAnswers << false << true;
    stage->commitResult(stage->proposeResult(0, 0, {-1, -1, MatchOutcome::SecondWins, false}));
    QCOMPARE(desktop.lossQuestions, QStringList{question});
    QVERIFY(stage->stage() == before);
    QCOMPARE(knockout->bracket().lineState(0), LineState::Won);
    stage->commitResult(stage->proposeResult(0, 0, {-1, -1, MatchOutcome::SecondWins, false}));
    QCOMPARE(desktop.lossQuestions.size(), 2);
    QCOMPARE(nameAt(0), poolA[1].name);
    QCOMPARE(nameAt(2), poolA[0].name);
    QCOMPARE(knockout->bracket().lineState(0), LineState::Open);
    // Undoing it, once the new A1 has won, asks too.
    knockout->commitResult(knockout->proposeResult(ResultPlace::line(0), ResultAction::Press));
    frame.mdiArea()->setActiveSubWindow(stageWindow);
    desktop.yesNoAnswers << false;
    action(frame, "editUndo")->trigger();
    QCOMPARE(desktop.lossQuestions.size(), 3);
    QCOMPARE(nameAt(0), poolA[1].name);

    // The stage's PDF offers the event's hand-out, the knockout first.
    const QString handOut = folder.filePath("配布.pdf");
    desktop.saveAnswers << handOut;
    desktop.yesNoAnswers << true;
    action(frame, "savePicture")->trigger();
    QCOMPARE(
        desktop.yesNoQuestions.value(0),
        QStringLiteral("決勝トーナメント 新しいトーナメント表1 を先頭にして一緒に出しますか?"));
    QVERIFY(readFile(handOut).startsWith("%PDF"));

    // Stored under another name, the stage is still the knockout's.
    const QString renamed = folder.filePath("予選2.kazpool");
    desktop.saveAnswers << renamed;
    QVERIFY(frame.documentManager()->pools()->saveAs(stage));
    QCOMPARE(QString::fromStdString(knockout->bracket().sheet().poolFile),
             QFileInfo(renamed).absoluteFilePath());
    frame.documentManager()->closeAllDocuments();
}

QTEST_MAIN(TestPoolStages)
#include "tst_pool_stages.moc"
