#include "html/html_page.h"

#include <charconv>
#include <cstring>
#include <optional>
#include <vector>

#include "bracket/bracket.h"
#include "bracket/line_style.h"
#include "bracket/round_names.h"
#include "bracket/sheet_marks.h"
#include "text/cp932.h"

namespace kaz {
namespace {

// The page grows by many small pieces; this appends them without the bookkeeping of
// std::string::append, keeping spare room at the end.
class PageBuffer {
public:
    explicit PageBuffer(size_t expected) { m_text.resize(expected); }

    void append(const char* data, size_t size) {
        if (size == 0) return;  // an empty view may carry no pointer at all
        if (m_used + size > m_text.size()) m_text.resize(2 * (m_used + size));
        std::memcpy(&m_text[m_used], data, size);
        m_used += size;
    }
    template <size_t N>
    PageBuffer& operator+=(const char (&literal)[N]) {
        append(literal, N - 1);
        return *this;
    }
    PageBuffer& operator+=(std::string_view text) {
        append(text.data(), text.size());
        return *this;
    }
    PageBuffer& operator+=(char c) {
        append(&c, 1);
        return *this;
    }
    std::string take() {
        m_text.resize(m_used);
        return std::move(m_text);
    }

private:
    std::string m_text;
    size_t m_used = 0;
};

template <typename Out>
void escapeInto(Out& out, std::string_view text) {
    // CP932 trail bytes are 0x40 and above, so none of these ASCII bytes can be half of a
    // double-byte character.
    size_t plain = 0;  // start of the run of bytes that need no entity
    for (size_t i = 0; i < text.size(); ++i) {
        std::string_view entity;
        switch (text[i]) {
            case '&': entity = "&amp;"; break;
            case '<': entity = "&lt;"; break;
            case '>': entity = "&gt;"; break;
            case '"': entity = "&quot;"; break;
            default: continue;
        }
        out.append(text.data() + plain, i - plain);
        out.append(entity.data(), entity.size());
        plain = i + 1;
    }
    out.append(text.data() + plain, text.size() - plain);
}

// The fixed fragments that hold Japanese text, converted to CP932 once.
struct JapaneseFragments {
    std::string title;
    std::string copyFrom;
    std::string tableStart;
    std::string copyTo;
    std::string blank;  // the ideographic space shown in empty cells
};

std::string toCp932(const char* utf8) { return utf8ToCp932(utf8).value_or(std::string()); }

const JapaneseFragments& fragments() {
    static const JapaneseFragments fragments{
        toCp932("\r\n<TITLE>トーナメント表</TITLE>\r\n"),
        toCp932("\r\n<!-- ●●●ここからソースをコピーしてお使い下さい●●● -->\r\n"),
        toCp932("<TABLE SUMMARY=\"トーナメント表\" BORDER=\"0\" CELLSPACING=\"0\" "
                "CELLPADDING=\"1\" STYLE = \"width:"),
        toCp932("\r\n<!-- ●●●ここまで●●● -->\r\n\r\n"),
        toCp932("　"),
    };
    return fragments;
}

void appendInt(PageBuffer& out, int value) {
    char digits[12];
    const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, static_cast<size_t>(end.ptr - digits));
}

std::string escaped(std::string_view text) {
    std::string out;
    escapeInto(out, text);
    return out;
}

// One page's bracket with its colour strings escaped once, since every cell repeats them, and
// what its sheet adds.
struct Page {
    explicit Page(const Bracket& b)
        : bracket(b),
          win(escaped(b.colors().winLineColor)),
          lose(escaped(b.colors().loseLineColor)),
          back(escaped(b.colors().backgroundColor)),
          member(escaped(b.colors().memberColor)),
          score(escaped(b.colors().scoreColor)),
          withSheet(!b.sheet().isEmpty()),
          clubs(showsClubColumn(b.sheet())) {
        if (b.sheet().matchNumbers) matchNumbers = matchNumbersByLine(b);
    }

