// The bracket's picture through the editor's commands: "画像として保存" as PNG or PDF, printing
// (to a PDF file, as a print-to-file printer would), the printer and paper kept for the run,
// and every failure told.

#include <QImage>
#include <QMdiArea>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

#include "app_test_support.h"
#include "bracket/bracket.h"
#include "bracket/bracket_geometry.h"
#include "bridge/qt_geometry.h"
#include "document/bracket_document.h"
#include "documents/document_manager.h"
#include "io/kaz_format.h"
#include "painting/bracket_picture.h"
#include "painting/bracket_renderer.h"
#include "picture_example.h"
#include "scripted_desktop.h"
#include "view/member_name_edit.h"

using namespace kaz::render;
using namespace kaz::gui;
using namespace kaz::app;
using namespace guitest;
using namespace picturetest;

namespace {

// Opens the example as a file in `frame`; the bracket window is active.
bool openExample(MainWindow& frame, const QString& folder, int members, bool longNames = false) {
    const QString path = folder + QStringLiteral("/example.kaz");
    const kaz::Bracket bracket = example(members, longNames);
    if (!writeFile(path, QByteArray::fromStdString(kaz::writeKaz(bracket)))) return false;
    if (!frame.documentManager()->openDocumentFile(path)) return false;
    showActive(frame);
    return activeView(frame) != nullptr;
}

}  // namespace

class TestPictureExport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void savePicture_data();
    void savePicture();
    void savePictureFailures_data();
    void savePictureFailures();
    void printedPageHoldsTheBracket_data();
    void printedPageHoldsTheBracket();
    void printerSettingsLastForTheRun();
    void paperProposedBySize();
    void printFailureIsReported();
    void noPrinterOffersPdf_data();
    void noPrinterOffersPdf();

private:
    QTemporaryDir m_config;
};

void TestPictureExport::initTestCase() { qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8()); }

void TestPictureExport::savePicture_data() {
    QTest::addColumn<int>("members");
    QTest::addColumn<QString>("answer");  // in the test folder
    QTest::addColumn<QString>("paper");   // of a PDF, as pdfinfo names it
    QTest::newRow("PNG, 4 members") << 4 << "example.png" << QString();
    // Portrait for the tall bracket, on A3 for 128 members, whose text A4 would make too small.
    QTest::newRow("PDF, 32 members") << 32 << "大会.PDF"
                                     << "595 x 842 pts (A4)";
    QTest::newRow("PDF, 128 members") << 128 << "大会.pdf"
                                      << "842 x 1191 pts (A3)";
}

void TestPictureExport::savePicture() {
    QFETCH(int, members);
    QFETCH(QString, answer);
    QFETCH(QString, paper);
    QTemporaryDir dir;
    MainWindow frame;
    QVERIFY(openExample(frame, dir.path(), members));
    const QString path = dir.filePath(answer);
    QVERIFY(writeFile(path, "an older file, to be replaced"));
    ScriptedDesktop desktop;
    desktop.saveAnswers.enqueue(path);
    action(frame, "savePicture")->trigger();
    QCOMPARE(desktop.errors, QStringList());
    QCOMPARE(desktop.saveRequests.size(), 1);
    QCOMPARE(desktop.saveRequests[0].filters,
             QStringList({"PNG ﾌｧｲﾙ (*.png)", "PDF ﾌｧｲﾙ (*.pdf)"}));
    QCOMPARE(desktop.saveRequests[0].proposed, dir.filePath(QStringLiteral("example.png")));
    QCOMPARE(desktop.saveRequests[0].defaultSuffix, QStringLiteral("png"));
    QStringList expected{answer, QStringLiteral("example.kaz")};
    expected.sort();
    QStringList written = entries(dir.path());
    written.sort();
    QCOMPARE(written, expected);

    const QByteArray bytes = readFile(path);
    if (answer.endsWith(QStringLiteral(".png"))) {
        const QImage image = QImage::fromData(bytes, "PNG");
        const kaz::Size extent = kaz::bracketExtent(members);
        QCOMPARE(image.size(), QSize(2 * extent.width, 2 * extent.height));
        QCOMPARE(at(image, 2, 180, 42), kWin);
        QCOMPARE(at(image, 2, 5, 5), kBack);
    } else {
        QVERIFY(bytes.startsWith("%PDF-"));
        if (!havePoppler()) QSKIP("poppler-utils is not installed (scripts/install-deps.sh)");
        checkPdf(path, members);
        QVERIFY(run("pdfinfo", {path}).contains(paper));
    }
    // Pictures are no save: the bracket is as it was loaded.
    QVERIFY(!activeView(frame)->document()->isChanged());
    frame.mdiArea()->closeAllSubWindows();
}

