#pragma once

#include <QWidget>

#include "color/color_value.h"

// A small box showing one colour value: a one-pixel black frame on its outermost ring,
// filled inside with the colour.
class ColorSwatch : public QWidget {
    Q_OBJECT

public:
    explicit ColorSwatch(QWidget* parent = nullptr);

    // Shows `color` from the next paint on.
    void setColor(kaz::ColorValue color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    kaz::ColorValue m_color = 0;
};
