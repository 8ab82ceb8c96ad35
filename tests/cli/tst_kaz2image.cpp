#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>

#include "cli_test_support.h"
#include "io/kaz_format.h"

// Runs the real kaz2image: its pictures, exit codes and messages, and that a failure leaves
// no new or damaged output file behind.

using namespace clitest;

namespace {

Result runKaz2Image(const QStringList& args, const Faults& faults = {}) {
    return runTool(QStringLiteral(KAZ2IMAGE_PATH), args, QString(), faults);
}

const QString kUsage =
    QStringLiteral("使い方: kaz2image [--scale 倍率] 入力.kaz 出力.png|出力.pdf");

}  // namespace

class TestKaz2Image : public QObject {
    Q_OBJECT

private slots:
    void pictures_data();
    void pictures();
    void pdfPage();
    void poolPages();
    void helpAndVersion();
    void localesLanguage_data();
    void localesLanguage();
    void wrongArguments_data();
    void wrongArguments();
    void failuresKeepTheOldFile_data();
    void failuresKeepTheOldFile();
    void tooLargeAPictureRefused();
};

void TestKaz2Image::pictures_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QSize>("size");
    const QString four = dataFile("four_members_example.kaz");
    const QString big = dataFile("thirty_two_members.kaz");
    QTest::newRow("twice by default") << four << QStringList() << "out.png" << QSize(940, 372);
    // Its name of 255 letters widens the name column to its most, three boxes more (330).
    QTest::newRow("32 members, half")
        << big << QStringList{"--scale", "0.5"} << "out.png" << QSize(340 + 165, 569);
    QTest::newRow("options last, upper-case suffix")
        << four << QStringList{"--scale", "1"} << "大会.PNG" << QSize(470, 186);
}

void TestKaz2Image::pictures() {
    QFETCH(QString, input);
    QFETCH(QStringList, options);
    QFETCH(QString, output);
    QFETCH(QSize, size);
    QTemporaryDir dir;
    const QString path = dir.filePath(output);
    QVERIFY(writeFile(path, "an older file"));
    const Result r =
        runKaz2Image(output.endsWith(QStringLiteral(".PNG")) ? QStringList{input, path} + options
                                                             : options + QStringList{input, path});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.err, QByteArray());
    QCOMPARE(r.out, QByteArray());
    const QImage image = QImage::fromData(readFile(path), "PNG");
    QCOMPARE(image.size(), size);
    // Both files have a white background, and lines in other colours.
    QCOMPARE(image.pixelColor(1, 1), QColor(Qt::white));
    QCOMPARE(image.pixelColor(image.width() - 1, image.height() - 1), QColor(Qt::white));
    QSet<QRgb> colors;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) colors.insert(image.pixel(x, y));
    }
    QVERIFY(colors.contains(QColor(0x80, 0x80, 0x80).rgb()));  // the lose colour
    QCOMPARE(entries(dir.path()), QStringList{output});
}

void TestKaz2Image::pdfPage() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("大会.pdf"));
    const Result r = runKaz2Image({dataFile("four_members_example.kaz"), path});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.err, QByteArray());
    QVERIFY(readFile(path).startsWith("%PDF-"));
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        QSKIP("poppler-utils is not installed (scripts/install-deps.sh)");
    }
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    QVERIFY(text.waitForFinished(30000));
    const QString found = QString::fromUtf8(text.readAllStandardOutput());
    for (const char* name : {"選手1", "選手2", "選手3", "選手4"}) {
        QVERIFY2(found.contains(QString::fromUtf8(name)), qPrintable(found));
    }
}

// A pool file on A4 pages, read back: the stage's title, each pool's name and its members.
void TestKaz2Image::poolPages() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("予選.pdf"));
    const Result r = runKaz2Image({dataFile("pool_stage_example.kazpool"), path});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.err, QByteArray());
    QVERIFY(readFile(path).startsWith("%PDF-"));
    const QString png = dir.filePath(QStringLiteral("予選.png"));
    QCOMPARE(runKaz2Image({dataFile("pool_stage_example.kazpool"), png}).exitCode, 0);
    QVERIFY(readFile(png).startsWith("\x89PNG"));
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        QSKIP("poppler-utils is not installed (scripts/install-deps.sh)");
    }
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    QVERIFY(text.waitForFinished(30000));
    const QString found = QString::fromUtf8(text.readAllStandardOutput());
    for (const char* word : {"春季大会", "Aブロック", "Bブロック", "髙橋 次郎", "鈴木", "試合順"}) {
        QVERIFY2(found.contains(QString::fromUtf8(word)), qPrintable(found));
    }
}

