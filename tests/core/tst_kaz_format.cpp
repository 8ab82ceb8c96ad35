#include <QRandomGenerator>
#include <QTest>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iterator>
#include <memory>
#include <new>

#include "bracket/bracket.h"
#include "core_test_support.h"
#include "io/kaz_format.h"
#include "io/sheet_block.h"
#include "text/document_text.h"
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
// The library's temporary buffers (std::stable_sort) ask for memory without exceptions: they
// must come from the same place, or their sized delete frees what another heap gave.
void* operator new(size_t size, const std::nothrow_t&) noexcept {
    if (size > kAllocationLimit) return nullptr;
    return std::malloc(size ? size : 1);
}
void* operator new[](size_t size, const std::nothrow_t& tag) noexcept {
    return operator new(size, tag);
}
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }

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

// A record of a sheet block: its tag, then its bytes as a string.
std::string record(int32_t tag, std::string_view bytes) {
    Bytes out;
    out.i32(tag);
    appendKazString(out.m_data, bytes);
    return out.m_data;
}

// The file of a new 4-member bracket (first name "a") followed by `tail`.
std::string fourMembersThen(std::string_view tail) {
    return Bytes::fourMembers(
               "\x01"
               "a"sv) +
           std::string(tail);
}

// A sheet block of `records` (each made by record()), with the count they make.
std::string block(std::initializer_list<std::string> records, int64_t version = 1) {
    Bytes out;
    out.raw("KAZX").i32(version).i32(int64_t(records.size()));
    for (const std::string& r : records) out.raw(r);
    return out.m_data;
}

// What a program that knows only the classic layout reads: it stops after the champion's name.
struct ClassicFile {
    std::vector<std::string> names;
    std::vector<std::pair<int32_t, std::string>> lines;
    std::vector<std::string> colors;
    std::string champion;
};

std::optional<ClassicFile> readClassic(std::string_view bytes) {
    size_t at = 0;
    const auto take = [&](size_t n, uint64_t& value) {
        if (bytes.size() - at < n) return false;
        value = 0;
        for (size_t i = 0; i < n; ++i) value |= uint64_t(uint8_t(bytes[at++])) << (8 * i);
        return true;
    };
    const auto text = [&](std::string& out) {
        uint64_t n = 0;
        if (!take(1, n)) return false;
        if (n == 0xFF && (!take(2, n) || (n == 0xFFFF && !take(4, n)))) return false;
        if (bytes.size() - at < n) return false;
        out = std::string(bytes.substr(at, size_t(n)));
        at += size_t(n);
        return true;
    };
    ClassicFile file;
    uint64_t members = 0;
    uint64_t lines = 0;
    uint64_t rounds = 0;
    if (!take(4, members) || members > 128) return std::nullopt;
    file.names.resize(size_t(members));
    for (std::string& name : file.names) {
        if (!text(name)) return std::nullopt;
    }
    if (!take(4, lines) || lines > 255) return std::nullopt;
    file.lines.resize(size_t(lines));
    for (auto& [state, score] : file.lines) {
        uint64_t raw = 0;
        if (!take(4, raw) || !text(score)) return std::nullopt;
        state = int32_t(uint32_t(raw));
    }
    file.colors.resize(5);
    if (!take(4, rounds)) return std::nullopt;
    for (std::string& color : file.colors) {
        if (!text(color)) return std::nullopt;
    }
    if (!text(file.champion)) return std::nullopt;
    return file;
}

// The characters random texts are made of beyond ASCII, each with what a program that reads
// only the classic fields finds for it: Shift_JIS, JIS X 0213 kanji, accented Latin, emoji, and
// a character Shift_JIS holds only as a look-alike.
struct Piece {
    const char* text;
    const char* classic;
};
constexpr Piece kPieces[] = {{"あ", "\x82\xA0"}, {"吉", "\x8B\x67"}, {"𠮷", "\x81\xAC"},
                             {"𩸽", "\x81\xAC"}, {"頰", "\x81\xAC"}, {"é", "\x81\xAC"},
                             {"ü", "\x81\xAC"},  {"😀", "\x81\xAC"},  {"〜", "\x81\x60"}};

