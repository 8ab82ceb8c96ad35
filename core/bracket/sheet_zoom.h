#pragma once

#include "bracket/bracket_geometry.h"

// The zoom of a bracket's window, in percent of the sheet's own pixels. Pictures never zoom:
// only the screen does.

namespace kaz {

constexpr int kActualSize = 100;
constexpr int kLeastZoom = 25;
constexpr int kMostZoom = 400;

// The next step up or down from `percent` (25, 33, 50, 67, 75, 80, 90, 100, 110, 125, 150,
// 175, 200, 250, 300, 400), stopping at the ends; a zoom between steps goes to its neighbour.
int zoomedIn(int percent);
int zoomedOut(int percent);

// `percent` within 25 … 400.
int boundedZoom(int percent);

// A coordinate of the sheet at `percent`, rounded up: so a pixel p of the zoomed sheet lies in
// a zoomed rectangle exactly when p / percent × 100 lies in the rectangle, and two neighbours
// still meet.
int zoomed(int coordinate, int percent);
Rect zoomed(const Rect& rect, int percent);
Size zoomed(const Size& size, int percent);

}  // namespace kaz
