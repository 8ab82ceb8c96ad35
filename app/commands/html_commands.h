#pragma once

class BracketDocument;
class ExportPlaces;
class QWidget;

// "HTML化": asks where to write the page of `doc` (proposing a place from `places`), writes it
// (an existing file is replaced only once the whole page was written), says where it went in
// the status bar and opens it with the desktop's application; where none can be started (at
// once, or when the desktop's opener gives up later), the status bar says so with the page's
// path. A failure is shown with the message for its cause, and then no viewer starts.
void exportHtmlPage(BracketDocument* doc, QWidget* parent, ExportPlaces& places);

// "HTML設定": edits the colours and bold flags of `doc`; OK hands them to the document, whose
// views then repaint, cancel changes nothing.
void editHtmlSettings(BracketDocument* doc, QWidget* parent);
