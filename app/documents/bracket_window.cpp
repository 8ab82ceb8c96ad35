#include "documents/bracket_window.h"

#include <QCloseEvent>
#include <QMenu>

#include "document/bracket_document.h"
#include "support/app_icons.h"
#include "support/window_cascade.h"
#include "view/bracket_view.h"

namespace kaz::app {

BracketWindow::BracketWindow(gui::BracketDocument* doc, QWidget* parent)
    : QMdiSubWindow(parent), m_document(doc), m_view(new gui::BracketView(doc, this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(documentIcon());
    setWidget(m_view);
    updateCaption(0);
    setWindowModified(doc->isChanged());
    connect(doc, &gui::BracketDocument::changedStateChanged, this, &QWidget::setWindowModified);
    // A title, a club column or a third place added makes the sheet larger: the window grows
    // with it where there is room.
    connect(doc, &gui::BracketDocument::changed, this, [this](const kaz::DocumentChange& change) {
        if (kaz::affectsSheet(change)) growToContent(this);
    });
    // The system menu of this kind of editor has no "stay on top"; Qt's is its only checkable
    // item. Ctrl+F4 is the main window's, for whichever bracket window is active.
    const QKeySequence closeKey(Qt::CTRL | Qt::Key_F4);
    for (QAction* action : systemMenu()->actions()) {
        if (action->isCheckable()) systemMenu()->removeAction(action);
        QList<QKeySequence> keys = action->shortcuts();
        if (keys.removeAll(closeKey) > 0) action->setShortcuts(keys);
    }
}

void BracketWindow::updateCaption(int number) {
    m_caption = m_document->title();
    if (number > 0) m_caption += QStringLiteral(":%1").arg(number);
    setWindowTitle(titleWithChangeMark(m_caption));
}

QString titleWithChangeMark(const QString& title) {
    // Qt shows "[*][*]" as "[*]" and puts the mark in place of the last single "[*]".
    QString escaped = title;
    escaped.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    return escaped + QStringLiteral("[*]");
}

void BracketWindow::closeEvent(QCloseEvent* event) {
    bool allow = true;
    emit closeRequested(this, &allow);
    if (!allow) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

}  // namespace kaz::app
