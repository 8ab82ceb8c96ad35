#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTest>
#include <functional>

#include "bracket/bracket.h"
#include "core_test_support.h"
#include "html/live_page.h"
#include "played_bracket.h"
#include "text/cp932.h"

using namespace kaz;
using testbrackets::cp932;
using testbrackets::playedBracket;

using MakeBracket = std::function<Bracket()>;
Q_DECLARE_METATYPE(MakeBracket)

namespace {

// `utf8` as the page must show it: escaped, a tab or line break as a space, another control
// character as U+FFFD.
QString escapedText(const std::string& utf8) {
    QString text;
    for (const QChar c : QString::fromStdString(utf8)) {
        switch (c.unicode()) {
            case '&': text += QStringLiteral("&amp;"); break;
            case '<': text += QStringLiteral("&lt;"); break;
            case '>': text += QStringLiteral("&gt;"); break;
            case '"': text += QStringLiteral("&quot;"); break;
            case '\'': text += QStringLiteral("&#39;"); break;
            case '\t':
            case '\n':
            case '\r': text += QLatin1Char(' '); break;
            default: text += c.unicode() < 0x20 ? QChar(0xFFFD) : c;
        }
    }
    return text;
}

// The elements the page is made of: anything else in it came from the bracket unescaped.
const QSet<QString> kElements = {"html",    "head", "meta", "title", "style", "body", "header",
                                 "h1",      "p",    "main", "div",   "svg",   "rect", "text",
                                 "section", "h2",   "h3",   "ol",    "ul",    "li",   "strong"};
const QSet<QString> kVoid = {"meta"};

// Every tag is one of the page's own, every element but the void ones and the self-closed
// closes, in order.
void checkStructure(const QString& page) {
    static const QRegularExpression tag(QStringLiteral("<(/?)([A-Za-z0-9!]+)[^<>]*?(/?)>"));
    QStringList open;
    int tags = 0;
    for (const QRegularExpressionMatch& m : tag.globalMatch(page)) {
        ++tags;
        const QString name = m.captured(2);
        if (name == QLatin1String("!DOCTYPE")) continue;
        QVERIFY2(kElements.contains(name), qPrintable(QStringLiteral("unknown tag ") + name));
        if (m.captured(1).isEmpty()) {
            if (m.captured(3).isEmpty() && !kVoid.contains(name)) open.append(name);
        } else {
            QVERIFY2(!open.isEmpty() && open.takeLast() == name, qPrintable(name));
        }
    }
    QVERIFY(open.isEmpty());
    // No '<' or '>' stands outside a tag (the style sheet uses neither).
    QCOMPARE(page.count(QLatin1Char('<')), tags);
    QCOMPARE(page.count(QLatin1Char('>')), tags);
}

}  // namespace

class TestLivePage : public QObject {
    Q_OBJECT

private slots:
    void page_data();
    void page();
};

