#include "common/ui_text.h"

namespace kaz::gui {

QString uiText(std::string_view coreText) {
    return QString::fromUtf8(coreText.data(), qsizetype(coreText.size()));
}

}  // namespace kaz::gui
