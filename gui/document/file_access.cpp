#include "document/file_access.h"

#include <QDir>
#include <string>

#include "common/ui_text.h"
#include "desktop/desktop_services.h"
#include "io/file_io.h"

namespace kaz::gui {

namespace {

// The core takes paths as UTF-8, which is also what Qt gives the system on Linux; on Windows
// the core makes UTF-16 of it, where the ANSI code page could not hold every name. Written with
// the system's separators, as its messages show them.
std::string corePath(const QString& path) {
    return QDir::toNativeSeparators(path).toUtf8().toStdString();
}

}  // namespace

kaz::Result<kaz::Bracket> loadBracket(const QString& path) {
    return kaz::loadBracketFile(corePath(path), kaz::ReadableFiles::RegularOnly);
}

kaz::Status saveFile(const QString& path, std::string_view bytes) {
    return kaz::writeFileSafely(corePath(path), bytes);
}

void showFailure(QWidget* parent, const kaz::Failure& failure) {
    DesktopServices::instance().showError(parent, uiText(failure.message()));
}

}  // namespace kaz::gui