void TestLivePage::page_data() {
    QTest::addColumn<MakeBracket>("make");
    QTest::addColumn<int>("refresh");
    QTest::addColumn<int>("results");  // list items: decided matches and shared third places
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("absent");

    QTest::newRow("empty bracket") << MakeBracket([] { return Bracket(4); }) << 0 << 0
                                   << QStringList{"まだ結果はありません。", "<title>トーナメント表"}
                                   << QStringList{"<li>", "class=\"w\"", "http-equiv"};
    QTest::newRow("markup in texts and colours")
        << MakeBracket([] {
               Bracket b = playedBracket(8, false, false, "<script>&\"'");
               b.setMemberName(3, "<&>\"'\t");
               b.colors().winLineColor = "</style";
               b.colors().scoreColor = "red;}<";
               return b;
           })
        << 30 << 7
        << QStringList{"<meta http-equiv=\"refresh\" content=\"30\">",
                       "<title>&lt;script&gt;&amp;&quot;&#39;</title>", "&lt;&amp;&gt;&quot;&#39; "}
        << QStringList{"<script", "</style;", "red;}"};
    QTest::newRow("bytes that are not CP932") << MakeBracket([] {
        Bracket b = playedBracket(4, false, false);
        b.setMemberName(0, std::string("\x81\x20\xFF\x85\x00", 5));
        b.setChampion("\xA0\xFD");
        return b;
    }) << 0 << 3 << QStringList{"\uFFFD"} << QStringList{"\x01"};
    QTest::newRow("a name longer than the chart draws") << MakeBracket([] {
        Bracket b = playedBracket(4, false, false);
        b.setMemberName(1, cp932(std::string(200 * 3, 'x').replace(0, 3, "長")));
        return b;
    }) << 0 << 3 << QStringList{"長" + QString(63, QLatin1Char('x')) + "…</text>"}
                                                        << QStringList{};
    QTest::newRow("black lines keep the chart light in the dark") << MakeBracket([] {
        Bracket b = playedBracket(4, false, false);
        b.colors().winLineColor = "#000000";
        return b;
    }) << 0 << 3 << QStringList{"--muted:#aaa}}"} << QStringList{"--chart:#1e1f22"};
    QTest::newRow("two sides and third place, 128")
        << MakeBracket([] { return playedBracket(128, true, true); }) << 5 << 128
        << QStringList{"<h3>3位決定戦</h3>", "<h3>優勝</h3>", "--chart:#1e1f22"} << QStringList{};
    QTest::newRow("two third places") << MakeBracket([] {
        Bracket b = playedBracket(8, false, false);
        SheetInfo sheet = b.sheet();
        sheet.thirdPlace = ThirdPlace::Shared;
        b.setSheet(sheet);
        return b;
    }) << 0 << 9 << QStringList{"<h3>3位</h3>\n<ul>"}
                                      << QStringList{"3位決定戦"};
    QTest::newRow("128 on one side")
        << MakeBracket([] { return playedBracket(128, false, false); }) << 0 << 127
        << QStringList{"<h3>決勝</h3>"} << QStringList{"3位"};
}

void TestLivePage::page() {
    QFETCH(MakeBracket, make);
    QFETCH(int, refresh);
    QFETCH(int, results);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, absent);
    const Bracket bracket = make();
    LivePageOptions options;
    options.updatedAt = "2026-12-08 12:34:56";
    options.refreshSeconds = refresh;
    const std::string bytes = writeLivePage(bracket, options);

    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString page = decoder(kaztest::toBytes(bytes));
    QVERIFY(!decoder.hasError());
    QVERIFY(bytes.size() <= 200u * 1024);
    for (const QChar c : page) QVERIFY(c.unicode() >= 0x20 || c == QLatin1Char('\n'));
    checkStructure(page);
    if (QTest::currentTestFailed()) return;

    QVERIFY(page.contains(QStringLiteral("最終更新 2026-12-08 12:34:56")));
    QCOMPARE(page.contains(QStringLiteral("http-equiv=\"refresh\"")), refresh > 0);
    for (int m = 0; m < bracket.memberCount(); ++m) {
        const QString name = escapedText(cp932ToUtf8(bracket.memberName(m)));
        QVERIFY2(page.contains(name), qPrintable(name));
    }
    if (!bracket.champion().empty()) {
        QVERIFY(page.contains(escapedText(cp932ToUtf8(bracket.champion()))));
    }
    const int list = page.indexOf(QStringLiteral("<section class=\"results\""));
    QVERIFY(list > page.indexOf(QStringLiteral("</svg>")));
    QCOMPARE(page.mid(list).count(QStringLiteral("<li>")), results);
    // No text of the page is smaller than 12 CSS pixels.
    static const QRegularExpression size(QStringLiteral("font-size:(\\d+)px"));
    for (const QRegularExpressionMatch& m : size.globalMatch(page)) {
        QVERIFY2(m.captured(1).toInt() >= 12, qPrintable(m.captured(0)));
    }
    for (const QString& text : shown) QVERIFY2(page.contains(text), qPrintable(text));
    for (const QString& text : absent) QVERIFY2(!page.contains(text), qPrintable(text));
}

QTEST_GUILESS_MAIN(TestLivePage)
#include "tst_live_page.moc"
