#include "bridge/fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>
#include <algorithm>

namespace kaz::render {

QFont japaneseUiFont() { return japaneseFontPoints(9); }

QFont japaneseFontPoints(qreal points) {
    QFont font;
    // Windows' own Japanese faces first: MS PGothic where Japanese Windows has it, Yu Gothic,
    // which every Windows since 8.1 has whatever its language; then those of Linux desktops.
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                      QStringLiteral("Yu Gothic"), QStringLiteral("IPAPGothic"),
                      QStringLiteral("Noto Sans CJK JP")});
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

QFont emboldened(QFont font) {
    const QString family = QFontInfo(font).family();
    for (const QString& style : QFontDatabase::styles(family)) {
        if (QFontDatabase::weight(family, style) >= font.weight()) return font;
    }
    // Qt emboldens a face synthetically only when asked for bold.
    font.setWeight(std::max(font.weight(), QFont::Bold));
    return font;
}

}  // namespace kaz::render
