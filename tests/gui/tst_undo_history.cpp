// The bracket's undo history through its document and real views: random sequences undone and
// redone, the signals of every kind of step, the trial's sequence, and the name box's own keys
// and menu acting on the bracket's history.

#include <QMenu>
#include <QSignalSpy>
#include <QUndoStack>
#include <QtTest>
#include <algorithm>
#include <random>

#include "bracket/bracket_change.h"
#include "document/bracket_document.h"
#include "document/bracket_step_command.h"
#include "gui_test_support.h"
#include "view/bracket_view.h"
#include "view/line_widget.h"
#include "view/member_name_edit.h"

using namespace kaz::gui;

using namespace guitest;

namespace {

// Everything a step may change, to compare a bracket's states exactly.
struct Snapshot {
    std::vector<std::string> names;
    std::vector<kaz::LineResult> lines;
    std::string champion;
    kaz::OutputSettings settings;

    bool operator==(const Snapshot& o) const {
        return names == o.names && lines == o.lines && champion == o.champion &&
               settings == o.settings;
    }
};

Snapshot snapshotOf(const BracketDocument& doc) {
    Snapshot snapshot;
    for (int i = 0; i < doc.memberCount(); ++i)
        snapshot.names.push_back(doc.bracket().memberName(i));
    snapshot.lines = doc.bracket().lineResults();
    snapshot.champion = doc.bracket().champion();
    snapshot.settings = kaz::outputSettingsOf(doc.bracket());
    return snapshot;
}

// What the document's one change signal said, in order.
struct Heard {
    QList<int> lines;   // a line's state
    QList<int> scores;  // a line's score
    QList<int> names;
    int champion = 0;
    int settings = 0;
    int content = 0;  // changes heard, once a step
    QList<kaz::ChangeSource> sources;

    explicit Heard(BracketDocument& doc) {
        QObject::connect(&doc, &BracketDocument::changed, &m_context,
                         [this](const kaz::DocumentChange& change) {
                             for (int line : change.lines) lines << line;
                             for (int line : change.scores) scores << line;
                             for (int member : change.names) names << member;
                             champion += change.champion ? 1 : 0;
                             settings += change.colors ? 1 : 0;
                             content += change.changesContent() ? 1 : 0;
                             sources << change.source;
                         });
    }
    // The lines a view repaints: a state or a score changed.
    QList<int> repainted() const {
        QList<int> all = lines + scores;
        std::sort(all.begin(), all.end());
        all.erase(std::unique(all.begin(), all.end()), all.end());
        return all;
    }
    void clear() {
        lines.clear();
        scores.clear();
        names.clear();
        champion = 0;
        settings = 0;
        content = 0;
        sources.clear();
    }

private:
    QObject m_context;  // ends the connections with this object
};

// Checks that what was heard is exactly, once each, what differs between two snapshots, heard
// as coming from `source`.
void checkHeard(const Heard& heard, const Snapshot& from, const Snapshot& to,
                kaz::ChangeSource source) {
    QList<int> lines;
    QList<int> scores;
    for (size_t i = 0; i < from.lines.size(); ++i) {
        if (from.lines[i].state != to.lines[i].state) lines << int(i);
        if (from.lines[i].score != to.lines[i].score) scores << int(i);
    }
    QList<int> names;
    for (size_t i = 0; i < from.names.size(); ++i) {
        if (from.names[i] != to.names[i]) names << int(i);
    }
    QCOMPARE(heard.lines, lines);
    QCOMPARE(heard.scores, scores);
    QCOMPARE(heard.names, names);
    QCOMPARE(heard.champion, from.champion != to.champion ? 1 : 0);
    QCOMPARE(heard.settings, from.settings != to.settings ? 1 : 0);
    QCOMPARE(heard.content, from == to ? 0 : 1);
    QCOMPARE(heard.sources, QList<kaz::ChangeSource>(heard.content, source));
}

// One random user action on the document, of any kind a user can make. True for an undo or
// a redo.
bool randomAction(BracketDocument& doc, std::mt19937& random) {
    auto pick = [&random](int n) { return int(random() % unsigned(n)); };
    const int lines = doc.bracket().lineCount();
    const int members = doc.memberCount();
    switch (pick(12)) {
        case 0:
        case 1: doc.leftClickLine(pick(lines)); break;
        case 2: {  // a mouse double click: the press, then the message
            const int line = pick(lines);
            doc.leftClickLine(line);
            doc.doubleClickLine(line);
            break;
        }
        case 3: doc.doubleClickLine(pick(lines)); break;
        case 4:
        case 5: {  // a key typed in a box, or a backspace
            const int member = pick(std::min(members, 3));
            std::string name = doc.bracket().memberName(member);
            if (pick(3) == 0 && !name.empty()) {
                name.pop_back();
            } else {
                name += char('a' + pick(3));
            }
            doc.setMemberName(member, name);
            break;
        }
        case 6: doc.endTyping(); break;
        case 7:
            doc.setLineScore(pick(lines), std::vector<std::string>{"", "1", "3-1"}[pick(3)]);
            break;
        case 8:
            doc.setChampion(std::vector<std::string>{"", "A", "\x97\x44\x8F\x9F"}[pick(3)]);
            break;
        case 9: {
            kaz::ColorSet colors = doc.colors();
            colors.at(pick(kaz::ColorSet::kCount)) = pick(2) ? "#102030" : "#FFFFFF";
            doc.setHtmlSettings(colors, pick(2), pick(2));
            break;
        }
        case 10: {
            std::vector<std::string> names;
            for (int i = pick(5); i >= 0; --i) names.push_back(std::string(1, char('P' + pick(3))));
            doc.pasteMemberNames(pick(members), names);
            break;
        }
        default:
            if (pick(2)) {
                doc.undoStack()->undo();
            } else {
                doc.undoStack()->redo();
            }
            return true;
    }
    return false;
}

QImage picture(QWidget& widget) { return widget.grab().toImage(); }

}  // namespace

