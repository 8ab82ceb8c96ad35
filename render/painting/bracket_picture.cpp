#include "painting/bracket_picture.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

#include "bridge/fonts.h"
#include "bridge/qt_colors.h"
#include "bridge/qt_text.h"
#include "painting/bracket_renderer.h"
#include "painting/qr_picture.h"
#include "text/app_names.h"

namespace kaz::render {

namespace {

constexpr qreal kPdfMarginMillimetres = 10;
constexpr qint64 kMaxPicturePixels = qint64(128) << 20;  // 512 MiB at four bytes a pixel
// Fine enough that no stroke or glyph of the bracket moves visibly from where it belongs.
constexpr int kPdfResolution = 1200;

kaz::Failure cannotMake() { return kaz::Failure{kaz::FileError::SaveFailed, std::string()}; }

// The picture's size in pixels; an empty size for a scale that is no positive number.
QSize pictureSize(const kaz::Bracket& bracket, qreal scale) {
    if (!(scale > 0) || !std::isfinite(scale)) return QSize();
    const QSize size = bracketExtent(bracket);
    return QSize(std::max(1, int(std::lround(size.width() * scale))),
                 std::max(1, int(std::lround(size.height() * scale))));
}

}  // namespace

bool pictureFits(const kaz::Bracket& bracket, qreal scale) {
    const QSize scaled = pictureSize(bracket, scale);
    return !scaled.isEmpty() && qint64(scaled.width()) * scaled.height() <= kMaxPicturePixels;
}

QImage bracketImage(const kaz::Bracket& bracket, qreal scale) {
    if (!pictureFits(bracket, scale)) return QImage();
    QImage image(pictureSize(bracket, scale), QImage::Format_RGB32);
    if (image.isNull()) return image;
    image.fill(qColorFromString(bracket.colors().backgroundColor));
    QPainter painter(&image);
    painter.scale(scale, scale);
    renderBracket(painter, bracket);
    return image;
}

kaz::Result<QByteArray> bracketPng(const kaz::Bracket& bracket, qreal scale) {
    const QImage image = bracketImage(bracket, scale);
    if (image.isNull()) return cannotMake();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return cannotMake();
    return bytes;
}

kaz::Status paintBracketPage(QPaintDevice& device, const kaz::Bracket& bracket,
                             const QString& venueAddress) {
    QPainter painter;
    const kaz::Failure refused{kaz::FileError::PrintFailed, std::string()};
    if (!painter.begin(&device)) return refused;
    // The painter's origin is the top-left corner of the area within the margins.
    QRectF area(0, 0, device.width(), device.height());
    if (bracket.sheet().venueQrCode && !venueAddress.isEmpty()) {
        // A band at the foot of the page: the code on the right, its address beside it; the
        // bracket keeps the rest, so that the code never covers a name.
        const qreal side = std::min(area.width(), area.height()) * 0.12;
        area.setHeight(area.height() - side * 1.1);
        const QRectF code(area.right() - side, area.bottom() + side * 0.1, side, side);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(code, qrPicture(venueAddress, 1));
        painter.setFont(japaneseFontPixels(std::max(1, int(side / 9))));
        painter.drawText(
            QRectF(area.left(), code.top(), code.left() - side * 0.1 - area.left(), side),
            Qt::AlignRight | Qt::AlignBottom, venueAddress);
    }
    renderBracketFitted(painter, bracket, area);
    if (!painter.end()) return refused;
    return kaz::Done{};
}

QPageSize::PageSizeId proposedPaper(const kaz::Bracket& bracket, bool a3Offered) {
    return bracket.memberCount() >= 128 && a3Offered ? QPageSize::A3 : QPageSize::A4;
}

QString documentTitle(const kaz::Bracket& bracket, const QString& fileTitle) {
    const QString title = fromDocumentText(bracket.sheet().title).simplified();
    return title.isEmpty() ? fileTitle : title;
}

kaz::Result<QByteArray> bracketPdf(const kaz::Bracket& bracket, const QString& fileTitle,
                                   const QString& venueAddress) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return cannotMake();
    QPdfWriter writer(&buffer);
    writer.setResolution(kPdfResolution);
    writer.setTitle(documentTitle(bracket, fileTitle));
    writer.setCreator(QString::fromUtf8(kaz::kProductName));
    QPageLayout layout(QPageSize(proposedPaper(bracket, true)), QPageLayout::Portrait,
                       QMarginsF(kPdfMarginMillimetres, kPdfMarginMillimetres,
                                 kPdfMarginMillimetres, kPdfMarginMillimetres),
                       QPageLayout::Millimeter);
    layout.setOrientation(bestOrientation(bracket, layout));
    if (!writer.setPageLayout(layout) || !paintBracketPage(writer, bracket, venueAddress))
        return cannotMake();
    buffer.close();
    return bytes;
}

}  // namespace kaz::render
