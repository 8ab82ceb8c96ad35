// The draw dialog on its own, and 参加者リストから新規作成 through the real shell.

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QtTest>

#include "app_test_support.h"
#include "dialogs/draw_dialog.h"
#include "dialogs/draw_preview.h"
#include "document/bracket_document.h"
#include "document/pool_document.h"
#include "documents/document_manager.h"
#include "documents/pool_stages.h"
#include "draw/bracket_draw.h"
#include "draw/entrant_list.h"
#include "io/kaz_format.h"
#include "pools/pool_draw.h"
#include "scripted_desktop.h"
#include "text/cp932.h"
#include "view/member_name_edit.h"

using namespace kaz::gui;
using namespace kaz::app;

using namespace guitest;

namespace {

template <typename T>
T* part(QWidget* dialog, const char* name) {
    auto* found = dialog->findChild<T*>(QString::fromLatin1(name));
    if (!found) qFatal("no part named %s", name);
    return found;
}

QPlainTextEdit* listEdit(QWidget* d) { return part<QPlainTextEdit>(d, "listEdit"); }
QString summary(QWidget* d) { return part<QLabel>(d, "summaryLabel")->text(); }
bool okEnabled(QWidget* d) { return part<QPushButton>(d, "okButton")->isEnabled(); }

// `count` entrants of four clubs, one a line.
QString entrantLines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i) {
        lines << QStringLiteral("選手%1,%2高").arg(i).arg(QChar(u'A' + i % 4));
    }
    return lines.join(QLatin1Char('\n'));
}

// What the core draws from `list` with these choices and number, as the bytes of a .kaz file.
std::string coreDraw(const QString& list, const DrawChoices& chosen, uint32_t number) {
    const kaz::EntrantList read = kaz::readEntrantList(list.toStdString(), chosen.clubInName);
    kaz::DrawOptions options;
    options.size = chosen.size;
    options.byLot = chosen.byLot;
    options.keepClubsApart = chosen.keepClubsApart;
    options.drawNumber = number;
    const std::optional<kaz::Draw> draw = kaz::drawEntrants(read.entrants, options);
    if (!read.problems.empty() || !draw) return "no draw";
    return kaz::writeKaz(kaz::makeDrawnBracket(*draw, read.entrants, chosen.clubInName));
}

std::string shown(const DrawDialog& d) {
    return d.drawnBracket() ? kaz::writeKaz(*d.drawnBracket()) : "no draw";
}

bool isBlank(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != image.pixel(0, 0)) return false;
        }
    }
    return true;
}

// A new line typed at the end of the list, key by key.
void typeLine(QPlainTextEdit* edit, const QString& line) {
    edit->moveCursor(QTextCursor::End);
    QTest::keyClick(edit, Qt::Key_Return);
    typeText(edit, line);
}

// The command stands right after 新規作成 in the ﾌｧｲﾙ menu shown.
bool followsNew(MainWindow& frame) {
    const QList<QAction*> items = frame.menuBar()->actions().value(0)->menu()->actions();
    const qsizetype at = items.indexOf(action(frame, "fileNew"));
    return at >= 0 && items.value(at + 1) == action(frame, "fileNewFromList");
}

}  // namespace

class TestDrawDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8()); }
    void previewFollowsTheList();
    void problemsKeepOkDisabled_data();
    void problemsKeepOkDisabled();
    void getaNotedNotRefused();
    void listReadFromFile();
    void okOpensTheDrawnBracket();
    void optionsRememberedListNot();
    void poolsDrawnAndOpened();

private:
    QTemporaryDir m_config;
};

