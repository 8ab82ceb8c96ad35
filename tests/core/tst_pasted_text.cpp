#include <QTest>

#include "core_test_support.h"
#include "text/cp932.h"
#include "text/document_text.h"
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
    QTest::addColumn<QStringList>("entries");  // "line:text"
    QTest::newRow("one name") << "Zoe" << QStringList{"1:Zoe"};
    QTest::newRow("one line is left as it is") << "  Zoe " << QStringList{"1:  Zoe "};
    QTest::newRow("a tab ends it") << "Zoe\t12\t3" << QStringList{"1:Zoe"};
    QTest::newRow("tab first, one line") << "\tZoe" << QStringList{};
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("CRLF") << "A\r\nB\r\nC" << QStringList{"1:A", "2:B", "3:C"};
    QTest::newRow("CR") << "A\rB\r" << QStringList{"1:A", "2:B"};
    QTest::newRow("LF, trailing break") << "A\n" << QStringList{"1:A"};
    QTest::newRow("blank lines skipped, names trimmed, an empty first cell")
        << "\n  A  \r\n\r\n \t \r\n\tB\nC\t9\n"
        << QStringList{"2:A", "5:", "6:C"};
    QTest::newRow("ideographic and no-break spaces trimmed")
        << QStringLiteral("\u3000山田\u3000\u00A0\n\u00A0鈴木") << QStringList{"1:山田", "2:鈴木"};
    QTest::newRow("only line breaks") << "\r\n\r\n\n" << QStringList{};
}

void TestPastedText::entries() {
    QFETCH(QString, text);
    QFETCH(QStringList, entries);
    QStringList actual;
    for (const PastedEntry& entry : pastedEntries(text.toStdString())) {
        actual << QStringLiteral("%1:%2").arg(entry.line).arg(QString::fromStdString(entry.text));
    }
    QCOMPARE(actual, entries);
}

void TestPastedText::fitting_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxCharacters");
    QTest::addColumn<QString>("fitted");  // "(refused)" when it would pass the limit
    QTest::addColumn<QString>("note");    // about the characters older programs show as 〓
    QTest::addColumn<bool>("controls");
    const QString refused = QStringLiteral("(refused)");
    QTest::newRow("fits") << "3-1" << 9 << "3-1"
                          << "" << false;
    QTest::newRow("exactly the limit") << "123456789" << 9 << "123456789"
                                       << "" << false;
    QTest::newRow("one byte over, refused whole") << "1234567890" << 9 << refused << "" << false;
    QTest::newRow("double-byte characters count one") << "勝ち勝ち勝" << 5 << "勝ち勝ち勝"
                                                      << "" << false;
    QTest::newRow("double-byte over") << "勝ち勝ち勝" << 4 << refused << "" << false;
    QTest::newRow("half-width kana count one") << "ﾊﾝｶｸﾒｲ" << 6 << "ﾊﾝｶｸﾒｲ"
                                               << "" << false;
    const QString kept =
        QStringLiteral("は入力のまま残します。古いプログラムでは 〓 と表示されます。");
    QTest::newRow("a name that Shift_JIS cannot hold whole")
        << QStringLiteral("𠮷田\u3000太郎") << 99 << QStringLiteral("𠮷田\u3000太郎")
        << QStringLiteral("「𠮷」") + kept << false;
    QTest::newRow("each character once, in order")
        << QStringLiteral("é😀é1") << 9 << QStringLiteral("é😀é1")
        << QStringLiteral(
               "「é」、「😀」は入力のまま残します。古いプログラムではどれも 〓 と表示されます。")
        << false;
    QTest::newRow("a character beyond Shift_JIS counts one")
        << QStringLiteral("1234567😀") << 8 << QStringLiteral("1234567😀")
        << QStringLiteral("「😀」") + kept << false;
    QTest::newRow("control characters left out")
        << QStringLiteral("A\u0001B\u007FC\u0085D\tE\nF") << 99 << "ABCDEF"
        << "" << true;
    QTest::newRow("empty") << "" << 9 << ""
                           << "" << false;
    QTest::newRow("no room") << "A" << 0 << refused << "" << false;
}

void TestPastedText::fitting() {
    QFETCH(QString, text);
    QFETCH(int, maxCharacters);
    QFETCH(QString, fitted);
    QFETCH(QString, note);
    QFETCH(bool, controls);
    const FittedText result = fitToField(text.toStdString(), size_t(maxCharacters));
    QCOMPARE(result.tooLong, fitted == "(refused)");
    if (!result.tooLong) QCOMPARE(QString::fromStdString(result.text), fitted);
    QVERIFY(textLength(result.text) <= size_t(maxCharacters));
    QCOMPARE(QString::fromStdString(result.beyondCp932.empty()
                                        ? std::string()
                                        : japaneseText(keptAsTypedText(result.beyondCp932))),
             note);
    QCOMPARE(result.controlsLeftOut, controls);
    // A list's line names its line.
    if (!result.beyondCp932.empty()) {
        QCOMPARE(QString::fromStdString(japaneseText(keptAsTypedNote(3, result.beyondCp932))),
                 "3行目: " + note);
    }
}

QTEST_GUILESS_MAIN(TestPastedText)
#include "tst_pasted_text.moc"
