#pragma once

#include <QObject>
#include <memory>

#include "bracket/bracket.h"

class BracketDocument;
class ExportPlaces;
class QPrinter;
class QWidget;

// "印刷", "印刷ﾌﾟﾚﾋﾞｭｰ" and "ﾌﾟﾘﾝﾀの設定". One printer serves the whole run, so that the
// printer, paper and other settings chosen last until the program ends. A bracket is printed
// on one page, as large as it fits within the margins, centred. Before each dialog the page
// is turned to the orientation that shows the bracket larger, unless the user turned it
// otherwise in "ﾌﾟﾘﾝﾀの設定": from then on the user's orientation holds. Printing to a PDF file
// proposes the bracket's name in the place `places` proposes, and counts as an export.
class PrintCommands : public QObject {
public:
    // `window` is the dialogs' parent and owns this object.
    PrintCommands(QWidget* window, ExportPlaces* places);
    ~PrintCommands() override;

    void print(BracketDocument* doc);
    void preview(BracketDocument* doc);
    void setUpPrinter(BracketDocument* doc);

private:
    QPrinter& printer();
    void proposeOrientation(const kaz::Bracket& bracket);

    QWidget* m_window;
    ExportPlaces* m_places;
    std::unique_ptr<QPrinter> m_printer;  // made at first use: finding printers takes time
    bool m_orientationChosen = false;
};

// "画像として保存": asks for a file (proposing a place from `places`), offering PNG and PDF, and
// writes the bracket there as a PNG picture at twice the screen's size or, for a name ending in
// ".pdf", as a one-page A4 PDF, then says where it went in the status bar. An existing file is
// replaced only once the whole picture was written; a failure is shown with the message for
// its cause.
void saveBracketPicture(BracketDocument* doc, QWidget* parent, ExportPlaces& places);
