#include "commands/draw_command.h"

#include <QSettings>

#include "dialogs/draw_dialog.h"
#include "documents/document_manager.h"
#include "documents/recent_file_list.h"

void newBracketFromList(DocumentManager* documents, QWidget* window) {
    DrawDialog dialog(window);
    {
        QSettings settings = profileSettings();
        dialog.setChoices(loadDrawChoices(settings));
    }
    if (dialog.exec() != QDialog::Accepted || !dialog.drawnBracket()) return;
    QSettings settings = profileSettings();
    saveDrawChoices(settings, dialog.choices());
    documents->openNewBracket(*dialog.drawnBracket());
}
