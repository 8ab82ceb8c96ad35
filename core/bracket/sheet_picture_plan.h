#pragma once

#include <vector>

#include "bracket/sheet_layout.h"
#include "bracket/text_measure.h"

// The picture of a sheet, planned once from the widths an output measures (text_measure.h):
// how far the name and club columns widen so that every text shows whole, the room each
// column leaves its texts, and how wide a long title makes the sheet. The window, the printer,
// the images and the live page all draw from this plan and these constants; each output only
// condenses a text into the room the plan gives it, in its own way (a narrower font, or the
// page's textLength).

namespace kaz {

// A line's stroke, and a pair's join centred on the lines' edge as a pen of that width draws
// it: its share within a line joined at its right edge lies before the edge, the rest within a
// mirrored line, after its left edge.
constexpr int kStrokeWidth = 4;
constexpr int kJoinWidth = 7;
constexpr int kJoinBeforeEdge = kJoinWidth / 2;
constexpr int kJoinAfterEdge = kJoinWidth - kJoinBeforeEdge;
// The share of the join within a line, mirrored or not.
constexpr int joinShare(bool mirrored) { return mirrored ? kJoinAfterEdge : kJoinBeforeEdge; }
// Between a widened column's longest text and its end, so that glyphs drawn a little wider at
// another scale still end before the line.
constexpr int kInkGap = 2;
// A column widens up to this many of its boxes; a longer text is condensed.
constexpr int kColumnMostBoxes = 4;
// Either side of the title and second line; a long one widens the sheet up to this many times.
constexpr int kTitleSideMargin = 16;
constexpr int kTitleMostWidening = 2;

// Between a third place's name and its line.
constexpr int kThirdPlaceNameGap = 4;

// Where a name's text starts in its box in a picture: past the name box's frame (1 pixel in
// the editor's style), the edit's own margin of 2 pixels and the box's text margin of 2; and
// the gap between a name and its club there, so that the clubs read as a column of their own.
constexpr int kPictureNameMargin = 5;
constexpr int kPictureClubGap = 9;
// The same on the live page, whose chart has no boxes to line up with.
constexpr int kPageNameMargin = 3;
constexpr int kPageClubGap = 10;

// How an output lays a column's texts in their boxes.
struct ColumnStyle {
    int box = 0;             // a box's width, where the column's texts stand
    int margin = 0;          // before a text in its box
    int inkGap = 0;          // after the longest text of a widened column
    bool estimated = false;  // widths are estimates: a text fits only with the ink gap to spare
};

// How far a column widens, and the room it leaves each text.
struct ColumnPlan {
    int extraWidth = 0;  // added to the boxes' width
    int room = 0;        // for each text, from its margin to the column's end or its ink gap

    bool widened() const { return extraWidth > 0; }
};

// The column of `texts` in boxes of `style`: not widened while every text fits its box; else
// as wide as the widest needs, at most kColumnMostBoxes boxes (as wide as that where a text
// was cut before measuring).
ColumnPlan planColumn(const std::vector<MeasuredText>& texts, const ColumnStyle& style);

// How an output lays out a sheet's picture.
struct PictureStyle {
    ColumnStyle names;
    ColumnStyle clubs;
    // The club column only while a club is set (on paper it would only part the names from
    // their lines); the page keeps it while the sheet shows it.
    bool clubsOnly = false;
};

// The window's, the printer's and the images' pictures, measured with Qt's fonts.
PictureStyle measuredPictureStyle();
// The live page's chart, measured by an estimate.
PictureStyle estimatedPictureStyle();

// How wide a sheet `sheetWidth` wide becomes for a header text `textWidth` wide: wide enough
// for it and its margins, up to kTitleMostWidening times.
int headerWidth(int sheetWidth, int textWidth);

struct SheetPicturePlan {
    ColumnPlan names;
    ColumnPlan clubs;
    // The room the title and the second line were condensed towards (the sheet then is at
    // least as wide as either drawn so condensed, with its margins).
    int titleRoom = 0;
    int subtitleRoom = 0;
    SheetLayout layout;  // the sheet with its columns widened
};

// The picture of `bracket`'s sheet from the widths `measure` gives, laid out as `style` says.
SheetPicturePlan planSheetPicture(const Bracket& bracket, const TextMeasure& measure,
                                  const PictureStyle& style);

}  // namespace kaz
