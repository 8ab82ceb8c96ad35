// Runs the real kazdraw: a drawn bracket that the editor's load path reads, standard input,
// what it prints, and that refused lists and wrong arguments leave no file behind.

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "bracket/sheet_info.h"
#include "bracket/sheet_marks.h"
#include "cli_test_support.h"
#include "io/bracket_file.h"
#include "pools/pool_file.h"
#include "text/cp932.h"

using namespace clitest;

Q_DECLARE_METATYPE(kaz::SheetLanguage)

namespace {

Result runKazDraw(const QStringList& args) { return runTool(QStringLiteral(KAZDRAW_PATH), args); }

const QString kUsage = QStringLiteral(
    "使い方: kazdraw [--size 4|8|16|32|64|128] [--seed N] [--in-order] [--ignore-clubs] "
    "[--club-in-name] [--title 表題] [--third-place] [--two-sided] [--language ja|en] "
    "[--encoding 文字コード] リスト 出力.kaz\n"
    "       kazdraw --pools N|--pool-size K [--through 1|2] [--seed N] [--ignore-clubs] "
    "[--title 表題] [--language ja|en] [--encoding 文字コード] リスト 出力.kazpool\n"
    "       kazdraw --from-pools [--seed N] [--in-order] [--title 表題] [--third-place] "
    "[--two-sided] [--language ja|en] 予選リーグ.kazpool 出力.kaz");

// Seven entrants, two of club A高 and one seeded: an 8-member bracket with one bye.
const QByteArray kList =
    "名前,所属,シード\n山田,A高,1\n佐藤,A高\n鈴木,B高\n田中\n高橋,B高\n伊藤\n渡辺,C高\n";

// `list` from standard input, drawn in list order with draw number 1, written to `out`.
Result drawInOrder(const QByteArray& list, const QString& out) {
    return runToolWithInput(QStringLiteral(KAZDRAW_PATH),
                            {QStringLiteral("--seed"), QStringLiteral("1"),
                             QStringLiteral("--in-order"), QStringLiteral("-"), out},
                            list);
}

QStringList memberNames(const kaz::Bracket& bracket) {
    QStringList names;
    for (int i = 0; i < bracket.memberCount(); ++i) {
        names << QString::fromStdString(bracket.memberName(i));
    }
    return names;
}

}  // namespace

class TestKazDraw : public QObject {
    Q_OBJECT

private slots:
    void drawsAndWrites();
    void drawsPools();
    void standardInput();
    void printsEarlyMeetings();
    void blockOnlyWithSomethingToKeep_data();
    void blockOnlyWithSomethingToKeep();
    void notesOnStandardError();
    void listEncoding_data();
    void listEncoding();
    void newNumberWithoutSeed();
    void help();
    void localesLanguage_data();
    void localesLanguage();
    void wrongArguments_data();
    void wrongArguments();
    void refused_data();
    void refused();
};

void TestKazDraw::drawsAndWrites() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString list = dir.filePath(QStringLiteral("一覧.csv"));
    const QString out = dir.filePath(QStringLiteral("組み合わせ.kaz"));
    QVERIFY(writeFile(list, kList));

    const Result r = runKazDraw({QStringLiteral("--seed"), QStringLiteral("4321"),
                                 QStringLiteral("--club-in-name"), QStringLiteral("--title"),
                                 QStringLiteral("春季大会"), list, out});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.err, QByteArray());
    QCOMPARE(r.out, QByteArray("抽選番号 4321\n"));

    const kaz::Result<kaz::Bracket> loaded =
        kaz::loadBracketFile(out.toStdString(), kaz::ReadableFiles::RegularOnly);
    QVERIFY2(loaded, loaded ? "" : kaz::japaneseText(loaded.failure().message()).c_str());
    const kaz::Bracket& bracket = *loaded;
    QCOMPARE(bracket.memberCount(), 8);
    QStringList names = memberNames(bracket);
    QCOMPARE(names.first(), QStringLiteral("山田（A高）"));  // seed 1 at the top
    QCOMPARE(names.at(1), QString());                        // the bye, seed 8, facing it
    QCOMPARE(bracket.lineState(0), kaz::LineState::Won);
    QCOMPARE(bracket.lineState(8), kaz::LineState::Advanced);
    // The sheet: the title, the seed and the bye, the draw number; the clubs went into the names.
    const kaz::SheetInfo& sheet = bracket.sheet();
    QCOMPARE(QString::fromStdString(sheet.title), QStringLiteral("春季大会"));
    QCOMPARE(bracket.memberSeed(0), 1);
    QVERIFY(bracket.isBye(1));
    QCOMPARE(sheet.drawNumber, std::optional<uint32_t>(4321));
    QVERIFY(!kaz::hasClubs(bracket));
    QStringList everyone{"",     "伊藤",        "佐藤（A高）", "山田（A高）", "渡辺（C高）",
                         "田中", "高橋（B高）", "鈴木（B高）"};
    everyone.sort();
    names.sort();
    QCOMPARE(names, everyone);
    // The two of A高 stand in different halves, and so do the two of B高.
    const QStringList placed = memberNames(bracket);
    QVERIFY(placed.indexOf(QStringLiteral("佐藤（A高）")) >= 4);
    QVERIFY((placed.indexOf(QStringLiteral("鈴木（B高）")) < 4) !=
            (placed.indexOf(QStringLiteral("高橋（B高）")) < 4));
}