void TestDrawDialog::previewFollowsTheList() {
    DrawDialog dlg;
    dlg.setDrawNumber(4242);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    auto* preview = part<DrawPreview>(&dlg, "preview");
    QVERIFY(!okEnabled(&dlg));
    QVERIFY(isBlank(preview->grab().toImage()));
    QVERIFY(!part<QLabel>(&dlg, "unavoidableNote")->isVisible());

    // The last entrant typed key by key: the dialog follows every keystroke.
    QPlainTextEdit* edit = listEdit(&dlg);
    edit->setPlainText(entrantLines(12));
    typeLine(edit, QStringLiteral("選手13,A高"));
    QCOMPARE(summary(&dlg), QStringLiteral("13人 → 16人用 (不戦勝 3)"));
    QVERIFY(okEnabled(&dlg));
    QCOMPARE(shown(dlg), coreDraw(edit->toPlainText(), DrawChoices(), 4242));
    const QImage thirteen = preview->grab().toImage();
    QVERIFY(!isBlank(thirteen));

    typeLine(edit, QStringLiteral("選手14"));
    QCOMPARE(summary(&dlg), QStringLiteral("14人 → 16人用 (不戦勝 2)"));
    QVERIFY(preview->grab().toImage() != thirteen);

    // Options and the number redraw too.
    edit->setPlainText(entrantLines(16));
    const DrawChoices bigger{32, true, false, true};
    dlg.setChoices(bigger);
    QCOMPARE(summary(&dlg), QStringLiteral("16人 → 32人用 (不戦勝 16)"));
    QCOMPARE(shown(dlg), coreDraw(edit->toPlainText(), bigger, 4242));
    QTest::mouseClick(part<QPushButton>(&dlg, "newNumberButton"), Qt::LeftButton);
    QVERIFY(dlg.drawNumber() != 4242);
    QCOMPARE(shown(dlg), coreDraw(edit->toPlainText(), bigger, dlg.drawNumber()));

    // Under the early meetings: those the clubs' sizes force.
    auto* unavoidable = part<QLabel>(&dlg, "unavoidableNote");
    dlg.setChoices(DrawChoices());
    edit->setPlainText(QStringLiteral("a1,A\na2,A\na3,A\na4,A\na5,A\nb\nc\n"));
    QVERIFY(unavoidable->isVisible());
    QVERIFY2(unavoidable->text().endsWith(QStringLiteral("\nA 5人: 準々決勝 1組、準決勝 3組")),
             qPrintable(unavoidable->text()));
}

void TestDrawDialog::problemsKeepOkDisabled_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("line");  // of the first problem; 0 for the list as a whole
    QTest::addColumn<QString>("problem");
    QTest::newRow("empty name") << "甲\n乙\n,A高\n丙" << 0 << 3 << "3行目: 名前がありません。";
    QTest::newRow("one entrant") << "# 名簿\n甲" << 0 << 0
                                 << "参加者が1人だけです。2人以上必要です。";
    QTest::newRow("size too large")
        << "甲\n乙\n丙" << 16 << 0
        << "3人に 16人用は大きすぎます。表は参加者数の 2 倍まで (4人用まで) です。";
}

void TestDrawDialog::problemsKeepOkDisabled() {
    QFETCH(QString, list);
    QFETCH(int, size);
    QFETCH(int, line);
    QFETCH(QString, problem);
    DrawDialog dlg;
    dlg.setChoices({size, true, true, false});
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    listEdit(&dlg)->setPlainText(list);

    auto* notices = part<QListWidget>(&dlg, "noticeList");
    QVERIFY(notices->count() > 0);
    QListWidgetItem* first = notices->item(0);
    QCOMPARE(first->text(), problem);
    QVERIFY(!okEnabled(&dlg));
    QVERIFY(!dlg.drawnBracket());
    QVERIFY(isBlank(part<DrawPreview>(&dlg, "preview")->grab().toImage()));
    // Enter does not get past a list that cannot be drawn.
    dlg.accept();
    QVERIFY(dlg.isVisible());

    // A problem leads to its line.
    emit notices->itemActivated(first);
    if (line > 0) QCOMPARE(listEdit(&dlg)->textCursor().blockNumber(), line - 1);
    if (size > 0) {
        auto* sizes =
            qobject_cast<QStandardItemModel*>(part<QComboBox>(&dlg, "sizeCombo")->model());
        QVERIFY(!sizes->item(part<QComboBox>(&dlg, "sizeCombo")->currentIndex())->isEnabled());
    }
}

// A character Shift_JIS cannot hold is kept in the bracket; the note tells which, once, and where
// older programs show 〓, and the list can still be drawn; a name twice is noted too. Notes stand
// apart from the list's problems.
void TestDrawDialog::getaNotedNotRefused() {
    DrawDialog dlg;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    QVERIFY(!part<QComboBox>(&dlg, "encodingCombo")->isEnabled());  // typed text has none
    listEdit(&dlg)->setPlainText(QStringLiteral("甲\n乙\n𠮷田　太郎\n𠮷\n甲\n"));
    QVERIFY(okEnabled(&dlg));
    QCOMPARE(part<QListWidget>(&dlg, "noticeList")->count(), 0);
    auto* notices = part<QListWidget>(&dlg, "noteList");
    QCOMPARE(notices->count(), 2);
    QCOMPARE(notices->item(0)->text(),
             QStringLiteral(
                 "3行目: 「𠮷」は入力のまま残します。古いプログラムでは 〓 と表示されます。"));
    QCOMPARE(notices->item(1)->text(), QStringLiteral("5行目: 名前「甲」は 1 行目と同じです。"));
    emit notices->itemActivated(notices->item(0));
    QCOMPARE(listEdit(&dlg)->textCursor().blockNumber(), 2);
    QStringList names;
    for (int i = 0; i < dlg.drawnBracket()->memberCount(); ++i) {
        names << QString::fromStdString(dlg.drawnBracket()->memberName(i));
    }
    QVERIFY(names.contains(QStringLiteral("𠮷田　太郎")));
}

