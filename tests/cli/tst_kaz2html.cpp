#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <functional>

#include "bracket/bracket.h"
#include "cli_test_support.h"
#include "html/html_page.h"
#include "html/live_page.h"
#include "io/kaz_format.h"
#include "pools/knockout_draw.h"
#include "pools/pool_file.h"
#include "text/cp932.h"

// Runs the real converter and checks its pages, exit codes, messages, and that a failure
// never leaves a new or damaged output file behind.

using namespace clitest;

namespace {

Result runKaz2Html(const QStringList& args, const QString& stdoutFile = QString(),
                   const Faults& faults = {}) {
    return runTool(QStringLiteral(KAZ2HTML_PATH), args, stdoutFile, faults);
}

const QString kUsage =
    QStringLiteral("使い方: kaz2html [--bold-member] [--bold-score] 入力.kaz [出力.html]");
const QString kInvalidFormat = QStringLiteral("予期しないﾌｧｲﾙ形式です。");
// The same, naming the input (%1), as the tools say it.
const QString kInputOfInvalidFormat = QStringLiteral("%1: ") + kInvalidFormat;

// The page the core writes for a bracket file, with the given bold flags.
QByteArray corePage(const QString& kazPath, bool boldMember, bool boldScore) {
    const QByteArray bytes = readFile(kazPath);
    std::optional<kaz::Bracket> bracket =
        kaz::readKaz(std::string_view(bytes.constData(), size_t(bytes.size())));
    if (!bracket) return QByteArray("(unreadable)");
    bracket->setBoldFlags(boldScore, boldMember);
    const std::string page = kaz::writeHtmlPage(*bracket);
    return QByteArray(page.data(), qsizetype(page.size()));
}

// A four-member bracket whose win-line colour string is `color`.
QByteArray withColor(const std::string& color) {
    kaz::Bracket bracket(4);
    bracket.colors().at(0) = color;
    const std::string bytes = kaz::writeKaz(bracket);
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

bool isUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    return !decoder.hasError();
}

}  // namespace

class TestKaz2Html : public QObject {
    Q_OBJECT

private slots:
    void pageToStdout_data();
    void pageToStdout();
    void standardOutputIsTheInput();
    void sheetPage();
    void pageToFile();
    void pagePermissions();
    void boldFlags_data();
    void boldFlags();
    void livePage();
    void poolLivePage_data();
    void poolLivePage();
    void watch();
    void serve();
    void helpAndVersion();
    void localesLanguage_data();
    void localesLanguage();
    void wrongArguments_data();
    void wrongArguments();
    void unreadableInput_data();
    void unreadableInput();
    void outputCannotBeWritten_data();
    void outputCannotBeWritten();
    void readOnlyOutput_data();
    void readOnlyOutput();
    void stdoutWriteFails();
    void writeFailures_data();
    void writeFailures();
    void interruptedWrite_data();
    void interruptedWrite();
    void outputsThatAreNotRegularFiles();
    void windowsDeviceNames();
    void outOfMemory();
};

void TestKaz2Html::pageToStdout_data() {
    QTest::addColumn<QStringList>("extra");
    QTest::newRow("no output") << QStringList();
    QTest::newRow("dash") << QStringList{QStringLiteral("-")};
}

void TestKaz2Html::pageToStdout() {
    QFETCH(QStringList, extra);
    const Result r = runKaz2Html(QStringList{dataFile("four_members_example.kaz")} + extra);
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.err, QByteArray());
    QCOMPARE(r.out.size(), 2768);
    QVERIFY(r.out == readFile(dataFile("four_members_example.html")));
}

// "kaz2html in.kaz >> in.kaz": standard output is the input, which is left as it was.
void TestKaz2Html::standardOutputIsTheInput() {
    // Wine answers GetFileInformationByHandle with nothing for a standard output that a Linux
    // process opened, so there the tool cannot know the file (Windows itself can).
    if (emulated()) QSKIP("Wine gives no file information for a standard output opened by Linux");
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("in.kaz"));
    const QByteArray bracket = readFile(dataFile("four_members.kaz"));
    QVERIFY(writeFile(input, bracket));
    const Result r = runRetryingEmulator(QStringLiteral(KAZ2HTML_PATH), [&] {
        QProcess process;
        process.setProcessEnvironment(toolEnvironment());
        process.setStandardOutputFile(input, QIODevice::Append);
        const auto [command, args] = toolCommand(QStringLiteral(KAZ2HTML_PATH), {input});
        process.start(command, args);
        return finish(process, QStringLiteral(KAZ2HTML_PATH));
    });
    QCOMPARE(r.exitCode, 2);
    QCOMPARE(
        QString::fromUtf8(r.err).remove(QLatin1Char('\r')),
        QStringLiteral("kaz2html: %1 は入力ファイルそのものです。上書きしません。\n").arg(input));
    QCOMPARE(readFile(input), bracket);
}

