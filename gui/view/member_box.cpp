#include "view/member_box.h"

#include <QFocusEvent>
#include <QMenu>
#include <QPainter>
#include <QUndoStack>
#include <algorithm>

#include "bracket/sheet_zoom.h"
#include "bridge/fonts.h"
#include "bridge/qt_colors.h"
#include "document/bracket_document.h"
#include "document/history_step.h"

namespace kaz::gui {

namespace {

constexpr int kTextPoints = 11;
// Between the text and the box's border, at the actual size, besides the edit's own margin;
// the pictures leave the same room before a name (the scene's name margin).
constexpr int kTextMargin = 2;

}  // namespace

MemberBox::MemberBox(size_t maxCharacters, BracketDocument* doc, int member, QWidget* parent)
    : TextField(maxCharacters, parent), m_document(doc), m_member(member) {
    setFont(render::japaneseFontPoints(kTextPoints));
    setTextMargins(kTextMargin, 0, kTextMargin, 0);
    refreshColors();
}

void MemberBox::refreshColors() {
    QPalette pal = palette();
    const QColor back = render::qColorFromString(m_document->colors().backgroundColor);
    pal.setColor(QPalette::Base, back);
    pal.setColor(QPalette::Window, back);
    pal.setColor(QPalette::Text, render::qColorFromString(m_document->colors().memberColor));
    setPalette(pal);
}

// Below the actual size the box has no frame, which would leave its text no room; a hairline
// outline (paintEvent) still shows where an empty box is.
void MemberBox::setZoom(int percent) {
    setFont(render::japaneseFontPoints(qreal(kTextPoints) * percent / kaz::kActualSize));
    setFrame(percent >= kaz::kActualSize);
    const int margin = std::max(1, kTextMargin * percent / kaz::kActualSize);
    setTextMargins(margin, 0, margin, 0);
}

void MemberBox::paintEvent(QPaintEvent* event) {
    TextField::paintEvent(event);
    if (hasFrame()) return;
    QPainter painter(this);
    painter.setPen(palette().color(hasFocus() ? QPalette::Highlight : QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void MemberBox::focusInEvent(QFocusEvent* event) {
    // The surface around the boxes hands the focus to the box that had it last, so that a
    // click on a line leaves the focus here (see BracketView).
    parentWidget()->setFocusProxy(this);
    TextField::focusInEvent(event);
}

void MemberBox::focusOutEvent(QFocusEvent* event) {
    // A context menu over the box keeps the typing going; anything else ends its step.
    if (event->reason() != Qt::PopupFocusReason) m_document->endTyping();
    TextField::focusOutEvent(event);
    // Left for another box, the box shows the start of its text again, not the end typed last;
    // a dialog or another window leaves the cursor where it was.
    const Qt::FocusReason why = event->reason();
    if (why != Qt::PopupFocusReason && why != Qt::ActiveWindowFocusReason) setCursorPosition(0);
}

void MemberBox::addUndoItems(QMenu* menu) {
    QUndoStack* history = m_document->undoStack();
    addMenuItem(menu, "edit-undo", TextField::tr("元に戻す(&U)"), "Ctrl+Z", history->canUndo(),
                [this, history] { takeHistoryStep(history, HistoryStep::Undo, this); });
    addMenuItem(menu, "edit-redo", TextField::tr("やり直し(&R)"), "Ctrl+Y", history->canRedo(),
                [this, history] { takeHistoryStep(history, HistoryStep::Redo, this); });
}

}  // namespace kaz::gui
