#include <QTest>
#include <cstdint>
#include <cstdlib>
#include <new>

#include "bracket/bracket.h"
#include "core_test_support.h"
#include "io/kaz_format.h"
#include "text/text_limits.h"

using namespace kaz;
using namespace std::literals;
using kaztest::hex;
using kaztest::readTestData;
using kaztest::toBytes;
using kaztest::toStd;

// The reader must check every count and length against the bytes left before it allocates:
// in this test program any single allocation above 64 MiB fails the test run at once.
namespace {
constexpr size_t kAllocationLimit = size_t{64} << 20;
void* allocate(size_t size) {
    if (size > kAllocationLimit) {
        std::fprintf(stderr, "FAIL: allocation of %zu bytes\n", size);
        std::abort();
    }
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
}  // namespace
void* operator new(size_t size) { return allocate(size); }
void* operator new[](size_t size) { return allocate(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }
void operator delete[](void* p, size_t) noexcept { std::free(p); }

namespace {

// Builds file bytes by hand, independently of the writer under test.
class Bytes {
public:
    Bytes& i32(int64_t v) {
        for (int i = 0; i < 4; ++i) m_data += static_cast<char>((v >> (8 * i)) & 0xFF);
        return *this;
    }
    Bytes& raw(std::string_view raw) {
        m_data.append(raw.data(), raw.size());
        return *this;
    }
    Bytes& str(std::string_view text) {  // one-byte prefix
        m_data += static_cast<char>(text.size());
        return raw(text);
    }
    Bytes& lines(int count, int state = 0) {
        for (int i = 0; i < count; ++i) i32(state).str("");
        return *this;
    }
    Bytes& colors() {
        for (const char* c : {"#DC143C", "#808080", "#FFFFFF", "#000000", "#FF9000"}) str(c);
        return *this;
    }
    // The head of a 4-member file: the member count, then the names a … d.
    Bytes& fourNames(int64_t members = 4) {
        return i32(members).str("a").str("b").str("c").str("d");
    }
    // What follows the lines: the round count, the colours and no champion.
    Bytes& end(int64_t rounds = 3) { return i32(rounds).colors().str(""); }
    // A whole 4-member file in which `name0` stands for the first name's bytes.
    static std::string fourMembers(std::string_view name0) {
        return Bytes().i32(4).raw(name0).str("b").str("c").str("d").i32(7).lines(7).end().m_data;
    }
    std::string m_data;
};

std::string repeat(char c, size_t n) { return std::string(n, c); }

}  // namespace

class TestKazFormat : public QObject {
    Q_OBJECT

private slots:
    void writesTheExampleByteForByte();
    void stringPrefixes_data();
    void stringPrefixes();
    void readsTheExample();
    void readsEveryPrefixForm_data();
    void readsEveryPrefixForm();
    void readsUtf16Names();
    void ignoresTrailingBytes();
    void refuses_data();
    void refuses();
    void refusesEveryCutFile_data();
    void refusesEveryCutFile();
    void keepsStatesOutsideTheRange();
    void roundTrip_data();
    void roundTrip();
};

void TestKazFormat::writesTheExampleByteForByte() {
    Bracket bracket(4);
    const std::string senshu = "\x91\x49\x8E\xE8";                                 // 選手
    for (int i = 0; i < 4; ++i) bracket.setMemberName(i, senshu + char('A' + i));  // 選手A …
    bracket.setLineScore(0, "3");
    const QByteArray golden = readTestData("four_members.kaz");
    QCOMPARE(golden.size(), 113);
    QCOMPARE(toBytes(writeKaz(bracket)).toHex(' '), golden.toHex(' '));
}

void TestKazFormat::stringPrefixes_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<QByteArray>("prefix");
    QTest::newRow("0") << 0 << QByteArray::fromHex("00");
    QTest::newRow("1") << 1 << QByteArray::fromHex("01");
    QTest::newRow("254") << 254 << QByteArray::fromHex("FE");
    QTest::newRow("255") << 255 << QByteArray::fromHex("FFFF00");
    QTest::newRow("256") << 256 << QByteArray::fromHex("FF0001");
    QTest::newRow("300") << 300 << QByteArray::fromHex("FF2C01");
    // The longest champion's name the editor takes, as long as a member's.
    QTest::newRow("champion limit") << int(kMaxChampionBytes) << QByteArray::fromHex("FFFF7F");
    QTest::newRow("65533") << 65533 << QByteArray::fromHex("FFFDFF");
    QTest::newRow("65534") << 65534 << QByteArray::fromHex("FFFFFFFEFF0000");
    QTest::newRow("65535") << 65535 << QByteArray::fromHex("FFFFFFFFFF0000");
    QTest::newRow("70000") << 70000 << QByteArray::fromHex("FFFFFF70110100");
}

// The prefix is followed by exactly the text, and a file with such a name reads back.
void TestKazFormat::stringPrefixes() {
    QFETCH(int, length);
    QFETCH(QByteArray, prefix);
    const std::string text = repeat('x', size_t(length));
    std::string out = "~";
    appendKazString(out, text);
    QCOMPARE(toBytes(out.substr(1, size_t(prefix.size()))).toHex(), prefix.toHex());
    QCOMPARE(out.size(), 1 + size_t(prefix.size()) + size_t(length));
    QCOMPARE(out.substr(1 + size_t(prefix.size())), text);

    Bracket bracket(4);
    bracket.setMemberName(2, text);
    bracket.setLineScore(6, text);
    bracket.setChampion(text);
    const std::optional<Bracket> read = readKaz(writeKaz(bracket));
    QVERIFY(read);
    QCOMPARE(read->memberName(2), text);
    QCOMPARE(read->lineScore(6), text);
    QCOMPARE(read->champion(), text);
}

void TestKazFormat::readsTheExample() {
    const std::optional<Bracket> bracket = readKaz(toStd(readTestData("four_members.kaz")));
    QVERIFY(bracket);
    QCOMPARE(bracket->memberCount(), 4);
    QCOMPARE(bracket->roundCount(), 3);
    QCOMPARE(bracket->lineCount(), 7);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(bracket->memberName(i), std::string("\x91\x49\x8E\xE8") + char('A' + i));
    }
    QCOMPARE(bracket->lineScore(0), std::string("3"));
    for (int line = 0; line < 7; ++line) {
        QCOMPARE(int(bracket->lineState(line)), 0);
        if (line > 0) QVERIFY(bracket->lineScore(line).empty());
    }
    QVERIFY(bracket->colors() == ColorSet());
    QVERIFY(bracket->champion().empty());
    QVERIFY(!bracket->boldMemberNames());
    QVERIFY(!bracket->boldScores());
}

