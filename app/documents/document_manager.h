#pragma once

#include <QObject>
#include <QStringList>
#include <map>
#include <vector>

#include "bracket/bracket.h"
#include "documents/recent_file_list.h"
#include "recovery/recovery_manager.h"

class QMdiArea;
class QWidget;
class BracketWindow;
class BracketDocument;
class OutsideChanges;

// Opens, stores and closes brackets: New, Open, Save, Save As, Close, Exit, the recent-file
// list, another window on a bracket, and the save question on every way a bracket can close.
class DocumentManager : public QObject {
    Q_OBJECT
public:
    // Child windows go into `area`; dialogs and messages are owned by `window`. Every bracket
    // is kept for recovery by `recovery`.
    DocumentManager(QMdiArea* area, QWidget* window, RecoveryManager* recovery);

    // Asks the member count and opens a new bracket of that size.
    void newDocument();
    // Opens `bracket` as a new bracket without a file, titled as New titles it. One that differs
    // from an empty bracket (a drawn one) counts as changed until it is stored.
    void openNewBracket(kaz::Bracket bracket);
    // Asks for a bracket file and opens it.
    void chooseAndOpen();
    // Opens the bracket at `path` (or shows the window it is open in already). A failure is
    // shown to the user; a recent-file entry that is not found leaves the list.
    bool openDocumentFile(const QString& path);
    // Stores `doc` in its file, or asks for one; true once it is stored.
    bool save(BracketDocument* doc);
    bool saveAs(BracketDocument* doc);
    // Closes every window of `doc`, asking first whether to save it.
    void close(BracketDocument* doc);
    // Another window on `doc`.
    void openWindow(BracketDocument* doc);
    // Opens what a crashed editor left of a bracket as a changed bracket, titled as it was and
    // with its file (if it had one), which is not written until the user stores it.
    void restore(const RecoveryManager::Leftover& leftover);

    // Asks about every changed bracket in turn; false as soon as one answer is cancel (or its
    // save fails), and then nothing has been closed.
    bool saveAllModified();
    // Closes every window without asking again.
    void closeAllDocuments();

    BracketDocument* activeDocument() const;
    std::vector<BracketDocument*> documents() const;
    std::vector<BracketWindow*> windowsOf(const BracketDocument* doc) const;

    RecentFileList& recentFiles() { return m_recentFiles; }

signals:
    void recentFilesChanged();

private:
    BracketWindow* createWindow(BracketDocument* doc);
    void placeNewWindow(BracketWindow* window);
    void onWindowClosed(BracketWindow* window);
    void onWindowDestroyed(BracketDocument* doc);
    void renumberWindows(const BracketDocument* doc);
    // The close box of one window: asks only when it is the bracket's last window.
    bool canCloseWindow(BracketWindow* window);
    // "%1 への変更を保存しますか?" for a changed bracket; true when it may close.
    bool saveModified(BracketDocument* doc);
    bool saveTo(BracketDocument* doc, const QString& path);
    void rememberFile(const QString& path);
    // Another program changed the file of `doc`: an unchanged bracket offers to read it again.
    void onChangedOnDisk(BracketDocument* doc);
    // "<path> は他のプログラムによって変更されています。…" when it is; true when `doc` may be
    // stored in its file.
    bool mayOverwrite(BracketDocument* doc);

    QMdiArea* m_mdiArea;
    QWidget* m_window;
    RecentFileList m_recentFiles;
    RecoveryManager* m_recovery;
    OutsideChanges* m_outsideChanges;
    std::vector<std::pair<BracketWindow*, BracketDocument*>> m_windows;  // open, in opening order
    std::map<BracketDocument*, int> m_windowCount;  // windows not yet deleted, closing ones too
    int m_untitledCount = 0;
    bool m_closingWithoutAsking = false;
};
