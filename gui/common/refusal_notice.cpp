#include "common/refusal_notice.h"

#include <QCoreApplication>
#include <QString>

#include "common/ui_text.h"

namespace kaz::gui {

QString refusalText(InputRefusal why, const QString& field, size_t maxCharacters) {
    if (why == InputRefusal::UnusableCharacter) {
        return QCoreApplication::translate("kaz::gui::RefusalNotice", "この文字は使えません。");
    }
    if (field.isEmpty())
        return QCoreApplication::translate("kaz::gui::RefusalNotice", "これ以上入力できません。");
    return QCoreApplication::translate("kaz::gui::RefusalNotice", "%1は %2 文字までです。")
        .arg(field, QString::number(maxCharacters));
}

QString refusalText(const std::optional<kaz::Refusal>& refusal) {
    return refusal ? uiText(*refusal) : QString();
}

}  // namespace kaz::gui
