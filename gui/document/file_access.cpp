#include "document/file_access.h"

#include <QFile>

#include "io/file_io.h"
#include "text/messages.h"

kaz::LoadedBracket loadBracket(const QString& path) {
    return kaz::loadBracketFile(QFile::encodeName(path).toStdString(),
                                kaz::ReadableFiles::RegularOnly);
}

QString saveFile(const QString& path, std::string_view bytes) {
    const std::string name = QFile::encodeName(path).toStdString();
    const kaz::FileError error = kaz::writeFileSafely(name, bytes);
    if (error == kaz::FileError::None) return QString();
    return QString::fromStdString(kaz::fileErrorMessage(error, name));
}