void TestKaz2Image::helpAndVersion() {
    Result r = runKaz2Image({QStringLiteral("--help")});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(QString::fromUtf8(r.out).startsWith(kUsage));
    QVERIFY(QString::fromUtf8(r.out).contains(QStringLiteral("--scale")));
    r = runKaz2Image({QStringLiteral("--version")});
    QCOMPARE(r.exitCode, 0);
    QVERIFY2(QRegularExpression(QStringLiteral("^kaz2image \\d+\\.\\d+(\\.\\d+)?\\n$"))
                 .match(QString::fromUtf8(r.out))
                 .hasMatch(),
             r.out.constData());
}

// The locale's language; Japanese without a locale.
void TestKaz2Image::localesLanguage_data() {
    QTest::addColumn<QString>("lang");  // empty: no locale variable set
    QTest::addColumn<QString>("err");
    QTest::newRow("English") << "en_US.UTF-8"
                             << "kaz2image: --scale is a number above 0 and at most 8: 9\n"
                                "usage: kaz2image [--scale N] INPUT.kaz OUTPUT.png|OUTPUT.pdf\n";
    QTest::newRow("no locale") << QString()
                               << "kaz2image: --scale は 0 より大きく 8 以下の数です: 9\n" +
                                      kUsage + "\n";
}

void TestKaz2Image::localesLanguage() {
    QFETCH(QString, lang);
    QFETCH(QString, err);
    if (lang.isEmpty() && displayLanguageDecides()) QSKIP("Windows' display language decides");
    const Result r = runToolInLocale(QStringLiteral(KAZ2IMAGE_PATH),
                                     {QStringLiteral("--scale"), QStringLiteral("9"),
                                      QStringLiteral("in.kaz"), QStringLiteral("out.png")},
                                     lang);
    QCOMPARE(r.exitCode, 2);
    QCOMPARE(QString::fromUtf8(r.err), err);
}

void TestKaz2Image::wrongArguments_data() {
    QTest::addColumn<QStringList>("args");  // OUT.png and OUT.pdf land in the test folder
    const QString in = dataFile("four_members.kaz");
    QTest::newRow("nothing") << QStringList();
    QTest::newRow("no output") << QStringList{in};
    QTest::newRow("three files") << QStringList{in, "OUT.png", "OUT.pdf"};
    QTest::newRow("unknown option") << QStringList{"--dpi", "300", in, "OUT.png"};
    QTest::newRow("other suffix") << QStringList{in, "OUT.jpg"};
    for (const char* scale : {"0", "-1", "abc", "2x", "9", ""}) {
        QTest::addRow("scale \"%s\"", scale) << QStringList{"--scale", scale, in, "OUT.png"};
    }
    QTest::newRow("scale without a number") << QStringList{in, "OUT.png", "--scale"};
    QTest::newRow("scale for a PDF") << QStringList{"--scale", "2", in, "OUT.pdf"};
}

void TestKaz2Image::wrongArguments() {
    QFETCH(QStringList, args);
    QTemporaryDir dir;
    for (QString& arg : args) {
        if (arg.startsWith(QStringLiteral("OUT."))) arg = dir.filePath(arg);
    }
    const Result r = runKaz2Image(args);
    QCOMPARE(r.exitCode, 2);
    QCOMPARE(r.out, QByteArray());
    QVERIFY2(QString::fromUtf8(r.err).contains(kUsage), r.err.constData());
    QCOMPARE(entries(dir.path()), QStringList());
}

