// The sheet edited in the editor: 表の設定 through the real main window as one step that undo
// takes back, the name box's シード and 不戦勝, and 表示 → 所属.

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

#include "app_test_support.h"
#include "bridge/qt_text.h"
#include "common/refusal_notice.h"
#include "dialogs/sheet_settings_dialog.h"
#include "dialogs/text_input_dialog.h"
#include "document/bracket_document.h"
#include "view/member_name_edit.h"
#include "widgets/text_field.h"

using namespace kaz::gui;
using namespace kaz::app;

using namespace guitest;

namespace {

// The item of that object name in `box`'s context menu, as it stood when the menu opened.
QAction* menuItem(MemberNameEdit* box, const QString& name) {
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(5, 5),
                            box->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(box, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) return nullptr;
    QAction* found = menu->findChild<QAction*>(name);
    menu->close();
    return found;
}

// Answers the next シード入力 with `typed`.
// Answers the seed dialog with `typed` and Enter. A number it refuses is told in the dialog,
// which stays open: `refused` gets that text, and the dialog is closed after.
void answerSeed(const QString& typed, QString* refused = nullptr) {
    onNextDialog<SeedDialog>([typed, refused](SeedDialog* dialog) {
        dialog->edit()->clear();
        typeText(dialog->edit(), typed);
        QTest::keyClick(dialog->edit(), Qt::Key_Return);
        const auto* line = dialog->findChild<QLabel*>(QStringLiteral("refusalLine"));
        if (refused && line && line->isVisible()) *refused = line->text();
    });
}

}  // namespace

class TestSheetEditing : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8()); }
    void settingsAreOneStep_data();
    void settingsAreOneStep();
    void byeOnlyOnAnEmptySlot();
    void seedSetAndCleared();
    void clubsActionTogglesTheColumn();

private:
    QTemporaryDir m_config;
};

void TestSheetEditing::settingsAreOneStep_data() {
    QTest::addColumn<QString>("box");    // the object name of the box or check typed into
    QTest::addColumn<QString>("typed");  // typed into a field, or the item chosen in a list
    QTest::addColumn<int>("steps");

    QTest::newRow("title") << "titleField"
                           << "春季大会" << 1;
    QTest::newRow("second line") << "subtitleField"
                                 << "5月3日 市民体育館" << 1;
    QTest::newRow("round name") << "roundField1"
                                << "決勝戦" << 1;
    QTest::newRow("round name as its default") << "roundField1"
                                               << "決勝" << 0;
    QTest::newRow("match numbers") << "matchNumbersBox" << QString() << 1;
    QTest::newRow("club column") << "clubColumnBox" << QString() << 1;
    QTest::newRow("two-sided") << "twoSidedBox" << QString() << 1;
    QTest::newRow("third-place match") << "thirdPlaceBox"
                                       << "3位決定戦を行う" << 1;
    QTest::newRow("English") << "languageBox"
                             << "English" << 1;
    QTest::newRow("nothing changed") << QString() << QString() << 0;
}

// OK takes the edited fields as one step (none when nothing changed); undo brings back the
// sheet as it was, and every window hears of both.
void TestSheetEditing::settingsAreOneStep() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(int, steps);
    MainWindow frame;
    showActive(frame);
    BracketView* view = newBracket(frame);
    BracketDocument* doc = view->document();
    kaz::SheetInfo before = doc->bracket().sheet();
    before.title = "Old";  // a title from a file, kept when left alone
    QVERIFY(!doc->setSheet(before));
    const int stepsBefore = doc->undoStack()->count();
    QSignalSpy heard(doc, &BracketDocument::changed);

    onNextDialog<SheetSettingsDialog>([&](SheetSettingsDialog* dialog) {
        QCOMPARE(dialog->titleField()->text(), QStringLiteral("Old"));
        QCOMPARE(dialog->roundField(1)->placeholderText(), QStringLiteral("決勝"));
        // An empty name would find any box.
        if (auto* field = box.isEmpty() ? nullptr : dialog->findChild<TextField*>(box)) {
            field->clear();
            typeText(field, typed);
        }
        if (auto* check = box.isEmpty() ? nullptr : dialog->findChild<QCheckBox*>(box)) {
            check->click();
        }
        if (auto* list = box.isEmpty() ? nullptr : dialog->findChild<QComboBox*>(box)) {
            QCOMPARE(list->currentIndex(), 0);
            list->setCurrentText(typed);
        }
        // The round boxes show the defaults of the sheet's language.
        if (box == QStringLiteral("languageBox")) {
            QCOMPARE(dialog->roundField(1)->placeholderText(), QStringLiteral("Final"));
        }
        dialog->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    });
    action(frame, "sheetSettings")->trigger();
    QCOMPARE(doc->undoStack()->count(), stepsBefore + steps);
    QCOMPARE(heard.count(), steps);
    const kaz::SheetInfo after = doc->bracket().sheet();
    QCOMPARE(after != before, steps == 1);
    if (box == QStringLiteral("thirdPlaceBox")) {
        QCOMPARE(after.thirdPlace, kaz::ThirdPlace::Match);
    } else if (box == QStringLiteral("languageBox")) {
        QCOMPARE(after.language, kaz::SheetLanguage::English);
    } else if (box == QStringLiteral("twoSidedBox")) {
        QVERIFY(after.twoSided);
    } else if (steps == 1 && !typed.isEmpty()) {
        const std::string bytes = kaz::render::toDocumentText(typed);
        QVERIFY(after.title == bytes || after.subtitle == bytes || after.roundNames[1] == bytes);
    }
    if (steps == 0) return;
    QCOMPARE(doc->undoStack()->undoText(), QStringLiteral("表の設定"));
    doc->undoStack()->undo();
    QVERIFY(doc->bracket().sheet() == before);
    QCOMPARE(heard.count(), 2);
}

