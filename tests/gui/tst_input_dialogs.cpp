// The member-count dialog and the two text dialogs, driven through their widgets.

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "document/bracket_document.h"
#include "type_text.h"
#include "dialogs/member_count_dialog.h"
#include "dialogs/text_input_dialog.h"

namespace {

// Runs `answer` on the member-count dialog once it is shown, then New on a fresh document.
int PlayersAfterNew(std::function<void(CPlayerCountDlg*)> answer, bool* created) {
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<CPlayerCountDlg*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        answer(dialog);
    });
    CKaz_editDoc doc;
    *created = doc.OnNewDocument(nullptr);
    return doc.GetPlayers();
}

}  // namespace

class TestEditorDialogs : public QObject {
    Q_OBJECT
private slots:
    void playerCountDialogTexts();
    void newBracketFromDialog_data();
    void newBracketFromDialog();
    void textDialogOpensEmptyAtPointer_data();
    void textDialogOpensEmptyAtPointer();
    void championFieldTakesFifteenBytes();
    void trimRemovesSingleByteBlanksOnly();
};

void TestEditorDialogs::playerCountDialogTexts() {
    CPlayerCountDlg dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("新規トーナメント表　人数設定"));
    QComboBox* combo = dialog.ComboBox();
    QVERIFY(combo->isEditable());
    QCOMPARE(combo->count(), 4);
    const QStringList items = {"4人用", "8人用", "16人用", "32人用"};
    for (int i = 0; i < 4; ++i) QCOMPARE(combo->itemText(i), items[i]);
    QCOMPARE(combo->currentText(), QStringLiteral("4人用"));
    QCOMPARE(dialog.m_strCount, QStringLiteral("4人用"));
    QVERIFY(dialog.OkButton()->isDefault());
    QStringList buttons;
    for (auto* button : dialog.findChildren<QPushButton*>()) buttons << button->text();
    QVERIFY(buttons.contains(QStringLiteral("ｷｬﾝｾﾙ")));
}

void TestEditorDialogs::newBracketFromDialog_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("created");
    QTest::addColumn<int>("players");
    QTest::newRow("enter at once") << "enter" << true << 4;
    QTest::newRow("choose 32 from the list") << "list:3" << true << 32;
    QTest::newRow("choose 8 from the list") << "list:1" << true << 8;
    QTest::newRow("typed 16人用") << "type:16人用" << true << 16;
    QTest::newRow("trailing blank") << "type:16人用 " << false << 0;
    QTest::newRow("not offered") << "type:64人用" << false << 0;
    QTest::newRow("empty") << "type:" << false << 0;
    QTest::newRow("escape") << "escape" << false << 0;
    QTest::newRow("cancel button") << "cancel" << false << 0;
    QTest::newRow("close box") << "close" << false << 0;
}

void TestEditorDialogs::newBracketFromDialog() {
    QFETCH(QString, action);
    QFETCH(bool, created);
    QFETCH(int, players);
    bool wasCreated = false;
    const int result = PlayersAfterNew(
        [action](CPlayerCountDlg* dialog) {
            if (action == "enter") {
                QTest::keyClick(dialog->OkButton(), Qt::Key_Return);
            } else if (action.startsWith("list:")) {
                dialog->ComboBox()->setCurrentIndex(action.mid(5).toInt());
                QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
            } else if (action.startsWith("type:")) {
                QLineEdit* edit = dialog->ComboBox()->lineEdit();
                edit->clear();
                TypeText(edit, action.mid(5));
                QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
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
    if (created) QCOMPARE(result, players);
}

void TestEditorDialogs::textDialogOpensEmptyAtPointer_data() {
    QTest::addColumn<bool>("champion");
    QTest::newRow("score") << false;
    QTest::newRow("champion") << true;
}

void TestEditorDialogs::textDialogOpensEmptyAtPointer() {
    QFETCH(bool, champion);
    QCursor::setPos(QPoint(1000, 700));
    std::unique_ptr<TextInputDlg> dialog;
    if (champion) {
        dialog = std::make_unique<CChampionNameDlg>();
    } else {
        dialog = std::make_unique<CScoreInputDlg>();
    }
    QCOMPARE(dialog->windowTitle(),
             champion ? QStringLiteral("優勝者名入力") : QStringLiteral("点数入力"));
    QCOMPARE(dialog->Edit()->text(), QString());
    QVERIFY(dialog->findChildren<QPushButton*>().isEmpty());
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QCOMPARE(dialog->pos(), QCursor::pos());  // not pulled back onto the screen
    QVERIFY(dialog->Edit()->hasFocus());
}

void TestEditorDialogs::championFieldTakesFifteenBytes() {
    CChampionNameDlg dialog;
    TypeText(dialog.Edit(), QStringLiteral("1234567890ABCDEFG"));
    QCOMPARE(dialog.Edit()->text(), QStringLiteral("1234567890ABCDE"));
    dialog.Edit()->clear();
    TypeText(dialog.Edit(), QStringLiteral("優勝者優勝者優勝者"));
    QCOMPARE(dialog.Edit()->text(), QStringLiteral("優勝者優勝者優"));
    TypeText(dialog.Edit(), QStringLiteral("A"));
    QCOMPARE(dialog.GetText().size(), size_t(15));
}

void TestEditorDialogs::trimRemovesSingleByteBlanksOnly() {
    QCOMPARE(TrimScore(" \t3 - 1\r\n"), std::string("3 - 1"));
    QCOMPARE(TrimScore("   "), std::string());
    // An ideographic space is text, not a single-byte blank.
    QCOMPARE(TrimScore("\x81\x40" "1 "), std::string("\x81\x40" "1"));
}

QTEST_MAIN(TestEditorDialogs)
#include "tst_input_dialogs.moc"
