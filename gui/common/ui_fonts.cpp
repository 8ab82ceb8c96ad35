#include "common/ui_fonts.h"

#include <QFontMetrics>
#include <QStringList>

QFont japaneseUiFont() { return japaneseFontPoints(9); }

QFont japaneseFontPoints(qreal points) {
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                      QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
    font.setPointSizeF(points);
    return font;
}

QFont japaneseFontPixels(int pixels, int weight) {
    QFont font = japaneseFontPoints(9);
    font.setPixelSize(pixels);
    font.setWeight(static_cast<QFont::Weight>(weight));
    // Drawn in draft quality: plain pixels in exactly the chosen colour.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    m_baseX = (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
    m_baseY = metrics.height();
}
