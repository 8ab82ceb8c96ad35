#include "commands/file_commands.h"

#include <QAction>
#include <QDir>
#include <QMainWindow>
#include <QMenu>
#include <QSettings>

#include "commands/command_runner.h"
#include "dialogs/draw_dialog.h"
#include "documents/document_manager.h"
#include "documents/pool_stages.h"
#include "settings/profile_settings.h"

namespace kaz::app {

FileCommands::FileCommands(const EditorActions& a, QMainWindow* window, DocumentManager* docs)
    : QObject(window), m_window(window), m_documents(docs), m_noRecentFiles(a.noRecentFiles) {
    connectCommand(a.fileNew, window, [docs] { docs->newDocument(); });
    connectCommand(
        a.fileNewFromList, window, [this] { newBracketFromList(); }, kaz::FileError::OpenFailed);
    connectCommand(
        a.fileOpen, window, [docs] { docs->chooseAndOpen(); }, kaz::FileError::OpenFailed);
    connectDocumentCommand(
        a.fileClose, window, docs, [docs](gui::BracketDocument* doc) { docs->close(doc); },
        [docs](gui::PoolDocument* doc) { docs->pools()->close(doc); });
    connectDocumentCommand(
        a.fileSave, window, docs, [docs](gui::BracketDocument* doc) { docs->save(doc); },
        [docs](gui::PoolDocument* doc) { docs->pools()->save(doc); });
    connectDocumentCommand(
        a.fileSaveAs, window, docs, [docs](gui::BracketDocument* doc) { docs->saveAs(doc); },
        [docs](gui::PoolDocument* doc) { docs->pools()->saveAs(doc); });
    connectCommand(a.appExit, window, [window] { window->close(); });
}

void FileCommands::addRecentFiles(QMenu* menu) const {
    const QStringList& recent = m_documents->recentFiles().entries();
    if (recent.isEmpty()) menu->addAction(m_noRecentFiles);
    for (int i = 0; i < recent.size(); ++i) {
        const QString path = recent[i];
        QAction* entry = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(
            QDir::toNativeSeparators(path).replace(QLatin1Char('&'), QStringLiteral("&&"))));
        entry->setStatusTip(EditorActions::recentFilePrompt());
        DocumentManager* docs = m_documents;
        connectCommand(
            entry, m_window, [docs, path] { docs->openDocumentFile(path); },
            kaz::FileError::OpenFailed);
    }
}

void FileCommands::newBracketFromList() {
    gui::DrawDialog dialog(m_window);
    dialog.setSheetLanguage(m_documents->newSheetLanguage());
    {
        QSettings settings = profileSettings();
        dialog.setChoices(gui::loadDrawChoices(settings));
    }
    if (dialog.exec() != QDialog::Accepted) return;
    if (!dialog.drawnBracket() && !dialog.drawnPools()) return;
    QSettings settings = profileSettings();
    gui::saveDrawChoices(settings, dialog.choices());
    if (dialog.drawnPools()) {
        m_documents->openNewPoolStage(*dialog.drawnPools());
    } else {
        m_documents->openNewBracket(*dialog.drawnBracket());
    }
}

}  // namespace kaz::app
