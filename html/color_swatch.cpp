#include "html/color_swatch.h"

#include <QPainter>

CColorSwatch::CColorSwatch(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    // The paint covers every pixel, so nothing underneath needs drawing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CColorSwatch::SetColor(kaz::ColorValue color) {
    m_color = color;
    update();
}

void CColorSwatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    const QColor fill(kaz::RedOf(m_color), kaz::GreenOf(m_color), kaz::BlueOf(m_color));
    painter.fillRect(rect().adjusted(1, 1, -1, -1), fill);
}
