#include "view/bracket_canvas.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "bridge/qt_colors.h"
#include "bridge/qt_geometry.h"
#include "document/bracket_document.h"
#include "painting/bracket_renderer.h"
#include "painting/scene_painter.h"
#include "view/bracket_view.h"
#include "view/member_club_edit.h"
#include "view/member_name_edit.h"
#include "view/screen_scene.h"

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
    // Everything but the lines, which their widgets paint (and the background, painted above).
    render::paintScene(painter, m_view->screenScene().scene(), bracket.colors(),
                       [](const kaz::SceneItem& item) {
                           return item.tag.kind != kaz::SceneTag::Kind::Line &&
                                  item.tag.kind != kaz::SceneTag::Kind::ThirdPlaceSide &&
                                  item.ink != kaz::Ink::Background;
                       });
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
