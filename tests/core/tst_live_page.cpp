#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTest>
#include <functional>

#include "bracket/bracket.h"
#include "bracket/line_rules.h"
#include "core_test_support.h"
#include "html/live_page.h"
#include "played_bracket.h"
#include "text/cp932.h"
#include "text/document_text.h"

using namespace kaz;
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
const QSet<QString> kElements = {
    "html", "head", "meta", "title", "style", "noscript", "script", "body",  "header",
    "h1",   "p",    "main", "div",   "svg",   "rect",     "text",   "tspan", "section",
    "h2",   "h3",   "ol",   "ul",    "li",    "strong",   "span"};
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

// Every text of the sheet besides the names, as UTF-8: each must stand in the page, escaped.
QStringList sheetTexts(const Bracket& bracket) {
    const SheetInfo& sheet = bracket.sheet();
    std::vector<std::string> texts = {sheet.title, sheet.subtitle, bracket.champion(),
                                      bracket.thirdPlaceResult(0).score,
                                      bracket.thirdPlaceResult(1).score};
    texts.insert(texts.end(), sheet.roundNames.begin(), sheet.roundNames.end());
    for (int m = 0; m < bracket.memberCount(); ++m) texts.push_back(bracket.memberClub(m));
    for (int line = 0; line < bracket.lineCount(); ++line) texts.push_back(bracket.lineScore(line));
    QStringList shown;
    for (const std::string& text : texts) {
        if (!text.empty()) shown.append(escapedText(shownText(text)));
    }
    return shown;
}

