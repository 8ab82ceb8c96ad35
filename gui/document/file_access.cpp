#include "document/file_access.h"

#include <QDir>
#include <string>

#include "common/ui_text.h"
#include "desktop/desktop_services.h"
#include "io/file_io.h"

namespace kaz::gui {

// UTF-8 is also what Qt gives the system on Linux; on Windows the core makes UTF-16 of it.
std::string corePath(const QString& path) {
    return QDir::toNativeSeparators(path).toUtf8().toStdString();
}

kaz::Result<kaz::Bracket> loadBracket(const QString& path) {
    return kaz::loadBracketFile(corePath(path), kaz::ReadableFiles::RegularOnly);
}

kaz::Result<kaz::LoadedDocument> loadDocument(const QString& path) {
    return kaz::loadDocumentFile(corePath(path), kaz::ReadableFiles::RegularOnly);
}

kaz::Status saveFile(const QString& path, std::string_view bytes) {
    return kaz::writeFileSafely(corePath(path), bytes);
}

void showFailure(QWidget* parent, const kaz::Failure& failure) {
    DesktopServices::instance().showError(parent, uiText(failure.message()));
}

}  // namespace kaz::gui
