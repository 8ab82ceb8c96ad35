// Reading a list of entrants: what is taken from each line, and every refusal with its line.

#include <QTest>

#include "core_test_support.h"
#include "draw/entrant_list.h"
#include "text/cp932.h"
#include "text/document_text.h"
#include "text/text_limits.h"

using namespace kaz;
using kaztest::toStd;

namespace {

QByteArray sjisBytes(const char* utf8) {
    const std::optional<std::string> bytes = utf8ToCp932(utf8);
    return bytes ? kaztest::toBytes(*bytes) : QByteArray("(not CP932)");
}

// Each entrant as "line:name|club|seed" in UTF-8.
QStringList described(const EntrantList& list) {
    QStringList out;
    for (const Entrant& e : list.entrants) {
        out << QStringLiteral("%1:%2|%3|%4")
                   .arg(e.line)
                   .arg(QString::fromStdString(shownText(e.name)),
                        QString::fromStdString(shownText(e.club)))
                   .arg(e.seed);
    }
    return out;
}

QStringList texts(const std::vector<ListProblem>& lines) {
    QStringList out;
    for (const ListProblem& p : lines)
        out << QString::fromStdString(japaneseText(listProblemText(p)));
    return out;
}

QStringList problems(const EntrantList& list) { return texts(list.problems); }

// `utf8` as UTF-16 with its BOM.
QByteArray utf16Bytes(const char* utf8, bool bigEndian) {
    QByteArray out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const QChar unit : QString::fromUtf8(utf8)) {
        const char high = char(unit.unicode() >> 8), low = char(unit.unicode() & 0xFF);
        out.append(bigEndian ? high : low).append(bigEndian ? low : high);
    }
    return out;
}

QByteArray names(int count) {
    QByteArray text;
    for (int i = 1; i <= count; ++i) text += "選手" + QByteArray::number(i) + "\n";
    return text;
}

}  // namespace

class TestEntrantList : public QObject {
    Q_OBJECT

private slots:
    void accepted_data();
    void accepted();
    void charactersKeptAsTyped_data();
    void charactersKeptAsTyped();
    void refused_data();
    void refused();
    void problemsOfSeveralLines();
    void encodings_data();
    void encodings();
    void clubInName();
};

