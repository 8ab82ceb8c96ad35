// The name box as a user meets it: lists pasted across the boxes, text taken or refused whole
// at the limit (in the score and champion fields too), and results entered from the keyboard.

#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QUndoStack>
#include <QtTest>

#include "bracket/cleared_results.h"
#include "bracket/line_rules.h"
#include "bridge/qt_text.h"
#include "dialogs/match_score_dialog.h"
#include "dialogs/text_input_dialog.h"
#include "document/bracket_document.h"
#include "gui_test_support.h"
#include "scripted_desktop.h"
#include "text/text_limits.h"
#include "view/line_widget.h"
#include "view/member_name_edit.h"

using namespace kaz::render;
using namespace kaz::gui;

using namespace guitest;

namespace {

// The status bar while nothing is said.
const QString kIdle;

QStringList namesIn(const BracketView& view) {
    QStringList names;
    for (MemberNameEdit* box : view.nameEdits()) names << box->text();
    return names;
}

void clearStatus(QMainWindow& frame) {
    QStatusTipEvent idle{QString()};
    QApplication::sendEvent(&frame, &idle);
}

// Pastes `text` with Ctrl+V, as the user would.
void pasteWithKeys(QWidget* field, const QString& text) {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

}  // namespace

class TestNameBox : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void listFillsTheBoxesBelow();
    void textIsTakenOrRefused_data();
    void textIsTakenOrRefused();
    void textShownTooLongCanBeShortened();
    void resultKeys_data();
    void resultKeys();
    void f2AsksForTheTextWhereTheMemberStands_data();
    void f2AsksForTheTextWhereTheMemberStands();
    void f2AfterAltRightScoresTheMatchJustPlayed();
    void wordKeysAndNames();
    void nameTooLongForTheBoxIsItsTooltip();

private:
    QTemporaryDir m_config;
};

void TestNameBox::initTestCase() { qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8()); }

