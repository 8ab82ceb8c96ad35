#include "common/cp932_validator.h"

#include <QWidget>

#include "bridge/qt_text.h"
#include "common/refusal_notice.h"
#include "text/document_text.h"

namespace kaz::gui {

Cp932Validator::Cp932Validator(size_t maxBytes, QObject* parent)
    : QValidator(parent), m_maxBytes(maxBytes) {}

QValidator::State Cp932Validator::validate(QString& input, int&) const {
    if (cp932Length(render::toDocumentText(input)) <= m_maxBytes) return Acceptable;
    announceRefusal(qobject_cast<QWidget*>(parent()),
                    refusalText(InputRefusal::TooLong, m_fieldName, m_maxBytes));
    return Invalid;
}

}  // namespace kaz::gui
