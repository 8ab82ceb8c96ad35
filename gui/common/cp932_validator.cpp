#include "common/cp932_validator.h"

#include <QWidget>

#include "bridge/qt_text.h"
#include "common/notice.h"
#include "common/refusal_notice.h"
#include "text/document_text.h"

namespace kaz::gui {

Cp932Validator::Cp932Validator(size_t maxCharacters, QObject* parent, FieldCharacters characters)
    : QValidator(parent), m_maxCharacters(maxCharacters), m_characters(characters) {}

QValidator::State Cp932Validator::validate(QString& input, int&) const {
    QString checked = input;
    checked.replace(QChar(0xFFFD), QLatin1Char('?'));
    const bool usable =
        m_characters == FieldCharacters::Any || render::toCp932(checked).has_value();
    if (usable && textLength(render::toDocumentText(checked)) <= m_maxCharacters) return Acceptable;
    tell(qobject_cast<QWidget*>(parent()),
         refusalText(usable ? InputRefusal::TooLong : InputRefusal::UnusableCharacter, m_fieldName,
                     m_maxCharacters),
         Notice::Refused);
    return Invalid;
}

}  // namespace kaz::gui
