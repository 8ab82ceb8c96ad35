#include "commands/window_commands.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include "commands/command_runner.h"
#include "documents/document_manager.h"
#include "documents/document_window.h"
#include "documents/pool_stages.h"
#include "support/window_cascade.h"

namespace kaz::app {

WindowCommands::WindowCommands(const EditorActions& a, QWidget* window, QMdiArea* area,
                               DocumentManager* docs)
    : QObject(window), m_area(area) {
    connectDocumentCommand(
        a.windowNew, window, docs, [docs](gui::BracketDocument* doc) { docs->openWindow(doc); },
        [docs](gui::PoolDocument* doc) { docs->pools()->openWindow(doc); });
    connectCommand(a.windowCascade, window, [area] { cascadeWindows(area); });
    connectCommand(a.windowTile, window, [area] { area->tileSubWindows(); });
    connectCommand(a.windowArrange, window, [this] { arrangeIcons(); });
    connectCommand(a.closeWindow, window, [area] { area->closeActiveSubWindow(); });
    connectCommand(a.nextWindow, window, [area] { area->activateNextSubWindow(); });
    connectCommand(a.previousWindow, window, [area] { area->activatePreviousSubWindow(); });
}

void WindowCommands::addWindowList(QMenu* menu) const {
    const QList<QMdiSubWindow*> windows = m_area->subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty()) return;
    menu->addSeparator();
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows[i];
        // Access keys &1 … &9 for the first nine; a title's own "&" is shown, not a key.
        auto* documentWindow = qobject_cast<DocumentWindow*>(window);
        QString title = documentWindow ? documentWindow->caption() : window->windowTitle();
        title.replace(QLatin1Char('&'), QStringLiteral("&&"));
        const QString number = i < 9 ? QStringLiteral("&%1").arg(i + 1) : QString::number(i + 1);
        QAction* entry = menu->addAction(number + QLatin1Char(' ') + title);
        entry->setCheckable(true);
        entry->setChecked(window == m_area->currentSubWindow());
        QMdiArea* area = m_area;
        connect(entry, &QAction::triggered, area,
                [area, window] { area->setActiveSubWindow(window); });
    }
}

void WindowCommands::arrangeIcons() {
    int x = 0;
    for (QMdiSubWindow* window : m_area->subWindowList(QMdiArea::CreationOrder)) {
        if (!window->isMinimized()) continue;
        const QSize size = window->size();
        window->move(x, m_area->viewport()->height() - size.height());
        x += size.width();
    }
}

}  // namespace kaz::app
