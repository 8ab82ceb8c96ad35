// The member-count dialog and the two text dialogs, driven through their widgets, and where a
// notice shows.

#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QTranslator>
#include <QtTest>
#include <functional>

#include "common/notice.h"
#include "dialogs/member_count_dialog.h"
#include "dialogs/text_input_dialog.h"
#include "gui_test_support.h"
#include "text/document_text.h"

using namespace kaz::gui;

using namespace guitest;

namespace {

// Runs `answer` on the member-count dialog once it is shown; the member count it was accepted
// with, or 0 (no bracket) when it was cancelled.
int membersAfterNew(std::function<void(MemberCountDialog*)> answer, bool* created) {
    onNextDialog(answer);
    MemberCountDialog dialog;
    const bool accepted = dialog.exec() == QDialog::Accepted;
    *created = accepted;
    return accepted ? dialog.memberCount() : 0;
}

}  // namespace

class TestInputDialogs : public QObject {
    Q_OBJECT
private slots:
    void memberCountDialogTexts();
    void memberCountDialogHoldsItsTitle_data();
    void memberCountDialogHoldsItsTitle();
    void newBracketFromDialog_data();
    void newBracketFromDialog();
    void textDialogOpensAtPointerHoldingText_data();
    void textDialogOpensAtPointerHoldingText();
    void championFieldTakesAWholeName();
    void noticeShowsAsItsKindSays_data();
    void noticeShowsAsItsKindSays();
};

void TestInputDialogs::memberCountDialogTexts() {
    MemberCountDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("新規トーナメント表　人数設定"));
    QComboBox* combo = dialog.comboBox();
    QVERIFY(combo->isEditable());
    const QStringList items = {"4人用", "8人用", "16人用", "32人用", "64人用", "128人用"};
    QCOMPARE(combo->count(), items.size());
    for (int i = 0; i < items.size(); ++i) QCOMPARE(combo->itemText(i), items[i]);
    QCOMPARE(combo->currentText(), QStringLiteral("4人用"));
    QCOMPARE(dialog.countText(), QStringLiteral("4人用"));
    QVERIFY(dialog.okButton()->isDefault());
    QStringList buttons;
    for (auto* button : dialog.findChildren<QPushButton*>()) buttons << button->text();
    QVERIFY(buttons.contains(QStringLiteral("ｷｬﾝｾﾙ")));
}

void TestInputDialogs::memberCountDialogHoldsItsTitle_data() {
    QTest::addColumn<QString>("translation");
    QTest::newRow("Japanese") << QString();
    QTest::newRow("English") << QStringLiteral(":/translations/kaz_gui_en.qm");
}

// The title bar shows the whole title beside its icon and close button, and every control
// stays inside the dialog.
void TestInputDialogs::memberCountDialogHoldsItsTitle() {
    QFETCH(QString, translation);
    QTranslator translator;
    if (!translation.isEmpty()) {
        QVERIFY(translator.load(translation));
        QVERIFY(QCoreApplication::installTranslator(&translator));
    }
    MemberCountDialog dialog;
    QCOMPARE(dialog.windowTitle() == QStringLiteral("新規トーナメント表　人数設定"),
             translation.isEmpty());
    const QFontMetrics title(QFontDatabase::systemFont(QFontDatabase::TitleFont));
    const int bar =
        std::max(dialog.style()->pixelMetric(QStyle::PM_TitleBarHeight), title.height());
    QVERIFY(title.horizontalAdvance(dialog.windowTitle()) + 3 * bar <= dialog.width());
    for (QWidget* control : dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        QVERIFY(control->isHidden() || dialog.rect().contains(control->geometry()));
    // The OK button stays to the right of the size box.
    QVERIFY(dialog.okButton()->x() > dialog.comboBox()->geometry().right());
    QCoreApplication::removeTranslator(&translator);
}

void TestInputDialogs::newBracketFromDialog_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("created");
    QTest::addColumn<int>("members");
    QTest::newRow("enter at once") << "enter" << true << 4;
    // Keys typed as the dialog opens reach the size box, its text selected.
    QTest::newRow("Enter into the opened dialog") << "keys:" << true << 4;
    QTest::newRow("16 and Enter into the opened dialog") << "keys:16" << true << 16;
    QTest::newRow("choose 32 from the list") << "list:3" << true << 32;
    QTest::newRow("choose 8 from the list") << "list:1" << true << 8;
    QTest::newRow("choose 128 from the list") << "list:5" << true << 128;
    QTest::newRow("typed 16人用") << "type:16人用" << true << 16;
    QTest::newRow("typed 16") << "type:16" << true << 16;
    QTest::newRow("typed 4") << "type:4" << true << 4;
    // Any other text keeps the dialog open, listing the sizes; it is then cancelled here.
    QTest::newRow("trailing blank") << "type:16人用 " << false << 0;
    QTest::newRow("not offered") << "type:256人用" << false << 0;
    QTest::newRow("start of an item") << "type:3" << false << 0;
    QTest::newRow("item without its end") << "type:16人" << false << 0;
    QTest::newRow("empty") << "type:" << false << 0;
    QTest::newRow("escape") << "escape" << false << 0;
    QTest::newRow("cancel button") << "cancel" << false << 0;
    QTest::newRow("close box") << "close" << false << 0;
}