void TestEntrantList::accepted_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("entrants");

    QTest::newRow("UTF-8, BOM, CR LF, heading")
        << QByteArray("\xEF\xBB\xBF名前,所属,シード\r\n山田,A高,1\r\n佐藤,B高\r\n")
        << QStringList{"2:山田|A高|1", "3:佐藤|B高|0"};
    QTest::newRow("Shift_JIS, tabs")
        << sjisBytes("山田\tA高\n佐藤\t\t2\n") << QStringList{"1:山田|A高|0", "2:佐藤||2"};
    QTest::newRow("English heading of other words")
        << QByteArray("Seeding\tTeam\tPlayer\n1\tA\tAnn\n\tB\tBo\n")
        << QStringList{"2:Ann|A|1", "3:Bo|B|0"};
    QTest::newRow("English heading, comments, blanks, trimming")
        << QByteArray("Name,CLUB\n# comment\n\n  山田　 ,  A高 \n\t# another\n , ,\n佐藤\t\n")
        << QStringList{"4:山田|A高|0", "7:佐藤||0"};
    QTest::newRow("quotes, full-width seed")
        << QByteArray("\"山田, 太郎\",\"A\"\"高\"\"\",２\n \"佐藤\" ,,1\n")
        << QStringList{"1:山田, 太郎|A\"高\"|2", "2:佐藤||1"};
    QTest::newRow("heading in another order names the columns")
        << QByteArray("氏名,シード,所属\n山田,2,A高\n佐藤,1\n")
        << QStringList{"2:山田|A高|2", "3:佐藤||1"};
    QTest::newRow("heading of other words, a column it leaves out in list order")
        << QByteArray(
               "チーム\t選手名\n"
               "A高\t山田\t1\nB高\t佐藤\n")
        << QStringList{"2:山田|A高|1", "3:佐藤|B高|0"};
    QTest::newRow("full-width and mixed-case Latin heading")
        << QByteArray("Ｓｅｅｄ,ｎａｍｅ,TEAM\n1,山田,A\n,佐藤,B\n")
        << QStringList{"2:山田|A|1", "3:佐藤|B|0"};
    QTest::newRow("half-width kana heading after a comment")
        << QByteArray("# 大会\n学校,選手名,ｼｰﾄﾞ\nA,山田,1\nB,佐藤\n")
        << QStringList{"3:山田|A|1", "4:佐藤|B|0"};
    // A number column is neither name, club nor seed, wherever it stands.
    QTest::newRow("number column first")
        << QByteArray("No.,名前,所属,シード\n1,山田,A高,2\n2,佐藤,B高\n")
        << QStringList{"2:山田|A高|2", "3:佐藤|B高|0"};
    QTest::newRow("full-width number column between, a column left out after it")
        << QByteArray("名前\tＮｏ．\n山田\t1\tA高\t1\n佐藤\t2\n")
        << QStringList{"2:山田|A高|1", "3:佐藤||0"};
    QTest::newRow("\"#\" heading is no comment, later \"#\" lines are")
        << QByteArray("#\t氏名\t学校\n1\t山田\tA\n#2\t佐藤\tB\n3\t鈴木\n")
        << QStringList{"2:山田|A|0", "4:鈴木||0"};
    QTest::newRow("番号 last") << QByteArray("名前,所属,番号\n山田,A,1\n佐藤,B,2\n")
                               << QStringList{"2:山田|A|0", "3:佐藤|B|0"};
    QTest::newRow("a heading only on the first line")
        << QByteArray("山田,A\n名前,所属\n") << QStringList{"1:山田|A|0", "2:名前|所属|0"};
    QTest::newRow("tabs keep commas in names") << QByteArray("山田, 太郎\tA高\n佐藤\tB\n")
                                               << QStringList{"1:山田, 太郎|A高|0", "2:佐藤|B|0"};
    QTest::newRow("CR line ends, empty fields at the end")
        << QByteArray("山田,A高,,,,\r佐藤,,,\r") << QStringList{"1:山田|A高|0", "2:佐藤||0"};
    QTest::newRow("thirty-two") << names(32) + "# end\n\n"
                                << [] {
                                       QStringList all;
                                       for (int i = 1; i <= 32; ++i)
                                           all << QStringLiteral("%1:選手%1||0").arg(i);
                                       return all;
                                   }();
    QTest::newRow("a name at the byte limit")
        << QByteArray(int(kMaxMemberNameCharacters), 'a') + "\nb\n"
        << QStringList{"1:" + QString(int(kMaxMemberNameCharacters), 'a') + "||0", "2:b||0"};
}

void TestEntrantList::accepted() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, entrants);
    const EntrantList list = readEntrantList(toStd(bytes), false);
    QCOMPARE(problems(list), QStringList());
    QCOMPARE(texts(list.notes), QStringList());
    QCOMPARE(described(list), entrants);
}

void TestEntrantList::charactersKeptAsTyped_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("entrants");
    QTest::addColumn<QStringList>("notes");
    QTest::newRow("a name, with its line")
        << QByteArray("山田\n佐藤\n𠮷田　太郎,A高\n")
        << QStringList{"1:山田||0", "2:佐藤||0", "3:𠮷田　太郎|A高|0"}
        << QStringList{"3行目: 「𠮷」は入力のまま残します。古いプログラムでは 〓 と表示されます。"};
    QTest::newRow("name and club, each character once")
        << QByteArray("名前,所属\n佐藤😀😀,한국\n山田\n")
        << QStringList{"2:佐藤😀😀|한국|0", "3:山田||0"}
        << QStringList{
               "2行目: 「😀」、「한」、「국」は入力のまま残します。古いプログラムではどれも 〓 "
               "と表示されます。"};
    QTest::newRow("a character once, at its first line")
        << QByteArray("Zoë\nBo\nZoë Li,Zoë\n")
        << QStringList{"1:Zoë||0", "2:Bo||0", "3:Zoë Li|Zoë|0"}
        << QStringList{"1行目: 「ë」は入力のまま残します。古いプログラムでは 〓 と表示されます。"};
    QTest::newRow("a name twice, with both lines, drawn all the same")
        << QByteArray("山田,A\n佐藤\n\n山田,B\n")
        << QStringList{"1:山田|A|0", "2:佐藤||0", "4:山田|B|0"}
        << QStringList{"4行目: 名前「山田」は 1 行目と同じです。"};
}