// Eight members, slots 1 and 6 byes (their opponents advanced), every match played, the
// third-place match too.
Bracket byeBracket() {
    Bracket b(8);
    SheetInfo sheet;
    sheet.matchNumbers = true;
    sheet.thirdPlace = ThirdPlace::Match;
    b.setBye(1, true);
    b.setBye(6, true);
    b.setSheet(sheet);
    for (int m = 0; m < 8; ++m) {
        if (!b.isBye(m)) b.setMemberName(m, std::string("選手" + std::to_string(m + 1)));
    }
    for (const int line : {0, 7, 2, 5, 8, 11, 12}) leftClickLine(b, line);
    leftClickThirdPlace(b, 0);
    return b;
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
    QTest::addColumn<QList<int>>("recent");  // LivePageOptions::recentResults
    QTest::addColumn<int>("results");        // list items: decided matches and shared third places
    // What the top of the page shows, in this order, before the chart, and how many of the
    // latest results.
    QTest::addColumn<QStringList>("top");
    QTest::addColumn<int>("latest");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("absent");

    QTest::newRow("empty bracket")
        << MakeBracket([] { return Bracket(4); }) << 0 << QList<int>() << 0 << QStringList() << 0
        << QStringList{"まだ結果はありません。", "<title>トーナメント表"}
        << QStringList{"<li>", "class=\"w\"", "http-equiv", "class=\"top\""};
    QTest::newRow("markup in every text of the sheet")
        << MakeBracket([] {
               Bracket b = playedBracket(8, true, true, "<i>&\"'");
               SheetInfo sheet = b.sheet();
               sheet.subtitle = "<i>2nd & \"'";
               sheet.roundNames[0] = "<i>1&";
               sheet.roundNames[3] = "<i>'";
               b.setMemberClub(0, "<i>&\"");
               ThirdPlaceResults results = b.thirdPlaceResults();
               results[0].score = "<i>&";
               b.setThirdPlaceResults(results);
               b.setSheet(sheet);
               b.setMemberName(3, "<&>\"'\t");
               b.setLineScore(8, "<i>'\"");
               b.setChampion("<i>champion&");
               b.colors().winLineColor = "</style";
               b.colors().scoreColor = "red;}<";
               return b;
           })
        << 30 << QList<int>() << 8
        << QStringList{"優勝 <strong>&lt;i&gt;champion&amp;",
                       "準優勝",
                       "3位",
                       "最新の結果",
                       "第8試合 3位決定戦: ",
                       "第7試合 決勝: ",
                       "第6試合 準決勝: "}
        << 6
        << QStringList{"<noscript><meta http-equiv=\"refresh\" content=\"30\"></noscript>",
                       "<title>&lt;i&gt;&amp;&quot;&#39;</title>", "&lt;&amp;&gt;&quot;&#39; "}
        << QStringList{"</style;", "red;}"};
    QTest::newRow("bytes that are not CP932") << MakeBracket([] {
        Bracket b = playedBracket(4, false, false);
        b.setMemberName(0, textFromCp932(std::string("\x81\x20\xFF\x85\x00", 5)));
        b.setChampion(textFromCp932("\xA0\xFD"));
        return b;
    }) << 0 << QList<int>() << 3 << QStringList()
                                              << 3 << QStringList{"\uFFFD"} << QStringList{"\x01"};
    QTest::newRow("names beyond Shift_JIS, as typed") << MakeBracket([] {
        Bracket b = playedBracket(4, true, false);
        b.setMemberName(0, "𠮷田");
        b.setMemberClub(0, "Café");
        b.setChampion("Zoë 😀");
        return b;
    }) << 0 << QList<int>() << 3 << QStringList() << 3 << QStringList{"𠮷田", "Café", "Zoë 😀"}
                                                      << QStringList{"〓", "&#x"};
    QTest::newRow("a name longer than the chart draws")
        << MakeBracket([] {
               Bracket b = playedBracket(4, false, false);
               b.setMemberName(1, std::string(std::string(200 * 3, 'x').replace(0, 3, "長")));
               return b;
           })
        << 0 << QList<int>() << 3 << QStringList() << 3
        << QStringList{">長" + QString(20, QLatin1Char('x')), "x…</text>"} << QStringList{};
    QTest::newRow("black lines keep the chart light in the dark") << MakeBracket([] {
        Bracket b = playedBracket(4, false, false);
        b.colors().winLineColor = "#000000";
        return b;
    }) << 0 << QList<int>() << 3 << QStringList() << 3 << QStringList{"--muted:#aaa}}"}
                                                                  << QStringList{"--chart:#1e1f22"};
    // Seed marks beside their names: before a name aligned right, after one of the right edge.
    QTest::newRow("two sides and third place, 128")
        << MakeBracket([] { return playedBracket(128, true, true); }) << 5 << QList<int>() << 128
        << QStringList{"優勝",
                       "準優勝",
                       "3位",
                       "第128試合 3位決定戦: ",
                       "第127試合 決勝: ",
                       "第126試合 準決勝: ",
                       "第125試合 準決勝: ",
                       "第124試合",
                       "第123試合"}
        << 6
        << QStringList{"<h3>3位決定戦</h3>", "<h3>優勝</h3>", "--chart:#1e1f22",    ">[1]</text>",
                       ">選手1</text>",      ">[2]</text>",   ">選手128Ｂ組</text>"}
        << QStringList{};
    QTest::newRow("two third places") << MakeBracket([] {
        Bracket b = playedBracket(8, false, false);
        SheetInfo sheet = b.sheet();
        sheet.thirdPlace = ThirdPlace::Shared;
        b.setSheet(sheet);
        return b;
    }) << 0 << QList<int>() << 9 << QStringList{"優勝", "準優勝", "3位", "3位", "第7試合 決勝: "}
                                      << 6 << QStringList{"<h3>3位</h3>\n<ul>"}
                                      << QStringList{"3位決定戦"};
    // The results named as entered, newest first; one taken back since, or never a win, is left
    // out, and so is a line named twice.
    QTest::newRow("recent results as entered")
        << MakeBracket([] {
               Bracket b = playedBracket(8, false, false);
               return b;
           })
        << 0 << QList<int>{10, 13, 3, 1, 100, 10, -1} << 7
        << QStringList{"第6試合 準決勝: ", "第7試合 決勝: ", "第1試合 準々決勝: "} << 3
        << QStringList{} << QStringList{"3位"};
    // A bye's advance is no match: neither in the list nor among the latest results, even where
    // the results entered name it; the third-place match is numbered after the five matches, in
    // the list and in the chart.
    QTest::newRow("byes") << MakeBracket(byeBracket) << 0 << QList<int>{0, 12, -1} << 6
                          << QStringList{"第5試合 決勝: ", "第6試合 3位決定戦: "} << 2
                          << QStringList{">6</text>"} << QStringList{};
    // An English sheet writes every word of its own in English; the names stay as typed.
    const auto english = [](Bracket b) {
        SheetInfo sheet = b.sheet();
        sheet.language = SheetLanguage::English;
        b.setSheet(sheet);
        return b;
    };
    const QStringList japaneseWords = {
        "優勝",     "3位",  "試合",     "結果",           "決勝",       "勝ち",
        "名前なし", "速報", "最終更新", "トーナメント表", "lang=\"ja\""};
    QTest::newRow("English, empty")
        << MakeBracket([english] { return english(Bracket(4)); }) << 0 << QList<int>() << 0
        << QStringList() << 0
        << QStringList{"<html lang=\"en\">",
                       "<title>Tournament bracket</title>",
                       "<h2 id=\"results\">Results</h2>",
                       "<p>No results yet.</p>",
                       "aria-label=\"Tournament bracket chart (the results are listed below)\"",
                       ">Semi-finals</text>",
                       ">Champion</text>"}
        << japaneseWords;
    QTest::newRow("English, third-place match")
        << MakeBracket([english] {
               Bracket b = english(playedBracket(8, false, true));
               b.setMemberName(5, "");
               b.setLineScore(0, "");
               b.setLineScore(1, "");
               b.setChampion("");
               return b;
           })
        << 0 << QList<int>() << 8
        << QStringList{"aria-label=\"Headlines\"", "Champion <strong>",
                       "Runner-up <strong>",       "3rd <strong>",
                       "Latest results",           "Match 8 Third-place match: ",
                       "Match 7 Final: ",          "Match 6 Semi-finals: "}
        << 6
        << QStringList{"<h3>Quarter-finals</h3>",
                       "<h3>Third-place match</h3>",
                       "<h3>Champion</h3>",
                       "<p>3rd <strong>",
                       " vs ",
                       "(no name)",
                       " won)</li>",
                       "(クラブ1)",
                       ">Third-place match</text>",
                       ">3rd 選手"}
        << japaneseWords;
    // Each side's score stays whole on one line; sets are kept apart from the other side's.
    QTest::newRow("scores of several sets")
        << MakeBracket([] {
               Bracket b = playedBracket(4, false, false);
               b.setLineScore(0, "4-6 3-6");
               b.setLineScore(1, "6-4 6-3");
               b.setLineScore(2, "3");
               b.setLineScore(3, "1");
               return b;
           })
        << 0 << QList<int>() << 3 << QStringList{} << 3
        << QStringList{"<span class=\"sc\">4-6 3-6</span> \u2013 <span class=\"sc\">6-4 6-3</span>",
                       "<span class=\"sc\">3-1</span>", ".sc{white-space:nowrap}"}
        << QStringList{"3-6-6-4"};
    QTest::newRow("128 on one side") << MakeBracket([] { return playedBracket(128, false, false); })
                                     << 0 << QList<int>() << 127 << QStringList{"第127試合 決勝: "}
                                     << 6 << QStringList{"<h3>決勝</h3>"} << QStringList{"3位"};
}

