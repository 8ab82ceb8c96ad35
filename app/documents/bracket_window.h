#pragma once

#include "documents/document_window.h"

namespace kaz::gui {
class BracketDocument;
class BracketView;
}  // namespace kaz::gui

namespace kaz::app {

// The child window that frames one view of a bracket. Its caption is the document's title,
// with ":1", ":2" … when the bracket is shown in more than one window, and a mark while the
// bracket has changes not stored (Qt's "[*]").
class BracketWindow : public DocumentWindow {
    Q_OBJECT
public:
    BracketWindow(gui::BracketDocument* doc, QWidget* parent = nullptr);

    gui::BracketDocument* document() const { return m_document; }
    gui::BracketView* view() const { return m_view; }

    // Sets the caption from the document's title and this window's number among its windows
    // (0 when it is the only one).
    void updateCaption(int number);

private:
    gui::BracketDocument* m_document;
    gui::BracketView* m_view;
};

}  // namespace kaz::app
