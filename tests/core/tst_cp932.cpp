#include <QTest>
#include <map>
#include <vector>

#include "core_test_support.h"
#include "text/cp932.h"
#include "text/document_text.h"
#ifdef KAZ_ICONV_REFERENCE
#include "iconv_cp932.h"
#endif

using namespace kaz;
using kaztest::toBytes;
using kaztest::toStd;

class TestCp932 : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void oneWayToCp932_data();
    void oneWayToCp932();
    void refused_data();
    void refused();
    void byteLength_data();
    void byteLength();
    void invalidBytesShowAsReplacement_data();
    void invalidBytesShowAsReplacement();
    void everyDoubleByteCharacterRoundTrips();
    void utf16Lossy_data();
    void utf16Lossy();
    void sameAsSystemConverter_data();
    void sameAsSystemConverter();
};

// text (UTF-8) and its CP932 bytes, Microsoft's mapping.
void TestCp932::roundTrip_data() {
    QTest::addColumn<QByteArray>("utf8");
    QTest::addColumn<QByteArray>("cp932");

    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("ASCII") << QByteArray("Score 3-1 #FF9000") << QByteArray("Score 3-1 #FF9000");
    QTest::newRow("backslash") << QByteArray("a\\b") << QByteArray("a\\b");
    QTest::newRow("tilde") << QByteArray("~") << QByteArray("~");
    QTest::newRow("選手A") << QByteArray("選手A")
                           << QByteArray(
                                  "\x91\x49\x8E\xE8"
                                  "A");
    QTest::newRow("トーナメント表")
        << QByteArray("トーナメント表")
        << QByteArray("\x83\x67\x81\x5B\x83\x69\x83\x81\x83\x93\x83\x67\x95\x5C");
    QTest::newRow("ideographic space") << QByteArray("　") << QByteArray("\x81\x40");
    QTest::newRow("full-width tilde U+FF5E")
        << QByteArray("\xEF\xBD\x9E") << QByteArray("\x81\x60");
    QTest::newRow("full-width minus U+FF0D")
        << QByteArray("\xEF\xBC\x8D") << QByteArray("\x81\x7C");
    QTest::newRow("parallel U+2225") << QByteArray("\xE2\x88\xA5") << QByteArray("\x81\x61");
    QTest::newRow("not sign U+FFE2") << QByteArray("\xEF\xBF\xA2") << QByteArray("\x81\xCA");
    QTest::newRow("full-width backslash") << QByteArray("＼") << QByteArray("\x81\x5F");
    QTest::newRow("half-width kana")
        << QByteArray("ﾊﾝｶｸｶﾅ") << QByteArray("\xCA\xDD\xB6\xB8\xB6\xC5");
    QTest::newRow("half-width voiced") << QByteArray("ｶﾞ") << QByteArray("\xB6\xDE");
    QTest::newRow("NEC circled 1") << QByteArray("①") << QByteArray("\x87\x40");
    QTest::newRow("NEC ㈱") << QByteArray("㈱") << QByteArray("\x87\x8A");
    QTest::newRow("IBM 髙") << QByteArray("髙") << QByteArray("\xFB\xFC");
    QTest::newRow("trail byte 5C")
        << QByteArray("ソ表能") << QByteArray("\x83\x5C\x95\x5C\x94\x5C");
    QTest::newRow("mixed") << QByteArray("優勝: ﾁｰﾑA（東京）")
                           << QByteArray(
                                  "\x97\x44\x8F\x9F: \xC1\xB0\xD1"
                                  "A\x81\x69\x93\x8C\x8B\x9E\x81\x6A");
}

void TestCp932::roundTrip() {
    QFETCH(QByteArray, utf8);
    QFETCH(QByteArray, cp932);
    const std::optional<std::string> encoded = utf8ToCp932(toStd(utf8));
    QVERIFY(encoded);
    QCOMPARE(toBytes(*encoded), cp932);
    QCOMPARE(toBytes(cp932ToUtf8(toStd(cp932))), utf8);
}

// The wave dash that many input methods type is held as the full-width tilde, which is
// what it reads back as.
void TestCp932::oneWayToCp932_data() {
    QTest::addColumn<QByteArray>("utf8");
    QTest::addColumn<QByteArray>("cp932");
    QTest::addColumn<QByteArray>("readBack");
    QTest::newRow("wave dash U+301C")
        << QByteArray("\xE3\x80\x9C") << QByteArray("\x81\x60") << QByteArray("\xEF\xBD\x9E");
}

void TestCp932::oneWayToCp932() {
    QFETCH(QByteArray, utf8);
    QFETCH(QByteArray, cp932);
    QFETCH(QByteArray, readBack);
    QCOMPARE(toBytes(utf8ToCp932(toStd(utf8)).value_or("(refused)")), cp932);
    QCOMPARE(toBytes(cp932ToUtf8(toStd(cp932))), readBack);
}

