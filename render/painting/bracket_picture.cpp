#include "painting/bracket_picture.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

#include "bridge/qt_colors.h"
#include "painting/bracket_renderer.h"

namespace {

constexpr qreal kPdfMarginMillimetres = 10;
// Fine enough that no stroke or glyph of the bracket moves visibly from where it belongs.
constexpr int kPdfResolution = 1200;

}  // namespace

QImage bracketImage(const kaz::Bracket& bracket, qreal scale) {
    const QSize size = bracketSize(bracket);
    if (!(scale > 0) || !std::isfinite(scale)) return QImage();
    const QSize scaled(std::max(1, int(std::lround(size.width() * scale))),
                       std::max(1, int(std::lround(size.height() * scale))));
    QImage image(scaled, QImage::Format_RGB32);
    if (image.isNull()) return image;
    image.fill(qColorFromString(bracket.colors().backgroundColor));
    QPainter painter(&image);
    painter.scale(scale, scale);
    renderBracket(painter, bracket);
    return image;
}

QByteArray bracketPng(const kaz::Bracket& bracket, qreal scale) {
    const QImage image = bracketImage(bracket, scale);
    if (image.isNull()) return QByteArray();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return QByteArray();
    return bytes;
}

bool paintBracketPage(QPaintDevice& device, const kaz::Bracket& bracket) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    // The painter's origin is the top-left corner of the area within the margins.
    renderBracketFitted(painter, bracket, QRectF(0, 0, device.width(), device.height()));
    return painter.end();
}

QByteArray bracketPdf(const kaz::Bracket& bracket, const QString& title) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return QByteArray();
    QPdfWriter writer(&buffer);
    writer.setResolution(kPdfResolution);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("カズボー"));
    QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(kPdfMarginMillimetres, kPdfMarginMillimetres,
                                 kPdfMarginMillimetres, kPdfMarginMillimetres),
                       QPageLayout::Millimeter);
    layout.setOrientation(bestOrientation(bracket, layout));
    if (!writer.setPageLayout(layout)) return QByteArray();
    if (!paintBracketPage(writer, bracket)) return QByteArray();
    buffer.close();
    return bytes;
}
