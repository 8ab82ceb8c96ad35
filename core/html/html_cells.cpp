#include "html/html_cells.h"

#include <charconv>

#include "bracket/sheet_words.h"
#include "text/cp932.h"

namespace kaz::html {
namespace {

std::string toCp932(const std::string& utf8) { return utf8ToCp932(utf8).value_or(std::string()); }

// The end of a join cell's STYLE attribute, its content and nothing more.
void appendScorePart(PageBuffer& out, const Page& page, const std::string& score) {
    if (score.empty()) {
        out += "\">";
        out += fragments().blank;
        return;
    }
    out += page.bracket.boldScores() ? "font-size:x-small;font-weight:bold;color:"
                                     : "font-size:x-small;color:";
    out += page.score;
    out += "\">";
    escapeTextInto(out, score);
}

// The start tag of a member's name or club cell, `style` between its width and the colour.
void appendMemberCellStart(PageBuffer& out, const Page& page, int rowspan, bool mirrored, int width,
                           std::string_view style) {
    out += "<TD rowspan = \"";
    appendInt(out, rowspan);
    out += mirrored ? "\" align = \"right\" STYLE = \"width:" : "\" STYLE = \"width:";
    appendInt(out, width);
    out += style;
    out += page.member;
    out += "\">";
}

// A member's name (none for -1, a side of the third place not yet known), its seed mark on the
// outer side: before the name, or after it on the right half of a two-sided page.
void writeNameCell(PageBuffer& out, const Page& page, int member, bool mirrored, int rowspan) {
    const Bracket& bracket = page.bracket;
    appendMemberCellStart(out, page, rowspan, mirrored, kHtmlNameWidth,
                          "; height:12 ;font-size:small ;color :");
    const std::string mark = member >= 0 ? memberMark(bracket.memberMarks(member)) : "";
    if (!mark.empty() && !mirrored) {
        out += "<SPAN STYLE = \"font-size:x-small\">";
        escapeTextInto(out, mark);
        out += "</SPAN> ";
    }
    if (bracket.boldMemberNames()) out += "<B>";
    if (member >= 0) escapeTextInto(out, bracket.memberName(member));
    if (bracket.boldMemberNames()) out += "</B>";
    if (!mark.empty() && mirrored) {
        out += " <SPAN STYLE = \"font-size:x-small\">";
        escapeTextInto(out, mark);
        out += "</SPAN>";
    }
    out += "</TD >\r\n";
}

void writeClubCell(PageBuffer& out, const Page& page, int member, bool mirrored, int rowspan) {
    appendMemberCellStart(out, page, rowspan, mirrored, kHtmlClubWidth,
                          " ;font-size:x-small ;color :");
    if (member >= 0) escapeTextInto(out, page.bracket.memberClub(member));
    out += "</TD >\r\n";
}

}  // namespace

const PageFragments& fragments(SheetLanguage language) {
    const auto make = [](SheetLanguage of) {
        const SheetWords& words = sheetWords(of);
        const std::string name = words.sheetName;
        return PageFragments{
            toCp932("\r\n<TITLE>" + name + "</TITLE>\r\n"),
            toCp932("\r\n<!-- " + std::string(words.copyFrom) + " -->\r\n"),
            toCp932("<TABLE SUMMARY=\"" + name +
                    "\" BORDER=\"0\" CELLSPACING=\"0\" CELLPADDING=\"1\" STYLE = \"width:"),
            toCp932("\r\n<!-- " + std::string(words.copyTo) + " -->\r\n\r\n"),
            toCp932("　"),
            toCp932(words.thirdPlaceMatch),
            toCp932(words.thirdPlace),
        };
    };
    static const PageFragments japanese = make(SheetLanguage::Japanese);
    static const PageFragments english = make(SheetLanguage::English);
    return language == SheetLanguage::English ? english : japanese;
}

void appendInt(PageBuffer& out, int value) {
    char digits[12];
    const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, static_cast<size_t>(end.ptr - digits));
}

