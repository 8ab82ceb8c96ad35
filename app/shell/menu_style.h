#pragma once

#include <QProxyStyle>

namespace kaz::app {

// The menus' look on the desktop this editor comes from: a checkable item shows its tick
// while checked and nothing at all while unchecked (no empty box).
class MenuStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace kaz::app