void TestPictureExport::savePictureFailures_data() {
    QTest::addColumn<QString>("answer");  // in the test folder; empty: cancelled
    QTest::addColumn<QString>("message");
    QTest::newRow("cancelled") << QString() << QString();
    QTest::newRow("missing folder") << "none/b.png"
                                    << " には無効なﾊﾟｽが含まれています。";
    QTest::newRow("a folder") << "folder.pdf"
                              << " へのｱｸｾｽは拒否されました。";
}

void TestPictureExport::savePictureFailures() {
    QFETCH(QString, answer);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.pdf")));
    MainWindow frame;
    QVERIFY(openExample(frame, dir.path(), 4));
    ScriptedDesktop desktop;
    desktop.saveAnswers.enqueue(answer.isEmpty() ? QString() : dir.filePath(answer));
    action(frame, "savePicture")->trigger();
    if (message.isEmpty()) {
        QCOMPARE(desktop.errors, QStringList());
    } else {
        QCOMPARE(desktop.errors,
                 QStringList{QDir::toNativeSeparators(dir.filePath(answer)) + message});
    }
    QCOMPARE(entries(dir.path()), QStringList({"example.kaz", "folder.pdf"}));
    QCOMPARE(entries(dir.filePath(QStringLiteral("folder.pdf"))), QStringList());
    frame.mdiArea()->closeAllSubWindows();
}

void TestPictureExport::printedPageHoldsTheBracket_data() {
    QTest::addColumn<int>("members");
    QTest::addColumn<bool>("preview");
    QTest::addColumn<QPageLayout::Orientation>("orientation");  // the one proposed
    QTest::addColumn<bool>("longNames");
    QTest::newRow("print, 4 members") << 4 << false << QPageLayout::Landscape << false;
    QTest::newRow("print, 32 members") << 32 << false << QPageLayout::Portrait << false;
    QTest::newRow("preview, 4 members") << 4 << true << QPageLayout::Landscape << false;
    QTest::newRow("preview, 32 members") << 32 << true << QPageLayout::Portrait << false;
    QTest::newRow("print, 4 long names") << 4 << false << QPageLayout::Landscape << true;
}

