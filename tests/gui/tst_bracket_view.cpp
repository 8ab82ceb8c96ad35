// The bracket view through its real widgets: layout, clicks, painting, two views on one bracket.

#include <QLabel>
#include <QMainWindow>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <QUndoStack>
#include <QtTest>

#include "bracket/bracket_change.h"
#include "bridge/qt_colors.h"
#include "bridge/qt_text.h"
#include "dialogs/match_score_dialog.h"
#include "dialogs/text_input_dialog.h"
#include "document/bracket_document.h"
#include "gui_test_support.h"
#include "scripted_desktop.h"
#include "view/bracket_view.h"
#include "view/line_widget.h"
#include "view/member_name_edit.h"

using namespace kaz::render;
using namespace kaz::gui;

using namespace guitest;

namespace {

QString states(const BracketDocument& doc) {
    QString text;
    for (int i = 0; i < doc.bracket().lineCount(); ++i) {
        text += QString::number(int(doc.lineState(i)));
    }
    return text;
}

// Answers the next modal text or score dialog by typing `text` into the field it opened in (a
// backspace first when `erase`) and pressing `key`.
void answerTextDialog(const QString& text, Qt::Key key, bool erase = false) {
    onNextDialog<QDialog>([text, key, erase](QDialog* dialog) {
        QLineEdit* field = openedField(dialog);
        QVERIFY(field);
        if (erase) QTest::keyClick(field, Qt::Key_Backspace);
        typeText(field, text);
        if (key == Qt::Key_unknown) {
            dialog->close();
        } else {
            QTest::keyClick(field, key);
        }
    });
}

// The texts of the dialog's labels, in order, joined by "|".
QString labelTexts(const QWidget* dialog) {
    QStringList texts;
    for (const QLabel* label : dialog->findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) texts << label->text();
    }
    return texts.join('|');
}

QColor pixelAt(QWidget* widget, int x, int y) { return widget->grab().toImage().pixelColor(x, y); }

}  // namespace

class TestBracketView : public QObject {
    Q_OBJECT
private slots:
    void layoutOfEverySize_data();
    void layoutOfEverySize();
    void lineGeometryOfFourMembers();
    void scrollStepsOfThirtyTwoMembers();
    void mouseSequenceOfEightMembers();
    void finalLineCycles();
    void unreachedLineRefusesClicks_data();
    void unreachedLineRefusesClicks();
    void doubleClickOnLineWhoseOpponentHadWon();
    void middleButtonLeavesAWonLine();
    void scoreDialogStoresTrimmedTextOnEnterOnly_data();
    void scoreDialogStoresTrimmedTextOnEnterOnly();
    void championDialogKeepsBlanks();
    void changingADecidedResultAsksFirst();
    void byeSlotTakesNoResult();
    void changedWinnerLosesTheScores();
    void matchDialogTakesBothScores();
    void namesWithPercentSignsStayInResults();
    void strokeColoursFollowState();
    void scoreIsDrawnRightAlignedInScoreColour();
    void joinStaysContinuousThroughScore();
    void backgroundColourReachesEveryPart();
    void longChampionStaysRightOfTheFinal_data();
    void longChampionStaysRightOfTheFinal();
    void tabCyclesThroughNameBoxesOnly();
    void typingChangesTheNameButLoadingDoesNot();
    void typingKeepsCharactersOutsideCp932();
    void twoViewsStayInStep();
};

void TestBracketView::layoutOfEverySize_data() {
    QTest::addColumn<int>("members");
    QTest::addColumn<QSize>("extent");
    QTest::addColumn<QRect>("finalLine");
    QTest::addColumn<QPoint>("champion");
    QTest::newRow("4") << 4 << QSize(470, 186) << QRect(300, 25, 70, 136) << QPoint(375, 87);
    QTest::newRow("8") << 8 << QSize(540, 322) << QRect(370, 25, 70, 272) << QPoint(445, 155);
    QTest::newRow("16") << 16 << QSize(610, 594) << QRect(440, 25, 70, 544) << QPoint(515, 291);
    QTest::newRow("32") << 32 << QSize(680, 1138) << QRect(510, 25, 70, 1088) << QPoint(585, 563);
    QTest::newRow("128") << 128 << QSize(820, 3634) << QRect(650, 25, 70, 3584)
                         << QPoint(725, 1811);
}