// A file with a sheet block gives the page with the sheet.
void TestKaz2Html::sheetPage() {
    const Result r = runKaz2Html({dataFile("four_members_sheet_page.kaz")});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.err, QByteArray());
    QVERIFY(r.out == readFile(dataFile("four_members_sheet_page.html")));
}

void TestKaz2Html::pageToFile() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString output = dir.filePath(QStringLiteral("ページ.html"));

    Result r = runKaz2Html({dataFile("four_members_example.kaz"), output});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QByteArray());
    QCOMPARE(r.err, QByteArray());
    QVERIFY(readFile(output) == readFile(dataFile("four_members_example.html")));

    // An existing, longer page is replaced as a whole.
    QVERIFY(writeFile(output, QByteArray(10000, 'x')));
    r = runKaz2Html({dataFile("four_members_empty.kaz"), output});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(readFile(output) == readFile(dataFile("four_members_empty.html")));
    QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("ページ.html")});
}

// A new page gets the usual permissions, not those of a private temporary file; a replaced
// page keeps its own.
void TestKaz2Html::pagePermissions() {
    if (emulated()) QSKIP("file modes are POSIX's");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString output = dir.filePath(QStringLiteral("page.html"));
    QCOMPARE(runKaz2Html({dataFile("four_members_example.kaz"), output}).exitCode, 0);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    struct stat st {};
    QCOMPARE(::stat(QFile::encodeName(output).constData(), &st), 0);
    QCOMPARE(st.st_mode & 0777, 0666 & ~mask);

    QVERIFY(QFile::setPermissions(output, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    QCOMPARE(runKaz2Html({dataFile("four_members_empty.kaz"), output}).exitCode, 0);
    QVERIFY(readFile(output) == readFile(dataFile("four_members_empty.html")));
    QCOMPARE(::stat(QFile::encodeName(output).constData(), &st), 0);
    QCOMPARE(st.st_mode & 0777, mode_t{0640});
}

void TestKaz2Html::boldFlags_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("boldMember");
    QTest::addColumn<bool>("boldScore");
    const QString four = dataFile("four_members_example.kaz");
    const QString big = dataFile("thirty_two_members.kaz");
    QTest::newRow("none") << big << QStringList() << false << false;
    QTest::newRow("member") << four << QStringList{QStringLiteral("--bold-member")} << true
                            << false;
    QTest::newRow("score") << four << QStringList{QStringLiteral("--bold-score")} << false << true;
    QTest::newRow("both") << big
                          << QStringList{QStringLiteral("--bold-score"),
                                         QStringLiteral("--bold-member")}
                          << true << true;
    QTest::newRow("twice") << four
                           << QStringList{QStringLiteral("--bold-member"),
                                          QStringLiteral("--bold-member")}
                           << true << false;
}

void TestKaz2Html::boldFlags() {
    QFETCH(QString, input);
    QFETCH(QStringList, options);
    QFETCH(bool, boldMember);
    QFETCH(bool, boldScore);
    const QByteArray expected = corePage(input, boldMember, boldScore);
    QCOMPARE(expected.contains("<B>"), boldMember);

    Result r = runKaz2Html(options + QStringList{input});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.out == expected);
    // Options may also follow the input.
    r = runKaz2Html(QStringList{input} + options);
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.out == expected);
}

// The live page: UTF-8, every name, the time of the input's last change.
void TestKaz2Html::livePage() {
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("live.html"));
    const QString input = dataFile("four_members_sheet_page.kaz");
    const Result r = runKaz2Html({QStringLiteral("--live"), input, output});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.err, QByteArray());
    const QByteArray page = readFile(output);
    QVERIFY(isUtf8(page));
    QVERIFY(page.startsWith("<!DOCTYPE html>"));
    QVERIFY(page.contains(QFileInfo(input)
                              .lastModified()
                              .toString(QStringLiteral("'最終更新 'yyyy-MM-dd HH:mm:ss"))
                              .toUtf8()));
    const QByteArray bytes = readFile(input);
    const std::optional<kaz::Bracket> bracket =
        kaz::readKaz(std::string_view(bytes.constData(), size_t(bytes.size())));
    QVERIFY(bracket);
    for (int m = 0; m < bracket->memberCount(); ++m) {
        QVERIFY(page.contains(QByteArray::fromStdString(bracket->memberName(m))));
    }
    QCOMPARE(runKaz2Html({QStringLiteral("--live"), input}).out, page);
    QVERIFY(!page.contains("http-equiv=\"refresh\""));  // a page written once stays as it is
}