// The printer writes a PDF here, as a print-to-file printer would; the page, read back as an
// image, holds the bracket (its background colour shows where it lies) as large as the
// margins let it, centred, in its own proportions.
void TestPictureExport::printedPageHoldsTheBracket() {
    QFETCH(int, members);
    QFETCH(bool, preview);
    QFETCH(QPageLayout::Orientation, orientation);
    QFETCH(bool, longNames);
    if (!havePoppler()) QSKIP("poppler-utils is not installed (scripts/install-deps.sh)");
    QTemporaryDir dir;
    MainWindow frame;
    QVERIFY(openExample(frame, dir.path(), members, longNames));
    const QString pdf = dir.filePath(QStringLiteral("printed.pdf"));
    QRectF paintArea;  // in points
    auto toPdf = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF(20, 15, 10, 25), QPageLayout::Millimeter);
        paintArea = printer.pageLayout().paintRect(QPageLayout::Point);
    };
    ScriptedDesktop desktop;
    if (preview) {
        desktop.previewAnswers.enqueue(toPdf);
        action(frame, "filePrintPreview")->trigger();
        QCOMPARE(desktop.previewRequests.value(0).orientation(), orientation);
    } else {
        desktop.printAnswers.enqueue([&](QPrinter& printer) {
            toPdf(printer);
            return true;
        });
        MemberNameEdit* box = activeView(frame)->nameEdits()[0];
        focus(box);
        QTest::keyClick(box, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(desktop.printRequests.value(0).orientation(), orientation);
        QCOMPARE(box->text(), longNames ? kLongLatin : memberName(0));
    }
    QCOMPARE(desktop.errors, QStringList());
    checkPdf(pdf, members, longNames);

    // At 36 dots per inch a point is half a pixel.
    run("pdftoppm", {"-r", "36", "-png", "-singlefile", pdf, dir.filePath("page")});
    const QImage page(dir.filePath(QStringLiteral("page.png")));
    QVERIFY(!page.isNull());
    QCOMPARE(page.width() < page.height(), orientation == QPageLayout::Portrait);
    QRect ink;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (page.pixelColor(x, y) != QColor(Qt::white)) ink |= QRect(x, y, 1, 1);
        }
    }
    const QRectF area(paintArea.topLeft() / 2, paintArea.size() / 2);
    const qreal left = ink.left() - area.left();
    const qreal right = area.right() - (ink.right() + 1);
    const qreal top = ink.top() - area.top();
    const qreal bottom = area.bottom() - (ink.bottom() + 1);
    QString text;
    QDebug(&text) << "ink" << ink << "in" << area;
    const QByteArray where = text.toUtf8();
    QVERIFY2(left >= -1 && right >= -1 && top >= -1 && bottom >= -1, where.constData());
    QVERIFY2(qAbs(left - right) <= 2 && qAbs(top - bottom) <= 2, where.constData());
    QVERIFY2(qMin(left + right, top + bottom) <= 2, where.constData());
    // The whole picture, the wider name column included.
    const QSizeF extent = bracketExtent(example(members, longNames));
    QVERIFY2(qAbs(qreal(ink.width()) / ink.height() - extent.width() / extent.height()) < 0.02,
             where.constData());
    frame.mdiArea()->closeAllSubWindows();
}

// Paper and printer stay for the run; the orientation is proposed for each bracket until the
// user turns the page in "ﾌﾟﾘﾝﾀの設定", whose choice then holds.
void TestPictureExport::printerSettingsLastForTheRun() {
    QTemporaryDir four;
    QTemporaryDir big;
    MainWindow frame;
    QVERIFY(openExample(frame, four.path(), 4));
    ScriptedDesktop desktop;
    desktop.pageSetupAnswers.enqueue([](QPrinter& printer) {
        printer.setPageSize(QPageSize(QPageSize::A5));
        return true;
    });
    action(frame, "filePrintSetup")->trigger();
    QCOMPARE(desktop.pageSetupRequests.value(0).orientation(), QPageLayout::Landscape);

    QVERIFY(openExample(frame, big.path(), 32));
    auto cancel = [](QPrinter&) { return false; };
    desktop.printAnswers.enqueue(cancel);
    action(frame, "filePrint")->trigger();
    QCOMPARE(desktop.printRequests.value(0).pageSize().id(), QPageSize::A5);
    QCOMPARE(desktop.printRequests.value(0).orientation(), QPageLayout::Portrait);

    desktop.pageSetupAnswers.enqueue([](QPrinter& printer) {
        printer.setPageOrientation(QPageLayout::Landscape);
        return true;
    });
    action(frame, "filePrintSetup")->trigger();
    desktop.printAnswers.enqueue(cancel);
    action(frame, "filePrint")->trigger();
    QCOMPARE(desktop.printRequests.value(1).pageSize().id(), QPageSize::A5);
    QCOMPARE(desktop.printRequests.value(1).orientation(), QPageLayout::Landscape);
    // A cancelled dialog prints nothing and says nothing.
    QCOMPARE(desktop.errors, QStringList());
    QCOMPARE(entries(big.path()), QStringList{QStringLiteral("example.kaz")});
    frame.mdiArea()->closeAllSubWindows();
}

