#include <QDir>
#include <QPdfWriter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "bracket/bracket.h"
#include "painting/bracket_picture.h"
#include "painting/venue_poster.h"
#include "picture_example.h"

using namespace kaz;
using picturetest::run;

// The hall's poster of 会場配信, as a PDF read back: one page per address with the title, the
// address and the lines in the sheet's language, and a QR code that a decoder reads back as the
// address.
class TestVenuePoster : public QObject {
    Q_OBJECT
private slots:
    void posterReadsBack_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("line");
        QTest::newRow("Japanese") << int(SheetLanguage::Japanese)
                                  << QStringLiteral("QRコードを読み取ると");
        QTest::newRow("English") << int(SheetLanguage::English)
                                 << QStringLiteral("Scan the QR code");
    }
    void posterReadsBack() {
        QFETCH(int, language);
        QFETCH(QString, line);
        for (const char* tool : {"pdftotext", "pdftoppm"}) {
            if (QStandardPaths::findExecutable(tool).isEmpty()) QSKIP("poppler-utils missing");
        }
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("poster.pdf"));
        const QStringList addresses{QStringLiteral("http://192.168.1.23:8080/"),
                                    QStringLiteral("http://10.0.0.5:8080/")};
        {
            QPdfWriter writer(pdf);
            writer.setResolution(150);
            QVERIFY(render::paintVenuePoster(writer, QStringLiteral("第12回 市民大会"), addresses,
                                             SheetLanguage(language)));
        }
        QString text = run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QCOMPARE(text.count(QStringLiteral("第12回 市民大会")), 2);
        QCOMPARE(text.count('\f'), 2);  // two pages
        for (const QString& address : addresses) QVERIFY2(text.contains(address), qPrintable(text));
        QVERIFY2(text.remove('\n').contains(line), qPrintable(text));

        const QString zbarimg = QStandardPaths::findExecutable(QStringLiteral("zbarimg"));
        if (zbarimg.isEmpty()) QSKIP("zbarimg (zbar-tools) is not installed");
        run(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-png"),
             QStringLiteral("-f"), QStringLiteral("2"), pdf, dir.filePath("page")});
        const QStringList pages = QDir(dir.path()).entryList({QStringLiteral("page*.png")});
        QCOMPARE(pages.size(), 1);
        QCOMPARE(run(zbarimg, {QStringLiteral("--quiet"), QStringLiteral("--raw"),
                               dir.filePath(pages.front())})
                     .trimmed(),
                 addresses[1]);
    }

    // A sheet that asks for the venue's code carries it in its corner, readable; one that does
    // not, or with no address to give, carries none.
    void sheetCarriesTheCode_data() {
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("read");
        const QString address = QStringLiteral("http://192.168.1.23:8080/");
        QTest::newRow("asked") << true << address << address;
        QTest::newRow("not asked") << false << address << QString();
        QTest::newRow("no address") << true << QString() << QString();
    }
    void sheetCarriesTheCode() {
        QFETCH(bool, asked);
        QFETCH(QString, address);
        QFETCH(QString, read);
        const QString zbarimg = QStandardPaths::findExecutable(QStringLiteral("zbarimg"));
        if (zbarimg.isEmpty() || QStandardPaths::findExecutable("pdftoppm").isEmpty())
            QSKIP("zbarimg (zbar-tools) or pdftoppm is not installed");
        Bracket bracket(16);
        for (int m = 0; m < 16; ++m) bracket.setMemberName(m, "Member " + std::to_string(m));
        SheetInfo sheet;
        sheet.venueQrCode = asked;
        bracket.setSheet(sheet);
        const Result<QByteArray> pdf = render::bracketPdf(bracket, QStringLiteral("s"), address);
        QVERIFY(pdf);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("sheet.pdf")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(*pdf) == pdf->size());
        file.close();
        run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("150"),
                                         QStringLiteral("-png"), QStringLiteral("-singlefile"),
                                         file.fileName(), dir.filePath(QStringLiteral("sheet"))});
        QCOMPARE(run(zbarimg, {QStringLiteral("--quiet"), QStringLiteral("--raw"),
                               dir.filePath(QStringLiteral("sheet.png"))})
                     .trimmed(),
                 read);
    }
};

QTEST_MAIN(TestVenuePoster)
#include "tst_venue_poster.moc"
