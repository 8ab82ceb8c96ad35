#pragma once

#include <QColor>
#include <string>

#include "color/color_value.h"

// A colour string as the screen shows it (read as the page's colour reader reads it).
QColor qColorFromString(const std::string& text);

QColor toQColor(kaz::ColorValue value);
kaz::ColorValue fromQColor(const QColor& color);
