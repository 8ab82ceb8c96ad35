#include "documents/document_window.h"

#include <QCloseEvent>
#include <QMenu>

#include "support/app_icons.h"

namespace kaz::app {

DocumentWindow::DocumentWindow(QWidget* parent) : QMdiSubWindow(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(documentIcon());
    // The system menu of this kind of editor has no "stay on top"; Qt's is its only checkable
    // item. Ctrl+F4 is the main window's, for whichever document window is active.
    const QKeySequence closeKey(Qt::CTRL | Qt::Key_F4);
    for (QAction* action : systemMenu()->actions()) {
        if (action->isCheckable()) systemMenu()->removeAction(action);
        QList<QKeySequence> keys = action->shortcuts();
        if (keys.removeAll(closeKey) > 0) action->setShortcuts(keys);
    }
}

void DocumentWindow::closeEvent(QCloseEvent* event) {
    bool allow = true;
    emit closeRequested(&allow);
    if (!allow) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

void DocumentWindow::setCaption(const QString& title, int number) {
    m_caption = title;
    if (number > 0) m_caption += QStringLiteral(":%1").arg(number);
    setWindowTitle(titleWithChangeMark(m_caption));
}

QString titleWithChangeMark(const QString& title) {
    // Qt shows "[*][*]" as "[*]" and puts the mark in place of the last single "[*]".
    QString escaped = title;
    escaped.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    return escaped + QStringLiteral("[*]");
}

}  // namespace kaz::app