class TestUndoHistory : public QObject {
    Q_OBJECT
private slots:
    void randomStepsUndoneAndRedone_data();
    void randomStepsUndoneAndRedone();
    void everyKindOfStep_data();
    void everyKindOfStep();
    void typeClickUndoInTheBox();
    void typingIsOneStepUntilTheFocusLeaves();
    void boxMenuUndoesTheBracket();
    void changeCheckFollowsTheHistory();
    void committedStepIsTheProposal();
};

void TestUndoHistory::randomStepsUndoneAndRedone_data() {
    QTest::addColumn<int>("members");
    QTest::addColumn<unsigned>("seed");
    for (int members : {4, 8, 16, 32, 64, 128}) {
        for (unsigned seed : {1u, 2u, 3u}) {
            QTest::addRow("%d members, seed %u", members, seed) << members << seed;
        }
    }
}

// Random actions, undo and redo among them; then every step undone one by one gives back each
// earlier state exactly, signalling exactly what differs, and every step redone the final one.
void TestUndoHistory::randomStepsUndoneAndRedone() {
    QFETCH(int, members);
    QFETCH(unsigned, seed);
    BracketDocument doc{namedBracket(members)};
    QUndoStack* history = doc.undoStack();
    std::mt19937 random(seed);
    std::vector<Snapshot> states{snapshotOf(doc)};  // the state after step i, i = 0 … index
    for (int action = 0; action < 400; ++action) {
        const int indexBefore = history->index();
        const bool moved = randomAction(doc, random);
        const auto index = size_t(history->index());
        // Undo, redo, an edit that changed nothing, or a step that grew back to where it began
        // and left: the bracket is as it was at that place in the history.
        if (moved || history->count() > history->index() || history->index() < indexBefore) {
            QVERIFY2(snapshotOf(doc) == states[index], qPrintable(QString::number(action)));
        }
        if (!moved && history->count() == history->index()) {
            states.resize(index + 1);
            states[index] = snapshotOf(doc);  // a new step, or the last one grown
        }
    }
    doc.endTyping();
    while (history->canRedo()) history->redo();
    states.resize(size_t(history->count()) + 1);
    QCOMPARE(history->index(), history->count());
    QVERIFY(snapshotOf(doc) == states.back());

    Heard heard(doc);
    for (int index = history->count(); index > 0; --index) {
        heard.clear();
        history->undo();
        QVERIFY2(snapshotOf(doc) == states[size_t(index - 1)], qPrintable(QString::number(index)));
        checkHeard(heard, states[size_t(index)], states[size_t(index - 1)],
                   kaz::ChangeSource::Undone);
        if (QTest::currentTestFailed()) return;
    }
    QVERIFY(!doc.isChanged());
    for (int index = 1; index <= history->count(); ++index) {
        heard.clear();
        history->redo();
        QVERIFY(snapshotOf(doc) == states[size_t(index)]);
        checkHeard(heard, states[size_t(index - 1)], states[size_t(index)],
                   kaz::ChangeSource::Redone);
        if (QTest::currentTestFailed()) return;
    }
    QCOMPARE(doc.isChanged(), !(states.back() == states.front()));
}

