#include "bridge/qt_text.h"

#include "text/cp932.h"
#include "text/document_text.h"

namespace kaz::render {

QString fromCp932(const std::string& cp932) {
    return QString::fromStdString(kaz::cp932ToUtf8(cp932));
}

std::optional<std::string> toCp932(const QString& text) {
    return kaz::utf8ToCp932(text.toStdString());
}

QString fromDocumentText(const std::string& text) {
    return QString::fromStdString(kaz::shownText(text));
}

std::string toDocumentText(const QString& text) { return text.toStdString(); }

}  // namespace kaz::render