// Random text whose classic form has up to `limit` bytes: printable ASCII and the pieces, never
// a control character.
std::string randomText(QRandomGenerator& rng, size_t limit, size_t least = 0) {
    std::string text;
    size_t classicBytes = 0;
    const size_t length = least + rng.bounded(quint32(limit - least + 1));
    while (classicBytes < length) {
        if (classicBytes + 2 <= length && rng.bounded(3) == 0) {
            text += kPieces[rng.bounded(quint32(std::size(kPieces)))].text;
            classicBytes += 2;
        } else {
            text += char(0x20 + rng.bounded(0x5F));
            ++classicBytes;
        }
    }
    return text;
}

// What the classic field of a random text holds, piece by piece.
std::string classicOf(std::string_view text) {
    std::string classic;
    while (!text.empty()) {
        const auto piece = std::find_if(
            std::begin(kPieces), std::end(kPieces),
            [&](const Piece& p) { return text.substr(0, std::strlen(p.text)) == p.text; });
        const size_t length = piece == std::end(kPieces) ? 1 : std::strlen(piece->text);
        classic += piece == std::end(kPieces) ? std::string(1, text[0]) : piece->classic;
        text.remove_prefix(length);
    }
    return classic;
}

// True when the two hold the same of the sheet: its options, the members' marks, the
// third-place results and the block's unknown records.
bool sameSheetParts(const Bracket& a, const Bracket& b) {
    const auto unknown = [](const Bracket& bracket) {
        return bracket.unknownSheetRecords() ? bracket.unknownSheetRecords()->records
                                             : std::vector<UnknownSheetRecord>();
    };
    for (int m = 0; m < kMaxMembers; ++m) {
        if (a.memberMarks(m) != b.memberMarks(m)) return false;
    }
    return a.sheet() == b.sheet() && a.thirdPlaceResults() == b.thirdPlaceResults() &&
           unknown(a) == unknown(b);
}