void TestCp932::refused_data() {
    QTest::addColumn<QByteArray>("utf8");
    QTest::newRow("emoji") << QByteArray("\xF0\x9F\x98\x80");
    QTest::newRow("𠮷 (outside the BMP)") << QByteArray("\xF0\xA0\xAE\xB7");
    QTest::newRow("emoji inside a name") << QByteArray(
        "選手\xF0\x9F\x98\x80"
        "A");
    QTest::newRow("Hangul") << QByteArray("한국");
    QTest::newRow("é") << QByteArray("caf\xC3\xA9");
    QTest::newRow("euro sign") << QByteArray("\xE2\x82\xAC");
    QTest::newRow("bad UTF-8") << QByteArray(
        "a\xFF"
        "b");
    QTest::newRow("cut UTF-8") << QByteArray("a\xE3\x80");
}

void TestCp932::refused() {
    QFETCH(QByteArray, utf8);
    QVERIFY(!utf8ToCp932(toStd(utf8)));
}

void TestCp932::byteLength_data() {
    QTest::addColumn<QByteArray>("utf8");
    QTest::addColumn<int>("bytes");
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("ASCII") << QByteArray("abc") << 3;
    QTest::newRow("kanji") << QByteArray("選手権") << 6;
    QTest::newRow("half-width kana") << QByteArray("ｶﾀｶﾅ") << 4;
    QTest::newRow("score limit") << QByteArray("３－１ab") << 6 + 2;
    QTest::newRow("NUL inside") << QByteArray("a\0b", 3) << 3;
}

void TestCp932::byteLength() {
    QFETCH(QByteArray, utf8);
    QFETCH(int, bytes);
    const std::optional<std::string> encoded = utf8ToCp932(toStd(utf8));
    QVERIFY(encoded);
    QCOMPARE(encoded->size(), size_t(bytes));
}

void TestCp932::invalidBytesShowAsReplacement_data() {
    QTest::addColumn<QByteArray>("cp932");
    QTest::addColumn<QByteArray>("utf8");
    const QByteArray fffd("\xEF\xBF\xBD");
    QTest::newRow("lone lead byte at the end") << QByteArray("A\x81") << "A" + fffd;
    QTest::newRow("lead byte before a blank") << QByteArray("\x81 B") << fffd + " B";
    QTest::newRow("FF") << QByteArray(
                               "\xFF"
                               "B")
                        << fffd + "B";
    QTest::newRow("80") << QByteArray("\x80") << fffd;
    QTest::newRow("A0") << QByteArray("\xA0") << fffd;
    QTest::newRow("unassigned row 85") << QByteArray("\x85\x40\x91\x49") << fffd + "@\xE9\x81\xB8";
    QTest::newRow("several") << QByteArray("\xFD\xFE\xFF") << fffd + fffd + fffd;
}

// A damaged name can still be shown; the rest of it comes through. Opened into a document,
// whose text keeps the damaged bytes as they came, it shows the same, and text that is not
// UTF-8 shows as U+FFFD too.
void TestCp932::invalidBytesShowAsReplacement() {
    QFETCH(QByteArray, cp932);
    QFETCH(QByteArray, utf8);
    QCOMPARE(toBytes(cp932ToUtf8(toStd(cp932))), utf8);
    QCOMPARE(toBytes(shownText(textFromCp932(toStd(cp932)))), utf8);
    QCOMPARE(toBytes(shownText("\xFF" + textFromCp932(toStd(cp932)) + "\xC3")),
             "\xEF\xBF\xBD" + utf8 + "\xEF\xBF\xBD");
}

// Every valid two-byte code survives a trip through UTF-8. Codes that CP932 holds twice come
// back as the one Windows writes (the IBM or JIS code); all others come back unchanged.
void TestCp932::everyDoubleByteCharacterRoundTrips() {
    const std::map<std::string, std::string> twins = {
        {"\xED\x40", "\xFA\x5C"}, {"\xEE\xEF", "\xFA\x40"}, {"\xEE\xF9", "\x81\xCA"},
        {"\x87\x90", "\x81\xE0"}, {"\xFA\x4A", "\x87\x54"}, {"\xFA\x54", "\x81\xCA"},
        {"\xFA\x58", "\x87\x8A"}, {"\xFA\x5B", "\x81\xE6"},
    };
    int valid = 0;
    int changed = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead >= 0xA0 && lead <= 0xDF) continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail == 0x7F) continue;
            const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
            const std::string utf8 = cp932ToUtf8(bytes);
            if (utf8.find("\xEF\xBF\xBD") != std::string::npos) continue;  // unassigned
            ++valid;
            const std::optional<std::string> back = utf8ToCp932(utf8);
            QVERIFY2(back, qPrintable(kaztest::hex(bytes)));
            QCOMPARE(back->size(), size_t{2});
            QCOMPARE(cp932ToUtf8(*back), utf8);
            if (*back != bytes) ++changed;
            const auto twin = twins.find(bytes);
            if (twin != twins.end()) QCOMPARE(kaztest::hex(*back), kaztest::hex(twin->second));
            // Outside the NEC-selected rows ED and EE and the duplicated symbols, nothing moves.
            if (lead != 0xED && lead != 0xEE && lead != 0x87 && lead != 0xFA) {
                QCOMPARE(kaztest::hex(*back), kaztest::hex(bytes));
            }
        }
    }
    // JIS X 0208, the NEC and IBM extensions and the 1,880 user-defined codes.
    QCOMPARE(valid, 9604);
    QCOMPARE(changed, 398);
}