// Pools instead of a bracket: sizes differing by one, the seed first in pool A, the pairs of
// one club that had to share a pool told.
void TestKazDraw::drawsPools() {
    QTemporaryDir dir;
    const QString list = dir.filePath(QStringLiteral("一覧.csv"));
    const QString out = dir.filePath(QStringLiteral("予選.kazpool"));
    QVERIFY(writeFile(list, kList + "中村,A高\n"));
    const Result r =
        runKazDraw({QStringLiteral("--pools"), QStringLiteral("2"), QStringLiteral("--through"),
                    QStringLiteral("2"), QStringLiteral("--seed"), QStringLiteral("9"), list, out});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.err, QByteArray());
    QVERIFY2(r.out.startsWith("抽選番号 9\n同じブロックに入った同じ所属の組:\n  "),
             r.out.constData());
    const kaz::Result<kaz::PoolStage> stage =
        kaz::loadPoolFile(out.toStdString(), kaz::ReadableFiles::RegularOnly);
    QVERIFY(stage);
    QCOMPARE(stage->pools.size(), size_t(2));
    QCOMPARE(stage->pools[0].members.size(), size_t(4));
    QCOMPARE(stage->pools[1].members.size(), size_t(4));
    QCOMPARE(stage->pools[0].members[0].name, std::string("山田"));
    QCOMPARE(stage->rules.through, 2);
    QCOMPARE(stage->drawNumber, uint32_t(9));

    // Its knockout, the runners-up in pool order, beside it: the placeholders and the link.
    const QString knockout = dir.filePath(QStringLiteral("決勝.kaz"));
    const Result k = runKazDraw({QStringLiteral("--from-pools"), QStringLiteral("--in-order"),
                                 QStringLiteral("--third-place"), out, knockout});
    QCOMPARE(k.exitCode, 0);
    QCOMPARE(k.out, QByteArray());
    const kaz::Result<kaz::Bracket> bracket =
        kaz::loadBracketFile(knockout.toStdString(), kaz::ReadableFiles::RegularOnly);
    QVERIFY(bracket);
    QCOMPARE(memberNames(*bracket),
             QStringList({"Aブロック1位", "Bブロック2位", "Aブロック2位", "Bブロック1位"}));
    QCOMPARE(bracket->sheet().poolFile, std::string("予選.kazpool"));
    QCOMPARE(bracket->sheet().thirdPlace, kaz::ThirdPlace::Match);
}

void TestKazDraw::standardInput() {
    QTemporaryDir dir;
    const QString list = dir.filePath(QStringLiteral("list.txt"));
    QVERIFY(writeFile(list, kList));
    const QString fromFile = dir.filePath(QStringLiteral("file.kaz"));
    const QString fromPipe = dir.filePath(QStringLiteral("pipe.kaz"));
    QCOMPARE(runKazDraw({QStringLiteral("--seed=9"), list, fromFile}).exitCode, 2);
    QCOMPARE(runKazDraw({QStringLiteral("--seed"), QStringLiteral("9"), list, fromFile}).exitCode,
             0);
    const Result r = runToolWithInput(
        QStringLiteral(KAZDRAW_PATH),
        {QStringLiteral("--seed"), QStringLiteral("9"), QStringLiteral("-"), fromPipe}, kList);
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QByteArray("抽選番号 9\n"));
    QVERIFY(!readFile(fromPipe).isEmpty());
    QCOMPARE(readFile(fromPipe), readFile(fromFile));
}

