#pragma once

#include <QSize>

class QMdiArea;
class QMdiSubWindow;

namespace kaz::app {

// Bracket windows lie in a cascade: each one title bar's height below and right of the one
// before, so that every earlier window's title bar and left edge stay in sight. Once the next
// window's corner would pass the middle of the area, the cascade starts again at the top
// left, so that no title bar is ever placed outside the area, however many windows there are.

// The offset (the same across and down) of the window at `index` (0-based) in a cascade of
// `step` pixels in an area of `area`.
int cascadeOffset(int index, QSize area, int step);

// Places `window`, the one at `index`, in the cascade of its area, as large as its bracket
// asks within the area.
void placeInCascade(QMdiSubWindow* window, int index, QMdiArea* area);

// Grows `window`, where it is neither maximised nor minimised, towards the size its bracket now
// asks, as far as the area allows from where it stands; it never shrinks.
void growToContent(QMdiSubWindow* window);

// "重ねて表示": every window that is not minimised, bottom to top, laid out in the cascade.
void cascadeWindows(QMdiArea* area);

}  // namespace kaz::app