void TestEntrantList::charactersKeptAsTyped() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, entrants);
    QFETCH(QStringList, notes);
    const EntrantList list = readEntrantList(toStd(bytes), false);
    QCOMPARE(problems(list), QStringList());
    QCOMPARE(described(list), entrants);
    QCOMPARE(texts(list.notes), notes);
}

void TestEntrantList::refused_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problem");

    QTest::newRow("one entrant") << QByteArray("山田\n")
                                 << "参加者が1人だけです。2人以上必要です。";
    QTest::newRow("none, only a heading and a comment")
        << QByteArray("名前,所属\n# x\n") << "参加者がいません。2人以上必要です。";
    QTest::newRow("129") << "# list\n" + names(129)
                         << "130行目: 参加者が多すぎます。128人までです。";
    QTest::newRow("empty name") << QByteArray("山田\n,A高\n佐藤\n") << "2行目: 名前がありません。";
    QTest::newRow("empty quoted name")
        << QByteArray("山田\n\"\"\t A高\n佐藤\n") << "2行目: 名前がありません。";
    QTest::newRow("control character")
        << QByteArray("山田\n佐\x01藤\n") << "2行目: 使えない制御文字 (U+0001) があります。";
    QTest::newRow("bytes that are no Shift_JIS")
        << sjisBytes("山田\n") + "\xFF\x82\xA0\n"
        << "2行目: Shift_JIS として読めない文字があります。リストを UTF-8 で保存し直してください。";
    QTest::newRow("U+FFFD as typed")
        << QByteArray("山田\n佐\uFFFD藤\n") << "2行目: 読めない文字 (U+FFFD) があります。";
    QTest::newRow("seed not a number")
        << QByteArray("山田,,1\n佐藤,A高,x\n")
        << "2行目: シード「x」は 1 から 2 までの整数ではありません。";
    QTest::newRow("seed zero") << QByteArray("山田,,0\n佐藤\n")
                               << "1行目: シード「0」は 1 から 2 までの整数ではありません。";
    QTest::newRow("seed beyond the count")
        << QByteArray("山田\n佐藤\n鈴木,,4\n")
        << "3行目: シード「4」は 1 から 3 までの整数ではありません。";
    QTest::newRow("seed with a fraction")
        << QByteArray("山田,,1.0\n佐藤\n")
        << "1行目: シード「1.0」は 1 から 2 までの整数ではありません。";
    QTest::newRow("same seed twice")
        << QByteArray("山田,,1\n佐藤,,2\n\n鈴木,,1\n") << "4行目: シード 1 は 1 行目と同じです。";
    QTest::newRow("name one byte too long")
        << QByteArray("a\n") + QByteArray(int(kMaxMemberNameCharacters) + 1, 'b') + "\n"
        << "2行目: 名前が長すぎます (64 文字まで)。";
    QTest::newRow("quote not closed")
        << QByteArray("\"山田,A\n佐藤\n") << "1行目: 引用符 (\") の対応が正しくありません。";
    QTest::newRow("text after a quote")
        << QByteArray("山田\n\"佐藤\"x,A\n") << "2行目: 引用符 (\") の対応が正しくありません。";
    QTest::newRow("four fields") << QByteArray("山田,A,1,x\n佐藤\n")
                                 << "1行目: 項目が多すぎます。名前、所属、シードの3つまでです。";
    QTest::newRow("a first line of heading words that fails says so")
        << QByteArray("No,氏名,学校名\n山田\n佐藤\n")
        << "1行目: 見出しの行のようです。見出しの項目は「名前」「所属」「シード」のどれかにするか、"
           "行の先頭に「#」を付けてください。";
    QTest::newRow("a heading naming a field twice is no heading")
        << QByteArray("氏名,名前,シード\n山田\n佐藤\n")
        << "1行目: 見出しの行のようです。見出しの項目は「名前」「所属」「シード」のどれかにするか、"
           "行の先頭に「#」を付けてください。";
    QTest::newRow("a later line of heading words is an entrant")
        << QByteArray("山田\n名前,所属,x\n")
        << "2行目: シード「x」は 1 から 2 までの整数ではありません。";
    QTest::newRow("two number columns are no heading")
        << QByteArray("No,名前,#\n山田\n佐藤\n")
        << "1行目: 見出しの行のようです。見出しの項目は「名前」「所属」「シード」のどれかにするか、"
           "行の先頭に「#」を付けてください。";
    QTest::newRow("a number column adds one field, not more")
        << QByteArray("No,名前\n1,山田,A,1,x\n2,佐藤\n")
        << "2行目: 項目が多すぎます。名前、所属、シードの3つまでです。";
    QTest::newRow("over 1 MiB") << QByteArray(int(kMaxEntrantListBytes) + 1, '\n')
                                << "参加者リストが大きすぎます (1 MiB まで)。";
}

