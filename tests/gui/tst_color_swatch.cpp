#include <QImage>
#include <QScreen>
#include <QTest>

#include "color/color_value.h"
#include "widgets/color_swatch.h"

using namespace kaz::gui;

// Every pixel of `image`: black on the outermost ring, `inside` everywhere else.
static bool hasFrameAndFill(const QImage& image, QRgb inside, QString* where) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool ring = x == 0 || y == 0 || x == image.width() - 1 || y == image.height() - 1;
            const QRgb want = ring ? qRgb(0, 0, 0) : inside;
            if (image.pixel(x, y) != want) {
                *where = QStringLiteral("pixel (%1, %2) is %3, expected %4")
                             .arg(x)
                             .arg(y)
                             .arg(QColor(image.pixel(x, y)).name(), QColor(want).name());
                return false;
            }
        }
    }
    return true;
}

class TestColorSwatch : public QObject {
    Q_OBJECT

private slots:
    void paintsFrameAndFill_data() {
        QTest::addColumn<QString>("color");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRgb>("inside");
        QTest::newRow("black is solid black") << "#000000" << QSize(26, 27) << qRgb(0, 0, 0);
        QTest::newRow("white with black frame")
            << "#FFFFFF" << QSize(26, 27) << qRgb(255, 255, 255);
        QTest::newRow("win line crimson") << "#DC143C" << QSize(26, 27) << qRgb(0xDC, 0x14, 0x3C);
        QTest::newRow("red and blue not swapped") << "#0000FF" << QSize(5, 4) << qRgb(0, 0, 255);
        QTest::newRow("3x3 leaves one pixel inside")
            << "#FF9000" << QSize(3, 3) << qRgb(255, 0x90, 0);
    }
    void paintsFrameAndFill() {
        QFETCH(QString, color);
        QFETCH(QSize, size);
        QFETCH(QRgb, inside);
        ColorSwatch swatch;
        swatch.resize(size);
        swatch.setColor(kaz::colorFromString(color.toStdString()));
        const QImage image = swatch.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(image.size(), size);
        QString where;
        QVERIFY2(hasFrameAndFill(image, inside, &where), qPrintable(where));
    }

    // No colour: the black frame, white inside, crossed corner to corner; a colour set
    // afterwards fills it again.
    void noColorIsCrossedOut() {
        ColorSwatch swatch;
        swatch.resize(26, 27);
        swatch.setNoColor();
        const QImage image = swatch.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(QColor(image.pixel(0, 13)), QColor(Qt::black));
        QCOMPARE(QColor(image.pixel(13, 2)), QColor(Qt::white));  // between the arms
        QCOMPARE(QColor(image.pixel(2, 13)), QColor(Qt::white));
        for (const QPoint on : {QPoint(4, 4), QPoint(21, 4), QPoint(13, 13)}) {
            const QColor cross(image.pixel(on));
            QVERIFY2(cross.red() > 200 && cross.green() < 100, qPrintable(cross.name()));
        }
        swatch.setColor(kaz::makeColorValue(0, 0, 255));
        QString where;
        QVERIFY2(hasFrameAndFill(swatch.grab().toImage().convertToFormat(QImage::Format_RGB32),
                                 qRgb(0, 0, 255), &where),
                 qPrintable(where));
    }

    // setColor must bring a repaint of what is on screen, not just change what the next
    // paint would draw.
    void setColorRepaints() {
        ColorSwatch swatch;
        swatch.resize(20, 20);
        swatch.setColor(kaz::makeColorValue(255, 255, 255));
        swatch.show();
        QVERIFY(QTest::qWaitForWindowExposed(&swatch));
        auto centre = [&swatch] {
            const QImage shown = swatch.screen()->grabWindow(swatch.winId()).toImage();
            return shown.pixelColor(shown.width() / 2, shown.height() / 2);
        };
        QTRY_COMPARE(centre(), QColor(255, 255, 255));

        swatch.setColor(kaz::makeColorValue(0x12, 0x34, 0x56));
        QTRY_COMPARE(centre(), QColor(0x12, 0x34, 0x56));
    }
};

QTEST_MAIN(TestColorSwatch)
#include "tst_color_swatch.moc"
