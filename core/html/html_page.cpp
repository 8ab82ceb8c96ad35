#include "html/html_page.h"

#include <charconv>
#include <cstring>

#include "bracket/bracket.h"
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
    std::string Take() {
        m_text.resize(m_used);
        return std::move(m_text);
    }

private:
    std::string m_text;
    size_t m_used = 0;
};

template <typename Out>
void EscapeInto(Out& out, std::string_view text) {
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

std::string ToCp932(const char* utf8) { return Utf8ToCp932(utf8).value_or(std::string()); }

const JapaneseFragments& Fragments() {
    static const JapaneseFragments fragments{
        ToCp932("\r\n<TITLE>トーナメント表</TITLE>\r\n"),
        ToCp932("\r\n<!-- ●●●ここからソースをコピーしてお使い下さい●●● -->\r\n"),
        ToCp932("<TABLE SUMMARY=\"トーナメント表\" BORDER=\"0\" CELLSPACING=\"0\" "
                "CELLPADDING=\"1\" STYLE = \"width:"),
        ToCp932("\r\n<!-- ●●●ここまで●●● -->\r\n\r\n"),
        ToCp932("　"),
    };
    return fragments;
}

void AppendInt(PageBuffer& out, int value) {
    char digits[12];
    const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, static_cast<size_t>(end.ptr - digits));
}

std::string Escaped(std::string_view text) {
    std::string out;
    EscapeInto(out, text);
    return out;
}

// One page's bracket with its colour strings escaped once, since every cell repeats them.
struct Page {
    explicit Page(const Bracket& b)
        : bracket(b),
          win(Escaped(b.GetColors().m_strWinLineColor)),
          lose(Escaped(b.GetColors().m_strLoseLineColor)),
          back(Escaped(b.GetColors().m_strBackColor)),
          member(Escaped(b.GetColors().m_strMemberColor)),
          score(Escaped(b.GetColors().m_strScoreColor)) {}

    const Bracket& bracket;
    std::string win;
    std::string lose;
    std::string back;
    std::string member;
    std::string score;
};

struct LineStyle {
    std::string_view stroke;
    std::string_view join;
};

// Stroke and join colours of a line by its state: a reached line is drawn in the win colour,
// and only a won line carries the win colour on into its share of the join.
LineStyle GetLineStyle(const Page& page, int line) {
    switch (page.bracket.GetState(line)) {
        case LINE_OPEN: return {page.lose, page.lose};
        case LINE_WON: return {page.win, page.win};
        case LINE_REACHED:
        case LINE_ADVANCED:
        case LINE_BEATEN: return {page.win, page.lose};
        default: return {};
    }
}

// The end of a join cell's STYLE attribute, its content and nothing more.
void AppendScorePart(PageBuffer& out, const Page& page, int line) {
    const std::string& score = page.bracket.GetScore(line);
    if (score.empty()) {
        out += "\">";
        out += Fragments().blank;
        return;
    }
    out += page.bracket.IsBoldScore() ? "font-size:x-small;font-weight:bold;color:"
                                      : "font-size:x-small;color:";
    out += page.score;
    out += "\">";
    EscapeInto(out, score);
}

void AppendBorder(PageBuffer& out, const char* side, int width, std::string_view color) {
    out += side;
    AppendInt(out, width);
    out += "px solid ";
    out += color;
}

// The rest of one bracket-line cell's start tag, its content and "</TD>". Cell n of a round's
// column belongs to line first + n/2; n mod 4 says which quarter of the pair it is.
void MakeLineCell(PageBuffer& out, const Page& page, int row, int span, int first) {
    const int n = row / span;
    const int line = first + n / 2;
    const int quarter = n % 4;
    const int half = Bracket::kLineWidth / 2;
    const LineStyle style = GetLineStyle(page, line);
    const bool finalRound = span == page.bracket.GetPlayers();

    if (quarter == 0) {
        out += "STYLE = \"width:";
        AppendInt(out, kHtmlColumnWidth);
        AppendBorder(out, " ;border-bottom:", half, style.stroke);
    } else if (quarter == 3 || finalRound) {
        out += "STYLE = \"width:";
        AppendInt(out, kHtmlColumnWidth);
        AppendBorder(out, ";border-top:", half, style.stroke);
    } else {
        out += "align = \"right\" STYLE = \"width:";
        AppendInt(out, kHtmlColumnWidth);
        AppendBorder(out, ";border-right:", Bracket::kLineWidth, style.join);
        AppendBorder(out, quarter == 1 ? ";border-top:" : ";border-bottom:", half, style.stroke);
        out += ';';
        AppendScorePart(out, page, line);
        out += "</TD>";
        return;
    }
    out += "\">";
    out += Fragments().blank;
    out += "</TD>";
}