void TestKazFormat::readsEveryPrefixForm_data() {
    QTest::addColumn<QByteArray>("stored");  // the first name as stored
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("1 byte") << QByteArray::fromHex("03616263") << QByteArray("abc");
    QTest::newRow("1 byte, empty") << QByteArray::fromHex("00") << QByteArray();
    QTest::newRow("3 bytes, short") << QByteArray::fromHex("FF0300616263") << QByteArray("abc");
    QTest::newRow("3 bytes, empty") << QByteArray::fromHex("FF0000") << QByteArray();
    QTest::newRow("3 bytes, 300") << QByteArray::fromHex("FF2C01") + QByteArray(300, 'y')
                                  << QByteArray(300, 'y');
    QTest::newRow("7 bytes, short")
        << QByteArray::fromHex("FFFFFF020000006869") << QByteArray("hi");
    QTest::newRow("7 bytes, 65536")
        << QByteArray::fromHex("FFFFFF00000100") + QByteArray(65536, 'z') << QByteArray(65536, 'z');
    QTest::newRow("UTF-16, 1 byte")
        << QByteArray::fromHex("FFFEFF02715C3075") << QByteArray("\x8E\x52\x93\x63");  // 山田
    QTest::newRow("UTF-16, empty") << QByteArray::fromHex("FFFEFF00") << QByteArray();
    QTest::newRow("UTF-16, 3 bytes")
        << QByteArray::fromHex("FFFEFFFF020041004200") << QByteArray("AB");
    QTest::newRow("UTF-16, 7 bytes")
        << QByteArray::fromHex("FFFEFFFFFFFF010000005EFF") << QByteArray("\x81\x60");  // U+FF5E
    QTest::newRow("UTF-16, unencodable")
        << QByteArray::fromHex("FFFEFF033DD800DE4100") << QByteArray("?A");
    QTest::newRow("UTF-16 of 300 units")
        << QByteArray::fromHex("FFFEFFFF2C01") + QByteArray("a\0", 2).repeated(300)
        << QByteArray(300, 'a');
}