void TestKazDraw::printsEarlyMeetings() {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.kaz"));
    // Four of one club in a 4-member bracket: two pairs meet in the first round (準決勝).
    const Result r = drawInOrder("a,X\nb,X\nc,X\nd,X\n", out);
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(QString::fromUtf8(r.out), QStringLiteral("抽選番号 1\n"
                                                      "決勝より前に当たる同じ所属の組:\n"
                                                      "  準決勝: a と d (X)\n"
                                                      "  準決勝: c と b (X)\n"));
}

void TestKazDraw::blockOnlyWithSomethingToKeep_data() {
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("block");
    const QStringList inOrder{QStringLiteral("--in-order")};
    QTest::newRow("in order, full, nothing to keep")
        << QByteArray("a\nb\nc\nd\n") << inOrder << false;
    QTest::newRow("in order, a bye") << QByteArray("a\nb\nc\n") << inOrder << true;
    QTest::newRow("in order, a club") << QByteArray("a\nb,X\nc\nd\n") << inOrder << true;
    QTest::newRow("in order, a club in the name")
        << QByteArray("a\nb,X\nc\nd\n") << inOrder + QStringList{QStringLiteral("--club-in-name")}
        << false;
    QTest::newRow("in order, a seed") << QByteArray("a\nb,,1\nc\nd\n") << inOrder << true;
    QTest::newRow("in order, a title")
        << QByteArray("a\nb\nc\nd\n") << inOrder + QStringList{QStringLiteral("--title"), "T"}
        << true;
    QTest::newRow("by lot: the draw number") << QByteArray("a\nb\nc\nd\n") << QStringList() << true;
    QTest::newRow("in order, a third-place match")
        << QByteArray("a\nb\nc\nd\n") << inOrder + QStringList{QStringLiteral("--third-place")}
        << true;
    QTest::newRow("in order, two-sided")
        << QByteArray("a\nb\nc\nd\n") << inOrder + QStringList{QStringLiteral("--two-sided")}
        << true;
    QTest::newRow("in order, English")
        << QByteArray("a\nb\nc\nd\n") << inOrder + QStringList{"--language", "en"} << true;
    QTest::newRow("in order, Japanese")
        << QByteArray("a\nb\nc\nd\n") << inOrder + QStringList{"--language", "ja"} << false;
}

// A file gets the sheet block only when the draw has something for it; the layout options
// reach the sheet.
void TestKazDraw::blockOnlyWithSomethingToKeep() {
    QFETCH(QByteArray, list);
    QFETCH(QStringList, options);
    QFETCH(bool, block);
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.kaz"));
    const Result r = runToolWithInput(QStringLiteral(KAZDRAW_PATH),
                                      options + QStringList{QStringLiteral("-"), out}, list);
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(readFile(out).contains("KAZX"), block);
    const kaz::Result<kaz::Bracket> loaded =
        kaz::loadBracketFile(out.toStdString(), kaz::ReadableFiles::RegularOnly);
    QVERIFY(loaded);
    QCOMPARE(kaz::usesSheet(*loaded), block);
    QCOMPARE(loaded->sheet().thirdPlace, options.contains(QStringLiteral("--third-place"))
                                             ? kaz::ThirdPlace::Match
                                             : kaz::ThirdPlace::None);
    QCOMPARE(loaded->sheet().twoSided, options.contains(QStringLiteral("--two-sided")));
    QCOMPARE(loaded->sheet().language, options.contains(QStringLiteral("en"))
                                           ? kaz::SheetLanguage::English
                                           : kaz::SheetLanguage::Japanese);
}

// A character Shift_JIS cannot hold is kept as given and told, without failing.
void TestKazDraw::notesOnStandardError() {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.kaz"));
    const Result r = drawInOrder("甲\n𠮷田\n", out);
    QCOMPARE(r.exitCode, 0);
    QVERIFY2(
        QString::fromUtf8(r.err).contains(QStringLiteral("2行目: 「𠮷」は入力のまま残します。")),
        r.err.constData());
    const kaz::Result<kaz::Bracket> loaded =
        kaz::loadBracketFile(out.toStdString(), kaz::ReadableFiles::RegularOnly);
    QVERIFY(loaded);
    QVERIFY(memberNames(*loaded).contains(QStringLiteral("𠮷田")));
}

