#include "commands/export_commands.h"

#include <QAction>
#include <QFileInfo>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>
#include <string_view>
#include <tuple>

#include "commands/command_runner.h"
#include "desktop/desktop_services.h"
#include "dialogs/html_settings_dialog.h"
#include "document/bracket_document.h"
#include "document/file_access.h"
#include "document/pool_document.h"
#include "documents/document_manager.h"
#include "documents/export_places.h"
#include "documents/knockout_links.h"
#include "html/html_page.h"
#include "painting/bracket_picture.h"
#include "painting/bracket_renderer.h"
#include "painting/pool_picture.h"
#include "publish/live_publishing.h"
#include "publish/venue_dialog.h"
#include "support/wait_cursor.h"

namespace kaz::app {

namespace {

// A pool stage's picture at twice its size on screen, as a bracket's.
constexpr qreal kPoolPictureScale = 2;

// The print job's and the PDF's name: the sheet's title, else the document's.
QString poolDocumentTitle(const gui::PoolDocument& doc) {
    const std::string& title = doc.stage().title;
    return title.empty() ? doc.title() : QString::fromStdString(title);
}

}  // namespace

ExportCommands::ExportCommands(const EditorActions& a, QWidget* window, const DocumentManager* docs)
    : QObject(window), m_window(window), m_documents(docs), m_places(new ExportPlaces(this)) {
    const std::pair<QAction*, void (ExportCommands::*)(gui::BracketDocument*)> commands[] = {
        {a.htmlExport, &ExportCommands::exportHtmlPage},
        {a.htmlSettings, &ExportCommands::editHtmlSettings},
    };
    for (const auto& [action, command] : commands) {
        connectDocumentCommand(
            action, window, docs,
            [this, command = command](gui::BracketDocument* doc) { (this->*command)(doc); });
    }
    // These serve a pool stage too.
    const std::tuple<QAction*, void (ExportCommands::*)(gui::BracketDocument*),
                     void (ExportCommands::*)(gui::PoolDocument*)>
        either[] = {
            {a.filePrint, &ExportCommands::print, &ExportCommands::printPools},
            {a.filePrintPreview, &ExportCommands::preview, &ExportCommands::previewPools},
            {a.filePrintSetup, &ExportCommands::setUpPrinter,
             &ExportCommands::setUpPrinterForPools},
            {a.savePicture, &ExportCommands::savePicture, &ExportCommands::savePoolPicture},
        };
    for (const auto& [action, bracketCommand, poolCommand] : either) {
        connectDocumentCommand(
            action, window, docs,
            [this, command = bracketCommand](gui::BracketDocument* doc) { (this->*command)(doc); },
            [this, command = poolCommand](gui::PoolDocument* doc) { (this->*command)(doc); });
    }
    connectDocumentCommand(
        a.livePublish, window, docs,
        [docs](gui::BracketDocument* doc) { docs->publishing()->choose(doc); },
        [docs](gui::PoolDocument* doc) { docs->publishing()->choose(doc); });
    connectDocumentCommand(
        a.venueServing, window, docs,
        [docs, window](gui::BracketDocument* doc) {
            VenueDialog(*docs->publishing(), doc,
                        {render::documentTitle(doc->bracket(), doc->title()),
                         doc->bracket().sheet().language},
                        window)
                .exec();
        },
        [docs, window](gui::PoolDocument* doc) {
            VenueDialog(*docs->publishing(), doc, {poolDocumentTitle(*doc), doc->stage().language},
                        window)
                .exec();
        });
}

ExportCommands::~ExportCommands() = default;

QString ExportCommands::venueAddress(const kaz::Bracket& bracket) const {
    return bracket.sheet().venueQrCode ? m_documents->publishing()->venueAddress() : QString();
}

QPrinter& ExportCommands::printer() {
    if (!m_printer) m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

void ExportCommands::proposePage(const kaz::Bracket& bracket) {
    QPrinter& target = printer();
    const QPageSize::PageSizeId paper = target.pageLayout().pageSize().id();
    // Only a paper this editor proposed is changed, never one the printer or the user chose.
    if (!m_paperChosen && (paper == QPageSize::A4 || paper == QPageSize::A3)) {
        const bool a3Offered =
            target.outputFormat() == QPrinter::PdfFormat ||
            QPrinterInfo(target).supportedPageSizes().contains(QPageSize(QPageSize::A3));
        target.setPageSize(QPageSize(render::proposedPaper(bracket, a3Offered)));
    }
    if (m_orientationChosen) return;
    target.setPageOrientation(render::bestOrientation(bracket, target.pageLayout()));
}

void ExportCommands::print(gui::BracketDocument* doc) {
    // Without a printer the system's print dialog would not even open.
    gui::DesktopServices& desktop = gui::DesktopServices::instance();
    if (!desktop.hasPrinter()) {
        if (desktop.askYesNo(m_window, tr("プリンタがありません。PDF ﾌｧｲﾙとして保存しますか?")))
            writePicture(doc, {tr("PDF ﾌｧｲﾙ (*.pdf)")}, QStringLiteral("pdf"));
        return;
    }
    QPrinter& target = printer();
    proposePage(doc->bracket());
    target.setDocName(render::documentTitle(doc->bracket(), doc->title()));
    // Qt's dialog would offer the file printed to last, of whichever bracket that was.
    const QString pdf = m_places->proposedPath(*doc, QStringLiteral("pdf"));
    const QPageSize proposed = target.pageLayout().pageSize();
    if (!desktop.askPrint(m_window, target, QFileInfo(pdf).isAbsolute() ? pdf : QString())) return;
    if (!target.pageLayout().pageSize().isEquivalentTo(proposed)) m_paperChosen = true;
    printed(render::paintBracketPage(target, doc->bracket(), venueAddress(doc->bracket())));
}

void ExportCommands::printed(const kaz::Status& status) {
    if (!status) {
        gui::showFailure(m_window, status.failure());
        return;
    }
    const QPrinter& target = printer();
    if (target.outputFormat() == QPrinter::PdfFormat && !target.outputFileName().isEmpty()) {
        m_places->exported(m_window, target.outputFileName());
    }
}

void ExportCommands::preview(gui::BracketDocument* doc) {
    QPrinter& target = printer();
    proposePage(doc->bracket());
    target.setDocName(render::documentTitle(doc->bracket(), doc->title()));
    const kaz::Bracket& bracket = doc->bracket();  // unchanged while the preview is open
    QWidget* window = m_window;
    const QString address = venueAddress(bracket);
    // The preview paints its own pages here, and the printer's when printed from it.
    gui::DesktopServices::instance().showPrintPreview(
        m_window, target, [&bracket, window, address](QPrinter* pages) {
            const kaz::Status painted = render::paintBracketPage(*pages, bracket, address);
            if (!painted) gui::showFailure(window, painted.failure());
        });
}

void ExportCommands::setUpPrinter(gui::BracketDocument* doc) {
    proposePage(doc->bracket());
    askPageSetup();
}

void ExportCommands::askPageSetup() {
    QPrinter& target = printer();
    const QPageLayout proposed = target.pageLayout();
    if (!gui::DesktopServices::instance().askPageSetup(m_window, target)) return;
    if (target.pageLayout().orientation() != proposed.orientation()) m_orientationChosen = true;
    if (!target.pageLayout().pageSize().isEquivalentTo(proposed.pageSize())) m_paperChosen = true;
}

void ExportCommands::savePicture(gui::BracketDocument* doc) {
    writePicture(doc, {tr("PNG ﾌｧｲﾙ (*.png)"), tr("PDF ﾌｧｲﾙ (*.pdf)")}, QStringLiteral("png"));
}

void ExportCommands::writePicture(gui::BracketDocument* doc, const QStringList& filters,
                                  const QString& suffix) {
    const QString path = gui::DesktopServices::instance().chooseSaveFile(
        m_window, tr("画像として保存"), m_places->proposedPath(*doc, suffix), filters, suffix);
    if (path.isEmpty()) return;
    const bool pdf =
        QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0;
    writeExport(path,
                pdf ? render::bracketPdf(doc->bracket(), doc->title(), venueAddress(doc->bracket()))
                    : render::bracketPng(doc->bracket()));
}

void ExportCommands::writeExport(const QString& path, const kaz::Result<QByteArray>& bytes) {
    if (!bytes) {
        gui::showFailure(m_window, bytes.failure());
        return;
    }
    const kaz::Status written =
        gui::saveFile(path, std::string_view(bytes->constData(), size_t(bytes->size())));
    if (!written) {
        gui::showFailure(m_window, written.failure());
        return;
    }
    m_places->exported(m_window, path);
}

void ExportCommands::printPools(gui::PoolDocument* doc) {
    gui::DesktopServices& desktop = gui::DesktopServices::instance();
    if (!desktop.hasPrinter()) {
        if (desktop.askYesNo(m_window, tr("プリンタがありません。PDF ﾌｧｲﾙとして保存しますか?")))
            writePoolPicture(doc, {tr("PDF ﾌｧｲﾙ (*.pdf)")}, QStringLiteral("pdf"));
        return;
    }
    QPrinter& target = printer();
    proposePoolPage();
    target.setDocName(poolDocumentTitle(*doc));
    const QString pdf =
        m_places->proposedPath(doc->filePath(), doc->title(), QStringLiteral("pdf"));
    if (!desktop.askPrint(m_window, target, QFileInfo(pdf).isAbsolute() ? pdf : QString())) return;
    const std::optional<kaz::Bracket> knockout = handOutKnockout(doc);
    printed(render::paintPoolPages(target, doc->stage(), knockout ? &*knockout : nullptr));
}

void ExportCommands::previewPools(gui::PoolDocument* doc) {
    QPrinter& target = printer();
    proposePoolPage();
    target.setDocName(poolDocumentTitle(*doc));
    const kaz::PoolStage& stage = doc->stage();  // unchanged while the preview is open
    const std::optional<kaz::Bracket> knockout = handOutKnockout(doc);
    QWidget* window = m_window;
    gui::DesktopServices::instance().showPrintPreview(
        m_window, target, [&stage, &knockout, window](QPrinter* pages) {
            const kaz::Status painted =
                render::paintPoolPages(*pages, stage, knockout ? &*knockout : nullptr);
            if (!painted) gui::showFailure(window, painted.failure());
        });
}

void ExportCommands::setUpPrinterForPools(gui::PoolDocument*) {
    proposePoolPage();
    askPageSetup();
}

void ExportCommands::savePoolPicture(gui::PoolDocument* doc) {
    writePoolPicture(doc, {tr("PNG ﾌｧｲﾙ (*.png)"), tr("PDF ﾌｧｲﾙ (*.pdf)")}, QStringLiteral("png"));
}

void ExportCommands::writePoolPicture(gui::PoolDocument* doc, const QStringList& filters,
                                      const QString& suffix) {
    const QString path = gui::DesktopServices::instance().chooseSaveFile(
        m_window, tr("画像として保存"),
        m_places->proposedPath(doc->filePath(), doc->title(), suffix), filters, suffix);
    if (path.isEmpty()) return;
    const bool pdf =
        QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0;
    std::optional<kaz::Bracket> knockout;
    if (pdf) knockout = handOutKnockout(doc);
    writeExport(path, pdf ? render::poolStagePdf(doc->stage(), doc->title(),
                                                 knockout ? &*knockout : nullptr)
                          : render::poolStagePng(doc->stage(), kPoolPictureScale));
}

std::optional<kaz::Bracket> ExportCommands::handOutKnockout(gui::PoolDocument* doc) {
    const gui::BracketDocument* knockout = m_documents->knockouts()->knockoutOf(doc);
    if (!knockout) return std::nullopt;
    const QString question =
        tr("決勝トーナメント %1 を先頭にして一緒に出しますか?").arg(knockout->title());
    if (!gui::DesktopServices::instance().askYesNo(m_window, question)) return std::nullopt;
    return knockout->bracket();
}

void ExportCommands::proposePoolPage() {
    // Pools are printed on A4 standing upright, unless the user chose otherwise.
    QPrinter& target = printer();
    if (!m_paperChosen) target.setPageSize(QPageSize(QPageSize::A4));
    if (!m_orientationChosen) target.setPageOrientation(QPageLayout::Portrait);
}

void ExportCommands::exportHtmlPage(gui::BracketDocument* doc) {
    const QStringList filters = {tr("HTMLファイル(*.html)"), tr("HTMファイル(*.htm)"),
                                 tr("全て(*.*)")};
    gui::DesktopServices& desktop = gui::DesktopServices::instance();
    const QString path = desktop.chooseSaveFile(
        m_window, tr("名前を付けて保存"), m_places->proposedPath(*doc, QStringLiteral("html")),
        filters, QStringLiteral("html"));
    if (path.isEmpty()) return;
    // The names are in the document already: every edit of a name box goes there at once.
    const kaz::Status written = [doc, &path] {
        const WaitCursor waiting;
        return gui::saveFile(path, kaz::writeHtmlPage(doc->bracket()));
    }();
    if (!written) {
        gui::showFailure(m_window, written.failure());
        return;
    }
    m_places->exported(m_window, path);
    // The answer may come late, when the window or the places are gone.
    desktop.openWithDesktop(path, [window = QPointer<QWidget>(m_window),
                                   where = QPointer<ExportPlaces>(m_places), path] {
        if (window && where) where->noViewer(window, path);
    });
}

void ExportCommands::editHtmlSettings(gui::BracketDocument* doc) {
    gui::HtmlSettingsDialog dialog(m_window);
    dialog.setColorSet(doc->colors());
    dialog.setBoldFlags(doc->bracket().boldScores(), doc->bracket().boldMemberNames());
    if (dialog.exec() != QDialog::Accepted) return;
    doc->setHtmlSettings(dialog.colorSet(), dialog.boldScores(), dialog.boldMemberNames());
}

}  // namespace kaz::app
