#include "documents/pool_window.h"

#include "document/pool_document.h"
#include "view/pool_view.h"

namespace kaz::app {

PoolWindow::PoolWindow(gui::PoolDocument* doc, QWidget* parent)
    : DocumentWindow(parent), m_document(doc), m_view(new gui::PoolView(doc, this)) {
    setWidget(m_view);
    setWindowTitle(titleWithChangeMark(doc->title()));
    setWindowModified(doc->isChanged());
    connect(doc, &gui::PoolDocument::changedStateChanged, this, &QWidget::setWindowModified);
    connect(doc, &gui::PoolDocument::changed, this, [this](const kaz::PoolDocumentChange& change) {
        if (change.title) setWindowTitle(titleWithChangeMark(m_document->title()));
    });
}

QString PoolWindow::caption() const { return m_document->title(); }

}  // namespace kaz::app