// A Windows-1252 list that also reads as Shift_JIS: the encoding chosen by the content is told,
// one chosen by the user is not.
void TestKazDraw::listEncoding_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("told");  // on standard error
    QTest::addColumn<QString>("name");  // the first in the list
    QTest::newRow("auto") << QStringList() << "文字コード: Windows-1252（自動）"
                          << QStringLiteral("María Pérez");
    QTest::newRow("chosen") << QStringList{QStringLiteral("--encoding"),
                                           QStringLiteral("Shift_JIS")}
                            << QString() << QStringLiteral("Mar僘 P駻ez");
}

void TestKazDraw::listEncoding() {
    QFETCH(QStringList, options);
    QFETCH(QString, told);
    QFETCH(QString, name);
    QTemporaryDir dir;
    const QString list = dir.filePath(QStringLiteral("list.csv"));
    QVERIFY(writeFile(list,
                      "Mar\xED"
                      "a P\xE9rez\nD\xE1niel Kov\xE1\x63s\nBj\xF6rn \xC5str\xF6m\n"));
    const QString out = dir.filePath(QStringLiteral("out.kaz"));
    const Result r = runKazDraw(options + QStringList{QStringLiteral("--in-order"), list, out});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(QString::fromUtf8(r.err).contains(QStringLiteral("文字コード:")), !told.isEmpty());
    if (!told.isEmpty()) {
        QVERIFY2(
            QString::fromUtf8(r.err).startsWith(QStringLiteral("kazdraw: %1: %2").arg(list, told)),
            r.err.constData());
    }
    const kaz::Result<kaz::Bracket> loaded =
        kaz::loadBracketFile(out.toStdString(), kaz::ReadableFiles::RegularOnly);
    QVERIFY(loaded);
    QCOMPARE(QString::fromStdString(loaded->memberName(0)), name);
}

void TestKazDraw::newNumberWithoutSeed() {
    QTemporaryDir dir;
    const QString list = dir.filePath(QStringLiteral("list.txt"));
    QVERIFY(writeFile(list, kList));
    const Result r = runKazDraw({list, dir.filePath(QStringLiteral("out.kaz"))});
    QCOMPARE(r.exitCode, 0);
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^抽選番号 (\\d+)\\n")).match(QString::fromUtf8(r.out));
    QVERIFY2(m.hasMatch(), r.out.constData());
    const int number = m.captured(1).toInt();
    QVERIFY(number >= 1 && number <= 999999);
}

void TestKazDraw::help() {
    const Result r = runKazDraw({QStringLiteral("--help"), QStringLiteral("--no-such")});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(QString::fromUtf8(r.out).startsWith(kUsage));
}

// The locale's language in the report and in errors, a club with spaces quoted whole in English;
// Japanese without a locale.
// The sheet's own words follow the locale too, by the rule of the editor's new brackets.
void TestKazDraw::localesLanguage_data() {
    QTest::addColumn<QString>("lang");  // empty: no locale variable set
    QTest::addColumn<QString>("out");   // a line of the report
    QTest::addColumn<QString>("err");   // the first line refusing "--size 5"
    QTest::addColumn<kaz::SheetLanguage>("sheet");
    QTest::newRow("English") << "en_US.UTF-8"
                             << "Players of the same club meeting before the final:"
                             << "kazdraw: --size is one of 4, 8, 16, 32, 64 and 128."
                             << kaz::SheetLanguage::English;
    QTest::newRow("no locale") << QString() << "決勝より前に当たる同じ所属の組:"
                               << "kazdraw: --size は 4、8、16、32、64、128 のどれかです。"
                               << kaz::SheetLanguage::Japanese;
}

void TestKazDraw::localesLanguage() {
    QFETCH(QString, lang);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QFETCH(kaz::SheetLanguage, sheet);
    if (lang.isEmpty() && displayLanguageDecides()) QSKIP("Windows' display language decides");
    QTemporaryDir dir;
    const QString list = dir.filePath(QStringLiteral("list.txt"));
    QVERIFY(writeFile(list,
                      "Ann Lee,Riverside Tennis Club\nBo Chen,Riverside Tennis Club\n"
                      "Cy Diaz,Riverside Tennis Club\nDee Fox,Hill\n"));
    const QString kaz = dir.filePath(QStringLiteral("out.kaz"));
    const QString program = QStringLiteral(KAZDRAW_PATH);

    Result r =
        runToolInLocale(program, {QStringLiteral("--seed"), QStringLiteral("1"), list, kaz}, lang);
    QCOMPARE(r.exitCode, 0);
    const QStringList lines = QString::fromUtf8(r.out).remove(QLatin1Char('\r')).split('\n');
    QCOMPARE(lines.value(1), out);
    // Three of one club in four places meet before the final, the club named whole.
    const QString club = lang.isEmpty() ? QStringLiteral("(Riverside Tennis Club)")
                                        : QStringLiteral("(\"Riverside Tennis Club\")");
    QVERIFY2(lines.value(2).endsWith(club), qPrintable(lines.value(2)));
    const kaz::Result<kaz::Bracket> drawn =
        kaz::loadBracketFile(kaz.toStdString(), kaz::ReadableFiles::RegularOnly);
    QVERIFY(drawn);
    QCOMPARE(drawn->sheet().language, sheet);

    r = runToolInLocale(program, {QStringLiteral("--size"), QStringLiteral("5"), list, kaz}, lang);
    QCOMPARE(r.exitCode, 2);
    QCOMPARE(QString::fromUtf8(r.err).remove(QLatin1Char('\r')).split('\n').first(), err);
}

