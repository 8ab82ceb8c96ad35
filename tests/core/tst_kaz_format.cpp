#include <QTest>
#include <cstdint>
#include <cstdlib>
#include <new>

#include "bracket/bracket.h"
#include "io/kaz_format.h"
#include "core_test_support.h"

using namespace kaz;
using namespace std::literals;
using kaztest::Hex;
using kaztest::ReadTestData;
using kaztest::ToBytes;
using kaztest::ToStd;

// The reader must check every count and length against the bytes left before it allocates:
// in this test program any single allocation above 64 MiB fails the test run at once.
namespace {
constexpr size_t kAllocationLimit = size_t{64} << 20;
void* Allocate(size_t size) {
    if (size > kAllocationLimit) {
        std::fprintf(stderr, "FAIL: allocation of %zu bytes\n", size);
        std::abort();
    }
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
}  // namespace
void* operator new(size_t size) { return Allocate(size); }
void* operator new[](size_t size) { return Allocate(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }
void operator delete[](void* p, size_t) noexcept { std::free(p); }

namespace {

// Builds file bytes by hand, independently of the writer under test.
class Bytes {
public:
    Bytes& Int(int64_t v) {
        for (int i = 0; i < 4; ++i) m_data += static_cast<char>((v >> (8 * i)) & 0xFF);
        return *this;
    }
    Bytes& Raw(std::string_view raw) {
        m_data.append(raw.data(), raw.size());
        return *this;
    }
    Bytes& Str(std::string_view text) {  // one-byte prefix
        m_data += static_cast<char>(text.size());
        return Raw(text);
    }
    Bytes& Lines(int count, int state = 0) {
        for (int i = 0; i < count; ++i) Int(state).Str("");
        return *this;
    }
    Bytes& Colors() {
        for (const char* c : {"#DC143C", "#808080", "#FFFFFF", "#000000", "#FF9000"}) Str(c);
        return *this;
    }
    // A whole 4-member file in which `name0` stands for the first name's bytes.
    static std::string FourMembers(std::string_view name0) {
        return Bytes().Int(4).Raw(name0).Str("b").Str("c").Str("d").Int(7).Lines(7).Int(3)
            .Colors().Str("")
            .m_data;
    }
    std::string m_data;
};

std::string Repeat(char c, size_t n) { return std::string(n, c); }

}  // namespace

class KazFormatTest : public QObject {
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

void KazFormatTest::writesTheExampleByteForByte() {
    Bracket bracket(4);
    bracket.SetMemberName(0, "\x91\x49\x8E\xE8" "A");  // 選手A
    bracket.SetMemberName(1, "\x91\x49\x8E\xE8" "B");
    bracket.SetMemberName(2, "\x91\x49\x8E\xE8" "C");
    bracket.SetMemberName(3, "\x91\x49\x8E\xE8" "D");
    bracket.SetScore(0, "3");
    const QByteArray golden = ReadTestData("four_members.kaz");
    QCOMPARE(golden.size(), 113);
    QCOMPARE(ToBytes(WriteKaz(bracket)).toHex(' '), golden.toHex(' '));
}

void KazFormatTest::stringPrefixes_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<QByteArray>("prefix");
    QTest::newRow("0") << 0 << QByteArray::fromHex("00");
    QTest::newRow("1") << 1 << QByteArray::fromHex("01");
    QTest::newRow("254") << 254 << QByteArray::fromHex("FE");
    QTest::newRow("255") << 255 << QByteArray::fromHex("FFFF00");
    QTest::newRow("256") << 256 << QByteArray::fromHex("FF0001");
    QTest::newRow("300") << 300 << QByteArray::fromHex("FF2C01");
    QTest::newRow("65533") << 65533 << QByteArray::fromHex("FFFDFF");
    QTest::newRow("65534") << 65534 << QByteArray::fromHex("FFFFFFFEFF0000");
    QTest::newRow("65535") << 65535 << QByteArray::fromHex("FFFFFFFFFF0000");
    QTest::newRow("70000") << 70000 << QByteArray::fromHex("FFFFFF70110100");
}

// The prefix is followed by exactly the text, and a file with such a name reads back.
void KazFormatTest::stringPrefixes() {
    QFETCH(int, length);
    QFETCH(QByteArray, prefix);
    const std::string text = Repeat('x', size_t(length));
    std::string out = "~";
    AppendKazString(out, text);
    QCOMPARE(ToBytes(out.substr(1, size_t(prefix.size()))).toHex(), prefix.toHex());
    QCOMPARE(out.size(), 1 + size_t(prefix.size()) + size_t(length));
    QCOMPARE(out.substr(1 + size_t(prefix.size())), text);

    Bracket bracket(4);
    bracket.SetMemberName(2, text);
    bracket.SetScore(6, text);
    bracket.SetChampion(text);
    const std::optional<Bracket> read = ReadKaz(WriteKaz(bracket));
    QVERIFY(read);
    QCOMPARE(read->GetMemberName(2), text);
    QCOMPARE(read->GetScore(6), text);
    QCOMPARE(read->GetChampion(), text);
}

void KazFormatTest::readsTheExample() {
    const std::optional<Bracket> bracket = ReadKaz(ToStd(ReadTestData("four_members.kaz")));
    QVERIFY(bracket);
    QCOMPARE(bracket->GetPlayers(), 4);
    QCOMPARE(bracket->GetRounds(), 3);
    QCOMPARE(bracket->GetLineCount(), 7);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(bracket->GetMemberName(i), std::string("\x91\x49\x8E\xE8") + char('A' + i));
    }
    QCOMPARE(bracket->GetScore(0), std::string("3"));
    for (int line = 0; line < 7; ++line) {
        QCOMPARE(bracket->GetState(line), 0);
        if (line > 0) QVERIFY(bracket->GetScore(line).empty());
    }
    QVERIFY(bracket->GetColors() == ColorSet());
    QVERIFY(bracket->GetChampion().empty());
    QVERIFY(bracket->IsLoaded());
    QVERIFY(!bracket->IsBoldMember());
    QVERIFY(!bracket->IsBoldScore());
}

void KazFormatTest::readsEveryPrefixForm_data() {
    QTest::addColumn<QByteArray>("stored");  // the first name as stored
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("1 byte") << QByteArray::fromHex("03616263") << QByteArray("abc");
    QTest::newRow("1 byte, empty") << QByteArray::fromHex("00") << QByteArray();
    QTest::newRow("3 bytes, short") << QByteArray::fromHex("FF0300616263") << QByteArray("abc");
    QTest::newRow("3 bytes, empty") << QByteArray::fromHex("FF0000") << QByteArray();
    QTest::newRow("3 bytes, 300") << QByteArray::fromHex("FF2C01") + QByteArray(300, 'y')
                                  << QByteArray(300, 'y');
    QTest::newRow("7 bytes, short") << QByteArray::fromHex("FFFFFF020000006869")
                                    << QByteArray("hi");
    QTest::newRow("7 bytes, 65536") << QByteArray::fromHex("FFFFFF00000100")
                                           + QByteArray(65536, 'z')
                                    << QByteArray(65536, 'z');
    QTest::newRow("UTF-16, 1 byte") << QByteArray::fromHex("FFFEFF02715C3075")
                                    << QByteArray("\x8E\x52\x93\x63");  // 山田
    QTest::newRow("UTF-16, empty") << QByteArray::fromHex("FFFEFF00") << QByteArray();
    QTest::newRow("UTF-16, 3 bytes") << QByteArray::fromHex("FFFEFFFF020041004200")
                                     << QByteArray("AB");
    QTest::newRow("UTF-16, 7 bytes") << QByteArray::fromHex("FFFEFFFFFFFF010000005EFF")
                                     << QByteArray("\x81\x60");  // U+FF5E
    QTest::newRow("UTF-16, unencodable") << QByteArray::fromHex("FFFEFF033DD800DE4100")
                                         << QByteArray("?A");
    QTest::newRow("UTF-16 of 300 units")
        << QByteArray::fromHex("FFFEFFFF2C01") + QByteArray("a\0", 2).repeated(300)
        << QByteArray(300, 'a');
}

void KazFormatTest::readsEveryPrefixForm() {
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, name);
    const std::string file = Bytes::FourMembers(ToStd(stored));
    const std::optional<Bracket> bracket = ReadKaz(file);
    QVERIFY(bracket);
    QCOMPARE(Hex(bracket->GetMemberName(0)), name.toHex(' '));
    QCOMPARE(bracket->GetMemberName(1), std::string("b"));
    QVERIFY(!bracket->IsChanged());

