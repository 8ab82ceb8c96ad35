// What a typed score becomes.

#include <QTest>

#include "text/text_limits.h"

using namespace kaz;

class TestTextLimits : public QObject {
    Q_OBJECT
private slots:
    void trimScore_data();
    void trimScore();
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

QTEST_GUILESS_MAIN(TestTextLimits)
#include "tst_text_limits.moc"