void TestDrawDialog::listReadFromFile() {
    QTemporaryDir dir;
    const QString sjis = dir.filePath(QStringLiteral("list.csv"));
    const std::string bytes =
        kaz::utf8ToCp932("名前,所属\r\n山田,A高\r\n佐藤,B高\r\n鈴木\r\n").value();
    QVERIFY(writeFile(sjis, QByteArray::fromStdString(bytes)));
    const QString large = dir.filePath(QStringLiteral("large.txt"));
    QVERIFY(writeFile(large, QByteArray(int(kaz::kMaxEntrantListBytes) + 1, 'a')));

    DrawDialog dlg;
    ScriptedDesktop desktop;
    desktop.openAnswers << sjis << large;
    auto* load = part<QPushButton>(&dlg, "loadButton");
    QTest::mouseClick(load, Qt::LeftButton);
    QCOMPARE(listEdit(&dlg)->toPlainText(),
             QStringLiteral("名前,所属\n山田,A高\n佐藤,B高\n鈴木\n"));
    QCOMPARE(summary(&dlg), QStringLiteral("3人 → 4人用 (不戦勝 1)"));
    QVERIFY(okEnabled(&dlg));
    auto* encoding = part<QComboBox>(&dlg, "encodingCombo");
    QCOMPARE(encoding->currentText(), QStringLiteral("自動 (Shift_JIS)"));

    // Windows-1252, which also reads as Shift_JIS; read again as UTF-8 its lines do not read,
    // until they are typed again.
    const QString western = dir.filePath(QStringLiteral("western.csv"));
    QVERIFY(writeFile(western,
                      "Mar\xED"
                      "a P\xE9rez\nD\xE1niel Kov\xE1\x63s\nBj\xF6rn \xC5str\xF6m\n"));
    desktop.openAnswers.prepend(western);
    QTest::mouseClick(load, Qt::LeftButton);
    QCOMPARE(listEdit(&dlg)->toPlainText(),
             QStringLiteral("María Pérez\nDániel Kovács\nBjörn Åström\n"));
    QCOMPARE(encoding->currentText(), QStringLiteral("自動 (Windows-1252)"));
    QVERIFY(okEnabled(&dlg));
    encoding->setCurrentIndex(1);
    emit encoding->activated(1);
    QCOMPARE(encoding->currentText(), QStringLiteral("UTF-8"));
    auto* notices = part<QListWidget>(&dlg, "noticeList");
    QCOMPARE(notices->count(), 3);
    QCOMPARE(
        notices->item(2)->text(),
        QStringLiteral(
            "3行目: UTF-8 として読めない文字があります。リストを UTF-8 で保存し直してください。"));
    QVERIFY(!okEnabled(&dlg));
    typeLine(listEdit(&dlg), QStringLiteral("Zoë"));
    QCOMPARE(notices->item(2)->text(), QStringLiteral("3行目: 読めない文字 (U+FFFD) があります。"));
    encoding->setCurrentIndex(0);
    emit encoding->activated(0);
    QVERIFY(okEnabled(&dlg));

    // A file over the limit is refused and the list stays.
    QTest::mouseClick(load, Qt::LeftButton);
    QCOMPARE(desktop.errors.size(), 1);
    QVERIFY(desktop.errors[0].endsWith(QString::fromUtf8(
        kaz::messageTemplate(kaz::MessageId::ListTooLarge, kaz::Language::Japanese))));
    QCOMPARE(summary(&dlg), QStringLiteral("3人 → 4人用 (不戦勝 1)"));
}

