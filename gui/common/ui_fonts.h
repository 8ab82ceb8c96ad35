#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

// The editor's one face, "ＭＳ Ｐゴシック", with the Japanese faces that stand in for it where it
// is not installed.
QFont japaneseUiFont();

// The same face at `points` points.
QFont japaneseFontPoints(qreal points);

// The same face at `pixels` pixels, at the given weight.
QFont japaneseFontPixels(int pixels, int weight = QFont::Normal);

// `font` made to look as heavy as its weight asks: where the family has no face that heavy
// (the stand-ins have only a regular one), the font engine emboldens the regular face.
QFont emboldened(QFont font);

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
