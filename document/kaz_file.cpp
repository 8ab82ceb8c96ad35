#include "document/kaz_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "document/file_io.h"
#include "document/kaz_format.h"
#include "document/messages.h"

namespace {

QString FileErrorText(kaz::FileError cause, const QString& path) {
    const QString native = QDir::toNativeSeparators(path);
    return QString::fromStdString(kaz::FileErrorMessage(cause, native.toStdString()));
}

// Why a file could not be written at `path`, as far as the file system tells.
QString SaveFailureText(const QString& path, const QSaveFile& file) {
    const QFileInfo info(path);
    const QFileInfo folder(info.absolutePath());
    if (!folder.exists() || !folder.isDir()) return FileErrorText(kaz::FileError::BadPath, path);
    if (info.isDir()) return FileErrorText(kaz::FileError::AccessDenied, path);
    if (!folder.isWritable() || (info.exists() && !info.isWritable())) {
        return FileErrorText(kaz::FileError::AccessDenied, path);
    }
    if (file.error() == QFileDevice::ResourceError) {
        return FileErrorText(kaz::FileError::DiskFull, path);
    }
    return QString::fromUtf8(kaz::kSaveFailedMessage);
}

}  // namespace

LoadedBracket LoadBracketFile(const QString& path) {
    std::string bytes;
    const kaz::FileError error =
        kaz::ReadWholeFile(QFile::encodeName(path).toStdString(), bytes, kaz::kMaxKazFileBytes);
    if (error != kaz::FileError::None) return {std::nullopt, FileErrorText(error, path)};
    std::optional<kaz::Bracket> bracket = kaz::ReadKaz(bytes);
    if (!bracket) return {std::nullopt, QString::fromUtf8(kaz::kInvalidFormatMessage)};
    return {std::move(bracket), QString()};
}

QString SaveBracketFile(const QString& path, const kaz::Bracket& bracket) {
    return SaveBytesToFile(path, kaz::WriteKaz(bracket));
}

QString SaveBytesToFile(const QString& path, const std::string& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return SaveFailureText(path, file);
    const qint64 size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size || !file.commit()) {
        return SaveFailureText(path, file);
    }
    return QString();
}
