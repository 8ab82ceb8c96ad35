#pragma once

#include <QColor>
#include <QString>
#include <optional>
#include <string>

#include "color/color_value.h"

namespace kaz::render {

// A colour string as the screen shows it (read as the page's colour reader reads it).
QColor qColorFromString(const std::string& text);

QColor toQColor(kaz::ColorValue value);
kaz::ColorValue fromQColor(const QColor& color);

// A colour typed in the settings dialog as the colour string to store, "#RRGGBB" in upper
// case: "#RRGGBB", "#RGB" or a colour name Qt knows ("red", "DarkSlateBlue"), blanks around
// allowed; nothing for any other text.
std::optional<std::string> colorStringFromTyped(const QString& text);

}  // namespace kaz::render
