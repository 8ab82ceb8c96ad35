#pragma once

#include <QHash>
#include <QMainWindow>
#include <functional>

class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;
class BracketWindow;
class DocumentManager;
class BracketDocument;

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
    // The action of a command id (also for commands that are never enabled).
    QAction* action(int id) const { return m_actions.value(id); }
    // The status pane texts, message pane first.
    QList<QLabel*> indicatorPanes() const { return m_indicators; }
    BracketDocument* activeDocument() const;

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* addCommand(int id, const QString& text, const QString& keys = QString());
    void createActions();
    // A key with no menu item, working in every window of the program.
    void addWindowKey(const char* key, std::function<void()> handler);
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void updateIndicators();
    void fillFileMenu(QMenu* menu, bool withDocument);
    void fillWindowList();
    // Swaps menu and enablement as a bracket window becomes active or the last one closes.
    void onActiveWindowChanged();
    QString wantedTitle() const;
    void updateTitle();
    void arrangeIcons();
    void showHelp();
    void showAbout();

    QMdiArea* m_mdiArea;
    DocumentManager* m_documentManager;
    QToolBar* m_toolBar = nullptr;
    QHash<int, QAction*> m_actions;
    QList<QMenu*> m_menusWithoutDocument;  // menu 128
    QList<QMenu*> m_menusWithDocument;     // menu 129
    QMenu* m_fileMenuShort = nullptr;
    QMenu* m_fileMenuFull = nullptr;
    QMenu* m_windowMenu = nullptr;
    QList<QLabel*> m_indicators;
    bool m_showingDocumentMenu = false;
};
