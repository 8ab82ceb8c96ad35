#pragma once

#include <QObject>
#include <QStringList>

#include "bracket/bracket.h"
#include "documents/recent_file_list.h"
#include "pools/pool_stage.h"
#include "recovery/recovery_manager.h"

class QMdiArea;
class QUndoGroup;
class QWidget;
namespace kaz::gui {
class BracketDocument;
class PoolDocument;
}  // namespace kaz::gui

namespace kaz::app {

class BracketWindow;
class BracketWindows;
class KnockoutLinks;
class LivePublishing;
class OutsideChanges;
class PoolStages;

// Owns the open brackets: opens, stores and closes them (New, Open, Save, Save As, Close, Exit),
// keeps the recent-file list, and is the one path by which a bracket closes, asking first
// whether to save it where it must. `BracketWindows` shows them. The pool stages open beside
// them (`PoolStages`): Open, the recent files, Exit and the active window serve both kinds.
class DocumentManager : public QObject {
    Q_OBJECT
public:
    // Child windows go into `area`; dialogs and messages are owned by `window`. Every bracket
    // is kept for recovery by `recovery`.
    DocumentManager(QMdiArea* area, QWidget* window, RecoveryManager* recovery);

    // Asks the member count and opens a new bracket of that size.
    void newDocument();
    // Opens `bracket` as a new bracket without a file, titled as New titles it, its sheet in the
    // language new brackets take. One that differs from an empty bracket (a drawn one) counts as
    // changed until it is stored. Returns the new document.
    gui::BracketDocument* openNewBracket(kaz::Bracket bracket);
    // The language of a new bracket's sheet (the editor's); Japanese until set.
    void setNewSheetLanguage(kaz::SheetLanguage language) { m_newSheetLanguage = language; }
    kaz::SheetLanguage newSheetLanguage() const { return m_newSheetLanguage; }
    // Asks for a bracket file and opens it.
    void chooseAndOpen();
    // Opens the bracket or pool stage at `path` (or shows the window it is open in already). A
    // failure is shown to the user; a recent-file entry that is not found leaves the list.
    bool openDocumentFile(const QString& path);
    // Stores `doc` in its file, or asks for one; true once it is stored.
    bool save(gui::BracketDocument* doc);
    bool saveAs(gui::BracketDocument* doc);
    // Closes every window of `doc`, asking first whether to save it.
    void close(gui::BracketDocument* doc);
    // Another window on `doc`.
    void openWindow(gui::BracketDocument* doc);
    // Opens what a crashed editor left of a bracket as a changed bracket, titled as it was and
    // with its file (if it had one), which is not written until the user stores it.
    void restore(const RecoveryManager::Leftover& leftover);

    // Asks about every changed bracket and pool stage in turn; false as soon as one answer is
    // cancel (or its save fails), and then nothing has been closed.
    bool saveAllModified();
    // Closes every window without asking again.
    void closeAllDocuments();

    // The bracket of the active window and that window, or nullptr.
    gui::BracketDocument* activeDocument() const;
    // The pool stage of the active window, or nullptr.
    gui::PoolDocument* activePoolDocument() const;
    PoolStages* pools() const { return m_pools; }
    // Opens a pool stage drawn from the entrant list as a new one without a file.
    void openNewPoolStage(kaz::PoolStage stage);
    // A new bracket, the knockout made from `stage` (決勝トーナメントを作る), linked to it.
    void openKnockout(gui::PoolDocument* stage, kaz::Bracket knockout);
    KnockoutLinks* knockouts() const { return m_knockouts; }
    BracketWindow* activeWindow() const;
    // The open brackets' histories, the active bracket's the active one.
    QUndoGroup* histories() const { return m_histories; }

    RecentFileList& recentFiles() { return m_recentFiles; }
    // The open brackets' live publishing.
    LivePublishing* publishing() const { return m_publishing; }

signals:
    void recentFilesChanged();
    // Another window became active, or the last one closed (`doc` is then nullptr, as it is for
    // a pool stage's window): what every command group follows. The window may show the bracket
    // the one before showed.
    void activeDocumentChanged(gui::BracketDocument* doc);

private:
    // Takes `doc` among the open brackets and shows it in a window.
    void adopt(gui::BracketDocument* doc);
    // "%1 への変更を保存しますか?" for a changed bracket; true when it may close.
    bool saveModified(gui::BracketDocument* doc);
    bool saveTo(gui::BracketDocument* doc, const QString& path);
    void rememberFile(const QString& path);
    // Publishing broken off by a crash goes on for `doc`, a bracket or a pool stage.
    void resumePublishing(QObject* doc, const RecoveryPublication& publication);
    // Another program changed the file of `doc`: an unchanged bracket offers to read it again.
    void onChangedOnDisk(gui::BracketDocument* doc);
    // "<path> は他のプログラムによって変更されています。…" when it is; true when `doc` may be
    // stored in its file.
    bool mayOverwrite(gui::BracketDocument* doc);

    QWidget* m_window;
    BracketWindows* m_windows;
    QUndoGroup* m_histories;
    RecentFileList m_recentFiles;
    RecoveryManager* m_recovery;
    OutsideChanges* m_outsideChanges;
    LivePublishing* m_publishing;
    PoolStages* m_pools;
    KnockoutLinks* m_knockouts;
    int m_untitledCount = 0;
    kaz::SheetLanguage m_newSheetLanguage = kaz::SheetLanguage::Japanese;
};

}  // namespace kaz::app