// 不戦勝 marks and unmarks an empty slot; a slot with a name is refused with the reason.
void TestSheetEditing::byeOnlyOnAnEmptySlot() {
    MainWindow frame;
    showActive(frame);
    BracketView* view = newBracket(frame);
    BracketDocument* doc = view->document();
    MemberNameEdit* empty = view->nameEdits()[1];
    QAction* bye = menuItem(empty, QStringLiteral("bye"));
    QVERIFY(bye && bye->isEnabled() && !bye->isChecked());
    bye->trigger();
    QVERIFY(doc->bracket().isBye(1));
    QCOMPARE(doc->undoStack()->undoText(), QStringLiteral("不戦勝"));
    bye = menuItem(empty, QStringLiteral("bye"));
    QVERIFY(bye->isChecked());
    bye->trigger();
    QVERIFY(!doc->bracket().isBye(1));

    MemberNameEdit* named = view->nameEdits()[0];
    typeText(named, QStringLiteral("Zoe"));
    QVERIFY(!menuItem(named, QStringLiteral("bye"))->isEnabled());
    const int steps = doc->undoStack()->count();
    QCOMPARE(refusalText(doc->setBye(0, true)),
             QStringLiteral("名前のある枠は不戦勝にできません。"));
    QVERIFY(!doc->bracket().isBye(0));
    QCOMPARE(doc->undoStack()->count(), steps);
}

// シード... sets a number, refuses one out of range or another member's (named) with the reason
// in the dialog, and an empty answer clears it.
void TestSheetEditing::seedSetAndCleared() {
    MainWindow frame;
    showActive(frame);
    BracketView* view = newBracket(frame);
    BracketDocument* doc = view->document();
    const auto seeds = [doc](int member) { return doc->bracket().memberSeed(member); };

    answerSeed(QStringLiteral("３"));
    menuItem(view->nameEdits()[2], QStringLiteral("seed"))->trigger();
    QCOMPARE(seeds(2), 3);
    QCOMPARE(doc->undoStack()->undoText(), QStringLiteral("シード"));

    typeText(view->nameEdits()[2], QStringLiteral("Zoe"));
    QString refused;
    answerSeed(QStringLiteral("3"), &refused);
    menuItem(view->nameEdits()[0], QStringLiteral("seed"))->trigger();
    QCOMPARE(seeds(0), 0);
    QCOMPARE(refused, QStringLiteral("シード 3 はすでに Zoe (3人目) にあります。"));
    answerSeed(QStringLiteral("5"), &refused);
    menuItem(view->nameEdits()[0], QStringLiteral("seed"))->trigger();
    QCOMPARE(seeds(0), 0);
    QCOMPARE(refused, QStringLiteral("シードは 1 から 4 までの番号です。"));

    answerSeed(QString());
    menuItem(view->nameEdits()[2], QStringLiteral("seed"))->trigger();
    QCOMPARE(seeds(2), 0);
    doc->undoStack()->undo();
    QCOMPARE(seeds(2), 3);
}

// 所属 shows and hides the club column as a step, checked while it shows, undo included; while
// a member has a club the column cannot hide.
void TestSheetEditing::clubsActionTogglesTheColumn() {
    MainWindow frame;
    showActive(frame);
    BracketDocument* doc = newBracket(frame)->document();
    QAction* clubs = action(frame, "viewClubs");
    QVERIFY(clubs->isEnabled() && !clubs->isChecked());
    clubs->trigger();
    QVERIFY(doc->bracket().sheet().clubColumn);
    QVERIFY(clubs->isChecked());
    QCOMPARE(doc->undoStack()->undoText(), QStringLiteral("所属の列"));
    doc->undoStack()->undo();
    QVERIFY(!doc->bracket().sheet().clubColumn);
    QVERIFY(!clubs->isChecked());

    doc->setMemberClub(0, "A");
    QVERIFY(clubs->isChecked());
    clubs->trigger();
    QVERIFY(clubs->isChecked());
    QCOMPARE(frame.statusBar()->currentMessage(),
             QStringLiteral("所属のあるﾒﾝﾊﾞｰがいるため、所属の列は隠せません。"));
}

QTEST_MAIN(TestSheetEditing)
#include "tst_sheet_editing.moc"
