#include "view/clickable_line.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>

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

void ClickableLine::mousePressEvent(QMouseEvent* event) {
    // Taken here: passed on, the press would reach the child window, which repaints for it.
    if (event->button() == Qt::LeftButton) {
        click();
    } else if (event->button() == Qt::RightButton) {
        askText(QCursor::pos());
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
    if (event->button() == Qt::LeftButton) doubleClick();
}

}  // namespace kaz::gui
