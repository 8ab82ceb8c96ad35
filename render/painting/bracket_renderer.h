#pragma once

#include <QPageLayout>
#include <QRectF>
#include <QSize>
#include <memory>

#include "bracket/bracket.h"
#include "bracket/sheet_layout.h"
#include "scene/scene.h"

class QPainter;

namespace kaz::render {

// The whole bracket as one picture, on any painter and at any scale: the printer, the print
// preview, PNG and PDF files and kaz2image all draw it here. QtGui only; the bracket is only
// read.

// The scene of the bracket's picture (scene/sheet_scene.h), measured with Qt's fonts. The
// last one is kept, and given again while the bracket is the same.
std::shared_ptr<const kaz::Scene> pictureScene(const kaz::Bracket& bracket);

// Where the bracket's picture lays out the parts of its sheet: the plan its scene is drawn on.
kaz::SheetLayout pictureLayout(const kaz::Bracket& bracket);

// The scene of the bracket in the window, as the screen lays it out (layoutSheet, nothing
// widened or condensed), without the names and clubs, which the name boxes show, and with the
// places a bye's line takes clicks on. The view keeps it until the bracket changes.
kaz::Scene screenScene(const kaz::Bracket& bracket);

// The bracket's size in its own pixels: the size of the view's whole area, wider by as much as
// the name column widens to show every name whole.
QSize bracketExtent(const kaz::Bracket& bracket);

// Draws the bracket with its top-left corner at the painter's origin, in the bracket's own
// pixels (the painter's transform gives the scale): the background over the whole extent, the
// member names where the name boxes stand (text only, each whole, the column widened as far
// as they need), every line with its score, and the champion, laid out as on screen right of
// the names (on a two-sided sheet, the second half's names on the right edge, left-aligned
// next to their mirrored lines).
void renderBracket(QPainter& painter, const kaz::Bracket& bracket);

// The largest rectangle of `content`'s proportions that fits into `target`, centred in it.
QRectF fitCentred(const QSizeF& content, const QRectF& target);

// Draws the bracket into `target` (in the painter's coordinates), as large as it fits keeping
// its proportions, centred.
void renderBracketFitted(QPainter& painter, const kaz::Bracket& bracket, const QRectF& target);

// The orientation of `layout`'s page under which the bracket can be drawn larger within the
// page's margins; the layout's own orientation where both give the same size.
QPageLayout::Orientation bestOrientation(const kaz::Bracket& bracket, const QPageLayout& layout);

}  // namespace kaz::render
