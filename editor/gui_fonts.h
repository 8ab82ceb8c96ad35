#pragma once

#include <QFont>

// The editor's one face, "ＭＳ Ｐゴシック", with the Japanese faces that stand in for it where it
// is not installed.
QFont JapaneseUiFont();

// The same face at `points` points.
QFont JapaneseFontPoints(qreal points);

// The same face at `pixels` pixels, at the given weight.
QFont JapaneseFontPixels(int pixels, int weight = QFont::Normal);

// Converts dialog-template units of a 9-point dialog to pixels (a unit is about one and a half
// pixels on either axis at 96 dpi).
int DialogUnits(int units);