// A pool file's live page, the file known by its name or, under another, by what it holds.
void TestKaz2Html::poolLivePage_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("knockout");
    QTest::newRow("by its name") << QStringLiteral("春.kazpool") << false;
    QTest::newRow("by its content") << QStringLiteral("春.json") << false;
    // Moved with its pools from where it was made: found beside it, one page of both.
    QTest::newRow("its knockout") << QStringLiteral("春.kazpool") << true;
}

void TestKaz2Html::poolLivePage() {
    QFETCH(QString, name);
    QFETCH(bool, knockout);
    QTemporaryDir dir;
    QString input = dir.filePath(name);
    QVERIFY(QFile::copy(dataFile("pool_stage_example.kazpool"), input));
    if (knockout) {
        const auto stage = kaz::readPoolFile(readFile(input).toStdString());
        QVERIFY(stage);
        const kaz::Bracket made =
            kaz::makeKnockout(*stage, *kaz::drawKnockout(*stage, {false, 1}), "/大会/春.kazpool");
        input = dir.filePath(QStringLiteral("決勝.kaz"));
        QVERIFY(writeFile(input, QByteArray::fromStdString(kaz::writeKaz(made))));
    }
    const Result r = runKaz2Html({QStringLiteral("--live"), input});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.err, QByteArray());
    for (const char* text : {"<h1>春季大会</h1>", "aria-label=\"Aブロック\"", "𠮷田 一郎",
                             "佐藤 &quot;サブ&quot; 三郎"}) {
        QVERIFY2(r.out.contains(text), text);
    }
    QCOMPARE(r.out.contains("<h2>決勝トーナメント</h2>"), knockout);
}

// Watching: the page follows the bracket, replaced by a rename or written in place; a bracket
// that cannot be read is told once and the page kept; SIGTERM ends it with the page whole.
void TestKaz2Html::watch() {
    if (emulated()) QSKIP("POSIX signals");
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("b.kaz"));
    const QString output = dir.filePath(QStringLiteral("live.html"));
    const auto bracketNamed = [](const char* name) {
        kaz::Bracket bracket(4);
        bracket.setMemberName(0, name);
        const std::string bytes = kaz::writeKaz(bracket);
        return QByteArray(bytes.data(), qsizetype(bytes.size()));
    };
    QVERIFY(writeFile(input, bracketNamed("最初の人")));
    QProcess process;
    process.setProcessEnvironment(toolEnvironment());
    process.start(QStringLiteral(KAZ2HTML_PATH),
                  {QStringLiteral("--live"), QStringLiteral("--watch"), input, output});
    const auto waitFor = [&](const std::function<bool()>& done) {
        QDeadlineTimer deadline(10000);
        while (!done() && !deadline.hasExpired()) QTest::qWait(20);
        return done();
    };
    QVERIFY(waitFor([&] { return readFile(output).contains("最初の人"); }));
    // It updates itself in the browser, as the editor's live pages do.
    QVERIFY(readFile(output).contains("http-equiv=\"refresh\" content=\"" +
                                      QByteArray::number(kaz::kLiveRefreshSeconds) + "\""));

    // An editor's save: a new file renamed over the old one.
    const QString saved = dir.filePath(QStringLiteral("b.kaz.new"));
    QVERIFY(writeFile(saved, bracketNamed("次の人")));
    QVERIFY(::rename(QFile::encodeName(saved).constData(), QFile::encodeName(input).constData()) ==
            0);
    QVERIFY(waitFor([&] { return readFile(output).contains("次の人"); }));

    QVERIFY(writeFile(input, "not a bracket"));
    QByteArray told;
    QVERIFY(waitFor([&] {
        told += process.readAllStandardError();
        return QString::fromUtf8(told).contains(kInvalidFormat);
    }));
    QVERIFY(readFile(output).contains("次の人"));
    QVERIFY(writeFile(input, bracketNamed("三番目の人")));
    QVERIFY(waitFor([&] { return readFile(output).contains("三番目の人"); }));

    ::kill(pid_t(process.processId()), SIGTERM);
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(readFile(output).endsWith("</html>\n"));
    QCOMPARE(entries(dir.path()),
             (QStringList{QStringLiteral("b.kaz"), QStringLiteral("live.html")}));
}

namespace {

// The body of `path` as a server on this computer's `port` answers it, or its status line
// where that is not 200.
QByteArray httpGet(int port, const QByteArray& path) {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, quint16(port));
    if (!socket.waitForConnected(5000)) return "no connection";
    socket.write("GET " + path + " HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n");
    QByteArray response;
    while (socket.waitForReadyRead(5000)) response += socket.readAll();
    const qsizetype body = response.indexOf("\r\n\r\n");
    if (!response.startsWith("HTTP/1.1 200") || body < 0)
        return response.left(response.indexOf('\r'));
    return response.mid(body + 4);
}

}  // namespace

