#pragma once

#include <QFont>

namespace kaz::render {

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

}  // namespace kaz::render
