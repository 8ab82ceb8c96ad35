#include "dialogs/color_swatch.h"

#include <QPainter>

#include "bridge/qt_colors.h"

ColorSwatch::ColorSwatch(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    // The paint covers every pixel, so nothing underneath needs drawing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColorSwatch::setColor(kaz::ColorValue color) {
    m_color = color;
    update();
}

void ColorSwatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.fillRect(rect().adjusted(1, 1, -1, -1), toQColor(m_color));
}
