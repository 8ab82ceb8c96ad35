#include "commands/zoom_commands.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

#include "bracket/sheet_zoom.h"
#include "commands/command_runner.h"
#include "document/bracket_document.h"
#include "documents/bracket_window.h"
#include "documents/document_manager.h"
#include "documents/pool_stages.h"
#include "documents/pool_window.h"
#include "view/bracket_view.h"
#include "view/pool_view.h"

namespace kaz::app {

namespace {

int actualSize(int) { return kaz::kActualSize; }

}  // namespace

ZoomCommands::ZoomCommands(const EditorActions& actions, QMainWindow* window,
                           DocumentManager* documents)
    : QObject(window), m_pane(new QLabel(window)) {
    connect(documents, &DocumentManager::activeDocumentChanged, this, [this, documents] {
        if (BracketWindow* bracket = documents->activeWindow()) {
            follow(bracket->view());
        } else {
            PoolWindow* pools = documents->pools()->activeWindow();
            follow(pools ? pools->view() : nullptr);
        }
    });
    m_pane->setObjectName(QStringLiteral("zoomPane"));
    window->statusBar()->insertPermanentWidget(0, m_pane);
    connectCommand(actions.viewZoomIn, window, [this] { zoomTo(kaz::zoomedIn); });
    connectCommand(actions.viewZoomOut, window, [this] { zoomTo(kaz::zoomedOut); });
    connectCommand(actions.viewActualSize, window, [this] { zoomTo(actualSize); });
    connectCommand(actions.viewFitSheet, window, [this] {
        if (m_view) m_view->zoomToFit();
    });
    showZoom();
}

void ZoomCommands::follow(gui::ZoomedScrollArea* view) {
    if (view == m_view) return;
    disconnect(m_zoomConnection);
    m_view = view;
    if (view) {
        m_zoomConnection =
            connect(view, &gui::ZoomedScrollArea::zoomChanged, this, &ZoomCommands::showZoom);
    }
    showZoom();
}

void ZoomCommands::zoomTo(int (*next)(int)) {
    if (m_view) m_view->setZoom(next(m_view->zoom()));
}

void ZoomCommands::showZoom() {
    const bool zoomed = m_view && m_view->zoom() != kaz::kActualSize;
    if (zoomed) m_pane->setText(tr("拡大率 %1%").arg(m_view->zoom()));
    m_pane->setVisible(zoomed);
}

}  // namespace kaz::app
