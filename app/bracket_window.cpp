#include "bracket_window.h"

#include <QCloseEvent>

#include "app_icons.h"
#include "document/bracket_document.h"
#include "view/bracket_view.h"

CChildFrame::CChildFrame(CKaz_editDoc* doc, QWidget* parent)
    : QMdiSubWindow(parent), m_pDoc(doc), m_pView(new CKaz_editView(doc, this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(DocumentIcon());
    setWidget(m_pView);
    UpdateCaption(0);
}

void CChildFrame::UpdateCaption(int number) {
    QString caption = m_pDoc->GetTitle();
    if (number > 0) caption += QStringLiteral(":%1").arg(number);
    setWindowTitle(caption);
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    bool allow = true;
    emit closeRequested(this, &allow);
    if (!allow) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}