void TestUndoHistory::everyKindOfStep_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("lines");
    QTest::addColumn<QList<int>>("names");
    QTest::addColumn<bool>("champion");
    QTest::addColumn<bool>("settings");
    QTest::newRow("typing") << "type"
                            << "名前の入力" << QList<int>{} << QList<int>{1} << false << false;
    QTest::newRow("click") << "click"
                           << "勝ち上がり" << QList<int>{0, 4} << QList<int>{} << false << false;
    QTest::newRow("double click") << "double click"
                                  << "取り消し" << QList<int>{0, 4} << QList<int>{} << false
                                  << false;
    QTest::newRow("score") << "score"
                           << "点数" << QList<int>{2} << QList<int>{} << false << false;
    QTest::newRow("champion") << "champion"
                              << "優勝者名" << QList<int>{} << QList<int>{} << true << false;
    QTest::newRow("colours") << "colours"
                             << "色の設定" << QList<int>{} << QList<int>{} << false << true;
    QTest::newRow("paste") << "paste"
                           << "名前の貼り付け" << QList<int>{} << QList<int>{2, 3} << false
                           << false;
}

// Each kind of step, made in one view, undone and redone: one step with its name, the document
// signals exactly the parts it changed, and a second view on the bracket shows each state.
void TestUndoHistory::everyKindOfStep() {
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(QList<int>, lines);
    QFETCH(QList<int>, names);
    QFETCH(bool, champion);
    QFETCH(bool, settings);
    BracketDocument doc{namedBracket(4)};
    BracketView first(&doc);
    BracketView second(&doc);
    showExposed(second);
    if (kind == "double click") QTest::mouseClick(first.lineWidgets()[0], Qt::LeftButton);
    if (kind == "champion") winUpToTheFinal(doc);  // so that a member stands on the final line
    const int steps = doc.undoStack()->count();
    const QImage before = picture(second);

    Heard heard(doc);
    if (kind == "type") typeText(first.nameEdits()[1], QStringLiteral("Zoe"));
    if (kind == "click") QTest::mouseClick(first.lineWidgets()[0], Qt::LeftButton);
    if (kind == "double click") {
        QTest::mouseClick(first.lineWidgets()[0], Qt::LeftButton);
        QTest::mouseDClick(first.lineWidgets()[0], Qt::LeftButton);
    }
    if (kind == "score") doc.setLineScore(2, "3");
    if (kind == "champion") doc.setChampion("A");
    if (kind == "colours") {
        kaz::ColorSet colors;
        colors.backgroundColor = "#102030";
        doc.setHtmlSettings(colors, true, false);
    }
    if (kind == "paste") QCOMPARE(first.nameEdits()[2]->pasteText("P\nQ\nR"), 1);
    QCOMPARE(doc.undoStack()->count(), steps + 1);
    QCOMPARE(doc.undoStack()->undoText(), text);
    auto unique = [](QList<int> list) {
        std::sort(list.begin(), list.end());
        list.erase(std::unique(list.begin(), list.end()), list.end());
        return list;
    };
    // Typing signals once a key; the press and the double click each tell their own lines.
    QCOMPARE(unique(heard.lines + heard.scores), lines);
    QCOMPARE(unique(heard.names), names);
    QCOMPARE(heard.champion, int(champion));
    QCOMPARE(heard.settings, int(settings));
    QVERIFY(heard.sources.count(kaz::ChangeSource::Done) == heard.sources.size());
    const QImage after = picture(second);
    QVERIFY(after != before);

    for (bool undo : {true, false}) {
        heard.clear();
        if (undo) {
            doc.undoStack()->undo();
        } else {
            doc.undoStack()->redo();
        }
        QCOMPARE(heard.repainted(), lines);
        QCOMPARE(heard.names, names);
        QCOMPARE(heard.champion, int(champion));
        QCOMPARE(heard.settings, int(settings));
        QCOMPARE(heard.sources, QList<kaz::ChangeSource>{undo ? kaz::ChangeSource::Undone
                                                              : kaz::ChangeSource::Redone});
        QCOMPARE(picture(second), undo ? before : after);
    }
}

