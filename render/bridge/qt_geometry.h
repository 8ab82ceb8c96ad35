#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include "bracket/bracket_geometry.h"

namespace kaz::render {

// The core's bracket geometry in Qt's types.

inline QRect toQRect(const kaz::Rect& r) { return QRect(r.left, r.top, r.width, r.height); }
inline QPoint toQPoint(const kaz::Point& p) { return QPoint(p.x, p.y); }
inline QSize toQSize(const kaz::Size& s) { return QSize(s.width, s.height); }

}  // namespace kaz::render
