#pragma once

#include <QRectF>
#include <QString>

class QPainter;

namespace kaz::render {

// Text of the sheet as QPainter::drawText draws it into `rect` (in the painter's coordinates)
// with `flags`. Where the painter shrinks a raster picture (the window below 100 %, a preview)
// the text is drawn at the shrunk size in the device's own pixels, with its font made smaller
// and smoothed, rather than as glyphs of the full size shrunk, whose thin strokes drop out
// ("11-9" showing as "· · 9"). Anywhere else it is drawn exactly as QPainter draws it.
void drawSheetText(QPainter& painter, const QRectF& rect, int flags, const QString& text);

}  // namespace kaz::render
