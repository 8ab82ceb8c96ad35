#include "documents/bracket_window.h"

#include "document/bracket_document.h"
#include "support/window_cascade.h"
#include "view/bracket_view.h"

namespace kaz::app {

BracketWindow::BracketWindow(gui::BracketDocument* doc, QWidget* parent)
    : DocumentWindow(parent), m_document(doc), m_view(new gui::BracketView(doc, this)) {
    setWidget(m_view);
    updateCaption(0);
    setWindowModified(doc->isChanged());
    connect(doc, &gui::BracketDocument::changedStateChanged, this, &QWidget::setWindowModified);
    // A title, a club column or a third place added makes the sheet larger: the window grows
    // with it where there is room.
    connect(doc, &gui::BracketDocument::changed, this, [this](const kaz::DocumentChange& change) {
        if (kaz::affectsSheet(change)) growToContent(this);
    });
}

void BracketWindow::updateCaption(int number) { setCaption(m_document->title(), number); }

}  // namespace kaz::app
