#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "pools/pool_stage.h"

class QMdiArea;
class QUndoGroup;
class QWidget;
namespace kaz::gui {
class PoolDocument;
}

namespace kaz::app {

class OutsideChanges;
class PoolWindow;
class RecoveryManager;

// Owns the open pool stages (予選リーグ), each in child windows of the MDI area beside the brackets
// (more than one window numbered ":1", ":2" …, as a bracket's): opens, stores and closes them,
// asking first whether to save a changed one, and puts their histories into the editor's one undo
// group. Each is kept for recovery while it is open. A file another program changed is never
// written over unasked, and an unchanged stage offers to read it again.
class PoolStages : public QObject {
    Q_OBJECT
public:
    // Child windows go into `area`; dialogs and messages are owned by `window`. Every file
    // opened or stored is told to `rememberFile` (the recent-file list).
    PoolStages(QMdiArea* area, QWidget* window, QUndoGroup* histories, RecoveryManager* recovery,
               std::function<void(const QString&)> rememberFile, QObject* parent);

    // Opens `stage` read from `path` (an absolute path), or a new one without a file (empty),
    // which counts as changed until it is stored.
    gui::PoolDocument* open(kaz::PoolStage stage, const QString& path);
    // Another window on `doc`, open already, made the active one.
    void openWindow(gui::PoolDocument* doc);
    // Opens what a crashed editor left of a stage as a changed one, with the file it had
    // (`originalPath`, not written until stored) or else titled `title`.
    gui::PoolDocument* restore(kaz::PoolStage stage, const QString& originalPath,
                               const QString& title);
    // Activates the first window of the stage stored at `absolutePath`; false where none is
    // open.
    bool activate(const QString& absolutePath);

    // Stores `doc` in its file, or asks for one; true once it is stored.
    bool save(gui::PoolDocument* doc);
    bool saveAs(gui::PoolDocument* doc);
    // Closes the windows of `doc`, asking first whether to save it.
    void close(gui::PoolDocument* doc);
    // Asks about every changed stage in turn; false as soon as one answer is cancel.
    bool saveAllModified();
    // Closes every window without asking.
    void closeAll();

    // The active child window where it shows a stage, or nullptr.
    PoolWindow* activeWindow() const;
    // The stage of the active child window, or nullptr.
    gui::PoolDocument* activeDocument() const;
    std::vector<gui::PoolDocument*> documents() const;

signals:
    // `doc` was read from its file.
    void openedFromFile(gui::PoolDocument* doc);
    // `doc` was stored, maybe under a new name (`previousPath` is its file before).
    void stored(gui::PoolDocument* doc, const QString& previousPath);
    // The last window of `doc` closes, and `doc` goes with it.
    void closing(gui::PoolDocument* doc);
    // A stage came to be shown: new, opened or brought back after a crash.
    void shown(gui::PoolDocument* doc);

private:
    // Keeps `doc` in the undo group and for recovery, and shows it in its first window.
    void adopt(gui::PoolDocument* doc);
    // Closes every window of `doc` without asking.
    void closeWindowsOf(const gui::PoolDocument* doc);
    void renumber(const gui::PoolDocument* doc);
    bool saveModified(gui::PoolDocument* doc);
    void onChangedOnDisk(gui::PoolDocument* doc);
    bool saveTo(gui::PoolDocument* doc, const QString& path);
    std::vector<PoolWindow*> windowsOf(const gui::PoolDocument* doc) const;

    QMdiArea* m_area;
    QWidget* m_window;
    QUndoGroup* m_histories;
    RecoveryManager* m_recovery;
    OutsideChanges* m_outsideChanges;
    std::function<void(const QString&)> m_rememberFile;
    std::vector<PoolWindow*> m_windows;  // open, in opening order
    int m_untitledCount = 0;
    bool m_closingUnasked = false;  // windows close without the save question
};

}  // namespace kaz::app