void TestBracketView::layoutOfEverySize() {
    QFETCH(int, members);
    QFETCH(QSize, extent);
    QFETCH(QRect, finalLine);
    QFETCH(QPoint, champion);
    BracketDocument doc{namedBracket(members)};
    BracketView view(&doc);

    QCOMPARE(view.canvas()->minimumSize(), extent);
    QCOMPARE(view.championPosition(), champion);
    QCOMPARE(int(view.nameEdits().size()), members);
    for (int i = 0; i < members; ++i) {
        const int pitch = members >= 64 ? 28 : 34;
        QCOMPARE(view.nameEdits()[i]->geometry(), QRect(50, pitch * (i + 1), 110, 20));
    }
    QCOMPARE(int(view.lineWidgets().size()), 2 * members - 1);
    for (int i = 0; i < 2 * members - 1; ++i) {
        QCOMPARE(view.lineWidgets()[i]->index(), i);
        QCOMPARE(view.lineWidgets()[i]->focusPolicy(), Qt::NoFocus);
    }
    QCOMPARE(view.lineWidgets().back()->geometry(), finalLine);
    QCOMPARE(view.lineWidgets().back()->kind(), kaz::LineKind::Final);
    QCOMPARE(view.lineWidgets()[members - 1]->kind(), kaz::LineKind::Lower);
    QCOMPARE(view.lineWidgets()[members]->kind(), kaz::LineKind::Upper);
}

void TestBracketView::lineGeometryOfFourMembers() {
    BracketDocument doc{namedBracket(4)};
    BracketView view(&doc);
    const QList<QRect> expected = {QRect(160, 25, 70, 34), QRect(160, 59, 70, 34),
                                   QRect(160, 93, 70, 34), QRect(160, 127, 70, 34),
                                   QRect(230, 25, 70, 68), QRect(230, 93, 70, 68),
                                   QRect(300, 25, 70, 136)};
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(view.lineWidgets()[i]->geometry(), expected[i]);
}

void TestBracketView::scrollStepsOfThirtyTwoMembers() {
    BracketDocument doc{namedBracket(32)};
    BracketView view(&doc);
    view.resize(300, 300);
    showExposed(view);
    QCOMPARE(view.horizontalScrollBar()->pageStep(), 68);
    QCOMPARE(view.verticalScrollBar()->pageStep(), 113);
    QCOMPARE(view.horizontalScrollBar()->singleStep(), 6);
    QCOMPARE(view.verticalScrollBar()->singleStep(), 11);
    view.resize(400, 350);
    QCOMPARE(view.verticalScrollBar()->pageStep(), 113);

    // The champion's name moves with the scroll position.
    view.verticalScrollBar()->setValue(100);
    const QPoint onScreen = view.canvas()->mapTo(&view, view.championPosition());
    QCOMPARE(onScreen.y(), 563 - 100);
}

void TestBracketView::mouseSequenceOfEightMembers() {
    BracketDocument doc{namedBracket(8)};
    BracketView view(&doc);
    // Both changes of a decided result (clicks on lines 1) ask first; はい each time.
    ScriptedDesktop desktop;
    desktop.yesNoAnswers << true << true;
    const auto& lines = view.lineWidgets();
    auto click = [&](int i) { QTest::mouseClick(lines[i], Qt::LeftButton); };
    auto doubleClick = [&](int i) {
        QTest::mouseClick(lines[i], Qt::LeftButton);
        QTest::mouseDClick(lines[i], Qt::LeftButton);
    };
    // Each step with the line states 0 … 14 after it.
    click(0);
    QCOMPARE(states(doc), QString("100000003000000"));
    click(2);
    QCOMPARE(states(doc), QString("101000003300000"));
    click(8);
    QCOMPARE(states(doc), QString("101000001300300"));
    click(1);
    QCOMPARE(states(doc), QString("011000003300000"));
    click(9);
    QCOMPARE(states(doc), QString("011000003100300"));
    click(12);
    QCOMPARE(states(doc), QString("011000003100102"));
    click(14);
    QCOMPARE(states(doc), QString("011000003100101"));
    click(14);
    QCOMPARE(states(doc), QString("011000003100102"));
    doubleClick(12);
    QCOMPARE(states(doc), QString("011000003100200"));
    doubleClick(1);
    QCOMPARE(states(doc), QString("001000000300000"));
    QCOMPARE(desktop.lossQuestions.size(), 2);
}

