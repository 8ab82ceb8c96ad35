#include "editor/gui_fonts.h"

#include <QStringList>

QFont JapaneseUiFont() { return JapaneseFontPoints(9); }

QFont JapaneseFontPoints(qreal points) {
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                      QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
    font.setPointSizeF(points);
    return font;
}

QFont JapaneseFontPixels(int pixels, int weight) {
    QFont font = JapaneseFontPoints(9);
    font.setPixelSize(pixels);
    font.setWeight(static_cast<QFont::Weight>(weight));
    // Drawn in draft quality: plain pixels in exactly the chosen colour.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

int DialogUnits(int units) { return units * 3 / 2; }
