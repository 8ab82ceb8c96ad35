#include "widgets/color_swatch.h"

#include <QPainter>

#include "bridge/qt_colors.h"

namespace kaz::gui {

ColorSwatch::ColorSwatch(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    // The paint covers every pixel, so nothing underneath needs drawing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColorSwatch::setColor(kaz::ColorValue color) {
    m_color = color;
    m_hasColor = true;
    update();
}

void ColorSwatch::setNoColor() {
    m_hasColor = false;
    update();
}

void ColorSwatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    const QRect inside = rect().adjusted(1, 1, -1, -1);
    if (m_hasColor) {
        painter.fillRect(inside, render::toQColor(m_color));
        return;
    }
    // Unlike any colour's fill, and no black to be taken for black.
    painter.fillRect(inside, Qt::white);
    painter.setPen(QPen(Qt::red, 2));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawLine(inside.topLeft(), inside.bottomRight());
    painter.drawLine(inside.topRight(), inside.bottomLeft());
}

}  // namespace kaz::gui
