#pragma once

#include <QObject>

#include "commands/editor_actions.h"

class QMdiArea;
class QMenu;
class QWidget;

namespace kaz::app {

class DocumentManager;

// The ｳｨﾝﾄﾞｳ menu's commands (新しいｳｨﾝﾄﾞｳを開く, 重ねて表示, 並べて表示, ｱｲｺﾝの整列) and the keys
// that close the active window and step through the windows.
class WindowCommands : public QObject {
public:
    // `window` is the main window and owns this object; `area` holds the bracket windows.
    WindowCommands(const EditorActions& actions, QWidget* window, QMdiArea* area,
                   DocumentManager* documents);

    // Adds the list of windows to `menu`, after a separator: "&1 <caption>" … (access keys for
    // the first nine), the active one checked, each activating its window.
    void addWindowList(QMenu* menu) const;

private:
    // Minimised windows in a row along the bottom of the area.
    void arrangeIcons();

    QMdiArea* m_area;
};

}  // namespace kaz::app
