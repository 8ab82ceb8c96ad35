#include "view/member_club_edit.h"

#include <QKeyEvent>
#include <QMenu>
#include <QUndoStack>

#include "bridge/fonts.h"
#include "bridge/qt_colors.h"
#include "bridge/qt_text.h"
#include "document/bracket_document.h"
#include "document/history_step.h"
#include "text/text_limits.h"

namespace kaz::gui {

namespace {

// The box's own undo would change a club behind the history's back: the history's step.
std::optional<HistoryStep> historyKey(const QKeyEvent* event) {
    if (event->matches(QKeySequence::Undo)) return HistoryStep::Undo;
    if (event->matches(QKeySequence::Redo)) return HistoryStep::Redo;
    return std::nullopt;
}

}  // namespace

MemberClubEdit::MemberClubEdit(BracketDocument* doc, int member, QWidget* parent)
    : TextField(kaz::kMaxClubBytes, parent), m_document(doc), m_member(member) {
    setFieldName(tr("所属"));
    setFont(render::japaneseFontPoints(11));
    setFocusPolicy(Qt::ClickFocus);
    setAccessibleName(tr("%1人目の所属").arg(member + 1));
    refreshText();
    refreshColors();
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_document->setMemberClub(m_member, render::toCp932Lenient(text));
    });
}

void MemberClubEdit::refreshText() {
    const QString text = m_document->memberClubText(m_member);
    if (text != this->text()) showText(text);
}

void MemberClubEdit::refreshColors() {
    QPalette pal = palette();
    const QColor back = render::qColorFromString(m_document->colors().backgroundColor);
    pal.setColor(QPalette::Base, back);
    pal.setColor(QPalette::Window, back);
    pal.setColor(QPalette::Text, render::qColorFromString(m_document->colors().memberColor));
    setPalette(pal);
}

bool MemberClubEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && historyKey(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return TextField::event(event);
}

void MemberClubEdit::keyPressEvent(QKeyEvent* event) {
    if (const std::optional<HistoryStep> step = historyKey(event)) {
        takeHistoryStep(m_document->undoStack(), *step, this);
        event->accept();
        return;
    }
    TextField::keyPressEvent(event);
}

void MemberClubEdit::focusInEvent(QFocusEvent* event) {
    // A click on a line leaves the focus here, as in a name box.
    parentWidget()->setFocusProxy(this);
    TextField::focusInEvent(event);
}

void MemberClubEdit::focusOutEvent(QFocusEvent* event) {
    if (event->reason() != Qt::PopupFocusReason) m_document->endTyping();
    TextField::focusOutEvent(event);
}

void MemberClubEdit::addUndoItems(QMenu* menu) {
    QUndoStack* history = m_document->undoStack();
    addMenuItem(menu, "edit-undo", TextField::tr("元に戻す(&U)\tCtrl+Z"), history->canUndo(),
                [this, history] { takeHistoryStep(history, HistoryStep::Undo, this); });
    addMenuItem(menu, "edit-redo", TextField::tr("やり直し(&R)\tCtrl+Y"), history->canRedo(),
                [this, history] { takeHistoryStep(history, HistoryStep::Redo, this); });
}

}  // namespace kaz::gui