    // Written back in the single-byte form with the shortest prefix.
    std::string expected;
    AppendKazString(expected, ToStd(name));
    QCOMPARE(Hex(WriteKaz(*bracket)), Hex(Bytes::FourMembers(expected)));
}

void KazFormatTest::readsUtf16Names() {
    const std::optional<Bracket> bracket =
        ReadKaz(ToStd(ReadTestData("eight_members_utf16.kaz")));
    QVERIFY(bracket);
    QCOMPARE(bracket->GetPlayers(), 8);
    QCOMPARE(Hex(bracket->GetMemberName(0)), Hex("\x8E\x52\x93\x63"));      // 山田
    QCOMPARE(Hex(bracket->GetMemberName(1)), Hex("\x97\xE9\x96\xD8\x81\x60"));  // 鈴木～
    QCOMPARE(bracket->GetMemberName(2), std::string("?x"));  // an emoji CP932 cannot hold
    QCOMPARE(bracket->GetMemberName(3), std::string());
    QCOMPARE(bracket->GetMemberName(7), std::string("D"));

    const std::string written = WriteKaz(*bracket);
    QVERIFY(written.find("\xFF\xFE\xFF") == std::string::npos);
    QCOMPARE(Hex(written.substr(4, 5)), Hex("\x04\x8E\x52\x93\x63"));
    const std::optional<Bracket> again = ReadKaz(written);
    QVERIFY(again);
    QCOMPARE(WriteKaz(*again), written);
}