LineStyle lineStyle(const Page& page, LineColors colors) {
    static const std::string none;  // a state the editor never makes: no colour in the page
    return {byLineColor(colors.stroke, page.win, page.lose, none),
            byLineColor(colors.join, page.win, page.lose, none)};
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

// The rest of one line cell's start tag, its content and "</TD>". A line has four cells in its
// column, two for each member's row pair below it: `quarter` says which one this is.
void makeLineCell(PageBuffer& out, const Page& page, const LineView& view, int quarter,
                  CellSide side) {
    const int half = kHtmlLineWidth / 2;
    const LineStyle style = lineStyle(page, view.colors);

    if (view.bye) {
        // Neither stroke nor join: the opponent's line alone leads on.
        out += "STYLE = \"width:";
        appendInt(out, kHtmlColumnWidth);
        out += "\">";
        out += fragments().blank;
        out += "</TD>";
        return;
    }
    const bool joinCell = (quarter == 1 || quarter == 2) && side.joined;
    const bool above = side.joined ? quarter == 0 : quarter % 2 == 0;
    if (joinCell || (!above && side.scoreBelow)) {
        // The score, beside the join (or, with none, the middle) and against the stroke: below
        // a stroke with no join, at the top of its tall cell.
        out += side.mirrored ? "align = \"left\" " : "align = \"right\" ";
        if (!joinCell) out += "valign = \"top\" ";
        out += "STYLE = \"width:";
        appendInt(out, kHtmlColumnWidth);
        if (joinCell) {
            appendBorder(out, side.mirrored ? ";border-left:" : ";border-right:", kHtmlLineWidth,
                         style.join);
        }
        appendBorder(out, quarter == 2 ? ";border-bottom:" : ";border-top:", half, style.stroke);
        out += ';';
        appendScorePart(out, page, view.score);
        out += "</TD>";
        return;
    }
    // A stroke alone. The cell on the side of the stroke that holds no score shows the number
    // of the match that feeds the line, close to the stroke.
    const int number = side.joined || above ? view.number : 0;
    if (number > 0 && side.mirrored) out += "align = \"right\" ";
    if (number > 0) out += above ? "valign = \"bottom\" " : "valign = \"top\" ";
    out += "STYLE = \"width:";
    appendInt(out, kHtmlColumnWidth);
    if (above) {
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

// A member's name cell and club cell, in the order they stand from the edge inwards.
void writeMemberCells(PageBuffer& out, const Page& page, int member, bool mirrored, int rowspan) {
    if (mirrored && page.clubs) writeClubCell(out, page, member, mirrored, rowspan);
    writeNameCell(out, page, member, mirrored, rowspan);
    if (!mirrored && page.clubs) writeClubCell(out, page, member, mirrored, rowspan);
}

// The champion's name over `rowspan` rows; `placement` adds attributes before the style.
void writeChampionCell(PageBuffer& out, const Page& page, int rowspan, const char* placement) {
    const Bracket& bracket = page.bracket;
    out += "<TD rowspan = \"";
    appendInt(out, rowspan);
    out += "\" ";
    out += std::string_view(placement);
    if (page.withSheet) out += "nowrap ";  // a long name widens the column rather than wrap
    out += "STYLE = \"width:";
    appendInt(out, kHtmlNameWidth);
    out += " ;color:";
    out += page.score;
    out += " ;font-size:small;font-weight:bold\">";
    out += fragments().blank;
    escapeTextInto(out, bracket.champion());
    out += "</TD>\r\n";
}

// The line cells of `row` in the columns of spans 1, 2, … `lastSpan`, outwards in: as the
// one-sided table's row `row + offset`, whose lines they are. The line of span `lastSpan` draws
// no join. A line's two cells meet at its stroke, in the middle of its rows, or for a line a
// bye's opponent runs straight into, at that opponent's stroke, a row higher or lower.
void writeLineCells(PageBuffer& out, const Page& page, int row, int offset, int lastSpan,
                    bool mirrored) {
    const int members = page.bracket.memberCount();
    const int at = row + offset;
    int columns = 0;
    while ((1 << columns) <= lastSpan) ++columns;
    for (int i = 0; i < columns; ++i) {
        const int column = mirrored ? columns - 1 - i : i;
        const int span = 1 << column;
        // Column c starts after the 2P - 2P / 2^c lines of the columns before it.
        const int line = 2 * members - 2 * members / span + at / (2 * span);
        const LineShape shape = page.shape(line);
        CellSide side;
        side.mirrored = mirrored;
        side.joined = span != lastSpan && shape.joined;
        side.scoreBelow = span == lastSpan && page.twoSided;
        const int shift = side.joined ? (shape.strokeShift > 0) - (shape.strokeShift < 0) : 0;
        const int first = at - at % (2 * span);
        const int stroke = first + span + shift;
        if (at != first && at != stroke) continue;
        const int n = first / span + (at == first ? 0 : 1);
        out += "<TD rowspan = \"";
        appendInt(out, at == first ? stroke - first : first + 2 * span - stroke);
        out += "\" ";
        makeLineCell(out, page, LineView::ofLine(page, line), n % 4, side);
        out += "\r\n";
        if (span == members && row == 0) writeChampionCell(out, page, 2 * members, "");
    }
}

}  // namespace kaz::html
