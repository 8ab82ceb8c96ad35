#include "view/clickable_line.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "bridge/qt_geometry.h"

namespace kaz::gui {

ClickableLine::ClickableLine(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ClickableLine::placeOnSheet(const kaz::Rect& area, int percent) {
    m_sheetArea = render::toQRect(area);
    m_zoom = percent;
    setGeometry(render::toQRect(kaz::zoomed(area, percent)));
}

void ClickableLine::paintOnSheet(QPainter& painter) const {
    painter.translate(-pos());
    if (m_zoom != kaz::kActualSize) {
        const qreal scale = qreal(m_zoom) / kaz::kActualSize;
        painter.scale(scale, scale);
    }
}

void ClickableLine::askTextAtLine() { askText(mapToGlobal(QPoint(0, height() / 2))); }

namespace {

// How far from a line's ink, in screen pixels, a press still counts as on the line.
constexpr int kPressReachPixels = 4;

}  // namespace

bool ClickableLine::takesPress(const QPointF& position) const {
    const QPointF onSheet = (position + QPointF(pos())) * kaz::kActualSize / m_zoom;
    const int reach = (kPressReachPixels * kaz::kActualSize + m_zoom - 1) / m_zoom;
    return drawnNear(kaz::Point{int(std::floor(onSheet.x())), int(std::floor(onSheet.y()))}, reach);
}

void ClickableLine::mousePressEvent(QMouseEvent* event) {
    // Taken here, on the line or not: passed on, the press would reach the child window, which
    // repaints for it.
    const bool onLine = takesPress(event->position());
    if (event->button() == Qt::LeftButton) {
        m_pressTaken = onLine;
        if (onLine) click();
    } else if (event->button() == Qt::RightButton) {
        if (onLine) askText(QCursor::pos());
    } else {
        QWidget::mousePressEvent(event);
    }
}

void ClickableLine::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) {
        QWidget::mouseReleaseEvent(event);
    }
}

void ClickableLine::mouseDoubleClickEvent(QMouseEvent* event) {
    // The press before this message was already handled as a click (or refused: the document
    // refuses the message too).
    // A double click whose first press fell beside the line is a press of its own.
    if (event->button() != Qt::LeftButton || !takesPress(event->position())) return;
    if (m_pressTaken) {
        doubleClick();
    } else {
        m_pressTaken = true;
        click();
    }
}

}  // namespace kaz::gui