// Serving: each file's live page and an index of them, from the first printed address; a change
// of a file is served within a second or so; a page nobody serves is 404; SIGTERM ends it.
void TestKaz2Html::serve() {
    QTemporaryDir dir;
    const QString bracket = dir.filePath(QStringLiteral("決勝.kaz"));
    const QString pools = dir.filePath(QStringLiteral("pools.kazpool"));
    kaz::Bracket four(4);
    four.setMemberName(0, "最初の人");
    const std::string bytes = kaz::writeKaz(four);
    QVERIFY(writeFile(bracket, QByteArray(bytes.data(), qsizetype(bytes.size()))));
    QVERIFY(QFile::copy(dataFile("pool_stage_example.kazpool"), pools));
    QProcess process;
    process.setProcessEnvironment(toolEnvironment());
    const auto [program, args] =
        toolCommand(QStringLiteral(KAZ2HTML_PATH), {"--serve", "--port", "0", bracket, pools});
    process.start(program, args);
    QVERIFY(process.waitForReadyRead(60000));
    const QString said = QString::fromUtf8(process.readAllStandardOutput());
    const QRegularExpressionMatch address =
        QRegularExpression("^配信中: http://[0-9.]+:([0-9]+)/\r?\n").match(said);
    QVERIFY2(address.hasMatch(), qPrintable(said));
    const int port = address.captured(1).toInt();

    const QByteArray index = httpGet(port, "/");
    QVERIFY2(index.contains("<a href=\"/%E6%B1%BA%E5%8B%9D.html\">"), index.constData());
    QVERIFY(index.contains("<a href=\"/pools.html\">"));
    QVERIFY(httpGet(port, "/pools.html").contains("<svg"));
    const QByteArray page = httpGet(port, "/%E6%B1%BA%E5%8B%9D.html");
    QVERIFY(page.contains("最初の人"));
    // The served page asks again every few seconds.
    QVERIFY(page.contains(QByteArray::number(kaz::kServedCheckSeconds * 1000)));
    QCOMPARE(httpGet(port, "/%E6%B1%BA%E5%8B%9D.kaz"), QByteArray("HTTP/1.1 404 Not Found"));

    four.setMemberName(0, "次の人");
    const std::string changed = kaz::writeKaz(four);
    QVERIFY(writeFile(bracket, QByteArray(changed.data(), qsizetype(changed.size()))));
    QDeadlineTimer deadline(10000);
    while (!httpGet(port, "/%E6%B1%BA%E5%8B%9D.html").contains("次の人") && !deadline.hasExpired())
        QTest::qWait(100);
    QVERIFY(httpGet(port, "/%E6%B1%BA%E5%8B%9D.html").contains("次の人"));
    if (emulated()) {
        process.kill();
        process.waitForFinished(10000);
        return;
    }
    ::kill(pid_t(process.processId()), SIGTERM);
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 0);
}

void TestKaz2Html::helpAndVersion() {
    Result r = runKaz2Html({QStringLiteral("--help")});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(QString::fromUtf8(r.out).startsWith(kUsage));
    QVERIFY(QString::fromUtf8(r.out).contains(QStringLiteral("--bold-score")));
    QVERIFY(isUtf8(r.out));

    r = runKaz2Html({QStringLiteral("--version")});
    QCOMPARE(r.exitCode, 0);
    // A Windows program ends its lines of text with CR LF.
    QVERIFY2(QRegularExpression(QStringLiteral("^kaz2html \\d+\\.\\d+(\\.\\d+)?\\r?\\n$"))
                 .match(QString::fromUtf8(r.out))
                 .hasMatch(),
             r.out.constData());

    // --help wins over a missing file.
    r = runKaz2Html({QStringLiteral("/no/such/file.kaz"), QStringLiteral("--help")});
    QCOMPARE(r.exitCode, 0);
}

// The locale's language, in the tool's own words and the core's; Japanese without a locale.
void TestKaz2Html::localesLanguage_data() {
    QTest::addColumn<QString>("lang");  // empty: no locale variable set
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("err");  // %1: the missing file
    QTest::newRow("English, the core's message")
        << "en_US.UTF-8" << QStringList{"%1"} << "kaz2html: %1 was not found.\n";
    QTest::newRow("English, usage")
        << "en_US.UTF-8" << QStringList{"%1", "a", "b"}
        << "kaz2html: Too many arguments.\n"
           "usage: kaz2html [--bold-member] [--bold-score] INPUT.kaz [OUTPUT.html]\n"
           "       kaz2html --live [--watch] INPUT.kaz [OUTPUT.html]\n"
           "       kaz2html --serve [--port N] INPUT.kaz...\n";
    QTest::newRow("no locale") << QString() << QStringList{"%1"}
                               << "kaz2html: %1 が見つかりませんでした。\n";
}