void TestKazFormat::readsEveryPrefixForm() {
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, name);
    const std::string file = Bytes::fourMembers(toStd(stored));
    const std::optional<Bracket> bracket = readKaz(file);
    QVERIFY(bracket);
    QCOMPARE(hex(bracket->memberName(0)), name.toHex(' '));
    QCOMPARE(bracket->memberName(1), std::string("b"));
    QVERIFY(!bracket->isChanged());

    // Written back in the single-byte form with the shortest prefix.
    std::string expected;
    appendKazString(expected, toStd(name));
    QCOMPARE(hex(writeKaz(*bracket)), hex(Bytes::fourMembers(expected)));
}

void TestKazFormat::readsUtf16Names() {
    const std::optional<Bracket> bracket = readKaz(toStd(readTestData("eight_members_utf16.kaz")));
    QVERIFY(bracket);
    QCOMPARE(bracket->memberCount(), 8);
    QCOMPARE(hex(bracket->memberName(0)), hex("\x8E\x52\x93\x63"));          // 山田
    QCOMPARE(hex(bracket->memberName(1)), hex("\x97\xE9\x96\xD8\x81\x60"));  // 鈴木～
    QCOMPARE(bracket->memberName(2), std::string("?x"));  // an emoji CP932 cannot hold
    QCOMPARE(bracket->memberName(3), std::string());
    QCOMPARE(bracket->memberName(7), std::string("D"));

    const std::string written = writeKaz(*bracket);
    QVERIFY(written.find("\xFF\xFE\xFF") == std::string::npos);
    QCOMPARE(hex(written.substr(4, 5)), hex("\x04\x8E\x52\x93\x63"));
    const std::optional<Bracket> again = readKaz(written);
    QVERIFY(again);
    QCOMPARE(writeKaz(*again), written);
}

void TestKazFormat::ignoresTrailingBytes() {
    const std::string golden = toStd(readTestData("four_members.kaz"));
    for (const std::string& tail :
         {std::string(1, '\0'), std::string("\xFF\xFF\xFF\xFF"), golden, repeat('\x07', 5000)}) {
        const std::optional<Bracket> bracket = readKaz(golden + tail);
        QVERIFY(bracket);
        QCOMPARE(hex(writeKaz(*bracket)), hex(golden));
    }
}

