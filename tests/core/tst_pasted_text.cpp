#include <QTest>

#include "core_test_support.h"
#include "text/cp932.h"
#include "text/pasted_text.h"

using namespace kaz;

class TestPastedText : public QObject {
    Q_OBJECT

private slots:
    void entries_data();
    void entries();
    void fitting_data();
    void fitting();
};

void TestPastedText::entries_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("one name") << "Zoe" << QStringList{"Zoe"};
    QTest::newRow("one line is left as it is") << "  Zoe " << QStringList{"  Zoe "};
    QTest::newRow("a tab ends it") << "Zoe\t12\t3" << QStringList{"Zoe"};
    QTest::newRow("tab first, one line") << "\tZoe" << QStringList{};
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("CRLF") << "A\r\nB\r\nC" << QStringList{"A", "B", "C"};
    QTest::newRow("CR") << "A\rB\r" << QStringList{"A", "B"};
    QTest::newRow("LF, trailing break") << "A\n" << QStringList{"A"};
    QTest::newRow("blank lines skipped, names trimmed, an empty first cell")
        << "\n  A  \n\n \t \r\n\tB\nC\t9\n"
        << QStringList{"A", "", "C"};
    QTest::newRow("ideographic and no-break spaces trimmed")
        << QStringLiteral("\u3000山田\u3000\u00A0\n\u00A0鈴木") << QStringList{"山田", "鈴木"};
    QTest::newRow("only line breaks") << "\r\n\r\n\n" << QStringList{};
}

void TestPastedText::entries() {
    QFETCH(QString, text);
    QFETCH(QStringList, entries);
    QStringList actual;
    for (const std::string& entry : pastedEntries(text.toStdString())) {
        actual << QString::fromStdString(entry);
    }
    QCOMPARE(actual, entries);
}

void TestPastedText::fitting_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxBytes");
    QTest::addColumn<QString>("fitted");
    QTest::addColumn<bool>("dropped");
    QTest::addColumn<bool>("cut");
    QTest::newRow("fits") << "3-1" << 9 << "3-1" << false << false;
    QTest::newRow("exactly the limit") << "123456789" << 9 << "123456789" << false << false;
    QTest::newRow("one byte over") << "1234567890" << 9 << "123456789" << false << true;
    // 勝ち勝ち勝 is 10 bytes: the fifth character would straddle the limit.
    QTest::newRow("never half a character") << "勝ち勝ち勝" << 9 << "勝ち勝ち" << false << true;
    QTest::newRow("single-byte after double-byte")
        << "勝ち勝ち1勝" << 9 << "勝ち勝ち1" << false << true;
    QTest::newRow("half-width kana are one byte") << "ﾊﾝｶｸﾒｲ" << 5 << "ﾊﾝｶｸﾒ" << false << true;
    QTest::newRow("emoji left out") << QStringLiteral("A😀B") << 9 << "AB" << true << false;
    QTest::newRow("é left out") << "é1" << 9 << "1" << true << false;
    QTest::newRow("control characters left out")
        << QStringLiteral("A\u0001B\u007FC\u0085D\tE\nF") << 99 << "ABCDEF" << true << false;
    QTest::newRow("left out and cut")
        << QStringLiteral("😀1234567890") << 9 << "123456789" << true << true;
    QTest::newRow("nothing usable") << QStringLiteral("😀😀") << 9 << "" << true << false;
    QTest::newRow("empty") << "" << 9 << "" << false << false;
    QTest::newRow("no room") << "A" << 0 << "" << false << true;
}

void TestPastedText::fitting() {
    QFETCH(QString, text);
    QFETCH(int, maxBytes);
    QFETCH(QString, fitted);
    QFETCH(bool, dropped);
    QFETCH(bool, cut);
    const FittedText result = fitToField(text.toStdString(), size_t(maxBytes));
    QCOMPARE(kaztest::hex(result.cp932), kaztest::hex(*utf8ToCp932(fitted.toStdString())));
    QVERIFY(result.cp932.size() <= size_t(maxBytes));
    QCOMPARE(result.dropped, dropped);
    QCOMPARE(result.cut, cut);
}

QTEST_GUILESS_MAIN(TestPastedText)
#include "tst_pasted_text.moc"