// CRLF and lone line breaks, blank lines, a tab, an emoji and more lines than boxes: the boxes
// from the focused one down take a name each, in one step, and the status bar tells the 〓 and
// counts the rest.
void TestNameBox::listFillsTheBoxesBelow() {
    ViewFrame frame(4);
    showActive(frame);
    BracketView* view = frame.view();
    BracketDocument* doc = view->document();
    typeText(view->nameEdits()[0], QStringLiteral("先頭"));
    typeText(view->nameEdits()[1], QStringLiteral("old"));
    const int steps = doc->undoStack()->count();

    pasteWithKeys(view->nameEdits()[1],
                  QStringLiteral("  Ann\t1位\r\n\r\nBob😀\r\n \t\nCy\nDan\rEve😀\r\n"));
    QCOMPARE(namesIn(*view), QStringList({"先頭", "Ann", "Bob😀", "Cy"}));
    // Lines as the paste counts them; the lines left out are not told about.
    QCOMPARE(
        frame.statusBar()->currentMessage(),
        QStringLiteral("3行目: 「😀」は入力のまま残します。古いプログラムでは 〓 と表示されます。 "
                       "名前の欄が足りないため、2 行を貼り付けませんでした。"));
    QCOMPARE(doc->undoStack()->count(), steps + 1);
    QCOMPARE(doc->undoStack()->undoText(), QStringLiteral("名前の貼り付け"));
    QCOMPARE(QString::fromStdString(doc->bracket().memberName(2)), QStringLiteral("Bob😀"));

    QTest::keyClick(view->nameEdits()[1], Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(namesIn(*view), QStringList({"先頭", "old", "", ""}));
}

void TestNameBox::textIsTakenOrRefused_data() {
    QTest::addColumn<QString>("field");    // "name", "score" or "champion"
    QTest::addColumn<QString>("start");    // the field's text; the cursor stands at its end
    QTest::addColumn<bool>("pastedText");  // pasted with Ctrl+V, or else typed
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("status");
    const QString notInCp932 = QStringLiteral("この文字は使えません。");
    const QString scoreLimit = QStringLiteral("点数は 32 文字までです。");
    QTest::newRow("name: pasted, emoji kept, a tab ends it")
        << "name"
        << "ab" << true << QStringLiteral("X😀Y\tZ") << QStringLiteral("abX😀Y")
        << QStringLiteral(
               "1行目: 「😀」は入力のまま残します。古いプログラムでは 〓 と表示されます。");
    QTest::newRow("name: typed, emoji kept")
        << "name"
        << "ab" << false << QStringLiteral("😀") << QStringLiteral("ab😀") << QString();
    QTest::newRow("name: a control character never gets in")
        << "name"
        << "ab" << true << QStringLiteral("X\u0007Y") << "abXY" << notInCp932;
    QTest::newRow("name: nor does DEL")
        << "name"
        << "ab" << true << QStringLiteral("X\u007FY") << "abXY" << notInCp932;
    QTest::newRow("name: pasted beyond its limit, refused whole")
        << "name"
        << "ab" << true << QString(int(kaz::kMaxMemberNameCharacters) - 1, 'x') << "ab"
        << QStringLiteral("名前は %1 文字までです。").arg(kaz::kMaxMemberNameCharacters);
    QTest::newRow("name: a list with a line beyond the limit, refused whole")
        << "name"
        << "ab" << true << "A\nB\n" + QString(int(kaz::kMaxMemberNameCharacters) + 1, 'x') << "ab"
        << QStringLiteral("3行目: 名前は %1 文字までです。").arg(kaz::kMaxMemberNameCharacters);
    QTest::newRow("score: pasted beyond the limit, refused whole, never cut")
        << "score" << QString(30, '1') << true << "勝ち勝" << QString(30, '1') << scoreLimit;
    QTest::newRow("score: pasted to the limit exactly") << "score"
                                                        << "1234567" << true << "勝"
                                                        << "1234567勝" << kIdle;
    QTest::newRow("score: sets") << "score"
                                 << "" << false << "6-4 3-6 7-6(5)"
                                 << "6-4 3-6 7-6(5)" << kIdle;
    QTest::newRow("score: typed beyond the limit")
        << "score" << QString(32, '9') << false << "0" << QString(32, '9') << scoreLimit;
    QTest::newRow("score: a double-byte character counts one")
        << "score" << QString(31, '9') << false << "勝" << QString(31, '9') + "勝" << kIdle;
    QTest::newRow("score: the first line of a list")
        << "score"
        << "" << true << "3-1\r\n2-0\r\n"
        << "3-1" << QStringLiteral("最初の行だけを貼り付けました。");
    QTest::newRow("champion: blanks kept") << "champion"
                                           << "" << true << "  優勝A\t9"
                                           << "  優勝A" << kIdle;
    QTest::newRow("champion: pasted beyond the limit")
        << "champion"
        << "" << true << "(one over)"
        << "" << QStringLiteral("優勝者名は %1 文字までです。");
}

void TestNameBox::textIsTakenOrRefused() {
    QFETCH(QString, field);
    QFETCH(QString, start);
    QFETCH(bool, pastedText);
    QFETCH(QString, input);
    QFETCH(QString, result);
    QFETCH(QString, status);
    ViewFrame frame(4);
    showActive(frame);
    BracketView* view = frame.view();
    std::unique_ptr<QDialog> dialog;
    QLineEdit* edit = view->nameEdits()[0];
    if (field == "score") {
        auto* match = new MatchScoreDialog(QStringLiteral("第1試合 1回戦"), {"A", "B"},
                                           {start, QString()}, &frame);
        dialog.reset(match);
        edit = match->field(0);
    } else if (field == "champion") {
        auto* champion = new ChampionDialog(&frame);
        champion->setInitialText(start);
        dialog.reset(champion);
        edit = champion->edit();
    }
    // The champion's limit as the field has it.
    const size_t limit = static_cast<TextField*>(edit)->maxCharacters();
    if (input == "(one over)") input = QString(int(limit) + 1, 'a');
    if (status.contains("%1")) status = status.arg(limit);
    if (dialog) {
        dialog->show();
    } else {
        typeText(edit, start);
    }
    edit->end(false);
    clearStatus(frame);
    if (pastedText) {
        pasteWithKeys(edit, input);
    } else {
        typeText(edit, input);
    }
    QCOMPARE(edit->text(), result);
    if (dialog) {
        // In a dialog the refusal shows there; the status bar behind it stays idle.
        auto* line = dialog->findChild<QLabel*>(QStringLiteral("refusalLine"));
        QVERIFY(line);
        QCOMPARE(line->isVisible() ? line->text() : kIdle, status);
        QCOMPARE(frame.statusBar()->currentMessage(), kIdle);
    } else {
        QCOMPARE(frame.statusBar()->currentMessage(), status);
        QCOMPARE(view->document()->memberNameText(0), result);
    }

    // Nor does a control character or DEL dropped into the field (the same as an insert), or
    // typed through an input method.
    edit->insert(QStringLiteral("\n"));
    edit->insert(QStringLiteral("\u007F"));
    QInputMethodEvent typed;
    typed.setCommitString(QStringLiteral("\u007F"));
    QApplication::sendEvent(edit, &typed);
    QCOMPARE(edit->text(), result);
}

// A score from a file may be longer than the field takes: it can still be shortened, not
// lengthened.
void TestNameBox::textShownTooLongCanBeShortened() {
    MatchScoreDialog dialog(QStringLiteral("第1試合 1回戦"), {"A", "B"},
                            {QString(34, '1'), QString()}, nullptr);
    QLineEdit* field = dialog.field(0);
    field->end(false);
    QTest::keyClick(field, Qt::Key_Backspace);
    QCOMPARE(field->text(), QString(33, '1'));
    typeText(field, QStringLiteral("B"));
    QCOMPARE(field->text(), QString(33, '1'));
}

namespace {

// 8 members: 0, 2, 4 and 6 won round 1, 0 and 6 round 2, 0 the final and is champion "A".
void playEightMembers(BracketDocument& doc) {
    for (int line : {0, 2, 4, 6, 8, 11, 12, 14}) doc.leftClickLine(line);
    doc.setLineScore(9, "2");
    doc.setChampion("A");
}

}  // namespace

void TestNameBox::resultKeys_data() {
    QTest::addColumn<int>("member");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("line");  // the line the key clicks (Right) or double-clicks (Left)
    QTest::newRow("champion, Alt+Right: nothing on the final line")
        << 0 << int(Qt::Key_Right) << -1;
    QTest::newRow("champion, Alt+Left: the won final line") << 0 << int(Qt::Key_Left) << 14;
    QTest::newRow("member 2 stands on line 9") << 2 << int(Qt::Key_Right) << 9;
    QTest::newRow("member 2 last won line 2") << 2 << int(Qt::Key_Left) << 2;
    QTest::newRow("member 1 stands on its own line") << 1 << int(Qt::Key_Right) << 1;
    QTest::newRow("member 1 has won nothing") << 1 << int(Qt::Key_Left) << -1;
    QTest::newRow("member 6 stands on line 13") << 6 << int(Qt::Key_Right) << 13;
    QTest::newRow("member 6 last won line 11") << 6 << int(Qt::Key_Left) << 11;
}

// Alt+Right is a left click and Alt+Left a double click on the member's line, as one step.
void TestNameBox::resultKeys() {
    QFETCH(int, member);
    QFETCH(int, key);
    QFETCH(int, line);
    BracketDocument doc{namedBracket(8)};
    playEightMembers(doc);
    BracketView view(&doc);
    kaz::Bracket expected = doc.bracket();
    if (line >= 0) {
        kaz::leftClickLine(expected, line);
        if (key == Qt::Key_Left) kaz::doubleClickLine(expected, line);
    }
    const int steps = doc.undoStack()->count();
    // Where the key would clear a decided later result it asks first: はい.
    ScriptedDesktop desktop;
    if (line >= 0 && !kaz::clearedResults(doc.bracket(), expected, line).matchNumbers.empty()) {
        desktop.yesNoAnswers << true;
    }
    MemberNameEdit* box = view.nameEdits()[size_t(member)];
    QTest::keyClick(box, Qt::Key(key), Qt::AltModifier);
    QVERIFY(doc.bracket().lineResults() == expected.lineResults());
    QCOMPARE(doc.bracket().champion(), expected.champion());
    QCOMPARE(doc.undoStack()->count(), steps + (line >= 0 ? 1 : 0));
    if (line >= 0) {
        QCOMPARE(doc.undoStack()->undoText(),
                 key == Qt::Key_Left ? QStringLiteral("取り消し") : QStringLiteral("勝ち上がり"));
    }
    QCOMPARE(box->text(), QStringLiteral("選手%1").arg(member + 1));  // the key typed nothing
}

void TestNameBox::f2AsksForTheTextWhereTheMemberStands_data() {
    QTest::addColumn<int>("member");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("held");
    QTest::addColumn<int>("line");  // whose score changes; -1 the champion
    QTest::newRow("member 2: the score of line 9") << 2 << "点数入力"
                                                   << "2" << 9;
    QTest::newRow("member 0: the champion") << 0 << "優勝者名入力"
                                            << "A" << -1;
}

// F2 opens the dialog holding the text, selected: Enter keeps it, typing replaces it.
void TestNameBox::f2AsksForTheTextWhereTheMemberStands() {
    QFETCH(int, member);
    QFETCH(QString, caption);
    QFETCH(QString, held);
    QFETCH(int, line);
    BracketDocument doc{namedBracket(8)};
    playEightMembers(doc);
    BracketView view(&doc);
    showExposed(view);
    MemberNameEdit* box = view.nameEdits()[size_t(member)];
    const int steps = doc.undoStack()->count();
    for (const QString& typed : {QString(), QStringLiteral("7")}) {
        onNextDialog<QDialog>([&](QDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), caption);
            QLineEdit* field = openedField(dialog);
            QCOMPARE(field->text(), held);
            QCOMPARE(field->selectedText(), held);
            typeText(field, typed);
            QTest::keyClick(field, Qt::Key_Return);
        });
        QTest::keyClick(box, Qt::Key_F2);
        const QString now =
            line >= 0 ? QString::fromStdString(doc.lineScore(line)) : doc.championText();
        QCOMPARE(now, typed.isEmpty() ? held : typed);
        QCOMPARE(doc.undoStack()->count(), steps + (typed.isEmpty() ? 0 : 1));
    }
}