void WriteHtmlHead(PageBuffer& out, const Page& page) {
    out +=
        "<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n"
        "<HTML lang=\"ja\">\r\n<HEAD>\r\n"
        "<meta http-equiv=\"content-language\" content=\"ja\">\r\n"
        "<meta http-equiv=\"content-type\" content=\"text/html; charset=shift_jis\">\r\n"
        "<meta http-equiv=\"content-style-type\" content=\"text/css\">\r\n";
    out += Fragments().title;
    out += "</HEAD>\r\n<BODY STYLE = \"background-color:#FFFFFF\">\r\n\r\n";
    out += Fragments().copyFrom;
    out += Fragments().tableStart;
    AppendInt(out, HtmlTableWidth(page.bracket));
    out += " ;height:";
    AppendInt(out, HtmlTableHeight(page.bracket));
    out += " ;background-color:";
    out += page.back;
    out += " \" >\r\n";
}

void WriteNameCell(PageBuffer& out, const Page& page, int member) {
    const Bracket& bracket = page.bracket;
    out += "<TD rowspan = \"2\" STYLE = \"width:";
    AppendInt(out, Bracket::kNameWidth);
    out += "; height:12 ;font-size:small ;color :";
    out += page.member;
    out += "\">";
    if (bracket.IsBoldMember()) out += "<B>";
    EscapeInto(out, bracket.GetMemberName(member));
    if (bracket.IsBoldMember()) out += "</B>";
    out += "</TD >\r\n";
}

void WriteChampionCell(PageBuffer& out, const Page& page) {
    const Bracket& bracket = page.bracket;
    out += "<TD rowspan = \"";
    AppendInt(out, 2 * bracket.GetPlayers());
    out += "\" STYLE = \"width:";
    AppendInt(out, Bracket::kNameWidth);
    out += " ;color:";
    out += page.score;
    out += " ;font-size:small;font-weight:bold\">";
    out += Fragments().blank;
    EscapeInto(out, bracket.GetChampion());
    out += "</TD>\r\n";
}

void WriteRow(PageBuffer& out, const Page& page, int row) {
    const int players = page.bracket.GetPlayers();
    out += "<TR valign = \"middle\">\r\n";
    if (row % 2 == 0) WriteNameCell(out, page, row / 2);
    int first = 0;
    for (int span = 1; span <= players; span *= 2) {
        if (row % span == 0) {
            out += "<TD rowspan = \"";
            AppendInt(out, span);
            out += "\" ";
            MakeLineCell(out, page, row, span, first);
            out += "\r\n";
        }
        if (span == players && row == 0) WriteChampionCell(out, page);
        first += players / span;
    }
    out += "</TR>\r\n";
}

void WriteHtmlFoot(PageBuffer& out) {
    out += "</TABLE>\r\n";
    out += Fragments().copyTo;
    out += "</BODY>\r\n</HTML>";
}

}  // namespace

int HtmlTableWidth(const Bracket& bracket) {
    return Bracket::kNameWidth + kHtmlColumnWidth * bracket.GetRounds();
}

int HtmlTableHeight(const Bracket& bracket) { return 12 * bracket.GetPlayers(); }

void AppendHtmlEscaped(std::string& out, std::string_view text) { EscapeInto(out, text); }

std::string WriteHtml(const Bracket& bracket) {
    const Page page(bracket);
    PageBuffer out(static_cast<size_t>(1200 + 160 * 5 * bracket.GetPlayers()));
    WriteHtmlHead(out, page);
    for (int row = 0; row < 2 * bracket.GetPlayers(); ++row) WriteRow(out, page, row);
    WriteHtmlFoot(out);
    return out.Take();
}

}  // namespace kaz
