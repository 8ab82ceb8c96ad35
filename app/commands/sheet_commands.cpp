#include "commands/sheet_commands.h"

#include <QAction>
#include <QPointer>
#include <QWidget>

#include "bracket/sheet_marks.h"
#include "commands/command_runner.h"
#include "common/notice.h"
#include "dialogs/pool_settings_dialog.h"
#include "dialogs/sheet_settings_dialog.h"
#include "document/bracket_document.h"
#include "document/pool_document.h"
#include "documents/document_manager.h"

namespace kaz::app {

SheetCommands::SheetCommands(const EditorActions& actions, QWidget* window,
                             DocumentManager* documents)
    : QObject(window), m_actions(actions), m_window(window), m_documents(documents) {
    connect(documents, &DocumentManager::activeDocumentChanged, this, &SheetCommands::follow);
    connectCommand(actions.sheetSettings, window, [this] { editSheet(); });
    // A click turns the check; what the bracket then shows decides it.
    connect(actions.viewClubs, &QAction::triggered, this, [this](bool checked) {
        runCommand(m_window, [this, checked] { showClubs(checked); });
    });
    updateClubCheck();
}

void SheetCommands::follow(gui::BracketDocument* doc) {
    if (doc == m_document) return;
    disconnect(m_sheetConnection);
    m_document = doc;
    if (doc) {
        m_sheetConnection = connect(doc, &gui::BracketDocument::changed, this,
                                    [this](const kaz::DocumentChange& change) {
                                        if (kaz::affectsSheet(change)) updateClubCheck();
                                    });
    }
    updateClubCheck();
}

void SheetCommands::editSheet() {
    if (gui::PoolDocument* pools = m_documents->activePoolDocument()) {
        gui::PoolSettingsDialog dialog(pools->stage(), m_window);
        QPointer<gui::PoolDocument> edited(pools);
        if (dialog.exec() != QDialog::Accepted || !edited) return;
        edited->setRulesAndSheet(dialog.rules(), dialog.sheet());
        return;
    }
    if (!m_document) return;
    gui::SheetSettingsDialog dialog(m_document->bracket(), m_window);
    if (dialog.exec() != QDialog::Accepted || !m_document) return;
    gui::tell(m_window, m_document->setSheet(dialog.sheet()));
}

void SheetCommands::showClubs(bool shown) {
    if (m_document) gui::tell(m_window, m_document->setClubColumn(shown));
    updateClubCheck();
}

void SheetCommands::updateClubCheck() {
    m_actions.viewClubs->setChecked(m_document && kaz::showsClubColumn(m_document->bracket()));
}

}  // namespace kaz::app
