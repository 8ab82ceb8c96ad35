// What a typed score and a typed colour string become.

#include <QTest>

#include "text/text_limits.h"

using namespace kaz;

class TestTextLimits : public QObject {
    Q_OBJECT
private slots:
    void trimScore_data();
    void trimScore();
    void colorStringOrBlack_data();
    void colorStringOrBlack();
};

void TestTextLimits::trimScore_data() {
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("blanks around") << QByteArray(" \t3 - 1\r\n") << QByteArray("3 - 1");
    QTest::newRow("blanks only") << QByteArray("   ") << QByteArray();
    // An ideographic space is text, not a single-byte blank.
    QTest::newRow("ideographic space") << QByteArray(
                                              "\x81\x40"
                                              "1 ")
                                       << QByteArray(
                                              "\x81\x40"
                                              "1");
}

void TestTextLimits::trimScore() {
    QFETCH(QByteArray, typed);
    QFETCH(QByteArray, stored);
    QCOMPARE(QByteArray::fromStdString(kaz::trimScore(typed.toStdString())), stored);
}

void TestTextLimits::colorStringOrBlack_data() {
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("a colour") << QByteArray("#ff0000") << QByteArray("#ff0000");
    QTest::newRow("seven bytes, no colour") << QByteArray("#GHIJKL") << QByteArray("#GHIJKL");
    QTest::newRow("six bytes") << QByteArray("#DC143") << QByteArray("#000000");
    QTest::newRow("eight bytes") << QByteArray("#DC143C0") << QByteArray("#000000");
    QTest::newRow("empty") << QByteArray() << QByteArray("#000000");
}

void TestTextLimits::colorStringOrBlack() {
    QFETCH(QByteArray, typed);
    QFETCH(QByteArray, stored);
    QCOMPARE(QByteArray::fromStdString(kaz::colorStringOrBlack(typed.toStdString())), stored);
}

QTEST_GUILESS_MAIN(TestTextLimits)
#include "tst_text_limits.moc"
