#include "commands/knockout_commands.h"

#include <QDialog>
#include <QFileInfo>
#include <QPointer>
#include <QWidget>

#include "commands/command_runner.h"
#include "common/notice.h"
#include "dialogs/knockout_dialog.h"
#include "document/pool_document.h"
#include "documents/document_manager.h"
#include "pools/knockout_draw.h"

namespace kaz::app {

KnockoutCommands::KnockoutCommands(const EditorActions& actions, QWidget* window,
                                   DocumentManager* documents)
    : QObject(window), m_window(window), m_documents(documents) {
    connectCommand(actions.makeKnockout, window, [this] { makeKnockout(); });
}

void KnockoutCommands::makeKnockout() {
    QPointer<gui::PoolDocument> stage(m_documents->activePoolDocument());
    if (!stage) return;
    gui::KnockoutDialog dialog(stage->stage(), m_window);
    if (dialog.exec() != QDialog::Accepted || !stage) return;
    const std::optional<kaz::KnockoutDraw> draw =
        kaz::drawKnockout(stage->stage(), dialog.options());
    if (!draw) {
        gui::tell(m_window, kaz::Message(kaz::MessageId::TooFewQualifiers), gui::Notice::Refused);
        return;
    }
    const QString file =
        stage->filePath().isEmpty() ? QString() : QFileInfo(stage->filePath()).absoluteFilePath();
    m_documents->openKnockout(stage, kaz::makeKnockout(stage->stage(), *draw, file.toStdString()));
}

}  // namespace kaz::app