void KazFormatTest::ignoresTrailingBytes() {
    const std::string golden = ToStd(ReadTestData("four_members.kaz"));
    for (const std::string& tail : {std::string(1, '\0'), std::string("\xFF\xFF\xFF\xFF"),
                                    golden, Repeat('\x07', 5000)}) {
        const std::optional<Bracket> bracket = ReadKaz(golden + tail);
        QVERIFY(bracket);
        QCOMPARE(Hex(WriteKaz(*bracket)), Hex(golden));
    }
}

void KazFormatTest::refuses_data() {
    QTest::addColumn<QByteArray>("file");
    auto row = [](const char* name, const std::string& bytes) {
        QTest::newRow(name) << ToBytes(bytes);
    };
    auto withCount = [](int64_t players) {
        return Bytes().Int(players).Str("a").Str("b").Str("c").Str("d").Int(7).Lines(7).Int(3)
            .Colors().Str("").m_data;
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
        return Bytes().Int(4).Str("a").Str("b").Str("c").Str("d").Int(lines).Lines(7).Int(rounds)
            .Colors().Str("").m_data;
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
    row("line count 0xFFFFFFFF, nothing after",
        Bytes().Int(4).Str("a").Str("b").Str("c").Str("d").Int(0xFFFFFFFF).m_data);
    row("8 members with 4-member rounds",
        Bytes().Int(8).Str("").Str("").Str("").Str("").Str("").Str("").Str("").Str("")
            .Int(15).Lines(15).Int(3).Colors().Str("").m_data);

    // A length prefix larger than the bytes left, in every form.
    row("1-byte length too long", Bytes::FourMembers("\xFE" "abc"sv));
    row("16-bit length too long", Bytes::FourMembers("\xFF\x00\x10" "abc"sv));
    row("16-bit length FFFD", Bytes::FourMembers("\xFF\xFD\xFF"sv));
    row("32-bit length FFFFFFF0", Bytes::FourMembers("\xFF\xFF\xFF\xF0\xFF\xFF\xFF"sv));
    row("32-bit length FFFFFFFF", Bytes::FourMembers("\xFF\xFF\xFF\xFF\xFF\xFF\xFF"sv));
    row("32-bit length 80000000", Bytes::FourMembers("\xFF\xFF\xFF\x00\x00\x00\x80"sv));
    row("UTF-16 1-byte length too long", Bytes::FourMembers("\xFF\xFE\xFF\xF0" "a"sv));
    row("UTF-16 text one byte short", Bytes().Int(4).Raw("\xFF\xFE\xFF\x02" "a\0b"sv).m_data);
    row("UTF-16 16-bit length too long", Bytes::FourMembers("\xFF\xFE\xFF\xFF\x00\x80"sv));
    row("UTF-16 32-bit length 7FFFFFFF",
        Bytes::FourMembers("\xFF\xFE\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x7F"sv));
    row("UTF-16 32-bit length FFFFFFFF",
        Bytes::FourMembers("\xFF\xFE\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF"sv));
    row("UTF-16 32-bit length 80000000 (doubles to 2^32)",
        Bytes::FourMembers("\xFF\xFE\xFF\xFF\xFF\xFF\x00\x00\x00\x80"sv));
    row("score length too long",
        Bytes().Int(4).Str("a").Str("b").Str("c").Str("d").Int(7).Int(0).Raw("\xFF\xFF\xFF\xF0\xFF\xFF\xFF"sv)
            .m_data);
    row("champion length too long",
        Bytes().Int(4).Str("a").Str("b").Str("c").Str("d").Int(7).Lines(7).Int(3).Colors()
            .Raw("\x05" "abcd"sv).m_data);
}

// Every refusal gives nothing back (and allocates nothing big on the way).
void KazFormatTest::refuses() {
    QFETCH(QByteArray, file);
    QVERIFY(!ReadKaz(ToStd(file)));
}

void KazFormatTest::refusesEveryCutFile_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("4 members") << ReadTestData("four_members.kaz");
    QTest::newRow("32 members") << ReadTestData("thirty_two_members.kaz");
    QTest::newRow("UTF-16 names") << ReadTestData("eight_members_utf16.kaz");

    Bracket big(32);
    for (int i = 0; i < 32; ++i) big.SetMemberName(i, Repeat(char('A' + i % 26), 250 + 4 * size_t(i)));
    for (int line = 0; line < big.GetLineCount(); ++line) {
        big.SetState(line, line % 5);
        big.SetScore(line, Repeat('9', size_t(line % 10)));
    }
    big.SetChampion(Repeat('C', 1000));
    QTest::newRow("32 members, long names") << ToBytes(WriteKaz(big));

    Bracket longChampion(4);
    longChampion.SetChampion(Repeat('C', 65534));  // the 7-byte prefix
    QTest::newRow("4 members, 65534-byte champion") << ToBytes(WriteKaz(longChampion));
}