void TestKazFormat::refuses_data() {
    QTest::addColumn<QByteArray>("file");
    auto row = [](const char* name, const std::string& bytes) {
        QTest::newRow(name) << toBytes(bytes);
    };
    auto withCount = [](int64_t members) {
        return Bytes().fourNames(members).i32(7).lines(7).end().m_data;
    };
    row("empty file", "");
    row("member count 0", withCount(0));
    row("member count 5", withCount(5));
    row("member count 2", withCount(2));
    row("member count 64", withCount(64));
    row("member count -1", withCount(-1));
    row("member count -4", withCount(-4));
    row("member count 0x80000000", withCount(0x80000000));

    auto withShape = [](int64_t lines, int64_t rounds) {
        return Bytes().fourNames().i32(lines).lines(7).end(rounds).m_data;
    };
    row("rounds 2", withShape(7, 2));
    row("rounds 4", withShape(7, 4));
    row("rounds 0", withShape(7, 0));
    row("rounds -3", withShape(7, -3));
    row("line count 0", withShape(0, 3));
    row("line count 6", withShape(6, 3));
    row("line count 8", withShape(8, 3));
    row("line count 15", withShape(15, 3));
    row("line count 0xFFFFFFFF", withShape(0xFFFFFFFF, 3));
    row("line count 0x80000007", withShape(0x80000007, 3));
    row("line count 0xFFFFFFFF, nothing after", Bytes().fourNames().i32(0xFFFFFFFF).m_data);
    row("8 members with 4-member rounds", Bytes()
                                              .i32(8)
                                              .str("")
                                              .str("")
                                              .str("")
                                              .str("")
                                              .str("")
                                              .str("")
                                              .str("")
                                              .str("")
                                              .i32(15)
                                              .lines(15)
                                              .i32(3)
                                              .colors()
                                              .str("")
                                              .m_data);

    // A length prefix larger than the bytes left, in every form.
    row("1-byte length too long", Bytes::fourMembers("\xFE"
                                                     "abc"sv));
    row("16-bit length too long", Bytes::fourMembers("\xFF\x00\x10"
                                                     "abc"sv));
    row("16-bit length FFFD", Bytes::fourMembers("\xFF\xFD\xFF"sv));
    row("32-bit length FFFFFFF0", Bytes::fourMembers("\xFF\xFF\xFF\xF0\xFF\xFF\xFF"sv));
    row("32-bit length FFFFFFFF", Bytes::fourMembers("\xFF\xFF\xFF\xFF\xFF\xFF\xFF"sv));
    row("32-bit length 80000000", Bytes::fourMembers("\xFF\xFF\xFF\x00\x00\x00\x80"sv));
    row("UTF-16 1-byte length too long", Bytes::fourMembers("\xFF\xFE\xFF\xF0"
                                                            "a"sv));
    row("UTF-16 text one byte short", Bytes()
                                          .i32(4)
                                          .raw("\xFF\xFE\xFF\x02"
                                               "a\0b"sv)
                                          .m_data);
    row("UTF-16 16-bit length too long", Bytes::fourMembers("\xFF\xFE\xFF\xFF\x00\x80"sv));
    row("UTF-16 32-bit length 7FFFFFFF",
        Bytes::fourMembers("\xFF\xFE\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x7F"sv));
    row("UTF-16 32-bit length FFFFFFFF",
        Bytes::fourMembers("\xFF\xFE\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF"sv));
    row("UTF-16 32-bit length 80000000 (doubles to 2^32)",
        Bytes::fourMembers("\xFF\xFE\xFF\xFF\xFF\xFF\x00\x00\x00\x80"sv));
    row("score length too long",
        Bytes().fourNames().i32(7).i32(0).raw("\xFF\xFF\xFF\xF0\xFF\xFF\xFF"sv).m_data);
    row("champion length too long", Bytes()
                                        .fourNames()
                                        .i32(7)
                                        .lines(7)
                                        .i32(3)
                                        .colors()
                                        .raw("\x05"
                                             "abcd"sv)
                                        .m_data);
}

// Every refusal gives nothing back (and allocates nothing big on the way).
void TestKazFormat::refuses() {
    QFETCH(QByteArray, file);
    QVERIFY(!readKaz(toStd(file)));
}

void TestKazFormat::refusesEveryCutFile_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("4 members") << readTestData("four_members.kaz");
    QTest::newRow("32 members") << readTestData("thirty_two_members.kaz");
    QTest::newRow("UTF-16 names") << readTestData("eight_members_utf16.kaz");

    Bracket big(32);
    for (int i = 0; i < 32; ++i)
        big.setMemberName(i, repeat(char('A' + i % 26), 250 + 4 * size_t(i)));
    for (int line = 0; line < big.lineCount(); ++line) {
        big.setLineState(line, LineState(line % 5));
        big.setLineScore(line, repeat('9', size_t(line % 10)));
    }
    big.setChampion(repeat('C', 1000));
    QTest::newRow("32 members, long names") << toBytes(writeKaz(big));

    Bracket longChampion(4);
    longChampion.setChampion(repeat('C', 65534));  // the 7-byte prefix
    QTest::newRow("4 members, 65534-byte champion") << toBytes(writeKaz(longChampion));
}

