#pragma once

#include <QString>

#include "bracket/bracket.h"
#include "bracket/sheet_layout.h"
#include "painting/name_column.h"

class QPainter;

namespace kaz::render {

// The sheet around the bracket in a picture: the title and second line, the rounds' names,
// the clubs, the seed marks, the match numbers and the draw number, placed by the core's sheet
// layout. On paper nothing may be cut: the name and club columns widen as far as their texts
// need, and a long title widens the picture up to twice its width, then is condensed, and only
// where even that is too narrow widens it further, as the core plans it. QtGui only.

// A text of the sheet as drawn: condensed to `stretch` percent.
struct SheetText {
    QString text;
    int stretch = 100;
};

struct SheetPicture {
    NameColumn names;
    NameColumn clubs;  // one per member; empty without a club column, or where boxes show them
    SheetText title;
    SheetText subtitle;
    kaz::SheetLayout layout;
};

// The picture's sheet of `bracket`, planned by the core (sheet_picture_plan.h) from the widths
// of its texts in the fonts they are drawn in. The last one is kept, and given again while the
// bracket's names and sheet are the same.
SheetPicture layoutSheetPicture(const kaz::Bracket& bracket);

// The screen's sheet of `bracket` as `layout` lays it out (layoutSheet at the base size, which
// the view keeps): nothing widened or condensed, and no clubs drawn (the view's club boxes
// show them).
SheetPicture screenSheet(const kaz::Bracket& bracket, const kaz::SheetLayout& layout);

// The number of the match the pair of `upperLine` (its upper line) plays, where `layout` puts
// it: nothing while the sheet shows no numbers, nor for a pair with a bye, which plays none.
void paintMatchNumber(QPainter& painter, const kaz::Bracket& bracket,
                      const kaz::SheetLayout& layout, int upperLine);

// Draws the sheet's texts around the bracket (not its names, lines or champion), with the
// sheet's top-left corner at the painter's origin. Nothing for an empty sheet.
void paintSheetTexts(QPainter& painter, const kaz::Bracket& bracket, const SheetPicture& sheet);

}  // namespace kaz::render
