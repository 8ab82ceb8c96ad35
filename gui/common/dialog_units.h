#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

namespace kaz::gui {

// Converts dialog units, in which the dialogs' sizes are thought out, to pixels of a font:
// a horizontal unit is a quarter of the average letter width, a vertical one an eighth of the
// font height.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    int x(int units) const { return units * m_baseX / 4; }
    int y(int units) const { return units * m_baseY / 8; }
    QSize size(int width, int height) const { return QSize(x(width), y(height)); }
    QRect rect(int left, int top, int width, int height) const {
        return QRect(x(left), y(top), x(width), y(height));
    }

private:
    int m_baseX;
    int m_baseY;
};

}  // namespace kaz::gui