// 印刷 proposes A3 for 128 members (a printer to PDF offers every paper) and A4 again for a
// smaller bracket; a paper chosen in ﾌﾟﾘﾝﾀの設定 holds.
void TestPictureExport::paperProposedBySize() {
    QTemporaryDir large;
    QTemporaryDir small;
    MainWindow frame;
    ScriptedDesktop desktop;
    const auto toPdf = [](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        return false;
    };
    QVERIFY(openExample(frame, large.path(), 128));
    for (int i = 0; i < 2; ++i) desktop.printAnswers.enqueue(toPdf);
    action(frame, "filePrint")->trigger();
    action(frame, "filePrint")->trigger();
    QCOMPARE(desktop.printRequests.value(1).pageSize().id(), QPageSize::A3);
    QVERIFY(openExample(frame, small.path(), 32));
    desktop.printAnswers.enqueue(toPdf);
    action(frame, "filePrint")->trigger();
    QCOMPARE(desktop.printRequests.value(2).pageSize().id(), QPageSize::A4);
    desktop.pageSetupAnswers.enqueue([](QPrinter& printer) {
        printer.setPageSize(QPageSize(QPageSize::B4));
        return true;
    });
    action(frame, "filePrintSetup")->trigger();
    frame.mdiArea()->setActiveSubWindow(frame.mdiArea()->subWindowList().first());
    desktop.printAnswers.enqueue(toPdf);
    action(frame, "filePrint")->trigger();
    QCOMPARE(activeView(frame)->document()->memberCount(), 128);
    QCOMPARE(desktop.printRequests.value(3).pageSize().id(), QPageSize::B4);
    frame.mdiArea()->closeAllSubWindows();
}

void TestPictureExport::printFailureIsReported() {
    QTemporaryDir dir;
    MainWindow frame;
    QVERIFY(openExample(frame, dir.path(), 4));
    ScriptedDesktop desktop;
    desktop.printAnswers.enqueue([&dir](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("none/printed.pdf")));
        return true;
    });
    action(frame, "filePrint")->trigger();
    QCOMPARE(desktop.errors, QStringList{QStringLiteral("印刷できませんでした。")});
    QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("example.kaz")});
    frame.mdiArea()->closeAllSubWindows();
}

void TestPictureExport::noPrinterOffersPdf_data() {
    QTest::addColumn<bool>("answer");
    QTest::newRow("はい: saved as PDF") << true;
    QTest::newRow("いいえ: nothing") << false;
}

// Without a printer, 印刷 says so and offers a PDF file instead of a print dialog that would
// not open.
void TestPictureExport::noPrinterOffersPdf() {
    QFETCH(bool, answer);
    QTemporaryDir dir;
    MainWindow frame;
    QVERIFY(openExample(frame, dir.path(), 8));
    ScriptedDesktop desktop;
    desktop.printerInstalled = false;
    desktop.yesNoAnswers.enqueue(answer);
    const QString pdf = dir.filePath(QStringLiteral("印刷.pdf"));
    if (answer) desktop.saveAnswers.enqueue(pdf);
    action(frame, "filePrint")->trigger();
    QCOMPARE(desktop.yesNoQuestions.size(), 1);
    QVERIFY(desktop.yesNoQuestions[0].startsWith(QStringLiteral("プリンタがありません。")));
    QVERIFY(desktop.printRequests.isEmpty());
    QCOMPARE(desktop.saveRequests.size(), answer ? 1 : 0);
    if (answer) {
        QCOMPARE(desktop.saveRequests[0].proposed, dir.filePath(QStringLiteral("example.pdf")));
        QCOMPARE(desktop.saveRequests[0].filters, QStringList{"PDF ﾌｧｲﾙ (*.pdf)"});
        QVERIFY(readFile(pdf).startsWith("%PDF-"));
    }
    QCOMPARE(QFile::exists(pdf), answer);
}

QTEST_MAIN(TestPictureExport)
#include "tst_picture_export.moc"
