#include "shell/menu_style.h"

#include <QStyleOptionMenuItem>

namespace kaz::app {

void MenuStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element == CE_MenuItem && item != nullptr &&
        item->checkType != QStyleOptionMenuItem::NotCheckable && !item->checked) {
        QStyleOptionMenuItem plain(*item);
        plain.checkType = QStyleOptionMenuItem::NotCheckable;
        QProxyStyle::drawControl(element, &plain, painter, widget);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

}  // namespace kaz::app