// A random bracket with a random sheet that fits it, unknown records included.
Bracket randomBracketWithSheet(QRandomGenerator& rng) {
    const int members = 4 << rng.bounded(6);
    Bracket bracket(members);
    SheetInfo sheet;
    ThirdPlaceResults thirdPlace;
    std::array<MemberMarks, kMaxMembers> marks;
    for (int m = 0; m < members; ++m) {
        if (rng.bounded(3) == 0) {
            marks[size_t(m)].bye = rng.bounded(2) == 0;
        } else {
            bracket.setMemberName(m, randomText(rng, 40, 1));
        }
        if (rng.bounded(2) == 0) marks[size_t(m)].club = randomText(rng, kMaxClubCharacters);
        if (rng.bounded(4) == 0) marks[size_t(m)].seed = 1 + int(rng.bounded(members));
        bracket.setMemberMarks(m, marks[size_t(m)]);
    }
    for (int line = 0; line < bracket.lineCount(); ++line) {
        bracket.setLineResult(line, {LineState(rng.bounded(5)), randomText(rng, 9)});
    }
    bracket.setChampion(randomText(rng, 20));
    if (rng.bounded(2) == 0) sheet.title = randomText(rng, kMaxSheetTitleCharacters);
    if (rng.bounded(2) == 0) sheet.subtitle = randomText(rng, kMaxSheetSubtitleCharacters);
    for (int round = 0; round < bracket.roundCount(); ++round) {
        if (rng.bounded(3) == 0) sheet.roundNames[size_t(round)] = randomText(rng, 32);
    }
    sheet.matchNumbers = rng.bounded(2) == 0;
    sheet.clubColumn = rng.bounded(2) == 0;
    if (rng.bounded(2) == 0) sheet.drawNumber = 1 + rng.bounded(0x7FFFFFFF);
    sheet.thirdPlace = ThirdPlace(rng.bounded(3));
    if (sheet.thirdPlace == ThirdPlace::Match && rng.bounded(2) == 0) {
        const int won = int(rng.bounded(3)) - 1;  // -1 for neither side
        for (int side = 0; side < kThirdPlaceSides; ++side) {
            thirdPlace[size_t(side)] = {side == won ? LineState::Won : LineState::Open,
                                        randomText(rng, kMaxScoreCharacters)};
        }
    }
    sheet.twoSided = rng.bounded(2) == 0;
    sheet.venueQrCode = rng.bounded(4) == 0;
    if (rng.bounded(2) == 0) sheet.language = SheetLanguage::English;
    // Unknown records follow a known record that is written (or stand first).
    const auto any = [](const auto& values) {
        return std::any_of(values.begin(), values.end(),
                           [](const auto& v) { return v != std::decay_t<decltype(v)>{}; });
    };
    const bool present[] = {
        true,
        !sheet.title.empty(),
        !sheet.subtitle.empty(),
        any(sheet.roundNames),
        std::any_of(marks.begin(), marks.end(),
                    [](const MemberMarks& m) { return !m.club.empty(); }),
        std::any_of(marks.begin(), marks.end(), [](const MemberMarks& m) { return m.seed != 0; }),
        sheet.matchNumbers,
        std::any_of(marks.begin(), marks.end(), [](const MemberMarks& m) { return m.bye; }),
        sheet.drawNumber.has_value(),
        sheet.clubColumn,
        sheet.thirdPlace != ThirdPlace::None,
        thirdPlace != ThirdPlaceResults(),
        sheet.twoSided,
        sheet.language == SheetLanguage::English};
    std::vector<int32_t> anchors;
    for (int32_t tag = 0; tag <= 13; ++tag) {
        if (present[tag]) anchors.push_back(tag);
    }
    std::vector<UnknownSheetRecord> unknownRecords;
    const int unknown = int(rng.bounded(4));
    for (int i = 0; i < unknown; ++i) {
        const int32_t tags[] = {0, -7, 13, 100, INT32_MAX, INT32_MIN};
        std::string bytes;
        const size_t length = rng.bounded(3) == 0 ? 300 : rng.bounded(20);
        for (size_t b = 0; b < length; ++b) bytes += char(rng.bounded(256));
        unknownRecords.push_back(
            {tags[rng.bounded(6)], bytes, anchors[rng.bounded(quint32(anchors.size()))]});
    }
    // Held in file order, which follows the known records.
    std::stable_sort(unknownRecords.begin(), unknownRecords.end(),
                     [](const auto& a, const auto& b) { return a.after < b.after; });
    if (!unknownRecords.empty()) {
        bracket.setUnknownSheetRecords(
            std::make_shared<const UnknownSheetRecords>(UnknownSheetRecords{unknownRecords}));
    }
    bracket.setSheet(sheet);
    bracket.setThirdPlaceResults(thirdPlace);
    return bracket;
}

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
    void writesTheSheetBlockByteForByte();
    void sheetBlockRoundTrip();
    void refusesSheetBlock_data();
    void refusesSheetBlock();
    void refusesEveryCutSheetBlock();
    void unknownRecordFollowsItsKnownRecord();
    void blockOfOnePart_data();
    void blockOfOnePart();
    void exactTextRecords_data();
    void exactTextRecords();
    void staleExactText_data();
    void staleExactText();
    void longScoreWritten_data();
    void longScoreWritten();
    void longScoreRead_data();
    void longScoreRead();
};

void TestKazFormat::writesTheExampleByteForByte() {
    Bracket bracket(4);
    for (int i = 0; i < 4; ++i) bracket.setMemberName(i, std::string("選手") + char('A' + i));
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
    QTest::newRow("32767") << 32767 << QByteArray::fromHex("FFFF7F");
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
        QCOMPARE(bracket->memberName(i), std::string("選手") + char('A' + i));
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
    QTest::addColumn<QByteArray>("name");    // as the classic field holds it
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
    QTest::newRow("UTF-16, 😀 kept whole") << QByteArray::fromHex("FFFEFF033DD800DE4100")
                                          << QByteArray(
                                                 "\x81\xAC"
                                                 "A");
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
    QCOMPARE(hex(cp932Form(bracket->memberName(0))), name.toHex(' '));
    QCOMPARE(bracket->memberName(1), std::string("b"));
    QVERIFY(!bracket->isChanged());

    // Written back in the single-byte form with the shortest prefix.
    std::string expected;
    appendKazString(expected, toStd(name));
    const std::string written = writeKaz(*bracket);
    QCOMPARE(hex(written.substr(0, Bytes::fourMembers(expected).size())),
             hex(Bytes::fourMembers(expected)));
    QCOMPARE(readKaz(written)->memberName(0), bracket->memberName(0));
}

