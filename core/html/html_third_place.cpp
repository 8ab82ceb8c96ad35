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

}  // namespace

// The third place below the bracket: its heading over the whole table, then its two sides'
// names in the name column. A match draws the sides' pair of lines in the first round's
// column, as a first-round match, and its winner right of their join; two third places
// share one row each.
void writeThirdPlace(PageBuffer& out, const Page& page) {
    const ThirdPlace mode = page.bracket.sheet().thirdPlace;
    if (mode == ThirdPlace::None) return;
    const bool match = mode == ThirdPlace::Match;
    out += "<TR valign = \"bottom\">\r\n";
    appendSheetTextCell(out, page, page.columnCount(), "left");
    const PageFragments& words = fragments(page.bracket.sheet().language);
    out += match ? words.thirdPlaceMatch : words.thirdPlace;
    out += "</TD>\r\n</TR>\r\n";
    const std::array<int, kThirdPlaceSides> members = thirdPlaceMembers(page.bracket);
    const int rest = page.columnCount() - page.nameColumns();
    if (!match) {
        for (int side = 0; side < kThirdPlaceSides; ++side) {
            out += "<TR valign = \"middle\">\r\n";
            writeMemberCells(out, page, members[size_t(side)], false, 1);
            if (side == 0) writeThirdPlaceResult(out, page, 2, rest);
            out += "</TR>\r\n";
        }
        return;
    }
    for (int row = 0; row < 2 * kThirdPlaceSides; ++row) {
        const LineResult& result = page.bracket.thirdPlaceResult(row / 2);
        out += "<TR valign = \"middle\">\r\n";
        if (row % 2 == 0) writeMemberCells(out, page, members[size_t(row / 2)], false, 2);
        out += "<TD rowspan = \"1\" ";
        makeLineCell(out, page,
                     LineView{thirdPlaceLineColors(page.bracket, row / 2), result.score, 0, false},
                     row, CellSide());
        out += "\r\n";
        if (row == 0) writeThirdPlaceResult(out, page, 4, rest - 1);
        out += "</TR>\r\n";
    }
}

}  // namespace kaz::html