void TestKaz2Html::localesLanguage() {
    QFETCH(QString, lang);
    QFETCH(QStringList, args);
    QFETCH(QString, err);
    // Without a locale, the emulated system's own display language decides.
    if (lang.isEmpty() && displayLanguageDecides()) QSKIP("Windows' display language decides");
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("none.kaz"));
    args.replaceInStrings(QStringLiteral("%1"), missing);
    const Result r = runToolInLocale(QStringLiteral(KAZ2HTML_PATH), args, lang);
    QCOMPARE(QString::fromUtf8(r.err).remove(QLatin1Char('\r')), err.arg(missing));
}

void TestKaz2Html::wrongArguments_data() {
    QTest::addColumn<QStringList>("args");
    const QString in = dataFile("four_members.kaz");
    QTest::newRow("nothing") << QStringList();
    QTest::newRow("options only") << QStringList{QStringLiteral("--bold-member")};
    QTest::newRow("unknown long option") << QStringList{QStringLiteral("--bold"), in};
    QTest::newRow("unknown short option") << QStringList{QStringLiteral("-b"), in};
    QTest::newRow("three files") << QStringList{in, QStringLiteral("OUT.html"),
                                                QStringLiteral("x")};
    QTest::newRow("watch without live")
        << QStringList{QStringLiteral("--watch"), in, QStringLiteral("OUT.html")};
    QTest::newRow("watch to standard output")
        << QStringList{QStringLiteral("--live"), QStringLiteral("--watch"), in};
    QTest::newRow("port without serve") << QStringList{"--live", "--port", "80", in};
    QTest::newRow("serve with live") << QStringList{"--serve", "--live", in};
    QTest::newRow("port beyond 65535") << QStringList{"--serve", "--port", "65536", in};
}

void TestKaz2Html::wrongArguments() {
    QFETCH(QStringList, args);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (QString& arg : args) {
        if (arg == QStringLiteral("OUT.html")) arg = dir.filePath(arg);
    }
    const Result r = runKaz2Html(args);
    QCOMPARE(r.exitCode, 2);
    QCOMPARE(r.out, QByteArray());
    QVERIFY2(QString::fromUtf8(r.err).contains(kUsage), r.err.constData());
    QCOMPARE(entries(dir.path()), QStringList());
}

void TestKaz2Html::unreadableInput_data() {
    QTest::addColumn<QString>("inputName");  // inside the test folder
    QTest::addColumn<bool>("create");
    QTest::addColumn<QByteArray>("inputBytes");
    QTest::addColumn<QString>("output");   // "none", "existing" or "stdout"
    QTest::addColumn<QString>("message");  // %1: the input path

    const QByteArray golden = readFile(dataFile("four_members.kaz"));
    QByteArray notAString = golden;
    notAString[4] = char(0xFE);  // the first name claims 254 bytes
    struct Input {
        const char* what;
        QString name;
        QByteArray bytes;
        bool create;
        QString message;
    };
    const QList<Input> inputs = {
        {"missing",
         QStringLiteral("nothere.kaz"),
         {},
         false,
         QStringLiteral("%1 が見つかりませんでした。")},
        {"missing, Japanese name",
         QStringLiteral("存在しない.kaz"),
         {},
         false,
         QStringLiteral("%1 が見つかりませんでした。")},
        {"empty file", QStringLiteral("empty.kaz"), QByteArray(), true, kInputOfInvalidFormat},
        {"cut short", QStringLiteral("cut.kaz"), golden.left(112), true, kInputOfInvalidFormat},
        {"bad length", QStringLiteral("bad.kaz"), notAString, true, kInputOfInvalidFormat},
        {"a page", QStringLiteral("page.kaz"), readFile(dataFile("four_members_example.html")),
         true, kInputOfInvalidFormat},
        {"colour of 8 bytes", QStringLiteral("c8.kaz"), withColor(std::string(8, 'F')), true,
         kInputOfInvalidFormat},
        {"colour of 1 MiB", QStringLiteral("c1m.kaz"), withColor(std::string(1 << 20, 'F')), true,
         kInputOfInvalidFormat},
        {"the limit + 1", QStringLiteral("big.kaz"),
         golden.leftJustified(qsizetype(kaz::kMaxKazFileBytes) + 1, '\0'), true,
         kInputOfInvalidFormat},
    };
    for (const Input& input : inputs) {
        for (const char* output : {"none", "existing", "stdout"}) {
            QTest::addRow("%s, output %s", input.what, output)
                << input.name << input.create << input.bytes << QString::fromLatin1(output)
                << input.message;
        }
    }
}

