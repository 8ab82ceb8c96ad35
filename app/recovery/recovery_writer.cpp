#include "recovery/recovery_writer.h"

#include <QFile>
#include <string_view>

#include "common/ui_text.h"
#include "document/file_access.h"
#include "io/file_io.h"

namespace kaz::app {

namespace {

kaz::Status writeBytes(const QString& path, const QByteArray& bytes) {
    return kaz::writeFileSafely(gui::corePath(path),
                                std::string_view(bytes.constData(), size_t(bytes.size())));
}

}  // namespace

void RecoveryWriter::write(const QString& bracketPath, const QByteArray& bracket,
                           const QString& recordPath, const QByteArray& record) {
    kaz::Status written = writeBytes(bracketPath, bracket);
    if (written) written = writeBytes(recordPath, record);
    if (!written) emit failed(gui::uiText(written.failure().message()));
}

void RecoveryWriter::remove(const QStringList& paths) {
    for (const QString& path : paths) QFile::remove(path);
}

}  // namespace kaz::app
