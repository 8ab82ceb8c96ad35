#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include "bracket/bracket.h"
#include "io/kaz_format.h"
#include "html/html_page.h"

// Runs the real converter and checks its pages, exit codes, messages, and that a failure
// never leaves a new or damaged output file behind.

namespace {

const QString kUsage =
    QStringLiteral("usage: kaz2html [--bold-member] [--bold-score] INPUT.kaz [OUTPUT.html]");
const QString kInvalidFormat = QStringLiteral("予期しないﾌｧｲﾙ形式です。");

struct Result {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Settings of the fault-injection library for one run (empty: none).
using Faults = QList<QPair<QString, QString>>;

QProcessEnvironment WithFaults(const Faults& faults) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (faults.isEmpty()) return env;
    env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(KAZ_FAULT_LIBRARY));
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("verify_asan_link_order=0"));
    for (const auto& [name, value] : faults) env.insert(name, value);
    return env;
}

Result RunKaz2Html(const QStringList& args, const QString& stdoutFile = QString(),
                   const Faults& faults = {}) {
    QProcess process;
    process.setProcessEnvironment(WithFaults(faults));
    if (!stdoutFile.isEmpty()) process.setStandardOutputFile(stdoutFile);
    process.start(QStringLiteral(KAZ2HTML_PATH), args);
    Result result;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit) {
        qWarning("kaz2html did not finish normally");
        return result;
    }
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

QString Data(const char* name) { return QStringLiteral(KAZ_TEST_DATA "/") + QLatin1String(name); }

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The page the core writes for a bracket file, with the given bold flags.
QByteArray CorePage(const QString& kazPath, bool boldMember, bool boldScore) {
    const QByteArray bytes = ReadFile(kazPath);
    std::optional<kaz::Bracket> bracket =
        kaz::ReadKaz(std::string_view(bytes.constData(), size_t(bytes.size())));
    if (!bracket) return QByteArray("(unreadable)");
    bracket->SetBoldFlags(boldScore, boldMember);
    const std::string page = kaz::WriteHtml(*bracket);
    return QByteArray(page.data(), qsizetype(page.size()));
}

QStringList Entries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                               QDir::Name);
}

// A four-member bracket whose win-line colour string is `color`.
QByteArray WithColor(const std::string& color) {
    kaz::Bracket bracket(4);
    bracket.GetColors().At(0) = color;
    const std::string bytes = kaz::WriteKaz(bracket);
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

bool IsUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    return !decoder.hasError();
}

}  // namespace

class Kaz2HtmlTest : public QObject {
    Q_OBJECT

private slots:
    void pageToStdout_data();
    void pageToStdout();
    void pageToFile();
    void boldFlags_data();
    void boldFlags();
    void helpAndVersion();
    void wrongArguments_data();
    void wrongArguments();
    void unreadableInput_data();
    void unreadableInput();
    void outputCannotBeWritten_data();
    void outputCannotBeWritten();
    void readOnlyFolder();
    void stdoutWriteFails();
    void writeFailures_data();
    void writeFailures();
    void interruptedWrite_data();
    void interruptedWrite();
    void outputsThatAreNotRegularFiles();
    void outOfMemory();
};

void Kaz2HtmlTest::pageToStdout_data() {
    QTest::addColumn<QStringList>("extra");
    QTest::newRow("no output") << QStringList();
    QTest::newRow("dash") << QStringList{QStringLiteral("-")};
}

void Kaz2HtmlTest::pageToStdout() {
    QFETCH(QStringList, extra);
    const Result r = RunKaz2Html(QStringList{Data("four_members_example.kaz")} + extra);
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.err, QByteArray());
    QCOMPARE(r.out.size(), 2768);
    QVERIFY(r.out == ReadFile(Data("four_members_example.html")));
}

