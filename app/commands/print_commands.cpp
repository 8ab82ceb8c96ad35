#include "commands/print_commands.h"

#include <QFileInfo>
#include <QPrinter>
#include <QWidget>
#include <string_view>

#include "desktop/desktop_services.h"
#include "document/bracket_document.h"
#include "document/file_access.h"
#include "documents/export_places.h"
#include "painting/bracket_picture.h"
#include "painting/bracket_renderer.h"

PrintCommands::PrintCommands(QWidget* window, ExportPlaces* places)
    : QObject(window), m_window(window), m_places(places) {}

PrintCommands::~PrintCommands() = default;

QPrinter& PrintCommands::printer() {
    if (!m_printer) m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

void PrintCommands::proposeOrientation(const kaz::Bracket& bracket) {
    if (m_orientationChosen) return;
    QPrinter& target = printer();
    target.setPageOrientation(bestOrientation(bracket, target.pageLayout()));
}

void PrintCommands::print(BracketDocument* doc) {
    QPrinter& target = printer();
    proposeOrientation(doc->bracket());
    target.setDocName(doc->title());
    // Qt's dialog would offer the file printed to last, of whichever bracket that was.
    const QString pdf = m_places->proposedPath(*doc, QStringLiteral("pdf"));
    if (!DesktopServices::instance().askPrint(m_window, target,
                                              QFileInfo(pdf).isAbsolute() ? pdf : QString())) {
        return;
    }
    const kaz::Status printed = paintBracketPage(target, doc->bracket());
    if (!printed) {
        showFailure(m_window, printed.failure());
    } else if (target.outputFormat() == QPrinter::PdfFormat && !target.outputFileName().isEmpty()) {
        m_places->exported(m_window, target.outputFileName());
    }
}

void PrintCommands::preview(BracketDocument* doc) {
    QPrinter& target = printer();
    proposeOrientation(doc->bracket());
    target.setDocName(doc->title());
    const kaz::Bracket& bracket = doc->bracket();  // unchanged while the preview is open
    QWidget* window = m_window;
    // The preview paints its own pages here, and the printer's when printed from it.
    DesktopServices::instance().showPrintPreview(
        m_window, target, [&bracket, window](QPrinter* pages) {
            const kaz::Status painted = paintBracketPage(*pages, bracket);
            if (!painted) showFailure(window, painted.failure());
        });
}

void PrintCommands::setUpPrinter(BracketDocument* doc) {
    QPrinter& target = printer();
    proposeOrientation(doc->bracket());
    const QPageLayout::Orientation proposed = target.pageLayout().orientation();
    if (!DesktopServices::instance().askPageSetup(m_window, target)) return;
    if (target.pageLayout().orientation() != proposed) m_orientationChosen = true;
}

void saveBracketPicture(BracketDocument* doc, QWidget* parent, ExportPlaces& places) {
    const QStringList filters = {QStringLiteral("PNG ﾌｧｲﾙ (*.png)"),
                                 QStringLiteral("PDF ﾌｧｲﾙ (*.pdf)")};
    DesktopServices& desktop = DesktopServices::instance();
    const QString path = desktop.chooseSaveFile(parent, QStringLiteral("画像として保存"),
                                                places.proposedPath(*doc, QStringLiteral("png")),
                                                filters, QStringLiteral("png"));
    if (path.isEmpty()) return;
    const bool pdf =
        QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0;
    const kaz::Result<QByteArray> bytes =
        pdf ? bracketPdf(doc->bracket(), doc->title()) : bracketPng(doc->bracket());
    if (!bytes) {
        showFailure(parent, bytes.failure());
        return;
    }
    const kaz::Status written =
        saveFile(path, std::string_view(bytes->constData(), size_t(bytes->size())));
    if (!written) {
        showFailure(parent, written.failure());
        return;
    }
    places.exported(parent, path);
}