void TestKaz2Html::unreadableInput() {
    QFETCH(QString, inputName);
    QFETCH(bool, create);
    QFETCH(QByteArray, inputBytes);
    QFETCH(QString, output);
    QFETCH(QString, message);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString input = dir.filePath(inputName);
    if (create) QVERIFY(writeFile(input, inputBytes));
    const QString page = dir.filePath(QStringLiteral("out.html"));
    const QByteArray old = "old page, not to be touched\r\n";
    if (output == QStringLiteral("existing")) QVERIFY(writeFile(page, old));
    const QStringList before = entries(dir.path());

    QStringList args{input};
    if (output != QStringLiteral("stdout")) args << page;
    const Result r = runKaz2Html(args);
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.out, QByteArray());
    QVERIFY(isUtf8(r.err));
    const QString expected = message.contains(QStringLiteral("%1")) ? message.arg(input) : message;
    QVERIFY2(QString::fromUtf8(r.err).contains(expected), r.err.constData());
    QVERIFY(r.err.endsWith('\n'));

    QCOMPARE(entries(dir.path()), before);
    if (output == QStringLiteral("existing")) QVERIFY(readFile(page) == old);
}

// Outputs that cannot or may not be written; %1 in the message is the test folder, which
// holds the input in.kaz, a list file.txt and another bracket old.kaz.
void TestKaz2Html::outputCannotBeWritten_data() {
    QTest::addColumn<QString>("outputName");
    QTest::addColumn<bool>("directory");  // the output path is an existing folder
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("folder missing") << QStringLiteral("missing/out.html") << false << 1
                                    << QStringLiteral("フォルダ %1/missing がありません。");
    QTest::newRow("two folders missing") << QStringLiteral("missing/deeper/out.html") << false << 1
                                         << QStringLiteral("フォルダ %1/missing がありません。");
    QTest::newRow("path is a folder")
        << QStringLiteral("folder.html") << true << 1
        << QStringLiteral("%1/folder.html はフォルダです。ファイルを指定してください。");
    QTest::newRow("below a file") << QStringLiteral("file.txt/out.html") << false << 1 << QString();
    QTest::newRow("the input, spelt otherwise")
        << QStringLiteral("./in.kaz") << false << 2
        << QStringLiteral("%1/./in.kaz は入力ファイルそのものです。上書きしません。");
    QTest::newRow("an entrant list")
        << QStringLiteral("file.txt") << false << 2
        << QStringLiteral("%1/file.txt は参加者リストです。上書きしません。");
    QTest::newRow("another bracket")
        << QStringLiteral("old.kaz") << false << 2
        << QStringLiteral("%1/old.kaz はトーナメント表ファイルです。上書きしません。");
}

void TestKaz2Html::outputCannotBeWritten() {
    QFETCH(QString, outputName);
    QFETCH(bool, directory);
    QFETCH(int, exitCode);
    QFETCH(QString, message);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray bracket = readFile(dataFile("four_members.kaz"));
    const QString input = dir.filePath(QStringLiteral("in.kaz"));
    QVERIFY(writeFile(input, bracket));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("old.kaz")), bracket));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("file.txt")), "text"));
    const QString output = dir.filePath(outputName);
    if (directory) QVERIFY(QDir(dir.path()).mkdir(outputName));
    const QStringList before = entries(dir.path());

    const Result r = runKaz2Html({input, output});
    QCOMPARE(r.exitCode, exitCode);
    QCOMPARE(r.out, QByteArray());
    QVERIFY(!r.err.isEmpty());
    QVERIFY(isUtf8(r.err));
    if (!message.isEmpty()) {
        QCOMPARE(QString::fromUtf8(r.err).remove(QLatin1Char('\r')),
                 QStringLiteral("kaz2html: ") + message.arg(dir.path()) + QLatin1Char('\n'));
    }
    QCOMPARE(entries(dir.path()), before);
    QCOMPARE(readFile(input), bracket);
    QCOMPARE(readFile(dir.filePath(QStringLiteral("old.kaz"))), bracket);
    QCOMPARE(readFile(dir.filePath(QStringLiteral("file.txt"))), QByteArray("text"));
    if (directory) {
        QVERIFY(QFileInfo(output).isDir());
        QCOMPARE(entries(output), QStringList());
    }
}

void TestKaz2Html::readOnlyOutput_data() {
    QTest::addColumn<bool>("folder");  // the folder is read-only, else the page itself
    QTest::newRow("read-only folder") << true;
    QTest::newRow("read-only page") << false;
}

