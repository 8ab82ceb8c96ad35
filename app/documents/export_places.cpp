#include "documents/export_places.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "common/notice.h"
#include "document/bracket_document.h"
#include "settings/profile_settings.h"

namespace kaz::app {

namespace {

const QString kLastFolderKey = QStringLiteral("Settings/LastExportFolder");

void showStatus(QWidget* window, const QString& text) {
    gui::tell(window, text, gui::Notice::Standing);
}

}  // namespace

QString startFolder(const QString& lastUsed) {
    // A folder removed since is no place to start from.
    if (!lastUsed.isEmpty() && QFileInfo(lastUsed).isDir()) return lastUsed;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString ExportPlaces::proposedPath(const gui::BracketDocument& doc, const QString& suffix) const {
    return proposedPath(doc.filePath(), doc.fileStem(), suffix);
}

QString ExportPlaces::proposedPath(const QString& filePath, const QString& stem,
                                   const QString& suffix) const {
    const QString dotSuffix = QLatin1Char('.') + suffix;
    if (!filePath.isEmpty()) {
        const QFileInfo file(filePath);
        return file.dir().filePath(file.completeBaseName() + dotSuffix);
    }
    const QString folder = startFolder(profileSettings().value(kLastFolderKey).toString());
    return QDir(folder).filePath(stem + dotSuffix);
}

void ExportPlaces::exported(QWidget* window, const QString& path) {
    profileSettings().setValue(kLastFolderKey, QFileInfo(path).absolutePath());
    showStatus(window, tr("%1 に書き出しました。").arg(QDir::toNativeSeparators(path)));
}

void ExportPlaces::noViewer(QWidget* window, const QString& path) {
    const QString text = tr("%1 に書き出しました。表示するｱﾌﾟﾘｹｰｼｮﾝを起動できませんでした。");
    showStatus(window, text.arg(QDir::toNativeSeparators(path)));
}

}  // namespace kaz::app