void TestKazFormat::readsUtf16Names() {
    const std::optional<Bracket> bracket = readKaz(toStd(readTestData("eight_members_utf16.kaz")));
    QVERIFY(bracket);
    QCOMPARE(bracket->memberCount(), 8);
    QCOMPARE(bracket->memberName(0), std::string("山田"));
    QCOMPARE(bracket->memberName(1), std::string("鈴木～"));
    QCOMPARE(bracket->memberName(2), std::string("😀x"));  // an emoji CP932 cannot hold
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
    row("member count 256", withCount(256));
    row("member count 96", withCount(96));
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
    for (int members : {4, 8, 16, 32, 64, 128}) QTest::addRow("%d", members) << members;
}

void TestKazFormat::roundTrip() {
    QFETCH(int, members);
    Bracket bracket(members);
    for (int i = 0; i < members; ++i) {
        // 選手 and a half-width kana digit sequence, plus one empty and one awkward name.
        bracket.setMemberName(i, "選手ｱ" + std::to_string(i));
    }
    bracket.setMemberName(1, "");
    bracket.setMemberName(2, "ソ表<&>\"");
    for (int line = 0; line < bracket.lineCount(); ++line) {
        bracket.setLineState(line, LineState((line * 7) % 5));
        bracket.setLineScore(line,
                             line % 3 ? std::to_string(line) + "-" + std::to_string(line % 4) : "");
    }
    bracket.setChampion("優勝　X");
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

// The golden file of a bracket with a sheet: written byte for byte, read back to the same
// sheet, its unknown record kept in its place.
void TestKazFormat::writesTheSheetBlockByteForByte() {
    Bracket bracket(4);
    for (int i = 0; i < 3; ++i) bracket.setMemberName(i, std::string("選手") + char('A' + i));
    SheetInfo sheet;
    sheet.title = "春季大会";
    sheet.roundNames[0] = "予選";
    bracket.setMemberClub(0, "A高");
    bracket.setMemberClub(1, "B高");
    bracket.setMemberSeed(0, 1);
    sheet.matchNumbers = true;
    bracket.setBye(3, true);
    sheet.drawNumber = 4242;
    bracket.setUnknownSheetRecords(
        std::make_shared<const UnknownSheetRecords>(UnknownSheetRecords{{{100, "\x01\x02", 1}}}));
    bracket.setSheet(sheet);
    const QByteArray golden = readTestData("four_members_sheet.kaz");
    QCOMPARE(golden.size(), 230);
    QCOMPARE(toBytes(writeKaz(bracket)).toHex(' '), golden.toHex(' '));

    const std::optional<Bracket> read = readKaz(toStd(golden));
    QVERIFY(read);
    QVERIFY(sameSheetParts(*read, bracket));
    QVERIFY(!read->isChanged());
    // Without the sheet the same bracket is the classic file, which the block only follows.
    const Bracket classic = Bracket::fromStored(4, [&bracket] {
        BracketContent content;
        for (int i = 0; i < 4; ++i) content.memberNames[size_t(i)] = bracket.memberName(i);
        content.lines = bracket.lineResults();
        return content;
    }());
    QCOMPARE(hex(writeKaz(classic)), hex(toStd(golden.left(107))));
}

// Random brackets with random sheets: read back equal and written again byte for byte, and a
// reader of the classic layout reads the names, results, colours and champion unchanged.
void TestKazFormat::sheetBlockRoundTrip() {
    QRandomGenerator rng(25);
    for (int trial = 0; trial < 300; ++trial) {
        const Bracket bracket = randomBracketWithSheet(rng);
        QVERIFY(sheetFits(bracket));
        const std::string file = writeKaz(bracket);
        const std::optional<Bracket> read = readKaz(file);
        QVERIFY(read);
        QVERIFY(sameSheetParts(*read, bracket));
        QVERIFY(!read->isChanged());
        QCOMPARE(hex(writeKaz(*read)), hex(file));

        const std::optional<ClassicFile> classic = readClassic(file);
        QVERIFY(classic);
        QCOMPARE(int(classic->names.size()), bracket.memberCount());
        for (int m = 0; m < bracket.memberCount(); ++m) {
            QCOMPARE(read->memberName(m), bracket.memberName(m));
            QCOMPARE(classic->names[size_t(m)], classicOf(bracket.memberName(m)));
        }
        QCOMPARE(int(classic->lines.size()), bracket.lineCount());
        for (int line = 0; line < bracket.lineCount(); ++line) {
            QCOMPARE(read->lineScore(line), bracket.lineScore(line));
            QCOMPARE(classic->lines[size_t(line)].first, int32_t(bracket.lineState(line)));
            QCOMPARE(classic->lines[size_t(line)].second, classicOf(bracket.lineScore(line)));
        }
        for (int row = 0; row < ColorSet::kCount; ++row) {
            QCOMPARE(classic->colors[size_t(row)], bracket.colors().at(row));
        }
        QCOMPARE(read->champion(), bracket.champion());
        QCOMPARE(classic->champion, classicOf(bracket.champion()));
    }
}

void TestKazFormat::refusesSheetBlock_data() {
    QTest::addColumn<QByteArray>("file");
    auto row = [](const char* name, const std::string& tail) {
        QTest::newRow(name) << toBytes(fourMembersThen(tail));
    };
    const auto ints = [](std::initializer_list<int64_t> values) {
        Bytes out;
        for (const int64_t v : values) out.i32(v);
        return out.m_data;
    };
    const std::string title = record(1, "T");
    row("version 0", block({title}, 0));
    row("version 2", block({title}, 2));
    row("no count", "KAZX" + ints({1}));
    row("negative count", "KAZX" + ints({1, -1}) + title);
    row("count beyond the file", "KAZX" + ints({1, 2}) + title);
    row("count 0x7FFFFFFF", "KAZX" + ints({1, 0x7FFFFFFF}) + title);
    row("record length beyond the file", "KAZX" + ints({1, 1, 1}) + "\x05T");
    row("record in the UTF-16 form", "KAZX" + ints({1, 1, 1}) + "\xFF\xFE\xFF\x01T\x00");
    row("a known record twice", block({title, record(1, "U")}));
    row("empty title", block({record(1, "")}));
    row("title too long", block({record(1, repeat('x', kMaxSheetTitleCharacters + 1))}));
    row("control character in the second line", block({record(2, "a\nb")}));
    row("round names: none", block({record(3, ints({0}))}));
    row("round beyond the rounds", block({record(3, ints({1, 3}) + "\x01R")}));
    row("round names out of order",
        block({record(3, ints({2, 1}) + "\x01R" + ints({0}) + "\x01S")}));
    row("round name empty", block({record(3, ints({1, 0}) + "\x00")}));
    row("round name cut", block({record(3, ints({1, 0}) + "\x05R")}));
    row("club of member 4 of 4", block({record(4, ints({1, 4}) + "\x01"
                                                                 "C")}));
    row("club of member -1", block({record(4, ints({1, -1}) + "\x01"
                                                              "C")}));
    row("clubs: more than the members", block({record(4, ints({5}))}));
    row("club too long", block({record(4, ints({1, 0}) + "\x41" + repeat('c', 65))}));
    row("seed 0", block({record(5, ints({1, 0, 0}))}));
    row("seed 5 of 4", block({record(5, ints({1, 0, 5}))}));
    row("seeds with a byte over", block({record(5, ints({1, 0, 1}) + "!")}));
    row("match numbers 2", block({record(6, ints({2}))}));
    row("match numbers cut", block({record(6, "\x01")}));
    row("bye on a named slot", block({record(7, ints({1, 0}))}));
    row("bye beyond the slots", block({record(7, ints({1, 4}))}));
    row("draw number 0", block({record(8, ints({0}))}));
    row("draw number negative", block({record(8, ints({-4242}))}));
    row("club column 0", block({record(9, ints({0}))}));
    row("third place 3", block({record(10, ints({3}))}));
    const std::string match = record(10, ints({2}));
    const std::string open = ints({0}) + "\x00";
    row("third-place results without the match", block({record(11, open + open)}));
    row("third-place results: one side", block({match, record(11, open)}));
    row("third-place results: both sides won",
        block({match, record(11, ints({1}) + "\x00" + ints({1}) + "\x00")}));
    row("third-place result 4", block({match, record(11, ints({4}) + "\x00" + open)}));
    row("third-place score too long",
        block({match, record(11, open + ints({0}) + "\x0A" + repeat('9', 10))}));
    row("two-sided 2", block({record(12, ints({2}))}));
    row("bad record after an unknown one", block({record(77, "x"), record(6, "")}));
}

// A block that is cut short or holds a known record that does not parse refuses the file.
void TestKazFormat::refusesSheetBlock() {
    QFETCH(QByteArray, file);
    QVERIFY(!readKaz(toStd(file)));
}

// A file cut anywhere inside its block is refused; cut before "KAZX" is whole, it is the
// classic file with some bytes after the champion's name.
void TestKazFormat::refusesEveryCutSheetBlock() {
    const std::string golden = toStd(readTestData("four_members_sheet.kaz"));
    const size_t classicEnd = 107;
    for (size_t size = classicEnd; size < golden.size(); ++size) {
        const std::optional<Bracket> read = readKaz(std::string_view(golden).substr(0, size));
        if (size < classicEnd + 4) {
            QVERIFY(read && read->sheet().isEmpty());
        } else if (read) {
            QFAIL(qPrintable(QStringLiteral("a file cut to %1 of %2 bytes was read")
                                 .arg(size)
                                 .arg(golden.size())));
        }
    }
}

// Known records are written in the order of their tags; an unknown record stays right after
// the known record it followed, and the file written reads back equal.
void TestKazFormat::unknownRecordFollowsItsKnownRecord() {
    Bytes number;
    number.i32(77);
    const std::string drawNumber = record(8, number.m_data);
    const std::string file =
        fourMembersThen(block({record(50, "u"), drawNumber, record(-1, "v"), record(1, "T")}));
    const std::optional<Bracket> read = readKaz(file);
    QVERIFY(read);
    QCOMPARE(read->sheet().drawNumber, std::optional<uint32_t>(77));
    const std::string written = writeKaz(*read);
    QCOMPARE(hex(written), hex(fourMembersThen(block(
                               {record(50, "u"), record(1, "T"), drawNumber, record(-1, "v")}))));
    const std::optional<Bracket> again = readKaz(written);
    QVERIFY(again && sameSheetParts(*again, *read));
}

using Edit = std::function<void(Bracket&)>;
Q_DECLARE_METATYPE(Edit)

void TestKazFormat::blockOfOnePart_data() {
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QByteArray>("block");
    const auto ints = [](std::initializer_list<int64_t> values) {
        Bytes out;
        for (const int64_t v : values) out.i32(v);
        return out.m_data;
    };
    const auto row = [](const char* name, Edit edit, const std::string& block) {
        QTest::newRow(name) << edit << toBytes(block);
    };
    row(
        "a club", [](Bracket& b) { b.setMemberClub(1, "C"); },
        block({record(4, ints({1, 1}) + "\x01"
                                        "C")}));
    row(
        "a seed", [](Bracket& b) { b.setMemberSeed(0, 1); }, block({record(5, ints({1, 0, 1}))}));
    row(
        "a bye", [](Bracket& b) { b.setBye(3, true); }, block({record(7, ints({1, 3}))}));
    row(
        "a third-place result",
        [](Bracket& b) {
            SheetInfo sheet;
            sheet.thirdPlace = ThirdPlace::Match;
            b.setSheet(sheet);
            b.setThirdPlaceResults({LineResult{LineState::Won, "3"}, LineResult()});
        },
        block({record(10, ints({2})), record(11, ints({1}) +
                                                     "\x01"
                                                     "3" +
                                                     ints({0}) + std::string(1, '\0'))}));
    row(
        "an unknown record",
        [](Bracket& b) {
            b.setUnknownSheetRecords(
                std::make_shared<const UnknownSheetRecords>(UnknownSheetRecords{{{77, "x", 0}}}));
        },
        block({record(77, "x")}));
    row(
        "an English sheet",
        [](Bracket& b) {
            SheetInfo sheet;
            sheet.language = SheetLanguage::English;
            b.setSheet(sheet);
        },
        block({record(13, ints({1}))}));
    // A language this version cannot show, a later one's, perhaps: Japanese, and kept.
    row(
        "a language of a later version",
        [ints](Bracket& b) {
            b.setUnknownSheetRecords(std::make_shared<const UnknownSheetRecords>(
                UnknownSheetRecords{{{13, ints({2}), 0}}}));
        },
        block({record(13, ints({2}))}));
}

// A bracket that sets one part of what the block holds writes the classic file and the block
// with that record alone, and reads back to the same.
void TestKazFormat::blockOfOnePart() {
    QFETCH(Edit, edit);
    QFETCH(QByteArray, block);
    Bracket bracket(4);
    bracket.setMemberName(0, "a");
    const std::string file = writeKaz(bracket) + toStd(block);
    edit(bracket);
    QCOMPARE(hex(writeKaz(bracket)), hex(file));
    const std::optional<Bracket> read = readKaz(file);
    QVERIFY(read && sameSheetParts(*read, bracket) && sheetFits(*read));
}

// Texts beyond Shift_JIS: the classic field (or the block's own) holds the 〓 form and a record
// of the kind the exact text, so that a file with none of them stays as it was.
void TestKazFormat::exactTextRecords_data() {
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QByteArray>("firstName");  // as the classic field holds it
    QTest::addColumn<QByteArray>("block");
    const auto indexed = [](int32_t index, std::string_view text) {
        return Bytes().i32(1).i32(index).str(text).m_data;
    };
    QTest::newRow("a name") << Edit([](Bracket& b) { b.setMemberName(0, "𠮷田"); })
                            << QByteArray("\x81\xAC\x93\x63")
                            << toBytes(block({record(14, indexed(0, "𠮷田"))}));
    QTest::newRow("a look-alike") << Edit([](Bracket& b) { b.setMemberName(0, "〜"); })
                                  << QByteArray("\x81\x60")
                                  << toBytes(block({record(14, indexed(0, "〜"))}));
    QTest::newRow("title and club")
        << Edit([](Bracket& b) {
               SheetInfo sheet;
               sheet.title = "Müller杯";
               b.setSheet(sheet);
               b.setMemberClub(1, "Café");
           })
        << QByteArray("a")
        << toBytes(
               block({record(1, "M\x81\xAClle\x72\x94\x74"), record(4, indexed(1, "Caf\x81\xAC")),
                      record(17, "Müller杯"), record(20, indexed(1, "Café"))}));
}

void TestKazFormat::exactTextRecords() {
    QFETCH(Edit, edit);
    QFETCH(QByteArray, firstName);
    QFETCH(QByteArray, block);
    Bracket bracket(4);
    for (int m = 0; m < 4; ++m) bracket.setMemberName(m, std::string(1, char('a' + m)));
    edit(bracket);
    const std::string file =
        Bytes::fourMembers(Bytes().str(toStd(firstName)).m_data) + toStd(block);
    QCOMPARE(hex(writeKaz(bracket)), hex(file));
    const std::optional<Bracket> read = readKaz(file);
    QVERIFY(read && sameSheetParts(*read, bracket) && !read->isChanged());
    QCOMPARE(read->memberName(0), bracket.memberName(0));
}

// A record whose text no longer has its field's CP932 form (a program that knows only the
// field changed it since) or is no UTF-8 is left out for that field: the field wins.
void TestKazFormat::staleExactText_data() {
    QTest::addColumn<QByteArray>("firstName");  // as the classic field holds it
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    const auto names = [](std::string_view text) {
        return record(14, Bytes().i32(1).i32(0).str(text).m_data);
    };
    QTest::newRow("the field as written")
        << QByteArray("\x81\xAC\x93\x63") << toBytes(block({names("𠮷田")})) << "𠮷田"
        << "";
    QTest::newRow("the name changed since")
        << QByteArray("\x8E\x52\x93\x63") << toBytes(block({names("𠮷田")})) << "山田"
        << "";
    QTest::newRow("no UTF-8") << QByteArray("\x81\xAC") << toBytes(block({names("\xFF")})) << "〓"
                              << "";
    QTest::newRow("the title changed, the name not")
        << QByteArray("\x81\xAC")
        << toBytes(block({record(1, "Old"), names("ü"), record(17, "Öld")})) << "ü"
        << "Old";
}

void TestKazFormat::staleExactText() {
    QFETCH(QByteArray, firstName);
    QFETCH(QByteArray, block);
    QFETCH(QString, name);
    QFETCH(QString, title);
    const std::string file =
        Bytes::fourMembers(Bytes().str(toStd(firstName)).m_data) + toStd(block);
    const std::optional<Bracket> read = readKaz(file);
    QVERIFY(read);
    QCOMPARE(QString::fromStdString(read->memberName(0)), name);
    QCOMPARE(QString::fromStdString(read->sheet().title), title);
    QVERIFY(!read->isChanged());
}

// A score longer than the classic field keeps its start there, cut between characters, and its
// whole text in the block; one that fits has no block.
void TestKazFormat::longScoreWritten_data() {
    QTest::addColumn<QString>("score");
    QTest::addColumn<QByteArray>("field");
    QTest::newRow("sets") << "6-4 3-6 7-6(5)" << QByteArray("6-4 3-6 7");
    QTest::newRow("double-byte") << "６－４　３－６"
                                 << QByteArray("\x82\x55\x81\x7C\x82\x53\x81\x40");
    QTest::newRow("as long as the field") << "6-4 3-6 7" << QByteArray("6-4 3-6 7");
}

void TestKazFormat::longScoreWritten() {
    QFETCH(QString, score);
    QFETCH(QByteArray, field);
    Bracket bracket(4);
    bracket.setLineScore(0, score.toStdString());
    const std::string file = writeKaz(bracket);
    const std::optional<ClassicFile> classic = readClassic(file);
    QVERIFY(classic);
    QCOMPARE(hex(classic->lines[0].second), hex(toStd(field)));
    QCOMPARE(hasSheetBlock(bracket), score.toUtf8() != field);
    const std::optional<Bracket> read = readKaz(file);
    QVERIFY(read && !read->isChanged());
    QCOMPARE(QString::fromStdString(read->lineScore(0)), score);
}

// The block's whole score replaces only the field that is its start: a field changed since, or
// longer than a classic editor types, wins.
void TestKazFormat::longScoreRead_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("score");
    QTest::newRow("its start") << "6-4 3-6 7"
                               << "6-4 3-6 7-6(5)";
    QTest::newRow("changed since") << "6-3"
                                   << "6-3";
    QTest::newRow("a long classic field") << "6-4 3-6 7-6"
                                          << "6-4 3-6 7-6";
}

void TestKazFormat::longScoreRead() {
    QFETCH(QString, field);
    QFETCH(QString, score);
    const std::string file =
        Bytes().fourNames().i32(7).i32(0).str(field.toStdString()).lines(6).end().m_data +
        block({record(15, Bytes().i32(1).i32(0).str("6-4 3-6 7-6(5)").m_data)});
    const std::optional<Bracket> read = readKaz(file);
    QVERIFY(read);
    QCOMPARE(QString::fromStdString(read->lineScore(0)), score);
}

QTEST_GUILESS_MAIN(TestKazFormat)
#include "tst_kaz_format.moc"
