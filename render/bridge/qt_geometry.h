#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include "bracket/bracket_geometry.h"
#include "bracket/sheet_zoom.h"

namespace kaz::render {

// The core's bracket geometry in Qt's types.

inline QRect toQRect(const kaz::Rect& r) { return QRect(r.left, r.top, r.width, r.height); }
inline kaz::Rect toRect(const QRect& r) { return kaz::Rect{r.x(), r.y(), r.width(), r.height()}; }
inline QPoint toQPoint(const kaz::Point& p) { return QPoint(p.x, p.y); }
inline QSize toQSize(const kaz::Size& s) { return QSize(s.width, s.height); }

// The pixels of a window that show `area` of the sheet zoomed to `percent`; away from 100 %
// with a pixel to spare all round, for what a zoomed painting smooths across its edges.
inline QRect zoomedCover(const QRect& area, int percent) {
    if (percent == kaz::kActualSize) return area;
    const kaz::Rect zoomed =
        kaz::zoomed(kaz::Rect{area.x(), area.y(), area.width(), area.height()}, percent);
    return toQRect(zoomed).adjusted(-1, -1, 1, 1);
}

}  // namespace kaz::render
