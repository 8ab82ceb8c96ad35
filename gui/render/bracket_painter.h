#pragma once

#include <QRect>

#include "bracket/bracket.h"

class QFontMetrics;
class QPainter;
class QString;

// The painting that the bracket view and every picture of a bracket share, so that they
// cannot differ: colours from the core's rule, places from the core's geometry. QtGui only.

// One line's horizontal stroke, score and share of the pair's join, within `area`, the line's
// own rectangle. The background is the caller's.
void paintLine(QPainter& painter, const kaz::Bracket& bracket, int line, const QRect& area);

// The champion's name right of the final line in the score colour, made bold, cut at the
// bracket's extent (which starts at the painter's origin).
void paintChampion(QPainter& painter, const kaz::Bracket& bracket);

// Where a score's text is drawn in a line's `area` (the rectangle of its advance, from the pen
// position): measured with the font really used, it ends where the layout of six pixels a byte
// ends it, six pixels before the join; where that would cut its first glyph, it moves right
// just far enough for all its ink to show. Every score the dialog takes fits left of the join.
QRect scoreTextRect(const QFontMetrics& metrics, const QString& text, kaz::LineKind kind,
                    const QRect& area);
