#pragma once

#include <QProxyStyle>

namespace kaz::app {

// The application's style: the desktop's own, except that the toolbar's overflow button takes
// the style's built-in picture. The style would otherwise read that picture from a PNG file,
// for which Qt loads every image-format plugin it has (GIF, ICO, JPEG, …) while the window is
// still being built.
class ApplicationStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace kaz::app
