#include "painting/qr_picture.h"

#include <qrcodegen.hpp>
#include <stdexcept>

namespace kaz::render {

namespace {

constexpr int kQuietModules = 4;

}  // namespace

QImage qrPicture(const QString& text, int modulePixels) {
    const QByteArray utf8 = text.toUtf8();
    try {
        // Medium correction: a poster in a hall gets creased and lit unevenly.
        const qrcodegen::QrCode code =
            qrcodegen::QrCode::encodeText(utf8.constData(), qrcodegen::QrCode::Ecc::MEDIUM);
        const int modules = code.getSize() + 2 * kQuietModules;
        QImage picture(modules, modules, QImage::Format_Mono);
        picture.setColor(0, qRgb(255, 255, 255));
        picture.setColor(1, qRgb(0, 0, 0));
        picture.fill(0);
        for (int y = 0; y < code.getSize(); ++y) {
            for (int x = 0; x < code.getSize(); ++x) {
                if (code.getModule(x, y)) picture.setPixel(x + kQuietModules, y + kQuietModules, 1);
            }
        }
        return picture.scaled(modules * modulePixels, modules * modulePixels);
    } catch (const qrcodegen::data_too_long&) {
        return QImage();
    }
}

}  // namespace kaz::render
