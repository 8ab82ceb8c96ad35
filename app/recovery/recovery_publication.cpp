#include "recovery/recovery_publication.h"

#include <QByteArray>
#include <QUrl>

namespace kaz::app {

namespace {

// The values are percent-encoded UTF-8, so that any path fits on its line.
constexpr std::string_view kFolderKey = "publishFolder=";
constexpr std::string_view kPageKey = "publishPage=";

std::string encoded(const QString& value) { return QUrl::toPercentEncoding(value).toStdString(); }

QString decoded(std::string_view value) {
    return QString::fromUtf8(
        QByteArray::fromPercentEncoding(QByteArray(value.data(), qsizetype(value.size()))));
}

}  // namespace

std::string RecoveryPublication::addedTo(std::string record) const {
    if (isEmpty()) return record;
    if (!record.empty() && record.back() != '\n') record += '\n';
    record.append(kFolderKey).append(encoded(folder)).append("\n");
    record.append(kPageKey).append(encoded(pageName)).append("\n");
    return record;
}

RecoveryPublication RecoveryPublication::readFrom(std::string_view record) {
    RecoveryPublication publication;
    size_t at = 0;
    while (at < record.size()) {
        size_t end = record.find('\n', at);
        if (end == std::string_view::npos) end = record.size();
        const std::string_view line = record.substr(at, end - at);
        at = end + 1;
        if (line.substr(0, kFolderKey.size()) == kFolderKey) {
            publication.folder = decoded(line.substr(kFolderKey.size()));
        } else if (line.substr(0, kPageKey.size()) == kPageKey) {
            publication.pageName = decoded(line.substr(kPageKey.size()));
        }
    }
    if (publication.isEmpty()) return RecoveryPublication();
    return publication;
}

}  // namespace kaz::app
