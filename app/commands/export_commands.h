#pragma once

#include <QByteArray>
#include <QObject>
#include <QStringList>
#include <memory>
#include <optional>

#include "bracket/bracket.h"
#include "commands/editor_actions.h"
#include "io/result.h"

namespace kaz::gui {
class BracketDocument;
class PoolDocument;
}  // namespace kaz::gui

class QPrinter;
class QWidget;

namespace kaz::app {

class DocumentManager;
class ExportPlaces;

// The bracket's exports: "印刷", "印刷ﾌﾟﾚﾋﾞｭｰ", "ﾌﾟﾘﾝﾀの設定", "HTML化", "HTML設定" and
// "画像として保存", each on the active bracket, and "ライブ公開", its page kept current in a
// folder. Every export proposes a place from the one `ExportPlaces`.
//
// One printer serves the whole run, so that the
// printer, paper and other settings chosen last until the program ends. A bracket is printed
// on one page, as large as it fits within the margins, centred. Before each dialog the page
// is turned to the orientation that shows the bracket larger, unless the user turned it
// otherwise in "ﾌﾟﾘﾝﾀの設定": from then on the user's orientation holds. Where the system has
// no printer, "印刷" says so and offers to save the bracket as a PDF file instead. Printing to a
// PDF file proposes the bracket's name in the place the export places propose, and counts as an
// export.
class ExportCommands : public QObject {
    Q_OBJECT

public:
    // `window` is the dialogs' parent and owns this object.
    ExportCommands(const EditorActions& actions, QWidget* window, const DocumentManager* documents);
    ~ExportCommands() override;

private:
    // The venue's address for a sheet that carries its QR code, else none.
    QString venueAddress(const kaz::Bracket& bracket) const;
    void print(gui::BracketDocument* doc);
    void preview(gui::BracketDocument* doc);
    void setUpPrinter(gui::BracketDocument* doc);
    // The same for a pool stage: every pool on A4 pages, several to a page where they fit.
    void printPools(gui::PoolDocument* doc);
    void previewPools(gui::PoolDocument* doc);
    void setUpPrinterForPools(gui::PoolDocument* doc);
    // "画像として保存" of a pool stage: the whole stage as one PNG picture, or A4 pages of PDF.
    void savePoolPicture(gui::PoolDocument* doc);
    void writePoolPicture(gui::PoolDocument* doc, const QStringList& filters,
                          const QString& suffix);
    // A4, upright, unless the user chose a paper or orientation in the page setup.
    // The knockout to go first in a stage's hand-out: the one made from it, where the user
    // wants it printed with the pools; nothing otherwise.
    std::optional<kaz::Bracket> handOutKnockout(gui::PoolDocument* doc);
    void proposePoolPage();
    // The page setup on the printer as proposed; a paper or orientation changed there is the
    // user's from then on.
    void askPageSetup();
    // After printing: a failure told, or a PDF printed to a file counted as an export.
    void printed(const kaz::Status& status);
    // Writes `bytes` (or tells why there are none) to `path` through the one write path and says
    // where they went.
    void writeExport(const QString& path, const kaz::Result<QByteArray>& bytes);

    // "HTML化": asks where to write the page of `doc`, writes it (an existing file is replaced
    // only once the whole page was written), says where it went in the status bar and opens it
    // with the desktop's application; where none can be started (at once, or when the
    // desktop's opener gives up later), the status bar says so with the page's path. A failure
    // is shown with the message for its cause, and then no viewer starts.
    void exportHtmlPage(gui::BracketDocument* doc);
    // "HTML設定": edits the colours and bold flags of `doc`; OK hands them to the document,
    // whose views then repaint, cancel changes nothing.
    void editHtmlSettings(gui::BracketDocument* doc);
    // "画像として保存": asks for a file, offering PNG and PDF, and writes the bracket there as
    // a PNG picture at twice the screen's size or, for a name ending in ".pdf", as a one-page
    // A4 PDF, then says where it went in the status bar. An existing file is replaced only once
    // the whole picture was written; a failure is shown with the message for its cause.
    void savePicture(gui::BracketDocument* doc);
    // Asks for a file of `filters`, proposing `suffix`, and writes the picture there as above.
    void writePicture(gui::BracketDocument* doc, const QStringList& filters, const QString& suffix);

    QPrinter& printer();
    // Proposes the paper (unless chosen in the page setup) and the orientation (unless chosen
    // there) that show `bracket` best.
    void proposePage(const kaz::Bracket& bracket);

    QWidget* m_window;
    const DocumentManager* m_documents;
    ExportPlaces* m_places;
    std::unique_ptr<QPrinter> m_printer;  // made at first use: finding printers takes time
    bool m_orientationChosen = false;
    bool m_paperChosen = false;
};

}  // namespace kaz::app
