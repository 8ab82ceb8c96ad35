#include "document/kaz_file.h"

#include <QFile>

#include "document/bracket_file.h"
#include "document/file_io.h"
#include "document/kaz_format.h"
#include "document/messages.h"

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
