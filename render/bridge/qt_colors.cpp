#include "bridge/qt_colors.h"

QColor qColorFromString(const std::string& text) { return toQColor(kaz::colorFromString(text)); }

QColor toQColor(kaz::ColorValue value) {
    return QColor(kaz::redOf(value), kaz::greenOf(value), kaz::blueOf(value));
}

kaz::ColorValue fromQColor(const QColor& color) {
    return kaz::makeColorValue(color.red(), color.green(), color.blue());
}
