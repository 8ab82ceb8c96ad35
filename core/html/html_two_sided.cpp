#include "html/html_cells.h"

// The two-sided table: the first half of the members down the left edge, the second half
// mirrored down the right, the final and the champion in the middle.

namespace kaz::html {
namespace {

// A finalist's stroke as it runs on to the centre: in its own colour while the final is open,
// as the pictures draw it; once the final is decided, the loser's part in the lose colour, so
// that the winner's way alone leads on to the champion.
std::string_view finalistColor(const Page& page, int finalist, int opponent) {
    if (page.bracket.lineState(opponent) == LineState::Won) return page.lose;
    return lineStyle(page, page.bracket.lineState(finalist)).stroke;
}

// The cells of a two-sided page's two middle columns in `row`: the champion over both, above
// the final's line, which runs up the centre from where the finalists' strokes meet; the
// final's match number beside it.
void writeMiddleCells(PageBuffer& out, const Page& page, int row) {
    const Bracket& bracket = page.bracket;
    const int half = bracket.memberCount() / 2;  // rows above the strokes
    const int finalLine = bracket.lineCount() - 1;
    const int middleWidth = kHtmlNameWidth / 2;
    if (row == 0) {
        writeChampionCell(out, page, half - 1,
                          "colspan = \"2\" align = \"center\" valign = \"bottom\" ");
    }
    if (row != half - 1 && row != half) return;
    const bool above = row == half - 1;
    for (int side = 0; side < 2; ++side) {
        const int finalist = finalLine - 2 + side;
        const int number = side == 1 && above ? page.matchNumber(finalLine) : 0;
        out += "<TD rowspan = \"";
        appendInt(out, above ? 1 : half);
        out += "\" ";
        if (number > 0) out += "valign = \"bottom\" ";
        out += "STYLE = \"width:";
        appendInt(out, middleWidth);
        if (above && side == 0) {
            appendBorder(out, ";border-right:", kHtmlLineWidth,
                         lineStyle(page, bracket.lineState(finalLine)).stroke);
        }
        appendBorder(out, above ? ";border-bottom:" : ";border-top:", kHtmlLineWidth / 2,
                     finalistColor(page, finalist, finalLine - 1 - side));
        out += "\">";
        if (number > 0) {
            appendMatchNumber(out, page, number);
        } else {
            out += fragments().blank;
        }
        out += "</TD>\r\n";
    }
}

}  // namespace

// A row of a two-sided page: the first half of the members on the left, reading rightwards,
// the second half on the right, mirrored, and the final in the middle.
void writeTwoSidedRow(PageBuffer& out, const Page& page, int row) {
    const int members = page.bracket.memberCount();
    out += "<TR valign = \"middle\">\r\n";
    if (row % 2 == 0) writeMemberCells(out, page, row / 2, false, 2);
    writeLineCells(out, page, row, 0, members / 2, false);
    writeMiddleCells(out, page, row);
    writeLineCells(out, page, row, members, members / 2, true);
    if (row % 2 == 0) writeMemberCells(out, page, members / 2 + row / 2, true, 2);
    out += "</TR>\r\n";
}

}  // namespace kaz::html
