// Writes the application icon as PNG files for the desktop's icon theme:
// <dir>/<N>x<N>/kazbo.png for each size given after the directory.
#include <QDir>
#include <QImage>
#include <QString>
#include <cstdio>

#include "shell/app_icons.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s DIR SIZE...\n", argv[0]);
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        const int size = QString::fromLatin1(argv[i]).toInt();
        const QString sub = QStringLiteral("%1x%1").arg(size);
        if (size <= 0 || !QDir(dir).mkpath(sub) ||
            !kaz::app::appIconImage(size).save(dir + QLatin1Char('/') + sub +
                                               QStringLiteral("/kazbo.png"))) {
            std::fprintf(stderr, "%s: cannot write the %s icon\n", argv[0], argv[i]);
            return 1;
        }
    }
    return 0;
}
