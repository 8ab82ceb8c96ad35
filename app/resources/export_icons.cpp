// Writes the application icon:
//   kaz_export_icons DIR SIZE...        <dir>/<N>x<N>/kazbo.png for the desktop's icon theme
//   kaz_export_icons --ico FILE SIZE... one Windows icon holding every size, for the program
//                                       and its file type
#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QList>
#include <QString>
#include <cstdio>

#include "support/app_icons.h"

namespace {

void appendLittleEndian(QByteArray& bytes, quint32 value, int size) {
    for (int i = 0; i < size; ++i) bytes.append(char((value >> (8 * i)) & 0xff));
}

// An icon file whose images are PNG data, as Windows has read them since Vista: a header, one
// directory entry a size, then the images.
bool writeIco(const QString& path, const QList<int>& sizes) {
    QList<QByteArray> images;
    for (const int size : sizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!kaz::app::appIconImage(size).save(&buffer, "PNG")) return false;
        images.append(png);
    }
    QByteArray ico;
    appendLittleEndian(ico, 0, 2);  // reserved
    appendLittleEndian(ico, 1, 2);  // an icon, not a cursor
    appendLittleEndian(ico, quint32(sizes.size()), 2);
    quint32 offset = quint32(6 + 16 * sizes.size());
    for (int i = 0; i < sizes.size(); ++i) {
        const quint32 side = sizes[i] >= 256 ? 0 : quint32(sizes[i]);  // 0 stands for 256
        appendLittleEndian(ico, side, 1);
        appendLittleEndian(ico, side, 1);
        appendLittleEndian(ico, 0, 1);   // no palette
        appendLittleEndian(ico, 0, 1);   // reserved
        appendLittleEndian(ico, 1, 2);   // colour planes
        appendLittleEndian(ico, 32, 2);  // bits a pixel
        appendLittleEndian(ico, quint32(images[i].size()), 4);
        appendLittleEndian(ico, offset, 4);
        offset += quint32(images[i].size());
    }
    for (const QByteArray& image : images) ico += image;
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(ico) == ico.size();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s DIR SIZE... | --ico FILE SIZE...\n", argv[0]);
        return 2;
    }
    const bool ico = QByteArray(argv[1]) == "--ico";
    const int first = ico ? 3 : 2;
    QList<int> sizes;
    for (int i = first; i < argc; ++i) {
        const int size = QString::fromLatin1(argv[i]).toInt();
        if (size <= 0 || size > 256) {
            std::fprintf(stderr, "%s: no icon of size %s\n", argv[0], argv[i]);
            return 2;
        }
        sizes.append(size);
    }
    if (ico) {
        if (sizes.isEmpty() || !writeIco(QString::fromLocal8Bit(argv[2]), sizes)) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
            return 1;
        }
        return 0;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    for (const int size : sizes) {
        const QString sub = QStringLiteral("%1x%1").arg(size);
        if (!QDir(dir).mkpath(sub) ||
            !kaz::app::appIconImage(size).save(dir + QLatin1Char('/') + sub +
                                               QStringLiteral("/kazbo.png"))) {
            std::fprintf(stderr, "%s: cannot write the %d icon\n", argv[0], size);
            return 1;
        }
    }
    return 0;
}
