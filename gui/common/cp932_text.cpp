#include "common/cp932_text.h"

#include <QWidget>

#include "common/refusal_notice.h"
#include "text/cp932.h"

QString fromCp932(const std::string& cp932) {
    return QString::fromStdString(kaz::cp932ToUtf8(cp932));
}

std::optional<std::string> toCp932(const QString& text) {
    return kaz::utf8ToCp932(text.toStdString());
}

std::string toCp932Lenient(const QString& text) {
    QString copy = text;
    copy.replace(QChar(0xFFFD), QLatin1Char('?'));
    return toCp932(copy).value_or(std::string());
}

Cp932Validator::Cp932Validator(size_t maxBytes, QObject* parent)
    : QValidator(parent), m_maxBytes(maxBytes) {}

QValidator::State Cp932Validator::validate(QString& input, int&) const {
    QString checked = input;
    checked.replace(QChar(0xFFFD), QLatin1Char('?'));
    const std::optional<std::string> bytes = toCp932(checked);
    if (bytes && bytes->size() <= m_maxBytes) return Acceptable;
    announceRefusal(qobject_cast<QWidget*>(parent()),
                    bytes ? Refusal::TooLong : Refusal::NotInCp932);
    return Invalid;
}
