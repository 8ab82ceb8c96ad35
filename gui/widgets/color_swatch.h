#pragma once

#include <QWidget>

#include "color/color_value.h"

namespace kaz::gui {

// A small box showing one colour value: a one-pixel black frame on its outermost ring,
// filled inside with the colour; or, for text that is no colour, crossed out on white.
class ColorSwatch : public QWidget {
    Q_OBJECT

public:
    explicit ColorSwatch(QWidget* parent = nullptr);

    // Shows `color` from the next paint on.
    void setColor(kaz::ColorValue color);
    // Shows that there is no colour to show, from the next paint on.
    void setNoColor();
    bool showsColor() const { return m_hasColor; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    kaz::ColorValue m_color = 0;
    bool m_hasColor = true;
};

}  // namespace kaz::gui
