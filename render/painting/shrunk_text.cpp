#include "painting/shrunk_text.h"

#include <QFont>
#include <QPaintEngine>
#include <QPainter>
#include <QTransform>
#include <algorithm>

namespace kaz::render {

void drawSheetText(QPainter& painter, const QRectF& rect, int flags, const QString& text) {
    const QTransform transform = painter.worldTransform();
    const qreal scale = transform.m11();
    const bool shrunk = painter.paintEngine() &&
                        painter.paintEngine()->type() == QPaintEngine::Raster &&
                        transform.type() <= QTransform::TxScale && scale < 1 && scale > 0 &&
                        qFuzzyCompare(scale, transform.m22());
    if (!shrunk) {
        painter.drawText(rect, flags, text);
        return;
    }
    QFont font = painter.font();
    if (font.pixelSize() > 0) {
        font.setPixelSize(std::max(1, qRound(font.pixelSize() * scale)));
    } else {
        font.setPointSizeF(font.pointSizeF() * scale);
    }
    // Plain pixels keep the chosen colour exactly at full size; shrunk, smoothing keeps the
    // strokes that are thinner than a pixel.
    font.setStyleStrategy(QFont::PreferDefault);
    painter.save();
    painter.setFont(font);
    painter.setWorldTransform(QTransform());
    painter.drawText(transform.mapRect(rect), flags, text);
    painter.restore();
}

}  // namespace kaz::render
