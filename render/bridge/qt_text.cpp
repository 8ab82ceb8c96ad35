#include "bridge/qt_text.h"

#include "text/cp932.h"

namespace kaz::render {

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

}  // namespace kaz::render
