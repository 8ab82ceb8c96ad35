#include "document/file_access.h"

#include <QFile>

#include "desktop/desktop_services.h"
#include "io/file_io.h"

kaz::Result<kaz::Bracket> loadBracket(const QString& path) {
    return kaz::loadBracketFile(QFile::encodeName(path).toStdString(),
                                kaz::ReadableFiles::RegularOnly);
}

kaz::Status saveFile(const QString& path, std::string_view bytes) {
    return kaz::writeFileSafely(QFile::encodeName(path).toStdString(), bytes);
}

void showFailure(QWidget* parent, const kaz::Failure& failure) {
    DesktopServices::instance().showError(parent, QString::fromStdString(failure.message()));
}
