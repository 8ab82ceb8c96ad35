#include "common/qt_colors.h"

QColor QColorFromString(const std::string& text) { return ToQColor(kaz::ColorFromString(text)); }

QColor ToQColor(kaz::ColorValue value) {
    return QColor(kaz::RedOf(value), kaz::GreenOf(value), kaz::BlueOf(value));
}

kaz::ColorValue FromQColor(const QColor& color) {
    return kaz::MakeColorValue(color.red(), color.green(), color.blue());
}
