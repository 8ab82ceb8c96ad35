#pragma once

#include <QHash>
#include <QMainWindow>

class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;
class CChildFrame;
class CDocManager;
class CKaz_editDoc;

// The main window: menus, toolbar, status bar and the MDI area holding a child window per
// view of a bracket. With no bracket window it shows the short menu; while one is active, the
// full one with the bracket's commands.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    CDocManager* DocManager() const { return m_pDocManager; }
    QMdiArea* MdiArea() const { return m_mdiArea; }
    QToolBar* ToolBar() const { return m_toolBar; }
    // The action of a command id (also for commands that are never enabled).
    QAction* Action(int id) const { return m_actions.value(id); }
    // The status pane texts, message pane first.
    QList<QLabel*> IndicatorPanes() const { return m_indicators; }
    CKaz_editDoc* ActiveDocument() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* AddCommand(int id, const QString& text, const QString& keys = QString());
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void UpdateIndicators();
    void FillFileMenu(QMenu* menu, bool withDocument);
    void FillWindowList();
    // Swaps menu and enablement as a bracket window becomes active or the last one closes.
    void OnActiveWindowChanged();
    void ArrangeIcons();
    void ShowHelp();
    void ShowAbout();

    QMdiArea* m_mdiArea;
    CDocManager* m_pDocManager;
    QToolBar* m_toolBar = nullptr;
    QHash<int, QAction*> m_actions;
    QList<QMenu*> m_menusWithoutDocument;  // menu 128
    QList<QMenu*> m_menusWithDocument;     // menu 129
    QMenu* m_fileMenuShort = nullptr;
    QMenu* m_fileMenuFull = nullptr;
    QMenu* m_windowMenu = nullptr;
    QList<QLabel*> m_indicators;
    bool m_bShowingDocumentMenu = false;
};
