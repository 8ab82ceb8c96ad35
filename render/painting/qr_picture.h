#pragma once

#include <QImage>
#include <QString>

namespace kaz::render {

// `text` (an address) as a QR code, black on white with the quiet zone of four modules around
// it that readers need, each module `modulePixels` wide; a null image where the text is too
// long for any QR code.
QImage qrPicture(const QString& text, int modulePixels);

}  // namespace kaz::render
