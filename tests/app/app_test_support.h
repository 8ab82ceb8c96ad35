#pragma once

// What the shell tests share besides the GUI tests' support: a command of the main window, the
// active bracket window and its view, New through the shell, and a drawn pool stage.

#include <QAction>
#include <QMdiArea>

#include "dialogs/member_count_dialog.h"
#include "documents/bracket_window.h"
#include "gui_test_support.h"
#include "pools/pool_draw.h"
#include "shell/main_window.h"

namespace guitest {

// The main window's command of that object name.
inline QAction* action(kaz::app::MainWindow& window, const char* name) {
    auto* found = window.findChild<QAction*>(QString::fromLatin1(name));
    if (!found) qFatal("no action named %s", name);
    return found;
}

inline kaz::app::BracketWindow* activeBracketWindow(kaz::app::MainWindow& window) {
    return qobject_cast<kaz::app::BracketWindow*>(window.mdiArea()->currentSubWindow());
}

inline kaz::gui::BracketView* activeView(kaz::app::MainWindow& window) {
    kaz::app::BracketWindow* child = activeBracketWindow(window);
    return child ? child->view() : nullptr;
}

// New through its command, choosing list item `item` (0: 4 members … 3: 32 members).
inline kaz::gui::BracketView* newBracket(kaz::app::MainWindow& window, int item = 0) {
    onNextDialog<kaz::gui::MemberCountDialog>([item](kaz::gui::MemberCountDialog* dialog) {
        dialog->comboBox()->setCurrentIndex(item);
        dialog->accept();
    });
    action(window, "fileNew")->trigger();
    // The offscreen platform leaves no window active once a dialog has closed.
    showActive(window);
    return activeView(window);
}

// Six entrants, 選手1 to 選手6, drawn into two pools by draw number 11.
inline kaz::PoolStage drawnPoolStage() {
    std::vector<kaz::Entrant> entrants(6);
    for (size_t e = 0; e < entrants.size(); ++e) entrants[e].name = "選手" + std::to_string(e + 1);
    kaz::PoolDrawOptions options;
    options.pools = 2;
    options.drawNumber = 11;
    return kaz::drawPools(entrants, options)->stage;
}

}  // namespace guitest
