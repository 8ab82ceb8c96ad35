#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "bracket/bracket_geometry.h"
#include "bracket/bracket_shape.h"
#include "bracket/sheet_info.h"

// Where the parts of an organiser's sheet lie around the bracket, in the sheet's own pixels
// (the bracket's pixels, moved): the title and second line above it, the rounds' names in a
// row over the columns, the club column right of the names, a seed's mark before its name, the
// match numbers at the joins and the draw number at the foot. The screen and every picture lay
// the sheet out here. A bracket with an empty sheet lies exactly as bracket_geometry.h places
// it: nothing is added and nothing moves.

namespace kaz {

class Bracket;

// How much wider than the screen's boxes a picture draws the columns (to show every name and
// club whole), and how wide its longest header text needs the sheet. All zero on screen.
struct SheetWidening {
    int nameColumn = 0;  // added to the name column's width
    int clubColumn = 0;  // added to the club column's width
    int leastWidth = 0;  // the sheet is at least this wide
    // A picture has no club column while no club is set: the screen keeps it to type into,
    // on paper it would only part the names from their lines.
    bool clubsOnly = false;
};

// Where the third place lies, below the final: its heading (「3位決定戦」 right above the upper
// line, or 「3位」 right of the two third places' names), each side's member name, and with a
// match the two sides' lines, joined as a pair, and the winner ("3位" and the name) right of
// their join. All zero-sized where the sheet
// shows no third place; the lines also for two third places, which play no match.
struct ThirdPlaceLayout {
    Rect heading;
    std::array<Rect, 2> names;  // by side: the upper semi-final's loser first
    std::array<Rect, 2> lines;  // by side: an upper and a lower line, their join at the right
    Rect result;

    bool shown() const { return heading.height > 0; }
};

// A two-sided sheet: the first half of the members down the left edge, reading rightwards as a
// one-sided sheet of half as many; the second half down the right edge, its names, clubs, seed
// marks, lines and match numbers the mirror images of the left half's about the sheet's
// vertical centre line. The final's two lines meet at that centre line below the champion's
// line, which stands up from their meeting to the champion's name.
struct SheetLayout {
    int members = 0;
    bool twoSided = false;
    int centre = 0;        // two-sided: the x of the vertical centre line; 0 otherwise
    int headerHeight = 0;  // the bracket's names and lines move down by this
    int clubWidth = 0;     // 0 without a club column
    int clubLeft = 0;      // the club column's left edge, where the name column ends
    // Where the bracket's own origin lies for its lines and champion: right of the names and
    // clubs, below the header.
    Point bracketOrigin;
    Rect title;                    // zero-sized when there is none; as wide as the sheet
    Rect subtitle;                 // the second line, likewise
    std::vector<Rect> roundNames;  // by round (column), over its lines; none for an empty sheet
    // Two-sided: by round, the name's copy over the right half's column; zero-sized for the
    // final's name (over the middle) and the champion's column (not shown: the champion's name
    // stands above the final).
    std::vector<Rect> mirroredRoundNames;
    Rect champion;    // two-sided: the band of the champion's name, centred above the final
    Rect drawNumber;  // at the foot; zero-sized when there is none
    ThirdPlaceLayout thirdPlace;
    Size extent;  // the whole sheet

    bool hasClubColumn() const { return clubWidth > 0; }
};

// True when the sheet shows anything (usesSheet): false for a bracket that sets nothing of it,
// also when its file's sheet block held records this version does not know, which show nothing.
bool isSheetShown(const Bracket& bracket);

// The club column's width on screen: one box.
constexpr int kClubBoxWidth = 80;

// The sheet of `bracket`, its columns widened by `widening`.
SheetLayout layoutSheet(const Bracket& bracket, const SheetWidening& widening = SheetWidening());

// True when member `member` stands on the right edge of a two-sided sheet.
bool isOnRightSide(const SheetLayout& layout, int member);

// True when line `line` belongs to the right half of a two-sided sheet: it reads leftwards.
bool isLineOnRightSide(const SheetLayout& layout, int line);

// Member `member`'s name box on the sheet (memberNameRect moved down by the header; on the
// right edge, the mirror image of its left counterpart's box).
Rect sheetNameRect(const SheetLayout& layout, int member);

// Member `member`'s club, between its name box and its line, as high; zero-sized without a
// club column.
Rect sheetClubRect(const SheetLayout& layout, int member);

// Member `member`'s seed mark, in the margin on the outer side of its name box.
Rect seedMarkRect(const SheetLayout& layout, int member);

// Line `line`'s area on the sheet (lineRect moved to the bracket's origin; laid out two-sided
// where the sheet is).
Rect sheetLineRect(const SheetLayout& layout, int members, int line);

// The number of the match that line `line` plays in: past the pair's join, above the stroke of
// the line the pair feeds, within that line's area. Zero-sized for the final line.
Rect matchNumberRect(const SheetLayout& layout, int members, int line);

// The number of the third-place match: past its pair's join, above the winner's text.
// Zero-sized where the sheet has no third-place match.
Rect thirdPlaceNumberRect(const SheetLayout& layout);

// How a line is drawn on the sheet. A bye's slot has no stub, and its opponent's line, with no
// pair to join, runs straight on into the second round: the second-round line's stroke runs at
// the opponent's height instead of its own middle.
// On a two-sided sheet the right half's lines are mirrored (they read leftwards: the join at the
// left edge, the score after it); the final's two lines draw no join, their strokes meet at the
// centre line under the champion's line, which is one upright stroke up its area's middle.
struct LineShape {
    bool drawn = true;        // false for a bye's own line
    bool joined = true;       // false for a bye's opponent: it draws no share of a join
    int strokeShift = 0;      // the stroke's offset down from the middle of the line's area
    bool mirrored = false;    // joined at its left edge, its score placed from the left
    bool upright = false;     // the stroke runs from the area's bottom to its top, centred
    bool scoreBelow = false;  // the score below the stroke whatever the line's kind
};
LineShape sheetLineShape(const Bracket& bracket, int line);

}  // namespace kaz