void Kaz2HtmlTest::pageToFile() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString output = dir.filePath(QStringLiteral("ページ.html"));
    const QByteArray golden = ReadFile(Data("four_members_example.html"));

    Result r = RunKaz2Html({Data("four_members_example.kaz"), output});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QByteArray());
    QCOMPARE(r.err, QByteArray());
    QVERIFY(ReadFile(output) == golden);
    // A new page gets the usual permissions, not those of a private temporary file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    struct stat st {};
    QCOMPARE(::stat(QFile::encodeName(output).constData(), &st), 0);
    QCOMPARE(st.st_mode & 0777, 0666 & ~mask);

    // An existing, longer page is replaced as a whole and keeps its permissions.
    QVERIFY(WriteFile(output, QByteArray(10000, 'x')));
    QVERIFY(QFile::setPermissions(output, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    r = RunKaz2Html({Data("four_members_empty.kaz"), output});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(ReadFile(output) == ReadFile(Data("four_members_empty.html")));
    QCOMPARE(::stat(QFile::encodeName(output).constData(), &st), 0);
    QCOMPARE(st.st_mode & 0777, mode_t{0640});
    QCOMPARE(Entries(dir.path()), QStringList{QStringLiteral("ページ.html")});
}

void Kaz2HtmlTest::boldFlags_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("boldMember");
    QTest::addColumn<bool>("boldScore");
    const QString four = Data("four_members_example.kaz");
    const QString big = Data("thirty_two_members.kaz");
    QTest::newRow("none") << big << QStringList() << false << false;
    QTest::newRow("member") << four << QStringList{QStringLiteral("--bold-member")} << true << false;
    QTest::newRow("score") << four << QStringList{QStringLiteral("--bold-score")} << false << true;
    QTest::newRow("both") << big
                          << QStringList{QStringLiteral("--bold-score"), QStringLiteral("--bold-member")}
                          << true << true;
    QTest::newRow("twice") << four
                           << QStringList{QStringLiteral("--bold-member"), QStringLiteral("--bold-member")}
                           << true << false;
}

void Kaz2HtmlTest::boldFlags() {
    QFETCH(QString, input);
    QFETCH(QStringList, options);
    QFETCH(bool, boldMember);
    QFETCH(bool, boldScore);
    const QByteArray expected = CorePage(input, boldMember, boldScore);
    QCOMPARE(expected.contains("<B>"), boldMember);

    Result r = RunKaz2Html(options + QStringList{input});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.out == expected);
    // Options may also follow the input.
    r = RunKaz2Html(QStringList{input} + options);
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.out == expected);
}

void Kaz2HtmlTest::helpAndVersion() {
    Result r = RunKaz2Html({QStringLiteral("--help")});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(QString::fromUtf8(r.out).startsWith(kUsage));
    QVERIFY(QString::fromUtf8(r.out).contains(QStringLiteral("--bold-score")));
    QVERIFY(IsUtf8(r.out));

    r = RunKaz2Html({QStringLiteral("--version")});
    QCOMPARE(r.exitCode, 0);
    QVERIFY2(QRegularExpression(QStringLiteral("^kaz2html \\d+\\.\\d+(\\.\\d+)?\\n$"))
                 .match(QString::fromUtf8(r.out))
                 .hasMatch(),
             r.out.constData());

    // --help wins over a missing file.
    r = RunKaz2Html({QStringLiteral("/no/such/file.kaz"), QStringLiteral("--help")});
    QCOMPARE(r.exitCode, 0);
}

void Kaz2HtmlTest::wrongArguments_data() {
    QTest::addColumn<QStringList>("args");
    const QString in = Data("four_members.kaz");
    QTest::newRow("nothing") << QStringList();
    QTest::newRow("options only") << QStringList{QStringLiteral("--bold-member")};
    QTest::newRow("unknown long option") << QStringList{QStringLiteral("--bold"), in};
    QTest::newRow("unknown short option") << QStringList{QStringLiteral("-b"), in};
    QTest::newRow("three files") << QStringList{in, QStringLiteral("OUT.html"), QStringLiteral("x")};
}

void Kaz2HtmlTest::wrongArguments() {
    QFETCH(QStringList, args);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (QString& arg : args) {
        if (arg == QStringLiteral("OUT.html")) arg = dir.filePath(arg);
    }
    const Result r = RunKaz2Html(args);
    QCOMPARE(r.exitCode, 2);
    QCOMPARE(r.out, QByteArray());
    QVERIFY2(QString::fromUtf8(r.err).contains(kUsage), r.err.constData());
    QCOMPARE(Entries(dir.path()), QStringList());
}

