#pragma once

#include <QMainWindow>
#include <vector>

class QMdiArea;
class CChildFrame;
class CKaz_editDoc;

// The main window: every open bracket is shown in child windows inside its MDI area.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);

    QMdiArea* MdiArea() const { return m_mdiArea; }
    // The bracket of the active child window, or nullptr.
    CKaz_editDoc* ActiveDocument() const;
    CChildFrame* ActiveFrame() const;
    // Every child window showing `doc`, in the order they were opened.
    std::vector<CChildFrame*> FramesOf(const CKaz_editDoc* doc) const;

    // New: asks for the member count and opens the bracket in a child window.
    void OnFileNew();
    // Opens another child window on the active bracket.
    void OnWindowNew();

private:
    CChildFrame* CreateFrame(CKaz_editDoc* doc);
    void RenumberFrames(const CKaz_editDoc* doc);
    void OnFrameDestroyed(CKaz_editDoc* doc);
    void CreateMenus();

    QMdiArea* m_mdiArea;
    int m_nUntitledCount = 0;
};
