#include "shell/application_style.h"

namespace kaz::app {

QIcon ApplicationStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                     const QWidget* widget) const {
    if (standardIcon == SP_ToolBarHorizontalExtensionButton ||
        standardIcon == SP_ToolBarVerticalExtensionButton) {
        return QIcon(baseStyle()->standardPixmap(standardIcon, option, widget));
    }
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}

}  // namespace kaz::app
