#include <array>

#include "bracket/third_place.h"
#include "html/html_cells.h"

namespace kaz::html {
namespace {

// The cell right of the third place's names, over the rest of the table: with a match, the
// winner as "3位" and the name.
void writeThirdPlaceResult(PageBuffer& out, const Page& page, int rowspan, int colspan) {
    out += "<TD rowspan = \"";
    appendInt(out, rowspan);
    out += "\" colspan = \"";
    appendInt(out, colspan);
    out += "\" STYLE = \"color:";
    out += page.score;
    out += " ;font-size:small;font-weight:bold\">";
    out += fragments().blank;
    const int winner = thirdPlaceWinner(page.bracket);
    if (winner >= 0) {
        out += fragments(page.bracket.sheet().language).thirdPlace;
        out += ' ';
        escapeTextInto(out, page.bracket.memberName(winner));
    }
    out += "</TD>\r\n";
}

// Where the third place stands: under the final, its lines in the final's column (on a
// two-sided page in the two middle columns, centred under the final), its names right-aligned
// in the columns before them and its winner in those after.
struct ThirdPlaceColumns {
    int before = 0;
    int lines = 0;
    int after = 0;
};

ThirdPlaceColumns thirdPlaceColumns(const Page& page) {
    const int rounds = page.bracket.roundCount();
    ThirdPlaceColumns columns;
    columns.before = page.nameColumns() + rounds - (page.twoSided ? 1 : 2);
    columns.lines = page.twoSided ? 2 : 1;
    columns.after = page.columnCount() - columns.before - columns.lines;
    return columns;
}

// A side's member (none for -1, a semi-final not yet decided) in one cell over the columns
// before the lines, ending at them: the seed mark, the name and the club after it.
void writeSideCell(PageBuffer& out, const Page& page, int member, int rowspan, int colspan) {
    const Bracket& bracket = page.bracket;
    out += "<TD rowspan = \"";
    appendInt(out, rowspan);
    out += "\" colspan = \"";
    appendInt(out, colspan);
    out += "\" align = \"right\" nowrap STYLE = \"height:12 ;font-size:small ;color :";
    out += page.member;
    out += "\">";
    if (member < 0) {
        out += fragments().blank;
        out += "</TD >\r\n";
        return;
    }
    const std::string mark = memberMark(bracket.memberMarks(member));
    if (!mark.empty()) {
        out += "<SPAN STYLE = \"font-size:x-small\">";
        escapeTextInto(out, mark);
        out += "</SPAN> ";
    }
    if (bracket.boldMemberNames()) out += "<B>";
    escapeTextInto(out, bracket.memberName(member));
    if (bracket.boldMemberNames()) out += "</B>";
    if (page.clubs && !bracket.memberClub(member).empty()) {
        out += " <SPAN STYLE = \"font-size:x-small\">";
        escapeTextInto(out, bracket.memberClub(member));
        out += "</SPAN>";
    }
    out += "</TD >\r\n";
}

}  // namespace

// The third place below the bracket, under the final: its heading right above its lines,
// then its two sides' names before them. A match draws the sides' pair of lines, as a
// first-round match, and its winner right of their join; two third places share one row each.
void writeThirdPlace(PageBuffer& out, const Page& page) {
    const ThirdPlace mode = page.bracket.sheet().thirdPlace;
    if (mode == ThirdPlace::None) return;
    const bool match = mode == ThirdPlace::Match;
    const ThirdPlaceColumns columns = thirdPlaceColumns(page);
    out += "<TR valign = \"bottom\">\r\n";
    appendSheetTextCell(out, page, columns.before, "left");
    out += fragments().blank;
    out += "</TD>\r\n";
    appendSheetTextCell(out, page, columns.lines + columns.after, "left");
    const PageFragments& words = fragments(page.bracket.sheet().language);
    out += match ? words.thirdPlaceMatch : words.thirdPlace;
    out += "</TD>\r\n</TR>\r\n";
    const std::array<int, kThirdPlaceSides> members = thirdPlaceMembers(page.bracket);
    if (!match) {
        for (int side = 0; side < kThirdPlaceSides; ++side) {
            out += "<TR valign = \"middle\">\r\n";
            writeSideCell(out, page, members[size_t(side)], 1, columns.before);
            if (side == 0) writeThirdPlaceResult(out, page, 2, columns.lines + columns.after);
            out += "</TR>\r\n";
        }
        return;
    }
    for (int row = 0; row < 2 * kThirdPlaceSides; ++row) {
        const LineResult& result = page.bracket.thirdPlaceResult(row / 2);
        out += "<TR valign = \"middle\">\r\n";
        if (row % 2 == 0) writeSideCell(out, page, members[size_t(row / 2)], 2, columns.before);
        out += columns.lines > 1 ? "<TD rowspan = \"1\" colspan = \"2\" " : "<TD rowspan = \"1\" ";
        makeLineCell(out, page,
                     LineView{thirdPlaceLineColors(page.bracket, row / 2), result.score, 0, false},
                     row, CellSide());
        out += "\r\n";
        if (row == 0) writeThirdPlaceResult(out, page, 4, columns.after);
        out += "</TR>\r\n";
    }
}

}  // namespace kaz::html
