#include "documents/export_places.h"

#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QSettings>
#include <QStatusBar>

#include "document/bracket_document.h"
#include "documents/recent_file_list.h"

namespace kaz::app {

namespace {

const QString kLastFolderKey = QStringLiteral("Settings/LastExportFolder");

void showStatus(QWidget* window, const QString& text) {
    if (auto* main = qobject_cast<QMainWindow*>(window)) main->statusBar()->showMessage(text);
}

QString written(const QString& path) {
    return QStringLiteral("%1 に書き出しました。").arg(QDir::toNativeSeparators(path));
}

}  // namespace

QString ExportPlaces::proposedPath(const gui::BracketDocument& doc, const QString& suffix) const {
    const QString dotSuffix = QLatin1Char('.') + suffix;
    if (!doc.filePath().isEmpty()) {
        const QFileInfo file(doc.filePath());
        return file.dir().filePath(file.completeBaseName() + dotSuffix);
    }
    const QString name = doc.title() + dotSuffix;
    const QString folder = profileSettings().value(kLastFolderKey).toString();
    // A folder removed since is no place to start from.
    return folder.isEmpty() || !QFileInfo(folder).isDir() ? name : QDir(folder).filePath(name);
}

void ExportPlaces::exported(QWidget* window, const QString& path) {
    profileSettings().setValue(kLastFolderKey, QFileInfo(path).absolutePath());
    showStatus(window, written(path));
}

void ExportPlaces::noViewer(QWidget* window, const QString& path) {
    showStatus(window, written(path) + QStringLiteral("表示するｱﾌﾟﾘｹｰｼｮﾝを起動できませんでした。"));
}

}  // namespace kaz::app
