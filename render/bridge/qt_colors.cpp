#include "bridge/qt_colors.h"

namespace kaz::render {

QColor qColorFromString(const std::string& text) { return toQColor(kaz::colorFromString(text)); }

QColor toQColor(kaz::ColorValue value) {
    return QColor(kaz::redOf(value), kaz::greenOf(value), kaz::blueOf(value));
}

kaz::ColorValue fromQColor(const QColor& color) {
    return kaz::makeColorValue(color.red(), color.green(), color.blue());
}

std::optional<std::string> colorStringFromTyped(const QString& text) {
    const QString typed = text.trimmed();
    if (typed.startsWith(QLatin1Char('#'))) return kaz::normalColorString(typed.toStdString());
    // Names only: Qt's other forms (with alpha, 12 digits) are no colour string; "transparent"
    // is no colour at all.
    if (!QColor::isValidColorName(typed)) return std::nullopt;
    const QColor color(typed);
    if (color.alpha() != 255) return std::nullopt;
    return kaz::colorToString(fromQColor(color));
}

}  // namespace kaz::render