// A file that ends anywhere before the last byte of the champion name is refused.
void TestKazFormat::refusesEveryCutFile() {
    QFETCH(QByteArray, file);
    const std::string bytes = toStd(file);
    QVERIFY(readKaz(bytes));
    for (size_t size = 0; size < bytes.size(); ++size) {
        if (readKaz(std::string_view(bytes).substr(0, size))) {
            QFAIL(qPrintable(QStringLiteral("a file cut to %1 of %2 bytes was read")
                                 .arg(size)
                                 .arg(bytes.size())));
        }
    }
}

void TestKazFormat::keepsStatesOutsideTheRange() {
    const std::string file = Bytes()
                                 .fourNames()
                                 .i32(7)
                                 .i32(7)
                                 .str("")
                                 .i32(-1)
                                 .str("x")
                                 .i32(INT32_MIN)
                                 .str("")
                                 .i32(INT32_MAX)
                                 .str("")
                                 .i32(5)
                                 .str("")
                                 .lines(2)
                                 .end()
                                 .m_data;
    const std::optional<Bracket> bracket = readKaz(file);
    QVERIFY(bracket);
    QCOMPARE(int(bracket->lineState(0)), 7);
    QCOMPARE(int(bracket->lineState(1)), -1);
    QCOMPARE(int(bracket->lineState(2)), int(INT32_MIN));
    QCOMPARE(int(bracket->lineState(3)), int(INT32_MAX));
    QCOMPARE(int(bracket->lineState(4)), 5);
    QVERIFY(!bracket->isChanged());
    QCOMPARE(hex(writeKaz(*bracket)), hex(file));
}

void TestKazFormat::roundTrip_data() {
    QTest::addColumn<int>("members");
    for (int members : {4, 8, 16, 32}) QTest::addRow("%d", members) << members;
}

void TestKazFormat::roundTrip() {
    QFETCH(int, members);
    Bracket bracket(members);
    for (int i = 0; i < members; ++i) {
        // 選手 and a half-width kana digit sequence, plus one empty and one awkward name.
        bracket.setMemberName(i, "\x91\x49\x8E\xE8\xB1" + std::to_string(i));
    }
    bracket.setMemberName(1, "");
    bracket.setMemberName(2, "\x83\x5C\x95\x5C<&>\"");
    for (int line = 0; line < bracket.lineCount(); ++line) {
        bracket.setLineState(line, LineState((line * 7) % 5));
        bracket.setLineScore(line,
                             line % 3 ? std::to_string(line) + "-" + std::to_string(line % 4) : "");
    }
    bracket.setChampion("\x97\x44\x8F\x9F\x81\x40X");
    for (int row = 0; row < ColorSet::kCount; ++row) {
        bracket.colors().at(row) = "#" + std::to_string(100000 + row);
    }
    bracket.colors().at(4) = "odd txt";  // seven bytes, not a colour
    bracket.setBoldFlags(true, true);

    const std::string file = writeKaz(bracket);
    const std::optional<Bracket> read = readKaz(file);
    QVERIFY(read);
    QCOMPARE(read->memberCount(), members);
    QCOMPARE(read->roundCount(), bracket.roundCount());
    QCOMPARE(read->lineCount(), bracket.lineCount());
    for (int i = 0; i < members; ++i) QCOMPARE(read->memberName(i), bracket.memberName(i));
    for (int line = 0; line < bracket.lineCount(); ++line) {
        QCOMPARE(read->lineState(line), bracket.lineState(line));
        QCOMPARE(read->lineScore(line), bracket.lineScore(line));
    }
    QCOMPARE(read->champion(), bracket.champion());
    QVERIFY(read->colors() == bracket.colors());
    QVERIFY(!read->boldMemberNames());
    QVERIFY(!read->boldScores());
    QVERIFY(!read->isChanged());
    QCOMPARE(hex(writeKaz(*read)), hex(file));
}

QTEST_GUILESS_MAIN(TestKazFormat)
#include "tst_kaz_format.moc"
