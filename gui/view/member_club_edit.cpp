#include "view/member_club_edit.h"

#include <QKeyEvent>
#include <QUndoStack>

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
    : MemberBox(kaz::kMaxClubCharacters, doc, member, parent) {
    setFieldName(tr("所属"));
    setFocusPolicy(Qt::ClickFocus);
    setAccessibleName(tr("%1人目の所属").arg(member + 1));
    refreshText();
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_document->setMemberClub(m_member, render::toDocumentText(text));
    });
}

void MemberClubEdit::refreshText() {
    const QString text = m_document->memberClubText(m_member);
    if (text != this->text()) showText(text);
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

}  // namespace kaz::gui