    const Bracket& bracket;
    std::string win;
    std::string lose;
    std::string back;
    std::string member;
    std::string score;
    bool withSheet;  // without a sheet the page is the bare bracket's, byte for byte
    bool clubs;
    std::vector<int> matchNumbers;  // by line; empty while the sheet shows none

    int matchNumber(int line) const {
        return matchNumbers.empty() ? 0 : matchNumbers[size_t(line)];
    }
    int columnCount() const { return bracket.roundCount() + (clubs ? 3 : 2); }
};

struct LineStyle {
    std::string_view stroke;
    std::string_view join;
};

LineStyle lineStyle(const Page& page, int line) {
    static const std::string none;  // a state the editor never makes: no colour in the page
    const LineColors colors = lineColors(page.bracket.lineState(line));
    return {byLineColor(colors.stroke, page.win, page.lose, none),
            byLineColor(colors.join, page.win, page.lose, none)};
}

// The end of a join cell's STYLE attribute, its content and nothing more.
void appendScorePart(PageBuffer& out, const Page& page, int line) {
    const std::string& score = page.bracket.lineScore(line);
    if (score.empty()) {
        out += "\">";
        out += fragments().blank;
        return;
    }
    out += page.bracket.boldScores() ? "font-size:x-small;font-weight:bold;color:"
                                     : "font-size:x-small;color:";
    out += page.score;
    out += "\">";
    escapeInto(out, score);
}

void appendBorder(PageBuffer& out, const char* side, int width, std::string_view color) {
    out += side;
    appendInt(out, width);
    out += "px solid ";
    out += color;
}

// The small number of the match that feeds a line, in the line's cell that holds no score.
void appendMatchNumber(PageBuffer& out, const Page& page, int number) {
    out += "<SPAN STYLE = \"font-size:x-small;color:";
    out += page.member;
    out += "\">";
    appendInt(out, number);
    out += "</SPAN>";
}

// The rest of one bracket-line cell's start tag, its content and "</TD>". Cell n of a round's
// column belongs to line first + n/2; n mod 4 says which quarter of the pair it is.
void makeLineCell(PageBuffer& out, const Page& page, int row, int span, int first) {
    const int n = row / span;
    const int line = first + n / 2;
    const int quarter = n % 4;
    const int half = kHtmlLineWidth / 2;
    const LineStyle style = lineStyle(page, line);
    const bool finalRound = span == page.bracket.memberCount();

    if (isByeLine(page.bracket, line)) {
        // Neither stroke nor join: the opponent's line alone leads on.
        out += "STYLE = \"width:";
        appendInt(out, kHtmlColumnWidth);
        out += "\">";
        out += fragments().blank;
        out += "</TD>";
        return;
    }
    if (quarter == 1 || quarter == 2) {
        if (!finalRound) {
            out += "align = \"right\" STYLE = \"width:";
            appendInt(out, kHtmlColumnWidth);
            appendBorder(out, ";border-right:", kHtmlLineWidth, style.join);
            appendBorder(out, quarter == 1 ? ";border-top:" : ";border-bottom:", half,
                         style.stroke);
            out += ';';
            appendScorePart(out, page, line);
            out += "</TD>";
            return;
        }
    }
    // A stroke alone. The cell on the side of the stroke that holds no score shows the number
    // of the match that feeds the line, close to the stroke.
    const int number = quarter == 1 ? 0 : page.matchNumber(line);
    if (number > 0) out += quarter == 0 ? "valign = \"bottom\" " : "valign = \"top\" ";
    out += "STYLE = \"width:";
    appendInt(out, kHtmlColumnWidth);
    if (quarter == 0) {
        appendBorder(out, " ;border-bottom:", half, style.stroke);
    } else {
        appendBorder(out, ";border-top:", half, style.stroke);
    }
    out += "\">";
    if (number > 0) {
        appendMatchNumber(out, page, number);
    } else {
        out += fragments().blank;
    }
    out += "</TD>";
}

// The title and the second line above the table, as its caption: so the table, copied alone,
// keeps them. In the default colour: a caption stands outside the table's background, on the
// page's white.
void writeCaption(PageBuffer& out, const SheetInfo& sheet) {
    if (sheet.title.empty() && sheet.subtitle.empty()) return;
    out += "<CAPTION>";
    if (!sheet.title.empty()) {
        out += "<SPAN STYLE = \"font-size:large;font-weight:bold\">";
        escapeInto(out, sheet.title);
        out += "</SPAN>";
        if (!sheet.subtitle.empty()) out += "<BR>\r\n";
    }
    if (!sheet.subtitle.empty()) {
        out += "<SPAN STYLE = \"font-size:small\">";
        escapeInto(out, sheet.subtitle);
        out += "</SPAN>";
    }
    out += "</CAPTION>\r\n";
}

// The start of a cell of the sheet's small text: "<TD" and its attributes up to the content.
void appendSheetTextCell(PageBuffer& out, const Page& page, int colspan, const char* align) {
    out += "<TD colspan = \"";
    appendInt(out, colspan);
    out += "\" align = \"";
    out += align;
    out += "\" STYLE = \"font-size:x-small ;color :";
    out += page.member;
    out += "\">";
}

// The caption, then a row of the rounds' names over their columns; the last round's name
// stands over the champion's line and the champion's name together.
void writeSheetHead(PageBuffer& out, const Page& page) {
    writeCaption(out, page.bracket.sheet());
    out += "<TR valign = \"bottom\">\r\n";
    appendSheetTextCell(out, page, page.clubs ? 2 : 1, "left");
    out += fragments().blank;
    out += "</TD>\r\n";
    const int rounds = page.bracket.roundCount();
    for (int round = 0; round < rounds; ++round) {
        appendSheetTextCell(out, page, round + 1 == rounds ? 2 : 1, "center");
        escapeInto(out, sheetRoundName(page.bracket, round));
        out += "</TD>\r\n";
    }
    out += "</TR>\r\n";
}

// The draw that made the bracket, small at the foot of the table.
void writeSheetFoot(PageBuffer& out, const Page& page) {
    const std::optional<uint32_t>& drawNumber = page.bracket.sheet().drawNumber;
    if (!drawNumber) return;
    out += "<TR>\r\n";
    appendSheetTextCell(out, page, page.columnCount(), "right");
    out += drawNumberText(*drawNumber);
    out += "</TD>\r\n</TR>\r\n";
}

void writeHtmlHead(PageBuffer& out, const Page& page) {
    out +=
        "<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n"
        "<HTML lang=\"ja\">\r\n<HEAD>\r\n"
        "<meta http-equiv=\"content-language\" content=\"ja\">\r\n"
        "<meta http-equiv=\"content-type\" content=\"text/html; charset=shift_jis\">\r\n"
        "<meta http-equiv=\"content-style-type\" content=\"text/css\">\r\n";
    out += fragments().title;
    out += "</HEAD>\r\n<BODY STYLE = \"background-color:#FFFFFF\">\r\n\r\n";
    out += fragments().copyFrom;
    out += fragments().tableStart;
    appendInt(out, htmlTableWidth(page.bracket));
    out += " ;height:";
    appendInt(out, htmlTableHeight(page.bracket));
    out += " ;background-color:";
    out += page.back;
    out += " \" >\r\n";
    if (page.withSheet) writeSheetHead(out, page);
}

void writeNameCell(PageBuffer& out, const Page& page, int member) {
    const Bracket& bracket = page.bracket;
    out += "<TD rowspan = \"2\" STYLE = \"width:";
    appendInt(out, kHtmlNameWidth);
    out += "; height:12 ;font-size:small ;color :";
    out += page.member;
    out += "\">";
    const int seed = bracket.sheet().seeds[size_t(member)];
    if (seed > 0) {
        out += "<SPAN STYLE = \"font-size:x-small\">";
        out += seedMark(seed);
        out += "</SPAN> ";
    }
    if (bracket.boldMemberNames()) out += "<B>";
    escapeInto(out, bracket.memberName(member));
    if (bracket.boldMemberNames()) out += "</B>";
    out += "</TD >\r\n";
}

void writeClubCell(PageBuffer& out, const Page& page, int member) {
    out += "<TD rowspan = \"2\" STYLE = \"width:";
    appendInt(out, kHtmlClubWidth);
    out += " ;font-size:x-small ;color :";
    out += page.member;
    out += "\">";
    escapeInto(out, page.bracket.sheet().clubs[size_t(member)]);
    out += "</TD >\r\n";
}

void writeChampionCell(PageBuffer& out, const Page& page) {
    const Bracket& bracket = page.bracket;
    out += "<TD rowspan = \"";
    appendInt(out, 2 * bracket.memberCount());
    out += "\" STYLE = \"width:";
    appendInt(out, kHtmlNameWidth);
    out += " ;color:";
    out += page.score;
    out += " ;font-size:small;font-weight:bold\">";
    out += fragments().blank;
    escapeInto(out, bracket.champion());
    out += "</TD>\r\n";
}

void writeRow(PageBuffer& out, const Page& page, int row) {
    const int members = page.bracket.memberCount();
    out += "<TR valign = \"middle\">\r\n";
    if (row % 2 == 0) writeNameCell(out, page, row / 2);
    if (row % 2 == 0 && page.clubs) writeClubCell(out, page, row / 2);
    int first = 0;
    for (int span = 1; span <= members; span *= 2) {
        if (row % span == 0) {
            out += "<TD rowspan = \"";
            appendInt(out, span);
            out += "\" ";
            makeLineCell(out, page, row, span, first);
            out += "\r\n";
        }
        if (span == members && row == 0) writeChampionCell(out, page);
        first += members / span;
    }
    out += "</TR>\r\n";
}

void writeHtmlFoot(PageBuffer& out, const Page& page) {
    if (page.withSheet) writeSheetFoot(out, page);
    out += "</TABLE>\r\n";
    out += fragments().copyTo;
    out += "</BODY>\r\n</HTML>";
}

// Enough room for most pages at once: about 160 bytes a cell, and with a sheet its texts, a
// club cell a member and its rows of names and of the foot.
size_t expectedPageSize(const Page& page) {
    const size_t members = size_t(page.bracket.memberCount());
    size_t size = 1200 + 160 * 5 * members;
    if (page.withSheet) {
        const SheetInfo& sheet = page.bracket.sheet();
        size += 1200 + 160 * members + sheet.title.size() + sheet.subtitle.size();
        for (const std::string& club : sheet.clubs) size += club.size();
    }
    return size;
}

}  // namespace

int htmlTableWidth(const Bracket& bracket) {
    const int clubs = showsClubColumn(bracket.sheet()) ? kHtmlClubWidth : 0;
    return kHtmlNameWidth + clubs + kHtmlColumnWidth * bracket.roundCount();
}

int htmlTableHeight(const Bracket& bracket) { return 12 * bracket.memberCount(); }

std::string writeHtmlPage(const Bracket& bracket) {
    const Page page(bracket);
    PageBuffer out(expectedPageSize(page));
    writeHtmlHead(out, page);
    for (int row = 0; row < 2 * bracket.memberCount(); ++row) writeRow(out, page, row);
    writeHtmlFoot(out, page);
    return out.take();
}

std::string writeHtmlTable(const Bracket& bracket) {
    // Every text of the bracket is escaped in the page, so the markup is found unmistaken.
    const std::string page = writeHtmlPage(bracket);
    const std::string_view end = "</TABLE>";
    const size_t first = page.find("<TABLE ");
    const size_t last = page.rfind(end);
    return page.substr(first, last + end.size() - first);
}

}  // namespace kaz
