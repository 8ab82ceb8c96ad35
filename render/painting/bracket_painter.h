#pragma once

#include <QRect>

#include "bracket/bracket.h"
#include "bracket/line_style.h"
#include "bracket/sheet_layout.h"

class QPainter;

namespace kaz::render {

// The painting that the bracket view and every picture of a bracket share, so that they
// cannot differ: colours from the core's rule, places from the core's geometry. QtGui only.

// No more of a name than this is laid out: no more can show, and a name of millions of
// characters would overflow the text engine's coordinates.
constexpr int kMostCharactersShown = 256;

// What a line shows, wherever it stands: a bracket line, or a side of the third-place match.
struct LineLook {
    kaz::LineColors colors;  // by the core's colour rule
    const std::string& score;
    kaz::LineKind kind = kaz::LineKind::Upper;
};

// Which parts of a line are drawn. A picture draws every line's stroke, then every score, then
// every join: on a device that smooths edges a stroke reaches a pixel under the strokes and
// joins drawn after it, and an upper join under the lower one, so that no hairline shows where
// they meet. The window draws each line whole, on its own widget.
enum class LineParts { All, Stroke, Score, Join };

// One line's horizontal stroke, score and share of the pair's join, within `area`, the line's
// own rectangle, drawn as `shape` says (a bye's stub not at all) in the colours of `colors`.
// The background is the caller's.
void paintLineLook(QPainter& painter, const kaz::ColorSet& colors, const LineLook& look,
                   const QRect& area, const kaz::LineShape& shape = kaz::LineShape(),
                   LineParts parts = LineParts::All);

// Bracket line `line`, as paintLineLook draws it.
void paintLine(QPainter& painter, const kaz::Bracket& bracket, int line, const QRect& area,
               const kaz::LineShape& shape = kaz::LineShape(), LineParts parts = LineParts::All);

// What a line shows and where.
LineLook lineLook(const kaz::Bracket& bracket, int line);

struct DrawnLine {
    LineLook look;
    QRect area;
    kaz::LineShape shape;
};

// The join of a pair of lines, the upper line's share and the lower's. On a device that smooths
// edges a join all of one colour is drawn as one piece, since two shares would show a seam
// where they meet, or a darker dot where they overlap.
void paintPairJoin(QPainter& painter, const kaz::ColorSet& colors, const DrawnLine& upper,
                   const DrawnLine& lower);

// The champion's name in the score colour, made bold, with the painter at the bracket's origin
// (`layout`'s bracketOrigin): right of the final line, cut at the bare bracket's extent; on a
// two-sided sheet centred in the layout's champion band above the final, cut at it.
void paintChampion(QPainter& painter, const kaz::Bracket& bracket, const kaz::SheetLayout& layout);

}  // namespace kaz::render
