// The third-place match in the editor's window: its sides follow the semi-finals, a click, a
// double click, the name box's keys and its score are each one step, a semi-final's reset takes
// its result with it, and a sheet without the match drops it.

#include <QLabel>
#include <QPaintEvent>
#include <QUndoStack>
#include <QtTest>

#include "bracket/third_place.h"
#include "bridge/qt_geometry.h"
#include "bridge/qt_text.h"
#include "dialogs/match_score_dialog.h"
#include "document/bracket_document.h"
#include "gui_test_support.h"
#include "scripted_desktop.h"
#include "view/bracket_view.h"
#include "view/line_widget.h"
#include "view/member_name_edit.h"
#include "view/third_place_line.h"

using namespace kaz::gui;
using namespace guitest;

namespace {

kaz::Bracket bracketWithMatch() {
    kaz::Bracket bracket(4);
    for (int i = 0; i < 4; ++i) bracket.setMemberName(i, "M" + std::to_string(i + 1));
    kaz::SheetInfo sheet;
    sheet.thirdPlace = kaz::ThirdPlace::Match;
    bracket.setSheet(sheet);
    return bracket;
}

// Collects the areas a widget is asked to paint.
class PaintedAreas : public QObject {
public:
    explicit PaintedAreas(QWidget* widget) { widget->installEventFilter(this); }
    QRegion painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

}  // namespace

class TestThirdPlace : public QObject {
    Q_OBJECT

private slots:
    void enteredAsLinesAre();
};

void TestThirdPlace::enteredAsLinesAre() {
    BracketDocument doc{bracketWithMatch()};
    BracketView view(&doc);
    showExposed(view);
    QUndoStack* history = doc.undoStack();
    const auto& sides = view.thirdPlaceLines();
    QVERIFY(sides[0]->isVisible() && sides[1]->isVisible());
    const auto winner = [&doc] { return kaz::thirdPlaceWinner(doc.bracket()); };

    // Nobody plays for third place before the semi-finals are decided.
    QTest::mouseClick(sides[0], Qt::LeftButton);
    QCOMPARE(history->count(), 0);
    QTest::mouseClick(view.lineWidgets()[0], Qt::LeftButton);
    // One side known, the other not: the match waits.
    QTest::mouseClick(sides[0], Qt::LeftButton);
    QCOMPARE(history->count(), 1);
    // The semi-final's click repaints the name of the side it decided, which the canvas draws.
    PaintedAreas canvas(view.canvas());
    QTest::mouseClick(view.lineWidgets()[3], Qt::LeftButton);
    QCOMPARE(kaz::thirdPlaceMembers(doc.bracket()), (std::array<int, 2>{1, 2}));
    const QRect name = kaz::render::toQRect(view.sheetLayout().thirdPlace.names[1]);
    QTRY_VERIFY(canvas.painted.contains(name));

    QTest::mouseClick(sides[1], Qt::LeftButton);
    QCOMPARE(winner(), 2);
    QCOMPARE(history->undoText(), QStringLiteral("勝ち上がり"));
    history->undo();
    QCOMPARE(winner(), -1);
    history->redo();
    QCOMPARE(winner(), 2);

    // A double click on the winner's side joins its press: one step that resets it.
    const int before = history->count();
    QTest::mouseClick(sides[1], Qt::LeftButton);
    QTest::mouseDClick(sides[1], Qt::LeftButton);
    QCOMPARE(winner(), -1);
    QCOMPARE(history->count(), before + 1);
    QCOMPARE(history->undoText(), QStringLiteral("取り消し"));
    history->undo();
    QCOMPARE(winner(), 2);

    // Resetting a semi-final takes the result with it, in its one step, once the user agreed.
    ScriptedDesktop desktop;
    desktop.yesNoAnswers << true;
    QTest::mouseClick(view.lineWidgets()[3], Qt::LeftButton);
    QTest::mouseDClick(view.lineWidgets()[3], Qt::LeftButton);
    QCOMPARE(desktop.lossQuestions.size(), 1);
    QCOMPARE(kaz::thirdPlaceMember(doc.bracket(), 1), -1);
    QCOMPARE(doc.bracket().thirdPlaceResults(), kaz::ThirdPlaceResults());
    history->undo();
    QCOMPARE(winner(), 2);

    // From a side's name box: Alt+Right wins the match (again, nothing), Alt+Left takes the win
    // back, F2 asks for the side's score.
    MemberNameEdit* box = view.nameEdits()[1];
    focus(box);
    QTest::keyClick(box, Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(winner(), 1);
    QTest::keyClick(box, Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(winner(), 1);
    QTest::keyClick(box, Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(winner(), -1);
    QCOMPARE(doc.lineState(0), kaz::LineState::Won);  // its semi-final stays lost
    QString subject;
    onNextDialog<MatchScoreDialog>([&subject](MatchScoreDialog* dialog) {
        for (const QLabel* label : dialog->findChildren<QLabel*>()) subject += label->text();
        typeText(openedField(dialog), QStringLiteral("5"));
        QTest::keyClick(openedField(dialog), Qt::Key_Return);
    });
    QTest::keyClick(box, Qt::Key_F2);
    QVERIFY2(subject.startsWith(QStringLiteral("第4試合 3位決定戦:M2−M3")), qPrintable(subject));
    QCOMPARE(doc.bracket().thirdPlaceResult(0).score, std::string("5"));
    QCOMPARE(history->undoText(), QStringLiteral("点数"));

    // Two third places play no match: its results go in the same step, and come back with it.
    kaz::SheetInfo shared = doc.bracket().sheet();
    shared.thirdPlace = kaz::ThirdPlace::Shared;
    QVERIFY(!doc.setSheet(shared));
    QCOMPARE(doc.bracket().thirdPlaceResults(), kaz::ThirdPlaceResults());
    QVERIFY(!sides[0]->isVisible());
    history->undo();
    QCOMPARE(doc.bracket().thirdPlaceResult(0).score, std::string("5"));
    QVERIFY(sides[0]->isVisible());
}

QTEST_MAIN(TestThirdPlace)
#include "tst_third_place.moc"