void TestKaz2Image::failuresKeepTheOldFile_data() {
    // "missing" and "page" are made in the test folder, beside a link same.png to the bracket
    // and a copy of it, copy.png
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");  // "old.png" exists, "folder.png" is a folder
    QTest::addColumn<QString>("fault");   // the call the fault library makes fail with ENOSPC
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");  // %in: the input, %out: the output, %dir: the folder
    const QString four = dataFile("four_members_example.kaz");
    QTest::newRow("missing input") << "missing"
                                   << "old.png" << QString() << 1 << "%in が見つかりませんでした。";
    QTest::newRow("not a bracket")
        << "page"
        << "old.pdf" << QString() << 1 << "%in: 予期しないﾌｧｲﾙ形式です。";
    QTest::newRow("missing folder")
        << four << "none/out.png" << QString() << 1 << "フォルダ %dir/none がありません。";
    QTest::newRow("output is a folder") << four << "folder.png" << QString() << 1
                                        << "%out はフォルダです。ファイルを指定してください。";
    QTest::newRow("disk full, PNG")
        << four << "old.png"
        << "write" << 1 << "%out へのｱｸｾｽ中にﾃﾞｨｽｸがいっぱいになりました。";
    QTest::newRow("disk full, PDF")
        << four << "old.pdf"
        << "write" << 1 << "%out へのｱｸｾｽ中にﾃﾞｨｽｸがいっぱいになりました。";
    QTest::newRow("output is the input, linked")
        << four << "same.png" << QString() << 2
        << "%out は入力ファイルそのものです。上書きしません。";
    QTest::newRow("output is another bracket")
        << four << "copy.png" << QString() << 2
        << "%out はトーナメント表ファイルです。上書きしません。";
}

void TestKaz2Image::failuresKeepTheOldFile() {
    QFETCH(QString, input);
    QFETCH(QString, output);
    QFETCH(QString, fault);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString bracket = dataFile("four_members_example.kaz");
    QVERIFY(QFile::link(bracket, dir.filePath(QStringLiteral("same.png"))));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("copy.png")), readFile(bracket)));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("old.png")), "old picture"));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("old.pdf")), "old page"));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("page")),
                      readFile(dataFile("four_members_example.html"))));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.png")));
    const QStringList before = entries(dir.path());
    if (!input.startsWith(QLatin1Char('/'))) input = dir.filePath(input);
    output = dir.filePath(output);

    QList<QPair<QString, QString>> faults;
    if (!fault.isEmpty()) {
        faults = {{"KAZ_FAULT_DIR", dir.path()},
                  {"KAZ_FAULT_CALL", fault},
                  {"KAZ_FAULT_ERRNO", QString::number(ENOSPC)},
                  {"KAZ_FAULT_AFTER", "100"}};
    }
    const Result r = runKaz2Image({input, output}, faults);
    QCOMPARE(r.exitCode, exitCode);
    QCOMPARE(r.out, QByteArray());
    const QString expected = message.replace(QStringLiteral("%in"), input)
                                 .replace(QStringLiteral("%out"), output)
                                 .replace(QStringLiteral("%dir"), dir.path());
    QCOMPARE(QString::fromUtf8(r.err), QStringLiteral("kaz2image: ") + expected + "\n");
    QCOMPARE(readFile(dir.filePath(QStringLiteral("copy.png"))), readFile(bracket));
    QCOMPARE(entries(dir.path()), before);
    QCOMPARE(readFile(dir.filePath(QStringLiteral("old.png"))), QByteArray("old picture"));
    QCOMPARE(readFile(dir.filePath(QStringLiteral("old.pdf"))), QByteArray("old page"));
    QCOMPARE(entries(dir.filePath(QStringLiteral("folder.png"))), QStringList());
}

// A bracket of 128 members at eight times would be a picture of some 800 MiB: it is refused
// before it is made, and at a smaller scale drawn.
void TestKaz2Image::tooLargeAPictureRefused() {
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("large.kaz"));
    QVERIFY(writeFile(in, QByteArray::fromStdString(kaz::writeKaz(kaz::Bracket(128)))));
    const QString out = dir.filePath(QStringLiteral("large.png"));
    const Result refused = runKaz2Image({"--scale", "8", in, out});
    QCOMPARE(refused.exitCode, 1);
    QCOMPARE(
        QString::fromUtf8(refused.err),
        QStringLiteral("kaz2image: 画像が大きすぎます。--scale をもっと小さくしてください。\n"));
    QVERIFY(!QFile::exists(out));
    QCOMPARE(runKaz2Image({"--scale", "1", in, out}).exitCode, 0);
    QVERIFY(!QImage(out).isNull());
}

QTEST_GUILESS_MAIN(TestKaz2Image)
#include "tst_kaz2image.moc"
