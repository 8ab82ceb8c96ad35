#include "commands/window_commands.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "commands/command_runner.h"
#include "documents/document_manager.h"
#include "shell/window_cascade.h"

namespace kaz::app {

WindowCommands::WindowCommands(const EditorActions& a, QWidget* window, QMdiArea* area,
                               DocumentManager* docs)
    : QObject(window), m_area(area) {
    connectDocumentCommand(a.windowNew, window, docs,
                           [docs](gui::BracketDocument* doc) { docs->openWindow(doc); });
    connectCommand(a.windowCascade, window, [area] { cascadeWindows(area); });
    connectCommand(a.windowTile, window, [area] { area->tileSubWindows(); });
    connectCommand(a.windowArrange, window, [this] { arrangeIcons(); });
    connectCommand(a.closeWindow, window, [area] { area->closeActiveSubWindow(); });
    connectCommand(a.nextWindow, window, [area] { area->activateNextSubWindow(); });
    connectCommand(a.previousWindow, window, [area] { area->activatePreviousSubWindow(); });
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