void Kaz2HtmlTest::unreadableInput_data() {
    QTest::addColumn<QString>("inputName");  // inside the test folder
    QTest::addColumn<bool>("create");
    QTest::addColumn<QByteArray>("inputBytes");
    QTest::addColumn<QString>("output");     // "none", "existing" or "stdout"
    QTest::addColumn<QString>("message");    // %1: the input path

    const QByteArray golden = ReadFile(Data("four_members.kaz"));
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
        {"missing", QStringLiteral("nothere.kaz"), {}, false,
         QStringLiteral("%1 が見つかりませんでした。")},
        {"missing, Japanese name", QStringLiteral("存在しない.kaz"), {}, false,
         QStringLiteral("%1 が見つかりませんでした。")},
        {"empty file", QStringLiteral("empty.kaz"), QByteArray(), true, kInvalidFormat},
        {"cut short", QStringLiteral("cut.kaz"), golden.left(112), true, kInvalidFormat},
        {"bad length", QStringLiteral("bad.kaz"), notAString, true, kInvalidFormat},
        {"a page", QStringLiteral("page.kaz"), ReadFile(Data("four_members_example.html")), true,
         kInvalidFormat},
        {"colour of 8 bytes", QStringLiteral("c8.kaz"), WithColor(std::string(8, 'F')), true,
         kInvalidFormat},
        {"colour of 1 MiB", QStringLiteral("c1m.kaz"), WithColor(std::string(1 << 20, 'F')), true,
         kInvalidFormat},
        {"4 MiB + 1", QStringLiteral("big.kaz"), golden.leftJustified((4 << 20) + 1, '\0'), true,
         kInvalidFormat},
    };
    for (const Input& input : inputs) {
        for (const char* output : {"none", "existing", "stdout"}) {
            QTest::addRow("%s, output %s", input.what, output)
                << input.name << input.create << input.bytes
                << QString::fromLatin1(output) << input.message;
        }
    }
}

void Kaz2HtmlTest::unreadableInput() {
    QFETCH(QString, inputName);
    QFETCH(bool, create);
    QFETCH(QByteArray, inputBytes);
    QFETCH(QString, output);
    QFETCH(QString, message);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString input = dir.filePath(inputName);
    if (create) QVERIFY(WriteFile(input, inputBytes));
    const QString page = dir.filePath(QStringLiteral("out.html"));
    const QByteArray old = "old page, not to be touched\r\n";
    if (output == QStringLiteral("existing")) QVERIFY(WriteFile(page, old));
    const QStringList before = Entries(dir.path());

    QStringList args{input};
    if (output != QStringLiteral("stdout")) args << page;
    const Result r = RunKaz2Html(args);
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.out, QByteArray());
    QVERIFY(IsUtf8(r.err));
    const QString expected = message.contains(QStringLiteral("%1")) ? message.arg(input) : message;
    QVERIFY2(QString::fromUtf8(r.err).contains(expected), r.err.constData());
    QVERIFY(r.err.endsWith('\n'));

    QCOMPARE(Entries(dir.path()), before);
    if (output == QStringLiteral("existing")) QVERIFY(ReadFile(page) == old);
}

void Kaz2HtmlTest::outputCannotBeWritten_data() {
    QTest::addColumn<QString>("outputName");
    QTest::addColumn<bool>("directory");  // the output path is an existing folder
    QTest::addColumn<QString>("message");
    QTest::newRow("folder missing") << QStringLiteral("missing/out.html") << false
                                    << QStringLiteral("には無効なﾊﾟｽが含まれています。");
    QTest::newRow("path is a folder") << QStringLiteral("folder.html") << true << QString();
    QTest::newRow("below a file") << QStringLiteral("file.txt/out.html") << false << QString();
}