void TestEntrantList::refused() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    QCOMPARE(problems(readEntrantList(toStd(bytes), false)), QStringList{problem});
}

void TestEntrantList::problemsOfSeveralLines() {
    // Each line's first problem, in line order; a list too short is told first.
    QCOMPARE(problems(readEntrantList(toStd(QByteArray(",,x\n佐藤,,x,y\nc\n")), false)),
             (QStringList{"1行目: 名前がありません。",
                          "2行目: 項目が多すぎます。名前、所属、シードの3つまでです。"}));
    QCOMPARE(problems(readEntrantList(toStd(QByteArray("a,,x\n")), false)),
             (QStringList{"参加者が1人だけです。2人以上必要です。",
                          "1行目: シード「x」は 1 から 1 までの整数ではありません。"}));
}

// The same names in every encoding a list comes in, read exactly and told which; a list of two
// encodings is refused at the lines of the fewer.
void TestEntrantList::encodings_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("choice");         // a ListEncoding
    QTest::addColumn<QString>("encoding");   // read in, "(auto)" when by content
    QTest::addColumn<QStringList>("names");  // empty for a line refused
    QTest::addColumn<QStringList>("problems");
    const int automatic = int(ListEncoding::Automatic);
    const char* everyone = "María Pérez\r\n山田 太郎,ﾃﾆｽ部\r\nBjörn Åström,𠮷野\r\n";
    const QStringList all{"María Pérez", "山田 太郎", "Björn Åström"};
    const char* japanese = "山田 太郎,ﾃﾆｽ部\n佐藤 花子,A組\nｽｽﾞｷ ｲﾁﾛｳ\n";
    const QStringList japaneseNames{"山田 太郎", "佐藤 花子", "ｽｽﾞｷ ｲﾁﾛｳ"};
    // Windows-1252, which also reads as Shift_JIS: 「Mar僘 P駻ez」…
    const QByteArray western =
        "Mar\xED"
        "a P\xE9rez\nD\xE1niel Kov\xE1\x63s\nBj\xF6rn \xC5str\xF6m\n"
        "Zo\xEB \x8Aimon \x80\n";
    const QStringList westernNames{"María Pérez", "Dániel Kovács", "Björn Åström", "Zoë Šimon €"};

    QTest::newRow("UTF-8") << QByteArray(everyone) << automatic << "UTF-8 (auto)" << all
                           << QStringList();
    QTest::newRow("UTF-8 with BOM") << "\xEF\xBB\xBF" + QByteArray(everyone) << automatic
                                    << "UTF-8 (auto)" << all << QStringList();
    QTest::newRow("UTF-16 LE") << utf16Bytes(everyone, false) << automatic << "UTF-16 (auto)" << all
                               << QStringList();
    QTest::newRow("UTF-16 BE") << utf16Bytes(everyone, true) << automatic << "UTF-16 (auto)" << all
                               << QStringList();
    QTest::newRow("Shift_JIS") << sjisBytes(japanese) << automatic << "Shift_JIS (auto)"
                               << japaneseNames << QStringList();
    QTest::newRow("Windows-1252") << western << automatic << "Windows-1252 (auto)" << westernNames
                                  << QStringList();
    QTest::newRow("Windows-1252 chosen") << western << int(ListEncoding::Windows1252)
                                         << "Windows-1252" << westernNames << QStringList();
    QTest::newRow("Shift_JIS chosen, a byte it cannot read")
        << sjisBytes(japanese) + "\xA0\x82\n"
        << int(ListEncoding::ShiftJis) << "Shift_JIS" << japaneseNames + QStringList{""}
        << QStringList{
               "4行目: Shift_JIS として読めない文字があります。リストを UTF-8 で保存し直して"
               "ください。"};
    QTest::newRow("UTF-8 chosen for Windows-1252")
        << QByteArray("Ann\nZo\xEB\n") << int(ListEncoding::Utf8) << "UTF-8"
        << QStringList{"Ann", ""}
        << QStringList{
               "2行目: UTF-8 として読めない文字があります。リストを UTF-8 で保存し直して"
               "ください。"};
    QTest::newRow("Windows-1252's unassigned byte")
        << QByteArray("Zo\xEB\nAnn\x81\n") << automatic << "Windows-1252 (auto)"
        << QStringList{"Zoë", ""}
        << QStringList{
               "2行目: Windows-1252 として読めない文字があります。リストを UTF-8 "
               "で保存し直してください。"};
    QTest::newRow("mixed, mostly UTF-8")
        << QByteArray(
               "山田\nZoë\nMar\xED"
               "a\n")
        << automatic << "UTF-8 (auto)" << QStringList{"山田", "Zoë", ""}
        << QStringList{
               "3行目: UTF-8 として読めない文字があります。リストを UTF-8 で保存し直して"
               "ください。"};
    QTest::newRow("mixed, mostly Shift_JIS")
        << sjisBytes("山田\n佐藤\n") + "鈴木\n"
        << automatic << "Shift_JIS (auto)" << QStringList{"山田", "佐藤", ""}
        << QStringList{
               "3行目: この行は UTF-8 で、リストのほかの行は Shift_JIS です。リストを UTF-8 "
               "で保存し直してください。"};
}

void TestEntrantList::encodings() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, choice);
    QFETCH(QString, encoding);
    QFETCH(QStringList, names);
    QFETCH(QStringList, problems);
    const EntrantList list = readEntrantList(toStd(bytes), false, ListEncoding(choice));
    QCOMPARE(QString::fromLatin1(encodingName(list.encoding)) +
                 (list.encodingAutomatic ? QStringLiteral(" (auto)") : QString()),
             encoding);
    QStringList read;
    for (const Entrant& e : list.entrants) read << QString::fromStdString(e.name);
    QCOMPARE(read, names);
    QCOMPARE(texts(list.problems), problems);
}

void TestEntrantList::clubInName() {
    // The limit counts the name as the bracket gets it: name, club and the two brackets.
    const QByteArray list = QByteArray(int(kMaxMemberNameCharacters) - 3, 'a') + ",AB\nb,C\n";
    QCOMPARE(problems(readEntrantList(toStd(list), false)), QStringList());
    QCOMPARE(problems(readEntrantList(toStd(list), true)),
             QStringList{"1行目: 名前と所属が長すぎます (名前（所属）で 64 文字まで)。"});
}

QTEST_GUILESS_MAIN(TestEntrantList)
#include "tst_entrant_list.moc"
