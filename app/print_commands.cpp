#include "print_commands.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QWidget>
#include <new>
#include <string_view>

#include "desktop/desktop_services.h"
#include "document/bracket_document.h"
#include "document/file_access.h"
#include "painting/bracket_picture.h"
#include "painting/bracket_renderer.h"
#include "text/messages.h"

namespace {

QString printFailedMessage() { return QString::fromUtf8(kaz::kPrintFailedMessage); }

// The document's title with the picture's suffix; beside the bracket's file once it has one.
QString proposedPictureName(const BracketDocument& doc) {
    if (doc.filePath().isEmpty()) return doc.title() + QStringLiteral(".png");
    const QFileInfo file(doc.filePath());
    return file.dir().filePath(file.completeBaseName() + QStringLiteral(".png"));
}

}  // namespace

PrintCommands::PrintCommands(QWidget* window) : QObject(window), m_window(window) {}

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
    DesktopServices& desktop = DesktopServices::instance();
    if (!desktop.askPrint(m_window, target)) return;
    if (!paintBracketPage(target, doc->bracket()))
        desktop.showError(m_window, printFailedMessage());
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
            if (!paintBracketPage(*pages, bracket)) {
                DesktopServices::instance().showError(window, printFailedMessage());
            }
        });
}

void PrintCommands::setUpPrinter(BracketDocument* doc) {
    QPrinter& target = printer();
    proposeOrientation(doc->bracket());
    const QPageLayout::Orientation proposed = target.pageLayout().orientation();
    if (!DesktopServices::instance().askPageSetup(m_window, target)) return;
    if (target.pageLayout().orientation() != proposed) m_orientationChosen = true;
}

void saveBracketPicture(BracketDocument* doc, QWidget* parent) {
    const QStringList filters = {QStringLiteral("PNG ﾌｧｲﾙ (*.png)"),
                                 QStringLiteral("PDF ﾌｧｲﾙ (*.pdf)")};
    DesktopServices& desktop = DesktopServices::instance();
    const QString path =
        desktop.chooseSaveFile(parent, QStringLiteral("画像として保存"), proposedPictureName(*doc),
                               filters, QStringLiteral("png"));
    if (path.isEmpty()) return;
    const bool pdf =
        QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0;
    QString error;
    try {
        const QByteArray bytes =
            pdf ? bracketPdf(doc->bracket(), doc->title()) : bracketPng(doc->bracket());
        error = bytes.isEmpty()
                    ? QString::fromUtf8(kaz::kSaveFailedMessage)
                    : saveFile(path, std::string_view(bytes.constData(), size_t(bytes.size())));
    } catch (const std::bad_alloc&) {
        error = QString::fromUtf8(kaz::kSaveFailedMessage);
    }
    if (!error.isEmpty()) desktop.showError(parent, error);
}