void TestBracketView::finalLineCycles() {
    BracketDocument doc{namedBracket(4)};
    BracketView view(&doc);
    QTest::mouseClick(view.lineWidgets()[0], Qt::LeftButton);
    QTest::mouseClick(view.lineWidgets()[4], Qt::LeftButton);
    QCOMPARE(states(doc), QString("1000102"));
    QTest::mouseClick(view.lineWidgets()[6], Qt::LeftButton);
    QCOMPARE(states(doc), QString("1000101"));
    QTest::mouseClick(view.lineWidgets()[6], Qt::LeftButton);
    QCOMPARE(states(doc), QString("1000102"));
}

void TestBracketView::unreachedLineRefusesClicks_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("button");
    QTest::newRow("click on the final line") << 6 << int(Qt::LeftButton);
    QTest::newRow("right click on the final line") << 6 << int(Qt::RightButton);
    QTest::newRow("right click in round 2") << 5 << int(Qt::RightButton);
}

// A line of round 2 or later that nobody stands on takes no result and opens no dialog: it
// beeps and says why in the status bar.
void TestBracketView::unreachedLineRefusesClicks() {
    QFETCH(int, line);
    QFETCH(int, button);
    // The document outlives the window, whose boxes still tell it when they lose the focus.
    BracketDocument doc{namedBracket(4)};
    QMainWindow frame;
    auto* view = new BracketView(&doc);
    frame.setCentralWidget(view);
    showExposed(frame);
    QTest::mouseClick(view->lineWidgets()[0], Qt::LeftButton);
    QCOMPARE(frame.statusBar()->currentMessage(), QStringLiteral("選手1: 決勝へ"));
    const int steps = doc.undoStack()->count();
    bool dialogOpened = false;
    QTimer::singleShot(0, [&dialogOpened] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            dialogOpened = true;
            dialog->close();
        }
    });
    QTest::mouseClick(view->lineWidgets()[size_t(line)], Qt::MouseButton(button));
    QTest::qWait(0);
    QVERIFY(!dialogOpened);
    QCOMPARE(states(doc), QString("1000300"));
    QCOMPARE(doc.undoStack()->count(), steps);
    QCOMPARE(frame.statusBar()->currentMessage(),
             QStringLiteral("この線にはまだﾒﾝﾊﾞｰがいません。"));
}

void TestBracketView::doubleClickOnLineWhoseOpponentHadWon() {
    BracketDocument doc{namedBracket(4)};
    BracketView view(&doc);
    QTest::mouseClick(view.lineWidgets()[0], Qt::LeftButton);
    QCOMPARE(states(doc), QString("1000300"));
    QTest::mouseClick(view.lineWidgets()[1], Qt::LeftButton);
    QTest::mouseDClick(view.lineWidgets()[1], Qt::LeftButton);
    QCOMPARE(states(doc), QString("0000000"));
}

// Only the left button decides a match: a middle click or double click changes nothing.
void TestBracketView::middleButtonLeavesAWonLine() {
    BracketDocument doc{namedBracket(4)};
    BracketView view(&doc);
    QTest::mouseClick(view.lineWidgets()[0], Qt::LeftButton);
    QTest::mouseClick(view.lineWidgets()[0], Qt::MiddleButton);
    QTest::mouseDClick(view.lineWidgets()[0], Qt::MiddleButton);
    QCOMPARE(states(doc), QString("1000300"));
}