// Alt+Right carried member 0 into round 2; F2 then asks for the score of the match it just
// won, named over the field, not of the one it has yet to play.
void TestNameBox::f2AfterAltRightScoresTheMatchJustPlayed() {
    BracketDocument doc{namedBracket(8)};
    BracketView view(&doc);
    showExposed(view);
    MemberNameEdit* box = view.nameEdits()[0];
    typeText(box, QStringLiteral("山田 太郎"));
    QTest::keyClick(box, Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(doc.lineState(0), kaz::LineState::Won);
    QString subject;
    onNextDialog<MatchScoreDialog>([&subject](MatchScoreDialog* dialog) {
        subject = dialog->findChild<QLabel*>()->text();
        typeText(openedField(dialog), QStringLiteral("3"));
        QTest::keyClick(openedField(dialog), Qt::Key_Return);
    });
    QTest::keyClick(box, Qt::Key_F2);
    QCOMPARE(subject, QStringLiteral("第1試合 準々決勝:"));
    QCOMPARE(doc.lineScore(0), std::string("3"));
    QCOMPARE(doc.lineScore(8), std::string());
}

// Ctrl+Left and Ctrl+Right still move by words; each box tells a screen reader its member.
void TestNameBox::wordKeysAndNames() {
    BracketDocument doc{namedBracket(4)};
    BracketView view(&doc);
    MemberNameEdit* box = view.nameEdits()[0];
    typeText(box, QStringLiteral("ab cd"));
    QTest::keyClick(box, Qt::Key_Left, Qt::ControlModifier);
    QCOMPARE(box->cursorPosition(), 3);
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClick(box, Qt::Key_Right, Qt::ControlModifier);
    QCOMPARE(box->cursorPosition(), 3);
    QCOMPARE(doc.lineState(0), kaz::LineState::Open);
    QCOMPARE(view.nameEdits()[0]->accessibleName(), QStringLiteral("1人目"));
    QCOMPARE(view.nameEdits()[3]->accessibleName(), QStringLiteral("4人目"));
}

// The box keeps its size; a name it cannot show is its tooltip, shown as typed, never as markup.
void TestNameBox::nameTooLongForTheBoxIsItsTooltip() {
    BracketDocument doc{namedBracket(4)};
    BracketView view(&doc);
    MemberNameEdit* box = view.nameEdits()[0];
    const QSize size = box->size();
    typeText(box, QStringLiteral("短い名前"));
    QCOMPARE(box->toolTip(), QString());
    const QString name = QStringLiteral("<b>長谷川慎之介左衛門太郎丸</b> & Harbour Rowing Club");
    doc.setMemberName(0, toDocumentText(name));  // as another window on the bracket would
    QCOMPARE(box->text(), name);
    QTextDocument tip;
    tip.setHtml(box->toolTip());
    QCOMPARE(tip.toPlainText(), name);
    QCOMPARE(box->size(), size);
    doc.undoStack()->undo();
    QCOMPARE(box->toolTip(), QString());
}

QTEST_MAIN(TestNameBox)
#include "tst_name_box.moc"
