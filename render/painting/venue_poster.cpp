#include "painting/venue_poster.h"

#include <QPainter>
#include <algorithm>

#include "bridge/fonts.h"
#include "painting/qr_picture.h"
#include "text/messages.h"

namespace kaz::render {

namespace {

QString sheetText(kaz::MessageId id, kaz::SheetLanguage language) {
    return QString::fromStdString(kaz::messageText(kaz::Message(id), kaz::languageOf(language)));
}

// One poster page in `page` (device pixels): the title on top, the code in the middle, the
// address and the lines below it.
void paintPage(QPainter& painter, const QRectF& page, const QString& title, const QString& address,
               kaz::SheetLanguage language) {
    const qreal unit = page.width() / 100;  // a hundredth of the page's width
    QFont heading = japaneseFontPixels(int(unit * 6), QFont::Bold);
    painter.setFont(heading);
    QRectF titleBox(page.left(), page.top(), page.width(), unit * 20);
    painter.drawText(titleBox, Qt::AlignCenter | Qt::TextWordWrap, title);

    const qreal side = std::min(page.width() * 0.8, page.height() - unit * 70);
    const QRectF codeBox(page.center().x() - side / 2, titleBox.bottom() + unit * 4, side, side);
    // Drawn module by module at the size it is printed, never smoothed: a reader needs edges.
    const QImage code = qrPicture(address, 1);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(codeBox, code);

    QFont body = japaneseFontPixels(int(unit * 4));
    painter.setFont(body);
    QRectF addressBox(page.left(), codeBox.bottom() + unit * 3, page.width(), unit * 8);
    painter.drawText(addressBox, Qt::AlignCenter, address);
    body.setPixelSize(int(unit * 2.8));
    painter.setFont(body);
    const QString lines = sheetText(kaz::MessageId::PosterScan, language) + QLatin1Char('\n') +
                          sheetText(kaz::MessageId::PosterSameNetwork, language);
    QRectF linesBox(page.left() + unit * 5, addressBox.bottom() + unit * 2,
                    page.width() - unit * 10, page.bottom() - addressBox.bottom());
    painter.drawText(linesBox, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, lines);
}

}  // namespace

kaz::Status paintVenuePoster(QPagedPaintDevice& device, const QString& title,
                             const QStringList& addresses, kaz::SheetLanguage language) {
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageOrientation(QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&device)) return kaz::Failure{kaz::FileError::PrintFailed, {}};
    const QRectF page(0, 0, device.width(), device.height());
    for (int i = 0; i < addresses.size(); ++i) {
        if (i > 0 && !device.newPage()) return kaz::Failure{kaz::FileError::PrintFailed, {}};
        paintPage(painter, page, title, addresses[i], language);
    }
    if (!painter.end()) return kaz::Failure{kaz::FileError::PrintFailed, {}};
    return kaz::Done{};
}

}  // namespace kaz::render
