#include "view/bracket_canvas.h"

#include <QPaintEvent>
#include <QPainter>

#include "bridge/qt_colors.h"
#include "document/bracket_document.h"
#include "painting/bracket_painter.h"
#include "view/bracket_view.h"
#include "view/member_name_edit.h"

namespace kaz::gui {

BracketCanvas::BracketCanvas(BracketView* view) : QWidget(view), m_view(view) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BracketCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const kaz::Bracket& bracket = m_view->document()->bracket();
    painter.fillRect(event->rect(), render::qColorFromString(bracket.colors().backgroundColor));
    render::paintChampion(painter, bracket);
}

bool BracketCanvas::focusNextPrevChild(bool next) {
    const auto& boxes = m_view->nameEdits();
    if (boxes.empty()) return QWidget::focusNextPrevChild(next);
    int current = -1;
    for (size_t i = 0; i < boxes.size(); ++i) {
        if (boxes[i]->hasFocus()) current = static_cast<int>(i);
    }
    const int count = static_cast<int>(boxes.size());
    const int target = current < 0 ? 0 : (current + (next ? 1 : count - 1)) % count;
    MemberNameEdit* box = boxes[static_cast<size_t>(target)];
    box->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    m_view->ensureWidgetVisible(box);
    return true;
}

}  // namespace kaz::gui