void TestDrawDialog::okOpensTheDrawnBracket() {
    MainWindow frame;
    showActive(frame);
    ScriptedDesktop desktop;
    QVERIFY(followsNew(frame));
    newBracket(frame);  // 新しいトーナメント表1
    QVERIFY(followsNew(frame));

    const QString list = QStringLiteral("名前,所属,シード\n") + entrantLines(10) +
                         QStringLiteral("\n第一シード,C高,1");
    const DrawChoices chosen{16, true, true, true};
    onNextDialog<DrawDialog>([&list, &chosen](DrawDialog* dialog) {
        dialog->setChoices(chosen);
        dialog->setDrawNumber(777);
        listEdit(dialog)->setPlainText(list);
        QTest::mouseClick(part<QPushButton>(dialog, "okButton"), Qt::LeftButton);
    });
    QTest::keyClick(&frame, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    showActive(frame);

    QCOMPARE(frame.mdiArea()->subWindowList().size(), 2);
    BracketDocument* doc = frame.activeDocument();
    QCOMPARE(doc->title(), QStringLiteral("新しいトーナメント表2"));
    QVERIFY(doc->filePath().isEmpty());
    QVERIFY(doc->isChanged());  // closing it asks to store the draw
    QCOMPARE(kaz::writeKaz(doc->bracket()), coreDraw(list, chosen, 777));
    QCOMPARE(activeView(frame)->nameEdits()[0]->text(), QStringLiteral("第一シード（C高）"));

    // A draw cancelled takes no number.
    onNextDialog<DrawDialog>([](DrawDialog* dialog) { dialog->reject(); });
    action(frame, "fileNewFromList")->trigger();
    newBracket(frame);
    QCOMPARE(frame.activeDocument()->title(), QStringLiteral("新しいトーナメント表3"));
    frame.documentManager()->closeAllDocuments();
}

void TestDrawDialog::optionsRememberedListNot() {
    MainWindow frame;
    showActive(frame);
    const DrawChoices chosen{32, false, false, true};
    onNextDialog<DrawDialog>([&chosen](DrawDialog* dialog) {
        dialog->setChoices(chosen);
        listEdit(dialog)->setPlainText(entrantLines(20));
        dialog->accept();
    });
    action(frame, "fileNewFromList")->trigger();
    QCOMPARE(frame.mdiArea()->subWindowList().size(), 1);

    // Cancel forgets what was changed; OK alone remembers.
    for (int opening = 0; opening < 2; ++opening) {
        onNextDialog<DrawDialog>([&chosen](DrawDialog* dialog) {
            QVERIFY(dialog->choices() == chosen);
            QVERIFY(listEdit(dialog)->toPlainText().isEmpty());
            dialog->setChoices(DrawChoices());
            dialog->reject();
        });
        action(frame, "fileNewFromList")->trigger();
    }
    frame.documentManager()->closeAllDocuments();
}

// 予選リーグ: the pools the core draws from the list, named as typed, the pairs a club's size
// forces told; OK opens them as a new pool stage, and the choice is remembered.
void TestDrawDialog::poolsDrawnAndOpened() {
    MainWindow frame;
    showActive(frame);
    DrawChoices chosen;
    chosen.pools = true;
    chosen.poolsBySize = false;
    chosen.poolNumber = 2;
    chosen.through = 2;
    std::optional<kaz::PoolStage> shown;
    onNextDialog<DrawDialog>([&](DrawDialog* dialog) {
        dialog->setChoices(chosen);
        dialog->setDrawNumber(77);
        listEdit(dialog)->setPlainText(entrantLines(10));
        part<QLineEdit>(dialog, "poolNamesEdit")->setText(QStringLiteral("東、西"));
        QCOMPARE(summary(dialog), QStringLiteral("10人 → 2ブロック (5人〜5人)"));
        // Three of B高 and three of C高 in two pools: a pair of each stays together.
        const QString unavoidable = part<QLabel>(dialog, "unavoidableNote")->text();
        QVERIFY2(unavoidable.contains(QStringLiteral("B高 3人: 同じブロックに 1組")),
                 qPrintable(unavoidable));
        QVERIFY(okEnabled(dialog));
        shown = dialog->drawnPools();
        dialog->accept();
    });
    action(frame, "fileNewFromList")->trigger();
    QVERIFY(shown);
    QCOMPARE(shown->pools[0].name, std::string("東"));
    QCOMPARE(shown->pools[1].name, std::string("西"));
    kaz::PoolDrawOptions options;
    options.pools = 2;
    options.through = 2;
    options.drawNumber = 77;
    kaz::EntrantList list =
        kaz::readEntrantList(entrantLines(10).toStdString(), false, kaz::ListEncoding::Utf8);
    kaz::PoolStage core = kaz::drawPools(list.entrants, options)->stage;
    core.pools[0].name = "東";
    core.pools[1].name = "西";
    QVERIFY(*shown == core);
    kaz::gui::PoolDocument* opened = frame.documentManager()->activePoolDocument();
    QVERIFY(opened);
    QVERIFY(opened->stage() == core);
    QCOMPARE(opened->title(), QStringLiteral("新しい予選リーグ1"));
    QVERIFY(opened->isChanged());
    onNextDialog<DrawDialog>([&chosen](DrawDialog* dialog) {
        QVERIFY(dialog->choices() == chosen);
        dialog->reject();
    });
    action(frame, "fileNewFromList")->trigger();
    frame.documentManager()->closeAllDocuments();
}

QTEST_MAIN(TestDrawDialog)
#include "tst_draw_dialog.moc"
