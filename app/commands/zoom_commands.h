#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPointer>

#include "commands/editor_actions.h"

namespace kaz::gui {
class ZoomedScrollArea;
}
class QLabel;
class QMainWindow;

namespace kaz::app {

class DocumentManager;

// 表示 → 拡大, 縮小 and 実寸: the active window's zoom (a bracket's or a pool stage's), a step at a
// time between 25 % and 400 %, and back to 100 %. While it is not 100 %, a pane of the status bar
// shows it
// ("拡大率 150%").
class ZoomCommands : public QObject {
    Q_OBJECT
public:
    // `window` owns this object; its status bar takes the pane.
    ZoomCommands(const EditorActions& actions, QMainWindow* window, DocumentManager* documents);

private:
    // Follows the view of the active window (nullptr: none).
    void follow(gui::ZoomedScrollArea* view);
    void zoomTo(int (*next)(int));
    void showZoom();

    QPointer<gui::ZoomedScrollArea> m_view;
    QLabel* m_pane;
    QMetaObject::Connection m_zoomConnection;
};

}  // namespace kaz::app
