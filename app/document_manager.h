#pragma once

#include <QObject>
#include <QStringList>
#include <map>
#include <vector>

#include "recent_file_list.h"

class QMdiArea;
class QWidget;
class CChildFrame;
class CKaz_editDoc;

// Opens, stores and closes brackets: New, Open, Save, Save As, Close, Exit, the recent-file
// list, another window on a bracket, and the save question on every way a bracket can close.
class CDocManager : public QObject {
    Q_OBJECT
public:
    // Child windows go into `area`; dialogs and messages are owned by `window`.
    CDocManager(QMdiArea* area, QWidget* window);

    void OnFileNew();
    void OnFileOpen();
    // Opens the bracket at `path` (or shows the window it is open in already). A failure is
    // shown to the user; a recent-file entry that is not found leaves the list.
    bool OpenDocumentFile(const QString& path);
    bool OnFileSave(CKaz_editDoc* doc);
    bool OnFileSaveAs(CKaz_editDoc* doc);
    // Closes every window of `doc`, asking first whether to save it.
    void OnFileClose(CKaz_editDoc* doc);
    void OnWindowNew(CKaz_editDoc* doc);

    // Asks about every changed bracket in turn; false as soon as one answer is Cancel (or its
    // save fails), and then nothing has been closed.
    bool SaveAllModified();
    // Closes every window without asking again.
    void CloseAllDocuments();

    CKaz_editDoc* ActiveDocument() const;
    std::vector<CKaz_editDoc*> Documents() const;
    std::vector<CChildFrame*> FramesOf(const CKaz_editDoc* doc) const;

    RecentFileList& RecentFiles() { return m_recentFiles; }

signals:
    void recentFilesChanged();

private:
    CChildFrame* CreateFrame(CKaz_editDoc* doc);
    void OnFrameClosed(CChildFrame* frame);
    void OnFrameDestroyed(CKaz_editDoc* doc);
    void RenumberFrames(const CKaz_editDoc* doc);
    // The close box of one window: asks only when it is the bracket's last window.
    bool CanCloseFrame(CChildFrame* frame);
    // "%1 への変更を保存しますか?" for a changed bracket; true when it may close.
    bool SaveModified(CKaz_editDoc* doc);
    bool SaveTo(CKaz_editDoc* doc, const QString& path);
    void RememberFile(const QString& path);

    QMdiArea* m_mdiArea;
    QWidget* m_pWindow;
    RecentFileList m_recentFiles;
    std::vector<std::pair<CChildFrame*, CKaz_editDoc*>> m_frames;  // open, in opening order
    std::map<CKaz_editDoc*, int> m_windowCount;  // windows not yet deleted, closing ones too
    int m_nUntitledCount = 0;
    bool m_bClosingWithoutAsking = false;
};
