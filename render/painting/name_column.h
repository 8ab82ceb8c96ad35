#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <string>
#include <vector>

#include "bracket/bracket.h"
#include "bracket/sheet_layout.h"
#include "bracket/sheet_picture_plan.h"

class QPaintDevice;

namespace kaz::render {

// The column of member names in a picture of the bracket. On screen a name box cuts a long
// name; on paper nothing can be scrolled, so every name is drawn whole: the column widens to
// the longest name (the lines and the champion move right with it), up to four times the
// box's width, as the core plans it (sheet_picture_plan.h); a name longer than that is condensed,
// down to half its width, and only beyond that cut with "…". In a widened column every name ends
// near its line, as on a printed bracket, so that a short name is not left far from the line it
// stands for. A bracket whose names all fit their boxes is drawn as the screen shows it.

// How one name is drawn.
struct DrawnName {
    QString text;       // the whole name, or its beginning and "…"
    int stretch = 100;  // of the font, in percent; 100 leaves the font as it is
};

struct NameColumn {
    int extraWidth = 0;            // added to the column's normal width, in the bracket's pixels
    std::vector<DrawnName> names;  // one per member, top to bottom

    bool widened() const { return extraWidth > 0; }
    // How a name is placed in its text rectangle (sheetNameTextRect; left-aligned on a two-sided
    // sheet's right edge).
    Qt::Alignment alignment() const { return widened() ? Qt::AlignRight : Qt::AlignLeft; }
};

// The least a font is condensed to.
constexpr int kLeastNameStretch = 50;

// The largest stretch of `font` (sized in the bracket's pixels), from 100 percent down to
// kLeastNameStretch, at which `text` is at most `room` pixels wide, its ink included; the least
// stretch where none is. Names and scores are condensed alike.
int fittingStretch(const QFont& font, const QString& text, int room);

// How far right of the pen `text`'s ink and advance reach in `font` at `stretch` percent, in
// the bracket's pixels.
int textWidthAt(const QFont& font, const QString& text, int stretch);

// A column's texts (one per member) as a picture lays them out, and their widths measured in
// the names' font. The measure does not depend on the device: the names' font has one size in
// the bracket's pixels everywhere.
struct ColumnTexts {
    std::vector<QString> texts;
    std::vector<kaz::MeasuredText> measured;
};
ColumnTexts measureColumnTexts(const std::vector<std::string>& cp932);

// The column's texts in the room `plan` leaves them, each condensed as little as makes it fit.
NameColumn fitColumn(const ColumnTexts& texts, const kaz::ColumnPlan& plan);

// Member `member`'s club box on `layout`'s sheet, less the gap on its name's side: where the
// club column's texts are laid out.
QRect sheetClubBox(const kaz::SheetLayout& layout, int member);

// The names' font (11 points on a screen of 96 dots per inch) for painting on `device` in the
// bracket's pixels, at `stretch` percent.
QFont memberNameFont(const QPaintDevice* device, int stretch = 100);

// Where the text of a box `box` of `column` is drawn (`box` as wide as the column): from the
// box's text margin to the column's end, or a little before it in a widened column; `mirrored`
// (a box on the right side of a two-sided sheet) keeps the margin at the right instead.
QRect textRectIn(const QRect& box, const NameColumn& column, bool mirrored = false);

// Where member `member`'s text is drawn on `layout`'s sheet: from the box's text margin to the
// column's end (in a widened column, to a little before it, so that no glyph touches the
// line). On the right edge of a two-sided sheet the column, widened towards its lines as on
// the left, holds its texts from the box's text margin next to their lines.
QRect sheetNameTextRect(const kaz::SheetLayout& layout, int member, const NameColumn& column);

}  // namespace kaz::render
