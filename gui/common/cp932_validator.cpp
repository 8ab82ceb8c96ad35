#include "common/cp932_validator.h"

#include <QWidget>

#include "bridge/qt_text.h"
#include "common/refusal_notice.h"

namespace kaz::gui {

Cp932Validator::Cp932Validator(size_t maxBytes, QObject* parent)
    : QValidator(parent), m_maxBytes(maxBytes) {}

QValidator::State Cp932Validator::validate(QString& input, int&) const {
    QString checked = input;
    checked.replace(QChar(0xFFFD), QLatin1Char('?'));
    const std::optional<std::string> bytes = render::toCp932(checked);
    if (bytes && bytes->size() <= m_maxBytes) return Acceptable;
    announceRefusal(qobject_cast<QWidget*>(parent()),
                    refusalText(bytes ? InputRefusal::TooLong : InputRefusal::NotInCp932,
                                m_fieldName, m_maxBytes));
    return Invalid;
}

}  // namespace kaz::gui
