#include "html_commands.h"

#include <new>

#include "desktop/desktop_services.h"
#include "document/bracket_document.h"
#include "document/file_access.h"
#include "text/messages.h"
#include "dialogs/html_settings_dialog.h"
#include "html/html_page.h"

void OnHtmlExport(CKaz_editDoc* doc, QWidget* parent) {
    const QStringList filters = {QStringLiteral("HTMLファイル(*.html)"),
                                 QStringLiteral("HTMファイル(*.htm)"), QStringLiteral("全て(*.*)")};
    DesktopServices& desktop = DesktopServices::Instance();
    const QString path = desktop.ChooseSaveFile(parent, QStringLiteral("名前を付けて保存"),
                                                QString(), filters, QStringLiteral("html"));
    if (path.isEmpty()) return;
    // The names are in the document already: every edit of a name box goes there at once.
    QString error;
    try {
        error = SaveBytesToFile(path, kaz::WriteHtml(doc->GetBracket()));
    } catch (const std::bad_alloc&) {
        error = QString::fromUtf8(kaz::kSaveFailedMessage);
    }
    if (!error.isEmpty()) {
        desktop.ShowError(parent, error);
        return;
    }
    desktop.OpenWithDesktop(path);
}

void OnHtmlSettings(CKaz_editDoc* doc, QWidget* parent) {
    CHtmlSettingsDlg dialog(parent);
    dialog.SetColorSet(doc->GetColors());
    dialog.SetBoldFlags(doc->GetBracket().IsBoldScore(), doc->GetBracket().IsBoldMember());
    if (dialog.exec() != QDialog::Accepted) return;
    doc->SetHtmlSettings(dialog.GetColorSet(), dialog.m_bBoldScore, dialog.m_bBoldMember);
}
