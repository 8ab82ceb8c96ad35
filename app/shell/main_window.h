#pragma once

#include <QMainWindow>

#include "commands/editor_actions.h"

class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;

namespace kaz {
struct DocumentChange;
}
namespace kaz::gui {
class BracketDocument;
}

class QTimer;

namespace kaz::app {

class BracketWindow;
class DocumentManager;
class FileCommands;
class RecoveryManager;
class WindowCommands;

// The main window: menus, toolbar, status bar and the MDI area holding a child window per
// view of a bracket. With no bracket window it shows the short menu; while one is active, the
// full one with the bracket's commands.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    DocumentManager* documentManager() const { return m_documentManager; }
    QMdiArea* mdiArea() const { return m_mdiArea; }
    QToolBar* toolBar() const { return m_toolBar; }
    const EditorActions& actions() const { return m_actions; }
    // The status pane texts, message pane first.
    QList<QLabel*> indicatorPanes() const { return m_indicators; }
    gui::BracketDocument* activeDocument() const;
    RecoveryManager* recovery() const { return m_recovery; }

    // Takes the size and place the main window had when the editor last ended, and whether its
    // bracket windows were maximised (the first bracket window opened is then maximised too).
    // They are kept as they change, not only at a clean end: after a crash the next start, and
    // ﾄﾞｷｭﾒﾝﾄの復元, find them too.
    void restorePlace();

    // Offers what a crashed editor left behind ("ﾄﾞｷｭﾒﾝﾄの復元"), if it left anything.
    void offerRecovery();
    // Opens each file as 開く would (from the command line, another start or a drop).
    void openFiles(const QStringList& paths);

protected:
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createCommandGroups();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void updateIndicators();
    void fillFileMenu(QMenu* menu, bool withDocument);
    void fillWindowList();
    // Swaps menu and enablement as a bracket window becomes active or the last one closes.
    void onActiveDocumentChanged(gui::BracketDocument* doc);
    QString wantedTitle() const;
    void updateTitle();
    // Follows the active bracket's title.
    void onDocumentChanged(const kaz::DocumentChange& change);
    // Stores the window's size, place and state, and whether its bracket windows are maximised.
    void keepPlace();
    void keepPlaceSoon();

    QMdiArea* m_mdiArea;
    RecoveryManager* m_recovery;
    DocumentManager* m_documentManager;
    EditorActions m_actions;
    FileCommands* m_fileCommands = nullptr;      // its recent files fill the ﾌｧｲﾙ menus
    WindowCommands* m_windowCommands = nullptr;  // its window list ends the ｳｨﾝﾄﾞｳ menu
    QToolBar* m_toolBar = nullptr;
    QList<QMenu*> m_menusWithoutDocument;  // while no bracket window is open
    QList<QMenu*> m_menusWithDocument;     // while one is active
    QMenu* m_fileMenuShort = nullptr;
    QMenu* m_fileMenuFull = nullptr;
    QMenu* m_windowMenu = nullptr;
    QList<QLabel*> m_indicators;
    bool m_showingDocumentMenu = false;
    bool m_maximizeFirstBracketWindow = false;
    QTimer* m_placeTimer;  // a moment after the last move, resize or change of state
};

}  // namespace kaz::app