// A folder or page the user may not write to: the existing page stays as it was. Permission
// checks do not apply to root, but Windows (and Wine) refuse a read-only file to everyone.
void TestKaz2Html::readOnlyOutput() {
    QFETCH(bool, folder);
    if (::geteuid() == 0 && (folder || !emulated())) {
        QSKIP("running as root: permissions are not enforced");
    }
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString sub = dir.filePath(QStringLiteral("locked"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("locked")));
    const QString output = sub + QStringLiteral("/out.html");
    QVERIFY(writeFile(output, "old"));
    const QFile::Permissions writable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    const QString locked = folder ? sub : output;
    QVERIFY(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner));

    const Result r = runKaz2Html({dataFile("four_members.kaz"), output});
    QFile::setPermissions(locked, writable);
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(QString::fromUtf8(r.err).contains(QStringLiteral("へのｱｸｾｽは拒否されました。")),
             r.err.constData());
    QCOMPARE(readFile(output), QByteArray("old"));
    QCOMPARE(entries(sub), QStringList{QStringLiteral("out.html")});
}

// A page that cannot be written to standard output is a failure, not a success.
void TestKaz2Html::stdoutWriteFails() {
    if (!QFile::exists(QStringLiteral("/dev/full"))) QSKIP("no /dev/full here");
    const Result r = runKaz2Html({dataFile("thirty_two_members.kaz")}, QStringLiteral("/dev/full"));
    QCOMPARE(r.exitCode, 1);
    QVERIFY(!r.err.isEmpty());
}

void TestKaz2Html::writeFailures_data() {
    QTest::addColumn<QString>("call");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("after");  // bytes written before the failure
    QTest::addColumn<QString>("message");
    const QString full = QStringLiteral("へのｱｸｾｽ中にﾃﾞｨｽｸがいっぱいになりました。");
    const QString io = QStringLiteral("へのｱｸｾｽ中にﾊｰﾄﾞｳｪｱ I/O ｴﾗｰが報告されました。");
    for (const char* temp : {"unnamed", "named"}) {
        QTest::addRow("%s: disk full at once", temp) << "write" << ENOSPC << 0 << full;
        QTest::addRow("%s: disk full later", temp) << "write" << ENOSPC << 1000 << full;
        QTest::addRow("%s: EIO at fsync", temp) << "fsync" << EIO << 0 << io;
        QTest::addRow("%s: EIO at close", temp) << "close" << EIO << 0 << io;
        QTest::addRow("%s: rename refused", temp)
            << "rename" << EACCES << 0 << QStringLiteral("へのｱｸｾｽは拒否されました。");
    }
}

// Every failing step leaves the old page byte for byte and no temporary file.
void TestKaz2Html::writeFailures() {
    QFETCH(QString, call);
    QFETCH(int, error);
    QFETCH(int, after);
    QFETCH(QString, message);
    if (emulated() && (call == QStringLiteral("close") || call == QStringLiteral("rename"))) {
        QSKIP("under Wine, close and rename happen where the fault-injection library cannot reach");
    }
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("page.html"));
    QVERIFY(writeFile(output, "old page"));
    Faults faults = {{"KAZ_FAULT_DIR", dir.path()},
                     {"KAZ_FAULT_CALL", call},
                     {"KAZ_FAULT_ERRNO", QString::number(error)},
                     {"KAZ_FAULT_AFTER", QString::number(after)}};
    if (QString::fromUtf8(QTest::currentDataTag()).startsWith(QStringLiteral("named"))) {
        faults << qMakePair(QStringLiteral("KAZ_FAULT_NO_TMPFILE"), QStringLiteral("1"));
    }

    const Result r = runKaz2Html({dataFile("thirty_two_members.kaz"), output}, QString(), faults);
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(QString::fromUtf8(r.err).contains(output + QLatin1Char(' ') + message),
             r.err.constData());
    QCOMPARE(readFile(output), QByteArray("old page"));
    QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("page.html")});
}

void TestKaz2Html::interruptedWrite_data() {
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("named");  // the file system offers no unnamed temporary files
    QTest::newRow("SIGKILL, unnamed") << int(SIGKILL) << false;
    QTest::newRow("SIGTERM, named") << int(SIGTERM) << true;
    QTest::newRow("SIGINT, named") << int(SIGINT) << true;
}