void TestBracketView::scoreDialogStoresTrimmedTextOnEnterOnly_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("erase");
    QTest::addColumn<QByteArray>("score");
    // The field opens holding "old", selected: typing replaces it.
    QTest::newRow("enter") << "3" << int(Qt::Key_Return) << false << QByteArray("3");
    QTest::newRow("blanks trimmed") << "  12 " << int(Qt::Key_Return) << false << QByteArray("12");
    QTest::newRow("only blanks") << "   " << int(Qt::Key_Return) << false << QByteArray("");
    QTest::newRow("enter keeps") << "" << int(Qt::Key_Enter) << false << QByteArray("old");
    QTest::newRow("erased clears") << "" << int(Qt::Key_Enter) << true << QByteArray("");
    QTest::newRow("escape keeps") << "9" << int(Qt::Key_Escape) << false << QByteArray("old");
    QTest::newRow("close box keeps") << "9" << int(Qt::Key_unknown) << false << QByteArray("old");
    QTest::newRow("33rd character refused")
        << QString(33, '1') << int(Qt::Key_Return) << false << QByteArray(32, '1');
    QTest::newRow("double-byte counts one") << QString(33, QChar(0x52DD)) << int(Qt::Key_Return)
                                            << false << QString(32, QChar(0x52DD)).toUtf8();
}

void TestBracketView::scoreDialogStoresTrimmedTextOnEnterOnly() {
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(bool, erase);
    QFETCH(QByteArray, score);
    BracketDocument doc{namedBracket(4)};
    doc.setLineScore(2, "old");
    BracketView view(&doc);
    answerTextDialog(typed, Qt::Key(key), erase);
    QTest::mouseClick(view.lineWidgets()[2], Qt::RightButton);
    QCOMPARE(QByteArray::fromStdString(doc.lineScore(2)), score);
    QCOMPARE(doc.bracket().champion(), std::string());
}

// The final decided, the champion's name is the winner's; the dialog holds it. A name typed with
// blanks around it keeps them.
void TestBracketView::championDialogKeepsBlanks() {
    BracketDocument doc{namedBracket(4)};
    doc.setMemberName(0, "Taro");
    winUpToTheFinal(doc);
    QCOMPARE(doc.championText(), QStringLiteral("Taro"));
    BracketView view(&doc);
    QString subject;
    onNextDialog<ChampionDialog>([&subject](ChampionDialog* dialog) {
        subject = labelTexts(dialog);
        QCOMPARE(dialog->edit()->text(), QStringLiteral("Taro"));
        QTest::keyClick(dialog->edit(), Qt::Key_Return);
    });
    QTest::mouseClick(view.lineWidgets()[6], Qt::RightButton);
    QCOMPARE(subject, QStringLiteral("決勝の勝者: Taro"));
    QCOMPARE(doc.championText(), QStringLiteral("Taro"));

    answerTextDialog(QStringLiteral("  優勝A "), Qt::Key_Return);
    QTest::mouseClick(view.lineWidgets()[6], Qt::RightButton);
    QCOMPARE(doc.championText(), QStringLiteral("  優勝A "));
    QCOMPARE(doc.lineScore(6), std::string());

    answerTextDialog(QStringLiteral("x"), Qt::Key_Escape);
    QTest::mouseClick(view.lineWidgets()[6], Qt::RightButton);
    QCOMPARE(doc.championText(), QStringLiteral("  優勝A "));
}

