#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

// The editor's one face, "ＭＳ Ｐゴシック", with the Japanese faces that stand in for it where it
// is not installed.
QFont JapaneseUiFont();

// The same face at `points` points.
QFont JapaneseFontPoints(qreal points);

// The same face at `pixels` pixels, at the given weight.
QFont JapaneseFontPixels(int pixels, int weight = QFont::Normal);

// Converts dialog units, in which the dialogs' sizes are thought out, to pixels of a font:
// a horizontal unit is a quarter of the average letter width, a vertical one an eighth of the
// font height.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    int X(int units) const { return units * m_baseX / 4; }
    int Y(int units) const { return units * m_baseY / 8; }
    QSize Size(int x, int y) const { return QSize(X(x), Y(y)); }
    QRect Rect(int x, int y, int w, int h) const { return QRect(X(x), Y(y), X(w), Y(h)); }

private:
    int m_baseX;
    int m_baseY;
};
