#include "documents/pool_window.h"

#include <QCloseEvent>

#include "document/pool_document.h"
#include "documents/bracket_window.h"
#include "support/app_icons.h"
#include "view/pool_view.h"

namespace kaz::app {

PoolWindow::PoolWindow(gui::PoolDocument* doc, QWidget* parent)
    : QMdiSubWindow(parent), m_document(doc), m_view(new gui::PoolView(doc, this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(documentIcon());
    setWidget(m_view);
    setWindowTitle(titleWithChangeMark(doc->title()));
    setWindowModified(doc->isChanged());
    connect(doc, &gui::PoolDocument::changedStateChanged, this, &QWidget::setWindowModified);
    connect(doc, &gui::PoolDocument::changed, this, [this](const kaz::PoolDocumentChange& change) {
        if (change.title) setWindowTitle(titleWithChangeMark(m_document->title()));
    });
}

QString PoolWindow::caption() const { return m_document->title(); }

void PoolWindow::closeEvent(QCloseEvent* event) {
    bool allow = true;
    emit closeRequested(this, &allow);
    if (!allow) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

}  // namespace kaz::app