// A click that would clear decided later results names them and asks, いいえ first: いいえ
// changes nothing, はい is one step that undo takes back whole.
void TestBracketView::changingADecidedResultAsksFirst() {
    BracketDocument doc{namedBracket(8)};
    doc.setMemberName(0, toDocumentText(QStringLiteral("岡田 悠人")));
    doc.setMemberName(1, toDocumentText(QStringLiteral("林 結翔")));
    // Member 0 wins match 1, the semi-final (5) and the final (7), and is named champion.
    for (int line : {0, 2, 8, 12}) doc.leftClickLine(line);
    doc.setMatchScores(0, "2", "0");
    doc.setMatchScores(8, "3", "1");
    const std::vector<kaz::LineResult> played = doc.bracket().lineResults();
    const std::string champion = doc.bracket().champion();
    QVERIFY(!champion.empty());
    const int steps = doc.undoStack()->count();
    BracketView view(&doc);
    ScriptedDesktop desktop;
    desktop.yesNoAnswers << false << true;
    QTest::mouseClick(view.lineWidgets()[1], Qt::LeftButton);
    QCOMPARE(desktop.lossQuestions,
             QStringList(QStringLiteral("第1試合の勝者を 林 結翔 に変えると、第5・7試合の結果と"
                                        "優勝者名と第1試合の点数が消えます。変えますか?")));
    QVERIFY(doc.bracket().lineResults() == played);
    QCOMPARE(doc.undoStack()->count(), steps);

    QTest::mouseClick(view.lineWidgets()[1], Qt::LeftButton);
    QCOMPARE(states(doc), QString("011000003300000"));
    QCOMPARE(doc.bracket().champion(), std::string());
    QCOMPARE(doc.lineScore(0) + doc.lineScore(1), std::string());
    QCOMPARE(doc.undoStack()->count(), steps + 1);
    doc.undoStack()->undo();
    QVERIFY(doc.bracket().lineResults() == played);
    QCOMPARE(doc.bracket().champion(), champion);
}

// A bye holds nobody: a click on its slot changes nothing and asks nothing, and the win the
// draw gave its opponent is not taken back; the status bar says why. Nobody scores there.
void TestBracketView::byeSlotTakesNoResult() {
    kaz::Bracket drawn = namedBracket(4);
    drawn.setMemberName(1, std::string());
    kaz::byeChange(drawn, 1, true).redo(drawn);
    BracketDocument doc{drawn};
    QMainWindow frame;
    auto* view = new BracketView(&doc);
    frame.setCentralWidget(view);
    showExposed(frame);
    QCOMPARE(states(doc), QString("1000300"));
    ScriptedDesktop desktop;  // fails the test on any question
    QTest::mouseClick(view->lineWidgets()[1], Qt::LeftButton);
    QCOMPARE(frame.statusBar()->currentMessage(), QStringLiteral("不戦勝の枠は勝ちにできません。"));
    QTest::mouseDClick(view->lineWidgets()[0], Qt::LeftButton);
    QCOMPARE(frame.statusBar()->currentMessage(),
             QStringLiteral("不戦勝による勝ちは取り消せません。"));
    QCOMPARE(states(doc), QString("1000300"));
    QCOMPARE(doc.undoStack()->count(), 0);
    bool byeField = true;
    onNextDialog<MatchScoreDialog>(
        [&byeField](MatchScoreDialog* dialog) { byeField = dialog->field(1)->isEnabled(); });
    QTest::mouseClick(view->lineWidgets()[1], Qt::RightButton);
    QVERIFY(!byeField);
}

// A match whose winner changes loses both its scores; where no question said so, the status bar
// does.
void TestBracketView::changedWinnerLosesTheScores() {
    BracketDocument doc{namedBracket(8)};
    QMainWindow frame;
    auto* view = new BracketView(&doc);
    frame.setCentralWidget(view);
    showExposed(frame);
    doc.setMatchScores(4, "2", "1");  // typed before the match is decided: they stay
    QTest::mouseClick(view->lineWidgets()[4], Qt::LeftButton);
    QCOMPARE(doc.lineScore(4) + doc.lineScore(5), std::string("21"));
    QTest::mouseClick(view->lineWidgets()[5], Qt::LeftButton);
    QCOMPARE(doc.lineScore(4) + doc.lineScore(5), std::string());
    QCOMPARE(frame.statusBar()->currentMessage(),
             QStringLiteral("選手6: 準決勝へ（第3試合の点数を消しました）"));
}