void TestCp932::utf16Lossy_data() {
    QTest::addColumn<QByteArray>("utf16le");
    QTest::addColumn<QString>("text");
    const QString fffd(QChar(0xFFFD));
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("ASCII") << QByteArray("A\0b\0", 4) << "Ab";
    QTest::newRow("山田") << QByteArray("\x71\x5C\x30\x75", 4) << "山田";
    QTest::newRow("Hangul") << QByteArray(
                                   "\x5C\xD5"
                                   "A\0",
                                   4)
                            << "한A";
    QTest::newRow("emoji pair") << QByteArray(
                                       "\x3D\xD8\x00\xDE"
                                       "x\0",
                                       6)
                                << "😀x";
    QTest::newRow("lone high surrogate") << QByteArray(
                                                "\x3D\xD8"
                                                "A\0",
                                                4)
                                         << fffd + "A";
    QTest::newRow("lone low surrogate") << QByteArray("B\0\x00\xDE", 4) << "B" + fffd;
    QTest::newRow("two high surrogates") << QByteArray("\x3D\xD8\x3D\xD8\x00\xDE", 6) << fffd + "😀";
    QTest::newRow("half a unit at the end") << QByteArray("A\0B", 3) << "A" + fffd;
}

// The UTF-16 form of a string is read whole, whatever CP932 holds of it.
void TestCp932::utf16Lossy() {
    QFETCH(QByteArray, utf16le);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(textFromUtf16Le(toStd(utf16le))), text);
}

namespace {

enum class Direction { FromCp932, FromUtf8 };

std::string utf8Of(unsigned codePoint) {  // surrogates too, as a decoder must refuse them
    if (codePoint < 0x80) return std::string(1, char(codePoint));
    if (codePoint < 0x800) return {char(0xC0 | codePoint >> 6), char(0x80 | (codePoint & 0x3F))};
    return {char(0xE0 | codePoint >> 12), char(0x80 | (codePoint >> 6 & 0x3F)),
            char(0x80 | (codePoint & 0x3F))};
}

// The texts each direction is compared on: every one- and two-byte text, every BMP character,
// and the edges of UTF-8 that a decoder must refuse.
[[maybe_unused]] std::vector<std::string> inputsFor(Direction direction) {
    std::vector<std::string> inputs;
    for (unsigned b = 0; b < 0x100; ++b) inputs.push_back(std::string(1, char(b)));
    for (unsigned v = 0; v < 0x10000; ++v) inputs.push_back({char(v >> 8), char(v & 0xFF)});
    if (direction == Direction::FromUtf8) {
        for (unsigned cp = 0x80; cp < 0x10000; ++cp) inputs.push_back(utf8Of(cp) + "A");
        for (const char lead : {'\xE0', '\xED', '\xEF', '\xF0', '\xF4'}) {
            for (unsigned v = 0; v < 0x10000; ++v) {
                inputs.push_back({lead, char(v >> 8), char(v & 0xFF), '\x80'});
            }
        }
    }
    return inputs;
}

}  // namespace

void TestCp932::sameAsSystemConverter_data() {
    QTest::addColumn<int>("direction");
    QTest::newRow("CP932 to UTF-8") << int(Direction::FromCp932);
    QTest::newRow("UTF-8 to CP932") << int(Direction::FromUtf8);
}

// The table gives exactly the bytes the system's converter gives, one-way mappings, refusals
// and stand-ins for bad input included.
void TestCp932::sameAsSystemConverter() {
#ifndef KAZ_ICONV_REFERENCE
    QSKIP("the system's CP932 converter (the GNU C library's iconv) is not here");
#else
    QFETCH(int, direction);
    kazref::IconvCp932 reference;
    QVERIFY(reference.valid());
    int differences = 0;
    QByteArray first;
    for (const std::string& input : inputsFor(Direction(direction))) {
        std::optional<std::string> ours;
        std::optional<std::string> theirs;
        switch (Direction(direction)) {
            case Direction::FromCp932:
                ours = cp932ToUtf8(input);
                theirs = reference.toUtf8(input);
                break;
            case Direction::FromUtf8:
                ours = utf8ToCp932(input);
                theirs = reference.fromUtf8(input);
                break;
        }
        if (ours == theirs) continue;
        if (differences++ == 0) {
            first = kaztest::hex(input) + " -> " + kaztest::hex(ours.value_or("(refused)")) +
                    ", system: " + kaztest::hex(theirs.value_or("(refused)"));
        }
    }
    QVERIFY2(differences == 0,
             qPrintable(QString::number(differences) + " differ, first " + first));
#endif
}

QTEST_GUILESS_MAIN(TestCp932)
#include "tst_cp932.moc"
