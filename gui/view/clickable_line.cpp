#include "view/clickable_line.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "bridge/qt_colors.h"
#include "bridge/qt_geometry.h"
#include "painting/scene_painter.h"
#include "view/screen_scene.h"

namespace kaz::gui {

ClickableLine::ClickableLine(const ScreenScene& scene, kaz::SceneTag tag, QWidget* parent)
    : QWidget(parent), m_scene(scene), m_tag(tag) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ClickableLine::placeOnSheet(const kaz::Rect& area, int percent) {
    m_zoom = percent;
    setGeometry(render::toQRect(kaz::zoomed(area, percent)));
}

void ClickableLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const kaz::ColorSet& colors = m_scene.colors();
    painter.fillRect(rect(), render::qColorFromString(colors.backgroundColor));
    // In the sheet's own pixels, as the canvas paints.
    painter.translate(-pos());
    if (m_zoom != kaz::kActualSize) {
        const qreal scale = qreal(m_zoom) / kaz::kActualSize;
        painter.scale(scale, scale);
    }
    render::paintTagged(painter, m_scene.scene(), colors, m_tag);
}

void ClickableLine::askTextAtLine() { askText(mapToGlobal(QPoint(0, height() / 2))); }

namespace {

// How far from a line's ink, in screen pixels, a press still counts as on the line.
constexpr int kPressReachPixels = 4;

}  // namespace

bool ClickableLine::takesPress(const QPointF& position) const {
    const QPointF onSheet = (position + QPointF(pos())) * kaz::kActualSize / m_zoom;
    const int reach = (kPressReachPixels * kaz::kActualSize + m_zoom - 1) / m_zoom;
    return m_scene.hitNear(
        m_tag, kaz::Point{int(std::floor(onSheet.x())), int(std::floor(onSheet.y()))}, reach);
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
