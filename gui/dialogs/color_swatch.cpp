#include "dialogs/color_swatch.h"

#include <QPainter>

#include "common/qt_colors.h"

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
    painter.fillRect(rect().adjusted(1, 1, -1, -1), ToQColor(m_color));
}