void TestLivePage::page() {
    QFETCH(MakeBracket, make);
    QFETCH(int, refresh);
    QFETCH(QList<int>, recent);
    QFETCH(int, results);
    QFETCH(QStringList, top);
    QFETCH(int, latest);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, absent);
    const Bracket bracket = make();
    LivePageOptions options;
    options.updatedAt = "2026-12-08 12:34:56";
    options.refreshSeconds = refresh;
    options.recentResults.assign(recent.begin(), recent.end());
    const std::string bytes = writeLivePage(bracket, options);

    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString page = decoder(kaztest::toBytes(bytes));
    QVERIFY(!decoder.hasError());
    QVERIFY(bytes.size() <= 200u * 1024);
    for (const QChar c : page) QVERIFY(c.unicode() >= 0x20 || c == QLatin1Char('\n'));
    checkStructure(page);
    if (QTest::currentTestFailed()) return;

    const bool english = bracket.sheet().language == SheetLanguage::English;
    QVERIFY(page.contains((english ? QStringLiteral("Last updated") : QStringLiteral("最終更新")) +
                          QStringLiteral(" 2026-12-08 12:34:56")));
    // A page that updates itself does so by its one script, and by a refresh without scripts.
    QCOMPARE(page.contains(QStringLiteral("http-equiv=\"refresh\"")), refresh > 0);
    QCOMPARE(page.count(QStringLiteral("<script")), refresh > 0 ? 1 : 0);
    for (int m = 0; m < bracket.memberCount(); ++m) {
        const QString name = escapedText(shownText(bracket.memberName(m)));
        QVERIFY2(page.contains(name), qPrintable(name));
    }
    for (const QString& text : sheetTexts(bracket)) QVERIFY2(page.contains(text), qPrintable(text));
    const int chart = page.indexOf(QStringLiteral("<svg"));
    const int list = page.indexOf(QStringLiteral("<section class=\"results\""));
    QVERIFY(list > page.indexOf(QStringLiteral("</svg>")));
    QCOMPARE(page.mid(list).count(QStringLiteral("<li>")), results);
    // The top: the places, then the latest results, newest first, at most six of them.
    const QString head = page.left(chart);
    int at = head.indexOf(QStringLiteral("</header>"));
    for (const QString& text : top) {
        at = head.indexOf(text, at);
        QVERIFY2(at >= 0, qPrintable(text));
        at += text.size();
    }
    QCOMPARE(head.count(QStringLiteral("<li>")), latest);
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
