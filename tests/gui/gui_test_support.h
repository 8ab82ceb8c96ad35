#pragma once

// What the GUI and shell tests share: showing a window, answering a dialog, typing text
// (characters outside the basic plane included), reading and writing files.

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <string>

#include "bracket/bracket_shape.h"
#include "bracket/member_progress.h"
#include "document/bracket_document.h"
#include "test_files.h"
#include "view/bracket_view.h"

namespace guitest {

// Shows `window` as the active one, so that its shortcut keys apply.
inline void showActive(QWidget& window) {
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

// Shows `widget` and waits until it is on screen.
inline void showExposed(QWidget& widget) {
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
}

// Gives `widget` the keyboard focus and waits until it has it.
inline void focus(QWidget* widget) {
    widget->setFocus();
    QTRY_VERIFY(widget->hasFocus());
}

// A bracket of `members` members, each with a name ("選手1" …): every slot holds a player who
// can win, as stored.
inline kaz::Bracket namedBracket(int members) {
    kaz::Bracket bracket(members);
    for (int m = 0; m < members; ++m) bracket.setMemberName(m, "選手" + std::to_string(m + 1));
    bracket.markSaved();
    return bracket;
}

// Member 0 wins every match before the final line it has not won yet (one step a round), so
// that a member stands on the final line and a champion can be named.
inline void winUpToTheFinal(kaz::gui::BracketDocument& doc) {
    // A slot without a name cannot win: member 0 is named first where it has none.
    if (kaz::slotHoldsNobody(doc.bracket(), 0)) {
        doc.setMemberName(0, "選手1");
        doc.endTyping();
    }
    const int final = doc.bracket().lineCount() - 1;
    for (int line = 0; line != final; line = kaz::nextRoundLine(doc.memberCount(), line)) {
        if (doc.lineState(line) != kaz::LineState::Won) doc.leftClickLine(line);
    }
}

// Runs `answer` on the next modal dialog of type T, once it is shown. A dialog still open
// afterwards is closed: a failed check returns from the answer before its last step, and the
// test then fails instead of waiting for ever. So is a modal window of another type.
template <typename T>
void onNextDialog(std::function<void(T*)> answer) {
    QTimer::singleShot(0, [answer] {
        QPointer<QWidget> modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<T*>(modal.data());
        if (dialog) answer(dialog);
        if (modal && modal->isVisible()) {
            // A message box without an escape button ignores close(); reject() ends any dialog.
            if (auto* left = qobject_cast<QDialog*>(modal.data())) {
                left->reject();
            } else {
                modal->close();
            }
        }
        QVERIFY2(dialog, "the expected dialog did not open");
    });
}

// The field a dialog puts the cursor in as it opens: a text dialog's one field, or the match
// dialog's field of the side asked for.
inline QLineEdit* openedField(QWidget* dialog) {
    return qobject_cast<QLineEdit*>(dialog->focusWidget());
}

// Types `text` into `widget` a character at a time, as a keyboard or an input method
// delivers it: a character outside the basic plane is one key, not two UTF-16 units
// (QTest::keyClicks can only type Latin-1).
inline void typeText(QWidget* widget, const QString& text) {
    for (const char32_t code : text.toUcs4()) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString::fromUcs4(&code, 1),
                            Qt::NoModifier);
    }
}

using testfiles::entries;
using testfiles::readFile;
using testfiles::writeFile;

// A bracket of `members` members shown in a view, the central widget of a plain main window
// whose status bar takes what the view says: what a view test needs of the shell.
class ViewFrame : public QMainWindow {
public:
    explicit ViewFrame(int members)
        : m_document(kaz::Bracket(members)), m_view(new kaz::gui::BracketView(&m_document)) {
        setCentralWidget(m_view);
        statusBar();
        resize(800, 600);
    }
    // The view goes before the bracket it shows.
    ~ViewFrame() override { delete m_view; }
    kaz::gui::BracketView* view() const { return m_view; }

private:
    kaz::gui::BracketDocument m_document;
    kaz::gui::BracketView* m_view;
};

// A window's title as it is shown: Qt's "[*]" turned into the mark of unsaved changes ("*")
// while the window is marked modified, into nothing otherwise.
inline QString shownTitle(const QWidget* window) {
    QString title = window->windowTitle();
    if (title.endsWith(QStringLiteral("[*]"))) {
        title.chop(3);
        if (window->isWindowModified()) title += QLatin1Char('*');
    }
    return title.replace(QStringLiteral("[*][*]"), QStringLiteral("[*]"));
}

}  // namespace guitest
