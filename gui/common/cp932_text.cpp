#include "common/cp932_text.h"

#include "text/cp932.h"

QString FromCp932(const std::string& cp932) {
    return QString::fromStdString(kaz::Cp932ToUtf8(cp932));
}

std::optional<std::string> ToCp932(const QString& text) {
    return kaz::Utf8ToCp932(text.toStdString());
}

std::string ToCp932Lenient(const QString& text) {
    QString copy = text;
    copy.replace(QChar(0xFFFD), QLatin1Char('?'));
    return ToCp932(copy).value_or(std::string());
}

Cp932Validator::Cp932Validator(int maxBytes, QObject* parent)
    : QValidator(parent), m_maxBytes(maxBytes) {}

QValidator::State Cp932Validator::validate(QString& input, int&) const {
    QString checked = input;
    checked.replace(QChar(0xFFFD), QLatin1Char('?'));
    const std::optional<std::string> bytes = ToCp932(checked);
    if (!bytes) return Invalid;
    if (m_maxBytes >= 0 && static_cast<int>(bytes->size()) > m_maxBytes) return Invalid;
    return Acceptable;
}