void Kaz2HtmlTest::outputCannotBeWritten() {
    QFETCH(QString, outputName);
    QFETCH(bool, directory);
    QFETCH(QString, message);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(WriteFile(dir.filePath(QStringLiteral("file.txt")), "text"));
    const QString output = dir.filePath(outputName);
    if (directory) QVERIFY(QDir(dir.path()).mkdir(outputName));
    const QStringList before = Entries(dir.path());

    const Result r = RunKaz2Html({Data("four_members.kaz"), output});
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.out, QByteArray());
    QVERIFY(!r.err.isEmpty());
    QVERIFY(IsUtf8(r.err));
    if (!message.isEmpty()) QVERIFY2(QString::fromUtf8(r.err).contains(message), r.err.constData());
    QCOMPARE(Entries(dir.path()), before);
    QCOMPARE(ReadFile(dir.filePath(QStringLiteral("file.txt"))), QByteArray("text"));
    if (directory) {
        QVERIFY(QFileInfo(output).isDir());
        QCOMPARE(Entries(output), QStringList());
    }
}

// A folder the user may not write to: the existing page stays as it was. Permission checks
// do not apply to root, so this case is skipped there.
void Kaz2HtmlTest::readOnlyFolder() {
    if (::geteuid() == 0) QSKIP("running as root: folder permissions are not enforced");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString sub = dir.filePath(QStringLiteral("locked"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("locked")));
    const QString output = sub + QStringLiteral("/out.html");
    QVERIFY(WriteFile(output, "old"));
    QVERIFY(QFile::setPermissions(sub, QFile::ReadOwner | QFile::ExeOwner));

    const Result r = RunKaz2Html({Data("four_members.kaz"), output});
    QFile::setPermissions(sub, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(QString::fromUtf8(r.err).contains(QStringLiteral("へのｱｸｾｽは拒否されました。")),
             r.err.constData());
    QCOMPARE(ReadFile(output), QByteArray("old"));
    QCOMPARE(Entries(sub), QStringList{QStringLiteral("out.html")});
}

// A page that cannot be written to standard output is a failure, not a success.
void Kaz2HtmlTest::stdoutWriteFails() {
    if (!QFile::exists(QStringLiteral("/dev/full"))) QSKIP("no /dev/full here");
    const Result r = RunKaz2Html({Data("thirty_two_members.kaz")}, QStringLiteral("/dev/full"));
    QCOMPARE(r.exitCode, 1);
    QVERIFY(!r.err.isEmpty());
}

void Kaz2HtmlTest::writeFailures_data() {
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
void Kaz2HtmlTest::writeFailures() {
    QFETCH(QString, call);
    QFETCH(int, error);
    QFETCH(int, after);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("page.html"));
    QVERIFY(WriteFile(output, "old page"));
    Faults faults = {{"KAZ_FAULT_DIR", dir.path()},
                     {"KAZ_FAULT_CALL", call},
                     {"KAZ_FAULT_ERRNO", QString::number(error)},
                     {"KAZ_FAULT_AFTER", QString::number(after)}};
    if (QString::fromUtf8(QTest::currentDataTag()).startsWith(QStringLiteral("named"))) {
        faults << qMakePair(QStringLiteral("KAZ_FAULT_NO_TMPFILE"), QStringLiteral("1"));
    }

    const Result r = RunKaz2Html({Data("thirty_two_members.kaz"), output}, QString(), faults);
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(QString::fromUtf8(r.err).contains(output + QLatin1Char(' ') + message),
             r.err.constData());
    QCOMPARE(ReadFile(output), QByteArray("old page"));
    QCOMPARE(Entries(dir.path()), QStringList{QStringLiteral("page.html")});
}

void Kaz2HtmlTest::interruptedWrite_data() {
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("named");  // the file system offers no unnamed temporary files
    QTest::newRow("SIGKILL, unnamed") << int(SIGKILL) << false;
    QTest::newRow("SIGTERM, named") << int(SIGTERM) << true;
    QTest::newRow("SIGINT, named") << int(SIGINT) << true;
}

// A converter stopped in the middle of a slowed write leaves the old page and nothing else.
void Kaz2HtmlTest::interruptedWrite() {
    QFETCH(int, signal);
    QFETCH(bool, named);
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("page.html"));
    QVERIFY(WriteFile(output, "old page"));
    Faults faults = {{"KAZ_FAULT_DIR", dir.path()}, {"KAZ_FAULT_SLOW_MS", "5"}};
    if (named) faults << qMakePair(QStringLiteral("KAZ_FAULT_NO_TMPFILE"), QStringLiteral("1"));

    QProcess process;
    process.setProcessEnvironment(WithFaults(faults));
    process.start(QStringLiteral(KAZ2HTML_PATH), {Data("four_members_example.kaz"), output});
    QVERIFY(process.waitForStarted());
    // Wait until the temporary file is open: in the folder, or unnamed among the descriptors.
    const QString fds = QStringLiteral("/proc/%1/fd").arg(process.processId());
    auto writing = [&] {
        if (Entries(dir.path()).size() > 1) return true;
        for (const QString& fd : QDir(fds).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
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
    QCOMPARE(ReadFile(output), QByteArray("old page"));
    QCOMPARE(Entries(dir.path()), QStringList{QStringLiteral("page.html")});
}

// A device keeps being a device, a symlink keeps being a link, /dev/stdout is standard output.
void Kaz2HtmlTest::outputsThatAreNotRegularFiles() {
    const QByteArray golden = ReadFile(Data("four_members_example.html"));
    const QString input = Data("four_members_example.kaz");
    QTemporaryDir dir;

    Result r = RunKaz2Html({input, QStringLiteral("/dev/null")});
    QCOMPARE(r.exitCode, 0);
    struct stat st {};
    QVERIFY(::stat("/dev/null", &st) == 0 && S_ISCHR(st.st_mode));

    r = RunKaz2Html({input, QStringLiteral("/dev/full")});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(QString::fromUtf8(r.err).contains(QStringLiteral("ﾃﾞｨｽｸがいっぱい")), r.err.constData());

    r = RunKaz2Html({input, QStringLiteral("/dev/stdout")});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.out == golden);

    const QString target = dir.filePath(QStringLiteral("target.html"));
    const QString link = dir.filePath(QStringLiteral("link.html"));
    QVERIFY(WriteFile(target, "old"));
    QVERIFY(QFile::link(QStringLiteral("target.html"), link));
    r = RunKaz2Html({input, link});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(QFileInfo(link).symLinkTarget(), target);
    QVERIFY(ReadFile(target) == golden);

    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    QProcess reader;
    reader.start(QStringLiteral("cat"), {fifo});
    QVERIFY(reader.waitForStarted());
    // Without a reader yet the write is refused rather than left waiting; try until cat is in.
    for (int attempt = 0; attempt < 100; ++attempt) {
        r = RunKaz2Html({input, fifo});
        if (r.exitCode == 0) break;
        QTest::qWait(50);
    }
    QCOMPARE(r.exitCode, 0);
    QVERIFY(reader.waitForFinished());
    QVERIFY(reader.readAllStandardOutput() == golden);
    QVERIFY(QFileInfo(fifo).isFile() == false);
}

// Running out of memory is a message and exit status 1, not an abort.
void Kaz2HtmlTest::outOfMemory() {
    if (KAZ_SANITIZED) QSKIP("the sanitizers bring their own allocator");
    QTemporaryDir dir;
    kaz::Bracket bracket(4);
    bracket.SetChampion(std::string(3 << 20, 'x'));
    const std::string bytes = kaz::WriteKaz(bracket);
    const QString input = dir.filePath(QStringLiteral("big.kaz"));
    QVERIFY(WriteFile(input, QByteArray(bytes.data(), qsizetype(bytes.size()))));

    const Result r = RunKaz2Html({input}, QString(), {{"KAZ_FAULT_MALLOC_MIN", "1048576"}});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(QString::fromUtf8(r.err).contains(QStringLiteral("ﾄﾞｷｭﾒﾝﾄを開くことに失敗しました。")),
             r.err.constData());
}

QTEST_GUILESS_MAIN(Kaz2HtmlTest)
#include "tst_kaz2html.moc"
