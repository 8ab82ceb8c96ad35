#include "html/html_writer.h"

#include "document/bracket.h"
#include "document/cp932.h"

namespace kaz {
namespace {

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

void AppendInt(std::string& out, int value) { out += std::to_string(value); }

struct LineStyle {
    std::string_view stroke;
    std::string_view join;
};

// Stroke and join colours of a line by its state: a reached line is drawn in the win colour,
// and only a won line carries the win colour on into its share of the join.
LineStyle GetLineStyle(const Bracket& bracket, int line) {
    const ColorSet& colors = bracket.GetColors();
    switch (bracket.GetState(line)) {
        case LINE_OPEN: return {colors.m_strLoseLineColor, colors.m_strLoseLineColor};
        case LINE_WON: return {colors.m_strWinLineColor, colors.m_strWinLineColor};
        case LINE_REACHED:
        case LINE_ADVANCED:
        case LINE_BEATEN: return {colors.m_strWinLineColor, colors.m_strLoseLineColor};
        default: return {};
    }
}

// The end of a join cell's STYLE attribute, its content and nothing more.
void AppendScorePart(std::string& out, const Bracket& bracket, int line) {
    const std::string& score = bracket.GetScore(line);
    if (score.empty()) {
        out += "\">";
        out += Fragments().blank;
        return;
    }
    out += bracket.IsBoldScore() ? "font-size:x-small;font-weight:bold;color:"
                                 : "font-size:x-small;color:";
    AppendHtmlEscaped(out, bracket.GetColors().m_strScoreColor);
    out += "\">";
    AppendHtmlEscaped(out, score);
}

void AppendBorder(std::string& out, const char* side, int width, std::string_view color) {
    out += side;
    AppendInt(out, width);
    out += "px solid ";
    AppendHtmlEscaped(out, color);
}

// The rest of one bracket-line cell's start tag, its content and "</TD>". Cell n of a round's
// column belongs to line first + n/2; n mod 4 says which quarter of the pair it is.
void MakeLineCell(std::string& out, const Bracket& bracket, int row, int span, int first) {
    const int n = row / span;
    const int line = first + n / 2;
    const int quarter = n % 4;
    const int half = Bracket::kLineWidth / 2;
    const LineStyle style = GetLineStyle(bracket, line);
    const bool finalRound = span == bracket.GetPlayers();

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
        AppendScorePart(out, bracket, line);
        out += "</TD>";
        return;
    }
    out += "\">";
    out += Fragments().blank;
    out += "</TD>";
}

void WriteHtmlHead(std::string& out, const Bracket& bracket) {
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
    AppendInt(out, HtmlTableWidth(bracket));
    out += " ;height:";
    AppendInt(out, HtmlTableHeight(bracket));
    out += " ;background-color:";
    AppendHtmlEscaped(out, bracket.GetColors().m_strBackColor);
    out += " \" >\r\n";
}

void WriteNameCell(std::string& out, const Bracket& bracket, int member) {
    out += "<TD rowspan = \"2\" STYLE = \"width:";
    AppendInt(out, Bracket::kNameWidth);
    out += "; height:12 ;font-size:small ;color :";
    AppendHtmlEscaped(out, bracket.GetColors().m_strMemberColor);
    out += "\">";
    if (bracket.IsBoldMember()) out += "<B>";
    AppendHtmlEscaped(out, bracket.GetMemberName(member));
    if (bracket.IsBoldMember()) out += "</B>";
    out += "</TD >\r\n";
}

void WriteChampionCell(std::string& out, const Bracket& bracket) {
    out += "<TD rowspan = \"";
    AppendInt(out, 2 * bracket.GetPlayers());
    out += "\" STYLE = \"width:";
    AppendInt(out, Bracket::kNameWidth);
    out += " ;color:";
    AppendHtmlEscaped(out, bracket.GetColors().m_strScoreColor);
    out += " ;font-size:small;font-weight:bold\">";
    out += Fragments().blank;
    AppendHtmlEscaped(out, bracket.GetChampion());
    out += "</TD>\r\n";
}

void WriteRow(std::string& out, const Bracket& bracket, int row) {
    const int players = bracket.GetPlayers();
    out += "<TR valign = \"middle\">\r\n";
    if (row % 2 == 0) WriteNameCell(out, bracket, row / 2);
    int first = 0;
    for (int span = 1; span <= players; span *= 2) {
        if (row % span == 0) {
            out += "<TD rowspan = \"";
            AppendInt(out, span);
            out += "\" ";
            MakeLineCell(out, bracket, row, span, first);
            out += "\r\n";
        }
        if (span == players && row == 0) WriteChampionCell(out, bracket);
        first += players / span;
    }
    out += "</TR>\r\n";
}

void WriteHtmlFoot(std::string& out) {
    out += "</TABLE>\r\n";
    out += Fragments().copyTo;
    out += "</BODY>\r\n</HTML>";
}

}  // namespace

int HtmlTableWidth(const Bracket& bracket) {
    return Bracket::kNameWidth + kHtmlColumnWidth * bracket.GetRounds();
}

int HtmlTableHeight(const Bracket& bracket) { return 12 * bracket.GetPlayers(); }

void AppendHtmlEscaped(std::string& out, std::string_view text) {
    // CP932 trail bytes are 0x40 and above, so none of these ASCII bytes can be half of a
    // double-byte character.
    for (const char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
}

std::string WriteHtml(const Bracket& bracket) {
    std::string out;
    out.reserve(static_cast<size_t>(1200 + 260 * 5 * bracket.GetPlayers()));
    WriteHtmlHead(out, bracket);
    for (int row = 0; row < 2 * bracket.GetPlayers(); ++row) WriteRow(out, bracket, row);
    WriteHtmlFoot(out);
    return out;
}

}  // namespace kaz