// The score dialog is the match's: both sides, the clicked one's field first; OK stores both
// as one step.
void TestBracketView::matchDialogTakesBothScores() {
    BracketDocument doc{namedBracket(4)};
    doc.setMemberName(2, toDocumentText(QStringLiteral("岡田 悠人")));
    doc.setLineScore(2, "1");
    BracketView view(&doc);
    const int steps = doc.undoStack()->count();
    QString shown;
    onNextDialog<MatchScoreDialog>([&shown](MatchScoreDialog* dialog) {
        shown = labelTexts(dialog);
        QCOMPARE(openedField(dialog), dialog->field(1));
        typeText(dialog->field(1), QStringLiteral("3"));
        dialog->field(0)->setText(QStringLiteral(" 2 "));
        QTest::keyClick(dialog->field(1), Qt::Key_Return);
    });
    QTest::mouseClick(view.lineWidgets()[3], Qt::RightButton);
    QCOMPARE(shown, QStringLiteral("第2試合 準決勝:|岡田 悠人|−|選手4"));
    QCOMPARE(doc.lineScore(2), std::string("2"));
    QCOMPARE(doc.lineScore(3), std::string("3"));
    QCOMPARE(doc.undoStack()->count(), steps + 1);
}

// A name is put into the texts that tell of a match as it stands, whatever signs it holds.
void TestBracketView::namesWithPercentSignsStayInResults() {
    BracketDocument doc{namedBracket(4)};
    doc.setMemberName(0, "%2 Taro");
    QMainWindow frame;
    auto* view = new BracketView(&doc);
    frame.setCentralWidget(view);
    showExposed(frame);
    QTest::mouseClick(view->lineWidgets()[0], Qt::LeftButton);
    QString subject;
    onNextDialog<MatchScoreDialog>([&subject](MatchScoreDialog* dialog) {
        subject = labelTexts(dialog);
        dialog->reject();
    });
    QTest::mouseClick(view->lineWidgets()[4], Qt::RightButton);
    QCOMPARE(subject, QStringLiteral("第3試合 決勝:|%2 Taro|−|（未定）"));
    QTest::mouseClick(view->lineWidgets()[4], Qt::LeftButton);
    QCOMPARE(frame.statusBar()->currentMessage(), QStringLiteral("%2 Taro: 優勝"));
}

void TestBracketView::strokeColoursFollowState() {
    BracketDocument doc{namedBracket(4)};
    BracketView view(&doc);
    const QColor win(0xDC, 0x14, 0x3C);
    const QColor lose(0x80, 0x80, 0x80);
    LineWidget* upper =
        view.lineWidgets()[0];  // 70 × 34: stroke at y 17, join at x 67 … 69 below it
    QCOMPARE(pixelAt(upper, 30, 17), lose);
    QCOMPARE(pixelAt(upper, 68, 28), lose);
    QCOMPARE(pixelAt(upper, 30, 8), Qt::white);

    QTest::mouseClick(upper, Qt::LeftButton);  // won: both strokes in the win colour
    QCOMPARE(pixelAt(upper, 30, 17), win);
    QCOMPARE(pixelAt(upper, 68, 28), win);
    QCOMPARE(pixelAt(view.lineWidgets()[4], 30, 34), win);   // the next line was reached …
    QCOMPARE(pixelAt(view.lineWidgets()[4], 68, 50), lose);  // … but has not won

    QTest::mouseClick(upper, Qt::LeftButton);  // reached: horizontal only
    QCOMPARE(pixelAt(upper, 30, 17), win);
    QCOMPARE(pixelAt(upper, 68, 28), lose);

    LineWidget* lower = view.lineWidgets()[1];  // its join runs up from above the stroke
    QTest::mouseClick(lower, Qt::LeftButton);
    QCOMPARE(pixelAt(lower, 68, 5), win);
    QCOMPARE(pixelAt(lower, 68, 25), Qt::white);
}

