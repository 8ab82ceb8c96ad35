#pragma once

#include <QRect>

#include "bracket/bracket.h"
#include "bracket/sheet_layout.h"

class QPainter;

namespace kaz::render {

// The third place below the final, where the sheet's layout puts it, on the screen and in every
// picture alike: its heading (「3位決定戦」, or 「3位」 where both semi-finals' losers are
// third), the name of each side whose semi-final is decided, and with a match its two lines
// and the winner as "3位 名前". QtGui only.

// Whether paintThirdPlace draws the match's lines: a picture does; the screen leaves them to
// the widgets that take their clicks.
enum class ThirdPlaceLines { Drawn, LeftOut };

// Draws the third place with the sheet's top-left corner at the painter's origin; nothing
// while the sheet shows none.
void paintThirdPlace(QPainter& painter, const kaz::Bracket& bracket, const kaz::SheetLayout& layout,
                     ThirdPlaceLines lines = ThirdPlaceLines::Drawn);

// Side `side`'s line of the match within `area`, as a bracket line is drawn.
void paintThirdPlaceLine(QPainter& painter, const kaz::Bracket& bracket, int side,
                         const QRect& area);

}  // namespace kaz::render