// The trial's sequence: a name typed, a line clicked, Ctrl+Z in the name box takes back the
// click and keeps the name; the next Ctrl+Z takes the whole name, Ctrl+Y and Ctrl+Shift+Z
// bring both back.
void TestUndoHistory::typeClickUndoInTheBox() {
    BracketDocument doc{kaz::Bracket(8)};
    BracketView view(&doc);
    showExposed(view);
    MemberNameEdit* box = view.nameEdits()[0];
    focus(box);
    typeText(box, QStringLiteral("Zoe"));
    QTest::mouseClick(view.lineWidgets()[0], Qt::LeftButton);
    QCOMPARE(doc.lineState(0), kaz::LineState::Won);
    QVERIFY(box->hasFocus());

    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(doc.lineState(0), kaz::LineState::Open);
    QCOMPARE(doc.lineState(8), kaz::LineState::Open);
    QCOMPARE(box->text(), QStringLiteral("Zoe"));
    QCOMPARE(doc.memberNameText(0), QStringLiteral("Zoe"));

    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(box->text(), QString());
    QVERIFY(!doc.isChanged());
    QVERIFY(!doc.undoStack()->canUndo());
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);  // nothing left: the box stays empty
    QCOMPARE(box->text(), QString());

    QTest::keyClick(box, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(box->text(), QStringLiteral("Zoe"));
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(doc.lineState(0), kaz::LineState::Won);
    QTest::keyClick(box, Qt::Key_Backspace, Qt::AltModifier);
    QCOMPARE(doc.lineState(0), kaz::LineState::Open);
    QCOMPARE(box->text(), QStringLiteral("Zoe"));
}