void TestKazDraw::wrongArguments_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    const QString list = QStringLiteral("LIST");
    const QString out = QStringLiteral("OUT.kaz");
    QTest::newRow("nothing") << QStringList()
                             << QStringLiteral("参加者リストが指定されていません。");
    QTest::newRow("no output") << QStringList{list}
                               << QStringLiteral("出力ファイルが指定されていません。");
    QTest::newRow("three files") << QStringList{list, out, QStringLiteral("x")}
                                 << QStringLiteral("引数が多すぎます。");
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--lot"), list, out}
                                    << QStringLiteral("--lot というオプションはありません。");
    QTest::newRow("no pools") << QStringList{QStringLiteral("--pools"), QStringLiteral("0"), list,
                                             out}
                              << QStringLiteral("--pools は 1 から 32 までの整数です。");
    QTest::newRow("pools and their size")
        << QStringList{QStringLiteral("--pools"),
                       QStringLiteral("2"),
                       QStringLiteral("--pool-size"),
                       QStringLiteral("4"),
                       list,
                       out}
        << QStringLiteral("--pools と --pool-size は一緒に使えません。");
    QTest::newRow("a bracket's size from pools")
        << QStringList{QStringLiteral("--from-pools"), QStringLiteral("--size"),
                       QStringLiteral("8"), list, out}
        << QStringLiteral("--size は --from-pools と一緒に使えません。");
    QTest::newRow("pools with a bracket's size")
        << QStringList{QStringLiteral("--pool-size"),
                       QStringLiteral("4"),
                       QStringLiteral("--size"),
                       QStringLiteral("8"),
                       list,
                       out}
        << QStringLiteral("--size はトーナメント表の抽選にだけ使えます。");
    QTest::newRow("size 12") << QStringList{QStringLiteral("--size"), QStringLiteral("12"), list,
                                            out}
                             << QStringLiteral("--size は 4、8、16、32、64、128 のどれかです。");
    QTest::newRow("size 256") << QStringList{QStringLiteral("--size"), QStringLiteral("256"), list,
                                             out}
                              << QStringLiteral("--size は 4、8、16、32、64、128 のどれかです。");
    QTest::newRow("size without value") << QStringList{list, out, QStringLiteral("--size")}
                                        << QStringLiteral("--size には値が必要です。");
    QTest::newRow("seed 0") << QStringList{QStringLiteral("--seed"), QStringLiteral("0"), list, out}
                            << QStringLiteral("--seed は 1 から 999999 までの整数です。");
    QTest::newRow("seed 1000000") << QStringList{QStringLiteral("--seed"),
                                                 QStringLiteral("1000000"), list, out}
                                  << QStringLiteral("--seed は 1 から 999999 までの整数です。");
    QTest::newRow("title too long")
        << QStringList{QStringLiteral("--title"), QString(129, QChar(0x3042)), list, out}
        << QStringLiteral("--title は 128 文字までです。");
    QTest::newRow("title with a tab")
        << QStringList{QStringLiteral("--title"), QStringLiteral("a\tb"), list, out}
        << QStringLiteral("--title に制御文字は使えません。");
    QTest::newRow("language de") << QStringList{QStringLiteral("--language"), QStringLiteral("de"),
                                                list, out}
                                 << QStringLiteral("--language は ja か en です。");
    QTest::newRow("encoding latin1")
        << QStringList{QStringLiteral("--encoding"), QStringLiteral("latin1"), list, out}
        << QStringLiteral("--encoding は auto、utf-8、shift_jis、windows-1252 のどれかです。");
    QTest::newRow("output to standard output")
        << QStringList{list, QStringLiteral("-")}
        << QStringLiteral("トーナメント表は標準出力には書けません。");
}

