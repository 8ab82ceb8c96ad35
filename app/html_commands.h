#pragma once

class BracketDocument;
class QWidget;

// "HTML化": asks where to write the page of `doc`, writes it (an existing file is replaced
// only once the whole page was written) and opens it with the desktop's application. A
// failure is shown with the message for its cause, and then no viewer starts.
void exportHtmlPage(BracketDocument* doc, QWidget* parent);

// "HTML設定": edits the colours and bold flags of `doc`; OK hands them to the document, whose
// views then repaint, cancel changes nothing.
void editHtmlSettings(BracketDocument* doc, QWidget* parent);