// A file that ends anywhere before the last byte of the champion name is refused.
void KazFormatTest::refusesEveryCutFile() {
    QFETCH(QByteArray, file);
    const std::string bytes = ToStd(file);
    QVERIFY(ReadKaz(bytes));
    for (size_t size = 0; size < bytes.size(); ++size) {
        if (ReadKaz(std::string_view(bytes).substr(0, size))) {
            QFAIL(qPrintable(QStringLiteral("a file cut to %1 of %2 bytes was read")
                                 .arg(size)
                                 .arg(bytes.size())));
        }
    }
}

void KazFormatTest::keepsStatesOutsideTheRange() {
    const std::string file = Bytes().Int(4).Str("a").Str("b").Str("c").Str("d").Int(7)
                                 .Int(7).Str("").Int(-1).Str("x").Int(INT32_MIN).Str("")
                                 .Int(INT32_MAX).Str("").Int(5).Str("").Lines(2).Int(3)
                                 .Colors().Str("").m_data;
    const std::optional<Bracket> bracket = ReadKaz(file);
    QVERIFY(bracket);
    QCOMPARE(bracket->GetState(0), 7);
    QCOMPARE(bracket->GetState(1), -1);
    QCOMPARE(bracket->GetState(2), int(INT32_MIN));
    QCOMPARE(bracket->GetState(3), int(INT32_MAX));
    QCOMPARE(bracket->GetState(4), 5);
    QCOMPARE(bracket->GetSavedState(1), -1);
    QVERIFY(!bracket->IsChanged());
    QCOMPARE(Hex(WriteKaz(*bracket)), Hex(file));
}

void KazFormatTest::roundTrip_data() {
    QTest::addColumn<int>("players");
    for (int players : {4, 8, 16, 32}) QTest::addRow("%d", players) << players;
}

void KazFormatTest::roundTrip() {
    QFETCH(int, players);
    Bracket bracket(players);
    for (int i = 0; i < players; ++i) {
        // 選手 and a half-width kana digit sequence, plus one empty and one awkward name.
        bracket.SetMemberName(i, "\x91\x49\x8E\xE8\xB1" + std::to_string(i));
    }
    bracket.SetMemberName(1, "");
    bracket.SetMemberName(2, "\x83\x5C\x95\x5C<&>\"");
    for (int line = 0; line < bracket.GetLineCount(); ++line) {
        bracket.SetState(line, (line * 7) % 5);
        bracket.SetScore(line, line % 3 ? std::to_string(line) + "-" + std::to_string(line % 4) : "");
    }
    bracket.SetChampion("\x97\x44\x8F\x9F\x81\x40X");
    for (int row = 0; row < ColorSet::kCount; ++row) {
        bracket.GetColors().At(row) = "#" + std::to_string(100000 + row);
    }
    bracket.GetColors().At(4) = "odd txt";  // seven bytes, not a colour
    bracket.SetBoldFlags(true, true);

    const std::string file = WriteKaz(bracket);
    const std::optional<Bracket> read = ReadKaz(file);
    QVERIFY(read);
    QCOMPARE(read->GetPlayers(), players);
    QCOMPARE(read->GetRounds(), bracket.GetRounds());
    QCOMPARE(read->GetLineCount(), bracket.GetLineCount());
    for (int i = 0; i < players; ++i) QCOMPARE(read->GetMemberName(i), bracket.GetMemberName(i));
    for (int line = 0; line < bracket.GetLineCount(); ++line) {
        QCOMPARE(read->GetState(line), bracket.GetState(line));
        QCOMPARE(read->GetScore(line), bracket.GetScore(line));
    }
    QCOMPARE(read->GetChampion(), bracket.GetChampion());
    QVERIFY(read->GetColors() == bracket.GetColors());
    QVERIFY(!read->IsBoldMember());
    QVERIFY(!read->IsBoldScore());
    QVERIFY(read->IsLoaded());
    QVERIFY(!read->IsChanged());
    QCOMPARE(Hex(WriteKaz(*read)), Hex(file));
}

QTEST_GUILESS_MAIN(KazFormatTest)
#include "tst_kaz_format.moc"