// Typing in one box is one step until the focus leaves it; typing on after an undo is new.
void TestUndoHistory::typingIsOneStepUntilTheFocusLeaves() {
    BracketDocument doc{kaz::Bracket(4)};
    BracketView view(&doc);
    showExposed(view);
    const auto& boxes = view.nameEdits();
    focus(boxes[0]);
    typeText(boxes[0], QStringLiteral("Ann"));
    QTest::keyClick(boxes[0], Qt::Key_Backspace);
    QCOMPARE(doc.undoStack()->count(), 1);
    QTest::keyClick(boxes[0], Qt::Key_Tab);
    typeText(boxes[1], QStringLiteral("Bo"));
    QTest::keyClick(boxes[1], Qt::Key_Backtab, Qt::ShiftModifier);
    typeText(boxes[0], QStringLiteral("e"));
    QCOMPARE(doc.undoStack()->count(), 3);
    QTest::keyClick(boxes[0], Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(boxes[0]->text(), QStringLiteral("An"));
    typeText(boxes[0], QStringLiteral("dy"));
    QCOMPARE(doc.undoStack()->count(), 3);
    QTest::keyClick(boxes[0], Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(boxes[0]->text(), QStringLiteral("An"));
    QCOMPARE(boxes[1]->text(), QStringLiteral("Bo"));

    // Typed and erased again, a step leaves the history.
    typeText(boxes[0], QStringLiteral("x"));
    QTest::keyClick(boxes[0], Qt::Key_Backspace);
    QCOMPARE(doc.undoStack()->count(), 2);
}

// The box's context menu offers the bracket's undo and redo, not the box's own.
void TestUndoHistory::boxMenuUndoesTheBracket() {
    BracketDocument doc{kaz::Bracket(4)};
    BracketView view(&doc);
    showExposed(view);
    MemberNameEdit* box = view.nameEdits()[1];
    focus(box);
    typeText(box, QStringLiteral("Zoe"));
    QTest::mouseClick(view.lineWidgets()[1], Qt::LeftButton);

    auto menuItem = [box](const QString& name) -> QAction* {
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(5, 5),
                                box->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(box, &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return nullptr;
        QAction* found = nullptr;
        for (QAction* action : menu->actions()) {
            if (action->objectName() == name) found = action;
        }
        menu->close();
        return found;
    };
    QAction* undo = menuItem(QStringLiteral("edit-undo"));
    QVERIFY(undo);
    QVERIFY(undo->isEnabled());
    undo->trigger();
    QCOMPARE(doc.lineState(1), kaz::LineState::Open);
    QCOMPARE(box->text(), QStringLiteral("Zoe"));
    QAction* redo = menuItem(QStringLiteral("edit-redo"));
    QVERIFY(redo && redo->isEnabled());
    redo->trigger();
    QCOMPARE(doc.lineState(1), kaz::LineState::Won);
}

// Saving keeps the history, and the change check then measures from the saved content. A save
// is heard as the saved state and the new title, never as a change of content; undo and redo
// across the save turn the saved state each.
void TestUndoHistory::changeCheckFollowsTheHistory() {
    QTemporaryDir dir;
    BracketDocument doc{namedBracket(4)};
    doc.setMemberName(0, "A");
    doc.leftClickLine(0);
    Heard heard(doc);
    QSignalSpy saved(&doc, &BracketDocument::changedStateChanged);
    QVERIFY(doc.save(dir.filePath(QStringLiteral("a.kaz"))).ok());
    QVERIFY(!doc.isChanged());
    QCOMPARE(heard.content, 0);
    QCOMPARE(heard.sources, QList<kaz::ChangeSource>{kaz::ChangeSource::Document});
    QCOMPARE(saved.size(), 1);
    QCOMPARE(saved.takeFirst().at(0).toBool(), false);
    QCOMPARE(doc.undoStack()->count(), 2);
    doc.undoStack()->undo();
    QVERIFY(doc.isChanged());
    doc.undoStack()->redo();
    QVERIFY(!doc.isChanged());
    QCOMPARE(heard.content, 2);
    QCOMPARE(saved.size(), 2);
}

// A result is worked out once: the step the history keeps is, part for part, the proposal the
// view worded its question from, whatever the place, the action and the bracket's state.
void TestUndoHistory::committedStepIsTheProposal() {
    kaz::Bracket bracket = namedBracket(16);
    kaz::SheetInfo sheet;
    sheet.thirdPlace = kaz::ThirdPlace::Match;
    bracket.setSheet(sheet);
    BracketDocument doc{std::move(bracket)};
    QUndoStack* history = doc.undoStack();
    std::mt19937 random(45);
    int committed = 0;
    for (int i = 0; i < 400; ++i) {
        const kaz::ResultPlace place = random() % 4 == 0
                                           ? kaz::ResultPlace::thirdPlaceSide(int(random() % 2))
                                           : kaz::ResultPlace::line(int(random() % 31));
        const kaz::ResultAction action =
            random() % 3 == 0 ? kaz::ResultAction::PressAndReset : kaz::ResultAction::Press;
        const kaz::ResultProposal proposal = doc.proposeResult(place, action);
        const int index = history->index();
        doc.commitResult(proposal);
        if (proposal.refusal || proposal.change.isEmpty()) {
            QCOMPARE(history->index(), index);
            continue;
        }
        QCOMPARE(history->index(), index + 1);
        const kaz::BracketChange& step =
            static_cast<const BracketStepCommand*>(history->command(index))->change();
        QCOMPARE(step.lines.size(), proposal.change.lines.size());
        for (size_t at = 0; at < step.lines.size(); ++at) {
            QCOMPARE(step.lines[at].line, proposal.change.lines[at].line);
            QVERIFY(step.lines[at].result.before == proposal.change.lines[at].result.before);
            QVERIFY(step.lines[at].result.after == proposal.change.lines[at].result.after);
        }
        QCOMPARE(bool(step.champion), bool(proposal.change.champion));
        QCOMPARE(bool(step.thirdPlaceResults), bool(proposal.change.thirdPlaceResults));
        if (step.thirdPlaceResults) {
            QVERIFY(step.thirdPlaceResults->after == proposal.change.thirdPlaceResults->after);
        }
        ++committed;
    }
    QVERIFY(committed > 100);
}

QTEST_MAIN(TestUndoHistory)
#include "tst_undo_history.moc"
