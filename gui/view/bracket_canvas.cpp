#include "view/bracket_canvas.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "bridge/qt_colors.h"
#include "bridge/qt_geometry.h"
#include "document/bracket_document.h"
#include "painting/bracket_painter.h"
#include "painting/sheet_painter.h"
#include "painting/third_place_painter.h"
#include "view/bracket_view.h"
#include "view/member_club_edit.h"
#include "view/member_name_edit.h"

namespace kaz::gui {

BracketCanvas::BracketCanvas(BracketView* view) : QWidget(view), m_view(view) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BracketCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const kaz::Bracket& bracket = m_view->document()->bracket();
    painter.fillRect(event->rect(), render::qColorFromString(bracket.colors().backgroundColor));
    if (m_view->zoom() != kaz::kActualSize) {
        const qreal scale = qreal(m_view->zoom()) / kaz::kActualSize;
        painter.scale(scale, scale);
    }
    const render::SheetPicture sheet = render::screenSheet(bracket, m_view->sheetLayout());
    render::paintSheetTexts(painter, bracket, sheet);
    render::paintThirdPlace(painter, bracket, sheet.layout, render::ThirdPlaceLines::LeftOut);
    painter.translate(render::toQPoint(sheet.layout.bracketOrigin));
    render::paintChampion(painter, bracket, sheet.layout);
}

namespace {

// Tab and Shift+Tab from the box that has the focus to the next or previous of `boxes`, round
// the end; false when none of them has the focus.
template <typename Box>
bool cycleFocus(const std::vector<Box*>& boxes, bool next, BracketView* view) {
    const auto current =
        std::find_if(boxes.begin(), boxes.end(), [](const Box* box) { return box->hasFocus(); });
    if (current == boxes.end()) return false;
    const int count = static_cast<int>(boxes.size());
    const int at = static_cast<int>(current - boxes.begin());
    Box* box = boxes[static_cast<size_t>((at + (next ? 1 : count - 1)) % count)];
    box->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    view->ensureWidgetVisible(box);
    return true;
}

}  // namespace

// From a club box Tab runs through the club boxes; from anywhere else through the name boxes.
bool BracketCanvas::focusNextPrevChild(bool next) {
    const auto& boxes = m_view->nameEdits();
    if (boxes.empty()) return QWidget::focusNextPrevChild(next);
    if (cycleFocus(m_view->clubEdits(), next, m_view) || cycleFocus(boxes, next, m_view)) {
        return true;
    }
    MemberNameEdit* first = boxes.front();
    first->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    m_view->ensureWidgetVisible(first);
    return true;
}

}  // namespace kaz::gui
