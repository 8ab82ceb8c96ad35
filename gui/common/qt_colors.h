#pragma once

#include <QColor>
#include <string>

#include "color/color_value.h"

// A colour string as the screen shows it (read as the page's colour reader reads it).
QColor QColorFromString(const std::string& text);

QColor ToQColor(kaz::ColorValue value);
kaz::ColorValue FromQColor(const QColor& color);
