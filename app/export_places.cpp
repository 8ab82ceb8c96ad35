#include "export_places.h"

#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QStatusBar>

#include "document/bracket_document.h"

namespace {

void showStatus(QWidget* window, const QString& text) {
    if (auto* main = qobject_cast<QMainWindow*>(window)) main->statusBar()->showMessage(text);
}

QString written(const QString& path) {
    return QStringLiteral("%1 に書き出しました。").arg(QDir::toNativeSeparators(path));
}

}  // namespace

QString ExportPlaces::proposedPath(const BracketDocument& doc, const QString& suffix) const {
    const QString dotSuffix = QLatin1Char('.') + suffix;
    if (!doc.filePath().isEmpty()) {
        const QFileInfo file(doc.filePath());
        return file.dir().filePath(file.completeBaseName() + dotSuffix);
    }
    const QString name = doc.title() + dotSuffix;
    return m_lastFolder.isEmpty() ? name : QDir(m_lastFolder).filePath(name);
}

void ExportPlaces::exported(QWidget* window, const QString& path) {
    m_lastFolder = QFileInfo(path).absolutePath();
    showStatus(window, written(path));
}

void ExportPlaces::noViewer(QWidget* window, const QString& path) {
    showStatus(window, written(path) + QStringLiteral("表示するｱﾌﾟﾘｹｰｼｮﾝを起動できませんでした。"));
}