void TestBracketView::scoreIsDrawnRightAlignedInScoreColour() {
    BracketDocument doc{namedBracket(4)};
    doc.setLineScore(0, "888");
    BracketView view(&doc);
    const QImage image = view.lineWidgets()[0]->grab().toImage();
    const QColor score(0xFF, 0x90, 0x00);
    // A three-byte score ends where six pixels a byte from 70 - 24 end it, at 64, and is drawn
    // below the stroke (from y 20).
    int left = 70;
    int right = -1;
    for (int y = 20; y < 34; ++y) {
        for (int x = 0; x < 66; ++x) {
            if (image.pixelColor(x, y) == score) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    QVERIFY2(right >= 60 && right < 64, qPrintable(QString::number(right)));
    QVERIFY(right - left > 10);
    for (int x = 0; x < 66; ++x) QVERIFY(image.pixelColor(x, 12) != score);  // not above it

    // A lower line's score stands above its stroke, its text 18 pixels higher (from y 2): the
    // same ink rows, moved up.
    doc.setLineScore(1, "888");
    const QImage lower = view.lineWidgets()[1]->grab().toImage();
    auto inkRows = [&score](const QImage& line) {
        QList<int> rows;
        for (int y = 0; y < line.height(); ++y) {
            for (int x = 0; x < 66; ++x) {
                if (line.pixelColor(x, y) != score) continue;
                rows << y;
                break;
            }
        }
        return rows;
    };
    QList<int> expected = inkRows(image);
    QVERIFY(expected.size() > 5);
    for (int& row : expected) row -= 18;
    QCOMPARE(inkRows(lower), expected);
}

void TestBracketView::joinStaysContinuousThroughScore() {
    BracketDocument doc{namedBracket(4)};
    doc.setLineScore(0, "123456789");
    doc.setLineScore(1, "123456789");
    BracketView view(&doc);
    QTest::mouseClick(view.lineWidgets()[0], Qt::LeftButton);
    const QColor win(0xDC, 0x14, 0x3C);
    const QColor lose(0x80, 0x80, 0x80);
    const QImage upper = view.lineWidgets()[0]->grab().toImage();
    for (int y = 19; y < 34; ++y) QCOMPARE(upper.pixelColor(68, y), win);
    const QImage lower = view.lineWidgets()[1]->grab().toImage();
    for (int y = 0; y < 15; ++y) QCOMPARE(lower.pixelColor(68, y), lose);
}

void TestBracketView::backgroundColourReachesEveryPart() {
    BracketDocument doc{namedBracket(4)};
    doc.setLineScore(0, "1");
    BracketView view(&doc);
    view.resize(500, 200);
    showExposed(view);
    kaz::ColorSet colors = doc.colors();
    colors.backgroundColor = "#102030";
    doc.setHtmlSettings(colors, false, false);
    const QColor back(0x10, 0x20, 0x30);
    QCOMPARE(pixelAt(view.canvas(), 10, 10), back);
    QCOMPARE(pixelAt(view.lineWidgets()[0], 30, 5), back);
    QCOMPARE(view.nameEdits()[0]->palette().color(QPalette::Base), back);
    // Behind the score's own text, too.
    const QImage image = view.lineWidgets()[0]->grab().toImage();
    const QColor score(0xFF, 0x90, 0x00);
    int backInBand = 0;
    for (int x = 55; x < 66; ++x) {
        for (int y = 20; y < 34; ++y) {
            const QColor c = image.pixelColor(x, y);
            QVERIFY(c != Qt::white);
            backInBand += c == back;
        }
    }
    QVERIFY(backInBand > 0);
}

void TestBracketView::longChampionStaysRightOfTheFinal_data() {
    QTest::addColumn<int>("length");
    QTest::newRow("a hundred") << 100;
    QTest::newRow("four million") << (4 << 20);  // as long as a file can bring
}

// A name longer than its space is cut at the bracket's extent, never drawn over the members.
void TestBracketView::longChampionStaysRightOfTheFinal() {
    QFETCH(int, length);
    kaz::Bracket bracket(4);
    bracket.setChampion(std::string(size_t(length), 'W'));  // as a file may hold it
    BracketDocument doc{bracket};
    BracketView view(&doc);
    showExposed(view);
    const QImage image = view.canvas()->grab().toImage();
    const QColor score(0xFF, 0x90, 0x00);
    int inScoreColour = 0;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixelColor(x, y) != score) continue;
            QVERIFY2(x >= view.championPosition().x(), qPrintable(QString::number(x)));
            ++inScoreColour;
        }
    }
    QVERIFY(inScoreColour > 0);
}

