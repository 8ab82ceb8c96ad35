#include "view/zoomed_scroll_area.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

namespace kaz::gui {

namespace {

// One notch of a mouse wheel, in eighths of a degree: a step of the zoom.
constexpr int kWheelNotch = 120;

}  // namespace

ZoomedScrollArea::ZoomedScrollArea(QWidget* parent) : QScrollArea(parent) {}

void ZoomedScrollArea::setZoom(int percent) { setZoom(percent, viewport()->rect().center()); }

void ZoomedScrollArea::zoomToFit() {
    // Without scroll bars, as the sheet that fits will show. Rounded down, the zoomed sheet's
    // size, rounded up, still fits.
    const QSize room = maximumViewportSize();
    const QSize extent = sheetExtent();
    setZoom(std::min(room.width() * kaz::kActualSize / extent.width(),
                     room.height() * kaz::kActualSize / extent.height()));
}

void ZoomedScrollArea::setZoom(int percent, const QPoint& anchor) {
    percent = kaz::boundedZoom(percent);
    if (percent == m_zoom) return;
    QScrollBar* across = horizontalScrollBar();
    QScrollBar* down = verticalScrollBar();
    // The anchor's place on the sheet, in the sheet's own pixels.
    const QPointF place =
        (QPointF(across->value(), down->value()) + anchor) * kaz::kActualSize / m_zoom;
    m_zoom = percent;
    applyZoom();
    // The bars take the canvas's new size now, so that the anchor can be scrolled back to.
    QEvent request(QEvent::LayoutRequest);
    QCoreApplication::sendEvent(this, &request);
    const QPointF scrolled = place * percent / kaz::kActualSize - anchor;
    across->setValue(qRound(scrolled.x()));
    down->setValue(qRound(scrolled.y()));
    widget()->update();
    emit zoomChanged(percent);
}

void ZoomedScrollArea::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        m_wheelTurn = 0;
        QScrollArea::wheelEvent(event);
        return;
    }
    event->accept();
    const QPoint anchor = viewport()->mapFromGlobal(event->globalPosition().toPoint());
    m_wheelTurn += event->angleDelta().y();
    for (; m_wheelTurn >= kWheelNotch; m_wheelTurn -= kWheelNotch) {
        setZoom(kaz::zoomedIn(m_zoom), anchor);
    }
    for (; m_wheelTurn <= -kWheelNotch; m_wheelTurn += kWheelNotch) {
        setZoom(kaz::zoomedOut(m_zoom), anchor);
    }
}

}  // namespace kaz::gui
