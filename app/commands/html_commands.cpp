#include "commands/html_commands.h"

#include <QPointer>

#include "desktop/desktop_services.h"
#include "dialogs/html_settings_dialog.h"
#include "document/bracket_document.h"
#include "document/file_access.h"
#include "documents/export_places.h"
#include "html/html_page.h"
#include "shell/wait_cursor.h"

void exportHtmlPage(BracketDocument* doc, QWidget* parent, ExportPlaces& places) {
    const QStringList filters = {QStringLiteral("HTMLファイル(*.html)"),
                                 QStringLiteral("HTMファイル(*.htm)"), QStringLiteral("全て(*.*)")};
    DesktopServices& desktop = DesktopServices::instance();
    const QString path = desktop.chooseSaveFile(parent, QStringLiteral("名前を付けて保存"),
                                                places.proposedPath(*doc, QStringLiteral("html")),
                                                filters, QStringLiteral("html"));
    if (path.isEmpty()) return;
    // The names are in the document already: every edit of a name box goes there at once.
    const kaz::Status written = [doc, &path] {
        const WaitCursor waiting;
        return saveFile(path, kaz::writeHtmlPage(doc->bracket()));
    }();
    if (!written) {
        showFailure(parent, written.failure());
        return;
    }
    places.exported(parent, path);
    // The answer may come late, when the window or the places are gone.
    desktop.openWithDesktop(
        path, [window = QPointer<QWidget>(parent), where = QPointer<ExportPlaces>(&places), path] {
            if (window && where) where->noViewer(window, path);
        });
}

void editHtmlSettings(BracketDocument* doc, QWidget* parent) {
    HtmlSettingsDialog dialog(parent);
    dialog.setColorSet(doc->colors());
    dialog.setBoldFlags(doc->bracket().boldScores(), doc->bracket().boldMemberNames());
    if (dialog.exec() != QDialog::Accepted) return;
    doc->setHtmlSettings(dialog.colorSet(), dialog.boldScores(), dialog.boldMemberNames());
}
