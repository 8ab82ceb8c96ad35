#include <QTest>
#include <cctype>
#include <cstdio>
#include <random>

#include "color/color_value.h"
#include "core_test_support.h"

using namespace kaz;

namespace {

// The C library's own reading of a slice, the behaviour a colour string is defined by.
int scanfHex(const std::string& slice) {
    unsigned value = 0;
    return std::sscanf(slice.c_str(), "%x", &value) == 1 ? static_cast<int>(value & 0xFF) : 0;
}

}  // namespace

class TestColorValue : public QObject {
    Q_OBJECT

private slots:
    void fromString_data();
    void fromString();
    void everySliceReadsLikeScanf();
    void toString_data();
    void toString();
    void roundTrips();
    void normalColorString_data();
    void normalColorString();
};

void TestColorValue::fromString_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");

    QTest::newRow("#DC143C") << QByteArray("#DC143C") << 0xDC << 0x14 << 0x3C;
    QTest::newRow("lower case") << QByteArray("#ffffff") << 0xFF << 0xFF << 0xFF;
    QTest::newRow("mixed case") << QByteArray("#aB0c9F") << 0xAB << 0x0C << 0x9F;
    QTest::newRow("empty") << QByteArray() << 0 << 0 << 0;
    QTest::newRow("# alone") << QByteArray("#") << 0 << 0 << 0;
    QTest::newRow("#FFF") << QByteArray("#FFF") << 0xFF << 0x0F << 0;
    QTest::newRow("#F") << QByteArray("#F") << 0x0F << 0 << 0;
    QTest::newRow("#GG8000") << QByteArray("#GG8000") << 0 << 0x80 << 0;
    QTest::newRow("#1G0000") << QByteArray("#1G0000") << 1 << 0 << 0;
    QTest::newRow("without #") << QByteArray("FF0000") << 0xF0 << 0 << 0;
    QTest::newRow("#12345678") << QByteArray("#12345678") << 0x12 << 0x34 << 0x56;
    QTest::newRow("first byte ignored") << QByteArray("X102030") << 0x10 << 0x20 << 0x30;
    QTest::newRow("blank, minus, plus") << QByteArray("# 1-1+F") << 1 << 0xFF << 0x0F;
    QTest::newRow("#-10000") << QByteArray("#-10000") << 0xFF << 0 << 0;
    QTest::newRow("sign alone") << QByteArray("#- + 00") << 0 << 0 << 0;
    QTest::newRow("blanks") << QByteArray("#  \t1\n2") << 0 << 1 << 2;
    QTest::newRow("-F") << QByteArray("#-F-0-A") << 0xF1 << 0 << 0xF6;
    QTest::newRow("0x") << QByteArray("#0x0XFF") << 0 << 0 << 0xFF;
    QTest::newRow("NUL inside") << QByteArray(
                                       "#1\0\0"
                                       "234",
                                       7)
                                << 1 << 0 << 0x34;
    QTest::newRow("CP932 bytes") << QByteArray(
                                        "#\x82\x60\x81\x40"
                                        "AB")
                                 << 0 << 0 << 0xAB;
}

void TestColorValue::fromString() {
    QFETCH(QByteArray, text);
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    const std::string s = kaztest::toStd(text);
    const ColorValue value = colorFromString(s);
    QCOMPARE(redOf(value), red);
    QCOMPARE(greenOf(value), green);
    QCOMPARE(blueOf(value), blue);
    QCOMPARE(value >> 24, 0u);

    // The expectations above agree with the C library on each slice.
    for (int k = 0; k < 3; ++k) {
        const size_t start = size_t(1 + 2 * k);
        const std::string slice = start < s.size() ? s.substr(start, 2) : std::string();
        QCOMPARE(scanfHex(slice), (k == 0 ? red : k == 1 ? green : blue));
    }
}