// A converter stopped in the middle of a slowed write leaves the old page and nothing else.
void TestKaz2Html::interruptedWrite() {
    QFETCH(int, signal);
    QFETCH(bool, named);
    if (emulated()) QSKIP("POSIX signals and /proc");
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("page.html"));
    QVERIFY(writeFile(output, "old page"));
    Faults faults = {{"KAZ_FAULT_DIR", dir.path()}, {"KAZ_FAULT_SLOW_MS", "5"}};
    if (named) faults << qMakePair(QStringLiteral("KAZ_FAULT_NO_TMPFILE"), QStringLiteral("1"));

    QProcess process;
    process.setProcessEnvironment(withFaults(faults));
    process.start(QStringLiteral(KAZ2HTML_PATH), {dataFile("four_members_example.kaz"), output});
    QVERIFY(process.waitForStarted());
    // Wait until the temporary file is open: in the folder, or unnamed among the descriptors.
    const QString fds = QStringLiteral("/proc/%1/fd").arg(process.processId());
    auto writing = [&] {
        if (entries(dir.path()).size() > 1) return true;
        for (const QString& fd :
             QDir(fds).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
            char target[4096];
            const QByteArray link = QFile::encodeName(fds + QLatin1Char('/') + fd);
            const ssize_t n = ::readlink(link.constData(), target, sizeof target);
            if (n > 0 && QFile::decodeName(QByteArray(target, n)).startsWith(dir.path())) {
                return true;
            }
        }
        return false;
    };
    QDeadlineTimer deadline(10000);
    while (!writing() && !deadline.hasExpired()) QTest::qSleep(1);
    QVERIFY(process.state() == QProcess::Running);
    ::kill(pid_t(process.processId()), signal);
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitStatus(), QProcess::CrashExit);
    QCOMPARE(readFile(output), QByteArray("old page"));
    QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("page.html")});
}

// A device keeps being a device, a symlink keeps being a link, /dev/stdout is standard output.
void TestKaz2Html::outputsThatAreNotRegularFiles() {
    if (emulated()) QSKIP("POSIX devices, FIFOs and symlinks");
    const QByteArray golden = readFile(dataFile("four_members_example.html"));
    const QString input = dataFile("four_members_example.kaz");
    QTemporaryDir dir;

    Result r = runKaz2Html({input, QStringLiteral("/dev/null")});
    QCOMPARE(r.exitCode, 0);
    struct stat st {};
    QVERIFY(::stat("/dev/null", &st) == 0 && S_ISCHR(st.st_mode));

    r = runKaz2Html({input, QStringLiteral("/dev/full")});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(QString::fromUtf8(r.err).contains(QStringLiteral("ﾃﾞｨｽｸがいっぱい")),
             r.err.constData());

    r = runKaz2Html({input, QStringLiteral("/dev/stdout")});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.out == golden);

    const QString target = dir.filePath(QStringLiteral("target.html"));
    const QString link = dir.filePath(QStringLiteral("link.html"));
    QVERIFY(writeFile(target, "old"));
    QVERIFY(QFile::link(QStringLiteral("target.html"), link));
    r = runKaz2Html({input, link});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(QFileInfo(link).symLinkTarget(), target);
    QVERIFY(readFile(target) == golden);

    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    QProcess reader;
    reader.start(QStringLiteral("cat"), {fifo});
    QVERIFY(reader.waitForStarted());
    // Without a reader yet the write is refused rather than left waiting; try until cat is in.
    for (int attempt = 0; attempt < 100; ++attempt) {
        r = runKaz2Html({input, fifo});
        if (r.exitCode == 0) break;
        QTest::qWait(50);
    }
    QCOMPARE(r.exitCode, 0);
    QVERIFY(reader.waitForFinished());
    QVERIFY(reader.readAllStandardOutput() == golden);
    QVERIFY(QFileInfo(fifo).isFile() == false);
}

// Windows' device names are no files: NUL takes a page and gives an empty input.
void TestKaz2Html::windowsDeviceNames() {
    if (!emulated()) QSKIP("device names are Windows'");
    QTemporaryDir dir;
    QProcess process;
    process.setWorkingDirectory(dir.path());
    const auto [program, args] =
        toolCommand(QStringLiteral(KAZ2HTML_PATH),
                    {dataFile("four_members_example.kaz"), QStringLiteral("NUL")});
    process.start(program, args);
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(entries(dir.path()), QStringList());

    const Result r = runKaz2Html({QStringLiteral("NUL")});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(QString::fromUtf8(r.err).contains(kInvalidFormat), r.err.constData());
}

// Running out of memory is a message and exit status 1, not an abort.
void TestKaz2Html::outOfMemory() {
    if (KAZ_SANITIZED) QSKIP("the sanitizers bring their own allocator");
    if (emulated())
        QSKIP("allocation faults go to the C library's malloc, unused by Windows programs");
    QTemporaryDir dir;
    kaz::Bracket bracket(4);
    bracket.setChampion(std::string(3 << 20, 'x'));
    const std::string bytes = kaz::writeKaz(bracket);
    const QString input = dir.filePath(QStringLiteral("big.kaz"));
    QVERIFY(writeFile(input, QByteArray(bytes.data(), qsizetype(bytes.size()))));

    const Result r = runKaz2Html({input}, QString(), {{"KAZ_FAULT_MALLOC_MIN", "1048576"}});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(QString::fromUtf8(r.err).contains(QStringLiteral("ﾄﾞｷｭﾒﾝﾄを開くことに失敗しました。")),
             r.err.constData());
}

QTEST_GUILESS_MAIN(TestKaz2Html)
#include "tst_kaz2html.moc"
