#include <QSet>
#include <QTest>

#include "support/app_icons.h"

using namespace kaz::app;

class TestAppIcons : public QObject {
    Q_OBJECT

private slots:
    void toolbarImages() {
        QSet<QByteArray> seen;
        for (int i = 0; i <= int(ToolbarPicture::About); ++i) {
            const QImage image =
                toolbarPicture(ToolbarPicture(i)).toImage().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(image.size(), QSize(16, 15));
            // A picture of its own for every button, with something drawn on it.
            const QByteArray bytes(reinterpret_cast<const char*>(image.constBits()),
                                   image.sizeInBytes());
            QVERIFY2(!seen.contains(bytes), qPrintable(QStringLiteral("image %1").arg(i)));
            seen.insert(bytes);
            int opaque = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) opaque += qAlpha(image.pixel(x, y)) == 255;
            }
            QVERIFY(opaque > 30);
        }
    }

    void iconSizes() {
        for (const QIcon& icon : {appIcon(), documentIcon()}) {
            const QList<QSize> sizes = icon.availableSizes();
            for (const int side : {16, 32, 48}) QVERIFY(sizes.contains(QSize(side, side)));
        }
    }
};

QTEST_MAIN(TestAppIcons)
#include "tst_app_icons.moc"