void TestInputDialogs::newBracketFromDialog() {
    QFETCH(QString, action);
    QFETCH(bool, created);
    QFETCH(int, members);
    bool wasCreated = false;
    const int result = membersAfterNew(
        [action](MemberCountDialog* dialog) {
            if (action == "enter") {
                QTest::keyClick(dialog->okButton(), Qt::Key_Return);
            } else if (action.startsWith("keys:")) {
                QWidget* focus = dialog->focusWidget();
                QVERIFY(focus);
                typeText(focus, action.mid(5));
                QTest::keyClick(focus, Qt::Key_Return);
            } else if (action.startsWith("list:")) {
                dialog->comboBox()->setCurrentIndex(action.mid(5).toInt());
                QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
            } else if (action.startsWith("type:")) {
                QLineEdit* edit = dialog->comboBox()->lineEdit();
                QApplication::setActiveWindow(dialog);
                edit->setFocus();
                edit->clear();
                typeText(edit, action.mid(5));
                QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
                if (!dialog->isVisible()) return;
                auto* refusal = dialog->findChild<QLabel*>(QStringLiteral("refusalLabel"));
                QVERIFY(refusal && refusal->isVisible());
                QVERIFY(refusal->text().contains(QStringLiteral("16人用")));
                QVERIFY(refusal->geometry().bottom() < dialog->height());
                dialog->reject();
            } else if (action == "escape") {
                QTest::keyClick(dialog, Qt::Key_Escape);
            } else if (action == "cancel") {
                for (auto* button : dialog->findChildren<QPushButton*>()) {
                    if (button->text() == QStringLiteral("ｷｬﾝｾﾙ")) button->click();
                }
            } else {
                dialog->close();
            }
        },
        &wasCreated);
    QCOMPARE(wasCreated, created);
    if (created) QCOMPARE(result, members);
}

void TestInputDialogs::textDialogOpensAtPointerHoldingText_data() {
    QTest::addColumn<bool>("champion");
    QTest::newRow("seed") << false;
    QTest::newRow("champion") << true;
}

// The dialog opens holding the current text, selected, so that typing replaces it; a text
// longer than the field takes (from a file) shows whole and is no refusal.
void TestInputDialogs::textDialogOpensAtPointerHoldingText() {
    QFETCH(bool, champion);
    QCursor::setPos(QPoint(1000, 700));
    std::unique_ptr<TextInputDialog> dialog;
    if (champion) {
        dialog = std::make_unique<ChampionDialog>();
    } else {
        dialog = std::make_unique<SeedDialog>(8);
    }
    QCOMPARE(dialog->windowTitle(),
             champion ? QStringLiteral("優勝者名入力") : QStringLiteral("シード入力"));
    QCOMPARE(dialog->edit()->text(), QString());
    QVERIFY(dialog->findChildren<QPushButton*>().isEmpty());
    // Wide enough for the caption and a close button in a title bar.
    const int bar = dialog->style()->pixelMetric(QStyle::PM_TitleBarHeight);
    QVERIFY(dialog->width() >=
            dialog->fontMetrics().horizontalAdvance(dialog->windowTitle()) + 2 * bar);
    const QString held = QStringLiteral("1234567890123456");
    dialog->setInitialText(held);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QCOMPARE(dialog->pos(), QCursor::pos());  // not pulled back onto the screen
    QVERIFY(dialog->edit()->hasFocus());
    QCOMPARE(dialog->edit()->selectedText(), held);
    QVERIFY(!dialog->isTextChanged());
    typeText(dialog->edit(), QStringLiteral("7"));
    QCOMPARE(dialog->edit()->text(), QStringLiteral("7"));
    QVERIFY(dialog->isTextChanged());
}

// A member's whole name, club and all, fits the champion's field.
void TestInputDialogs::championFieldTakesAWholeName() {
    ChampionDialog dialog;
    const QString name = QStringLiteral("山田　太郎（北辰剣友会）");
    typeText(dialog.edit(), name);
    QCOMPARE(dialog.edit()->text(), name);
    QCOMPARE(kaz::cp932Length(dialog.enteredText()), size_t(24));
}

void TestInputDialogs::noticeShowsAsItsKindSays_data() {
    QTest::addColumn<Notice>("kind");
    QTest::addColumn<bool>("fromDialog");
    QTest::addColumn<bool>("inDialogLine");
    QTest::addColumn<bool>("forAWhile");
    QTest::newRow("done") << Notice::Done << false << false << true;
    QTest::newRow("refused click") << Notice::RefusedClick << false << false << true;
    QTest::newRow("refused") << Notice::Refused << false << false << false;
    QTest::newRow("standing") << Notice::Standing << false << false << false;
    QTest::newRow("refused in a dialog") << Notice::Refused << true << true << false;
    QTest::newRow("done from a dialog") << Notice::Done << true << false << true;
}

// A notice goes to the dialog's refusal line only as a refusal told from inside it, otherwise to
// the status bar of the main window (a dialog's through its owner), for a few seconds or until
// the next message as its kind says.
void TestInputDialogs::noticeShowsAsItsKindSays() {
    QFETCH(Notice, kind);
    QFETCH(bool, fromDialog);
    QFETCH(bool, inDialogLine);
    QFETCH(bool, forAWhile);
    QMainWindow window;
    auto* central = new QWidget(&window);
    window.setCentralWidget(central);
    QStatusBar* bar = window.statusBar();
    QDialog dialog(&window);
    QLabel* line = makeRefusalLine(&dialog);
    auto* field = new QLineEdit(&dialog);
    const QString text = QStringLiteral("お知らせ");
    tell(fromDialog ? static_cast<QWidget*>(field) : central, text, kind);
    QCOMPARE(line->text(), inDialogLine ? text : QString());
    QCOMPARE(bar->currentMessage(), inDialogLine ? QString() : text);
    // The bar clears a message shown for a while by its own timer.
    auto* timer = bar->findChild<QTimer*>();
    QCOMPARE(timer != nullptr && timer->isActive(), forAWhile);
    if (forAWhile) QCOMPARE(timer->interval(), 5000);
}

QTEST_MAIN(TestInputDialogs)
#include "tst_input_dialogs.moc"