// All 65,536 two-byte slices, every single byte and the empty slice, in each position.
void TestColorValue::everySliceReadsLikeScanf() {
    std::vector<std::string> slices{std::string()};
    for (int a = 0; a < 256; ++a) {
        slices.push_back(std::string(1, char(a)));
        for (int b = 0; b < 256; ++b) slices.push_back(std::string{char(a), char(b)});
    }
    int mismatches = 0;
    for (const std::string& slice : slices) {
        const int expected = scanfHex(slice);
        const ColorValue red = colorFromString("#" + slice);
        const ColorValue green = colorFromString("#00" + slice);
        const ColorValue blue = colorFromString("#0000" + slice);
        // A full slice is read alone, whatever follows it.
        const ColorValue followed = colorFromString("#" + slice + "7777");
        const bool full = slice.size() == 2;
        if (redOf(red) != expected || greenOf(green) != expected || blueOf(blue) != expected ||
            (full && (redOf(followed) != expected || greenOf(followed) != 0x77))) {
            if (++mismatches <= 5) {
                qWarning("slice %s: scanf %d, read %d %d %d", kaztest::hex(slice).constData(),
                         expected, redOf(red), greenOf(green), blueOf(blue));
            }
        }
    }
    QCOMPARE(mismatches, 0);
}

void TestColorValue::toString_data() {
    QTest::addColumn<uint>("value");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("black") << 0u << QByteArray("#000000");
    QTest::newRow("white") << 0xFFFFFFu << QByteArray("#FFFFFF");
    QTest::newRow("crimson") << 0x3C14DCu << QByteArray("#DC143C");
    QTest::newRow("red is the low byte") << 0x0000ABu << QByteArray("#AB0000");
    QTest::newRow("blue is the third byte") << 0x0A0000u << QByteArray("#00000A");
    QTest::newRow("top byte ignored") << 0xFF0C0B0Au << QByteArray("#0A0B0C");
}

void TestColorValue::toString() {
    QFETCH(uint, value);
    QFETCH(QByteArray, text);
    QCOMPARE(kaztest::toBytes(colorToString(value)), text);
}

void TestColorValue::roundTrips() {
    std::mt19937 random(12345);
    for (int i = 0; i < 200000; ++i) {
        const ColorValue value = random() & 0xFFFFFF;
        QCOMPARE(colorFromString(colorToString(value)), value);
    }
    const char digits[] = "0123456789abcdefABCDEF";
    for (int i = 0; i < 20000; ++i) {
        std::string text = "#";
        for (int d = 0; d < 6; ++d) text += digits[random() % 22];
        std::string upper = text;
        for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        QCOMPARE(colorToString(colorFromString(text)), upper);
    }
}

// What the settings dialog stores of a typed colour: the two forms, in upper case; nothing
// of any other text.
void TestColorValue::normalColorString_data() {
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<QByteArray>("stored");  // empty: refused
    QTest::newRow("lower case") << QByteArray("#ff0000") << QByteArray("#FF0000");
    QTest::newRow("upper case") << QByteArray("#DC143C") << QByteArray("#DC143C");
    QTest::newRow("three digits") << QByteArray("#f0A") << QByteArray("#FF00AA");
    QTest::newRow("seven bytes, no colour") << QByteArray("#GHIJKL") << QByteArray();
    QTest::newRow("five digits") << QByteArray("#DC143") << QByteArray();
    QTest::newRow("four digits") << QByteArray("#FFFF") << QByteArray();
    QTest::newRow("eight digits") << QByteArray("#DC143C00") << QByteArray();
    QTest::newRow("no #") << QByteArray("DC143C") << QByteArray();
    QTest::newRow("a sign") << QByteArray("#+1+2+3") << QByteArray();
    QTest::newRow("blank inside") << QByteArray("# 12345") << QByteArray();
    QTest::newRow("# alone") << QByteArray("#") << QByteArray();
    QTest::newRow("empty") << QByteArray() << QByteArray();
}

void TestColorValue::normalColorString() {
    QFETCH(QByteArray, typed);
    QFETCH(QByteArray, stored);
    const std::optional<std::string> normal = kaz::normalColorString(typed.toStdString());
    QCOMPARE(normal.has_value(), !stored.isEmpty());
    if (normal) QCOMPARE(QByteArray::fromStdString(*normal), stored);
}

QTEST_GUILESS_MAIN(TestColorValue)
#include "tst_color_value.moc"