void TestKazDraw::wrongArguments() {
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath(QStringLiteral("LIST")), kList));
    for (QString& arg : args) {
        if (arg == QStringLiteral("LIST") || arg == QStringLiteral("OUT.kaz")) {
            arg = dir.filePath(arg);
        }
    }
    const Result r = runKazDraw(args);
    QCOMPARE(r.exitCode, 2);
    QCOMPARE(r.out, QByteArray());
    // Standard error is text: on Windows its lines end in CR LF.
    QCOMPARE(
        QString::fromUtf8(r.err).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
        QStringLiteral("kazdraw: ") + message + QLatin1Char('\n') + kUsage + QLatin1Char('\n'));
    QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("LIST")});
}

void TestKazDraw::refused_data() {
    QTest::addColumn<QByteArray>("list");  // empty: no list file
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("message");  // %1: the list's path, %2: the output's
    QTest::addColumn<QString>("output");   // an existing file: out.kaz, "old", or the list
    QTest::addColumn<int>("exitCode");
    QTest::newRow("a line refused")
        << QByteArray("山田\n,A高\n佐藤\n") << QStringList()
        << QStringLiteral("kazdraw: %1: 2行目: 名前がありません。\n") << "out.kaz" << 1;
    QTest::newRow("size too large")
        << QByteArray("a\nb\nc\nd\ne\n")
        << QStringList{QStringLiteral("--size"), QStringLiteral("16")}
        << QStringLiteral(
               "kazdraw: 5人に 16人用は大きすぎます。表は参加者数の 2 倍まで (8人用まで) です。\n")
        << "out.kaz" << 1;
    QTest::newRow("size too small")
        << QByteArray("a\nb\nc\nd\ne\n")
        << QStringList{QStringLiteral("--size"), QStringLiteral("4")}
        << QStringLiteral("kazdraw: 5人の組み合わせに 4人用は使えません。\n") << "out.kaz" << 1;
    QTest::newRow("club too long for its column")
        << QByteArray("a," + QByteArray(65, 'c') + "\nb\n") << QStringList()
        << QStringLiteral("kazdraw: %1: 1行目: 所属が長すぎます (64 文字まで)。\n") << "out.kaz"
        << 1;
    QTest::newRow("over 1 MiB") << QByteArray((1 << 20) + 1, '#') << QStringList()
                                << QStringLiteral(
                                       "kazdraw: %1: 参加者リストが大きすぎます (1 MiB まで)。\n")
                                << "out.kaz" << 1;
    QTest::newRow("no list file") << QByteArray() << QStringList()
                                  << QStringLiteral("kazdraw: %1 が見つかりませんでした。\n")
                                  << "out.kaz" << 1;
    QTest::newRow("output is the list")
        << kList << QStringList()
        << QStringLiteral("kazdraw: %2 は入力ファイルそのものです。上書きしません。\n")
        << "list.txt" << 2;
    QTest::newRow("output is a page")
        << kList << QStringList()
        << QStringLiteral("kazdraw: %2 は HTML ページです。上書きしません。\n") << "page.html" << 2;
}

// A refused list, or an output that may not be replaced, leaves that output as it was.
void TestKazDraw::refused() {
    QFETCH(QByteArray, list);
    QFETCH(QStringList, options);
    QFETCH(QString, message);
    QFETCH(QString, output);
    QFETCH(int, exitCode);
    QTemporaryDir dir;
    const QString listPath = dir.filePath(QStringLiteral("list.txt"));
    if (!list.isEmpty()) QVERIFY(writeFile(listPath, list));
    const QString out = dir.filePath(output);
    if (out != listPath) QVERIFY(writeFile(out, "old"));
    const QByteArray old = readFile(out);
    const Result r = runKazDraw(options + QStringList{listPath, out});
    QCOMPARE(r.exitCode, exitCode);
    QCOMPARE(r.out, QByteArray());
    // Standard error is text: on Windows its lines end in CR LF.
    QCOMPARE(QString::fromUtf8(r.err).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
             message.replace(QStringLiteral("%1"), listPath).replace(QStringLiteral("%2"), out));
    QCOMPARE(readFile(out), old);
    QCOMPARE(entries(dir.path()).size(), list.isEmpty() || out == listPath ? 1 : 2);
}

QTEST_GUILESS_MAIN(TestKazDraw)
#include "tst_kazdraw.moc"