void TestBracketView::tabCyclesThroughNameBoxesOnly() {
    BracketDocument doc{namedBracket(4)};
    BracketView view(&doc);
    showExposed(view);
    const auto& boxes = view.nameEdits();
    focus(boxes[2]);
    QTest::keyClick(boxes[2], Qt::Key_Tab);
    QVERIFY(boxes[3]->hasFocus());
    QTest::keyClick(boxes[3], Qt::Key_Tab);
    QVERIFY(boxes[0]->hasFocus());
    QTest::keyClick(boxes[0], Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(boxes[3]->hasFocus());
    QTest::mouseClick(view.lineWidgets()[0], Qt::LeftButton);
    QVERIFY(boxes[3]->hasFocus());
}

// The change check follows the content: a name typed and erased again is no change.
void TestBracketView::typingChangesTheNameButLoadingDoesNot() {
    kaz::BracketContent content;
    content.memberNames = {"A", "B", "C", "D"};
    content.lines.resize(7);
    BracketDocument doc{kaz::Bracket::fromStored(4, content)};
    BracketView view(&doc);
    QCOMPARE(view.nameEdits()[1]->text(), QStringLiteral("B"));
    QVERIFY(!doc.isChanged());
    // A box not being edited shows the start of its name; the user clicks after it to type on.
    QCOMPARE(view.nameEdits()[1]->cursorPosition(), 0);
    view.nameEdits()[1]->end(false);
    typeText(view.nameEdits()[1], QStringLiteral("選手"));
    QCOMPARE(doc.memberNameText(1), QStringLiteral("B選手"));
    QVERIFY(doc.isChanged());
    QTest::keyClick(view.nameEdits()[1], Qt::Key_Backspace);
    QTest::keyClick(view.nameEdits()[1], Qt::Key_Backspace);
    QVERIFY(!doc.isChanged());
}

void TestBracketView::typingKeepsCharactersOutsideCp932() {
    BracketDocument doc{kaz::Bracket(4)};
    BracketView view(&doc);
    MemberNameEdit* box = view.nameEdits()[0];
    typeText(box, QStringLiteral("Aé"));  // é has no CP932 code
    typeText(box, QStringLiteral("～𠮷"));
    QCOMPARE(box->text(), QStringLiteral("Aé～𠮷"));
    QCOMPARE(QString::fromStdString(doc.bracket().memberName(0)), QStringLiteral("Aé～𠮷"));
}

void TestBracketView::twoViewsStayInStep() {
    BracketDocument doc{kaz::Bracket(4)};
    BracketView first(&doc);
    BracketView second(&doc);
    typeText(first.nameEdits()[0], QStringLiteral("山田"));
    QCOMPARE(second.nameEdits()[0]->text(), QStringLiteral("山田"));
    QTest::mouseClick(second.lineWidgets()[0], Qt::LeftButton);
    QCOMPARE(pixelAt(first.lineWidgets()[0], 30, 17), QColor(0xDC, 0x14, 0x3C));
    QCOMPARE(pixelAt(first.lineWidgets()[4], 30, 34), QColor(0xDC, 0x14, 0x3C));
    QCOMPARE(doc.bracket().lineCount(), 7);
    QVERIFY(doc.isChanged());
}

QTEST_MAIN(TestBracketView)
#include "tst_bracket_view.moc"
