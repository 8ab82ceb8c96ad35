#include "documents/pool_window.h"

#include "document/pool_document.h"
#include "view/pool_view.h"

namespace kaz::app {

PoolWindow::PoolWindow(gui::PoolDocument* doc, QWidget* parent)
    : DocumentWindow(parent), m_document(doc), m_view(new gui::PoolView(doc, this)) {
    setWidget(m_view);
    updateCaption(0);
    setWindowModified(doc->isChanged());
    connect(doc, &gui::PoolDocument::changedStateChanged, this, &QWidget::setWindowModified);
}

void PoolWindow::updateCaption(int number) { setCaption(m_document->title(), number); }

}  // namespace kaz::app
