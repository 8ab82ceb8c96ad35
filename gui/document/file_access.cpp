#include "document/file_access.h"

#include <QFile>

#include "io/bracket_file.h"
#include "io/file_io.h"
#include "io/kaz_format.h"
#include "text/messages.h"

LoadedBracket LoadBracketFile(const QString& path) {
    kaz::LoadedBracket loaded =
        kaz::LoadBracketFile(QFile::encodeName(path).toStdString(), kaz::ReadableFiles::RegularOnly);
    return {std::move(loaded.bracket), QString::fromStdString(loaded.error)};
}

QString SaveBracketFile(const QString& path, const kaz::Bracket& bracket) {
    return SaveBytesToFile(path, kaz::WriteKaz(bracket));
}

QString SaveBytesToFile(const QString& path, const std::string& bytes) {
    const std::string name = QFile::encodeName(path).toStdString();
    const kaz::FileError error = kaz::WriteFileSafely(name, bytes);
    if (error == kaz::FileError::None) return QString();
    return QString::fromStdString(kaz::FileErrorMessage(error, name));
}
