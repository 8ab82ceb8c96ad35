#include "documents/pool_stages.h"

#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QPointer>
#include <QUndoGroup>
#include <algorithm>

#include "common/notice.h"
#include "desktop/desktop_services.h"
#include "document/file_access.h"
#include "document/pool_document.h"
#include "documents/export_places.h"
#include "documents/outside_changes.h"
#include "documents/pool_window.h"
#include "documents/save_question.h"
#include "recovery/recovery_manager.h"
#include "support/wait_cursor.h"
#include "support/window_cascade.h"

namespace kaz::app {

namespace {

QStringList poolFilters() {
    return {PoolStages::tr("予選リーグ ﾌｧｲﾙ (*.kazpool)"), PoolStages::tr("すべてのﾌｧｲﾙ (*.*)")};
}

}  // namespace

PoolStages::PoolStages(QMdiArea* area, QWidget* window, QUndoGroup* histories,
                       RecoveryManager* recovery, std::function<void(const QString&)> rememberFile,
                       QObject* parent)
    : QObject(parent),
      m_area(area),
      m_window(window),
      m_histories(histories),
      m_recovery(recovery),
      m_outsideChanges(new OutsideChanges(this)),
      m_rememberFile(std::move(rememberFile)) {
    connect(m_outsideChanges, &OutsideChanges::changedOnDisk, this,
            [this](QObject* doc) { onChangedOnDisk(qobject_cast<gui::PoolDocument*>(doc)); });
}

gui::PoolDocument* PoolStages::open(kaz::PoolStage stage, const QString& path) {
    auto* doc = new gui::PoolDocument(std::move(stage), this);
    if (path.isEmpty()) {
        doc->setTitle(tr("新しい予選リーグ%1").arg(++m_untitledCount));
        doc->markChangedUntilStored();
    } else {
        doc->setFilePath(path);
        m_outsideChanges->remember(doc, path);
        m_rememberFile(path);
    }
    adopt(doc);
    if (!path.isEmpty()) emit openedFromFile(doc);
    return doc;
}

gui::PoolDocument* PoolStages::restore(kaz::PoolStage stage, const QString& originalPath,
                                       const QString& title) {
    auto* doc = new gui::PoolDocument(std::move(stage), this);
    if (originalPath.isEmpty()) {
        doc->setTitle(title);
    } else {
        doc->setFilePath(originalPath);
        m_outsideChanges->remember(doc, originalPath);
    }
    doc->markChangedUntilStored();
    adopt(doc);
    return doc;
}

void PoolStages::adopt(gui::PoolDocument* doc) {
    m_histories->addStack(doc->undoStack());
    m_recovery->followPools(doc);
    connect(doc, &gui::PoolDocument::changed, this, [this, doc](const kaz::PoolDocumentChange& c) {
        if (c.title) renumber(doc);
    });
    openWindow(doc);
    emit shown(doc);
}

void PoolStages::openWindow(gui::PoolDocument* doc) {
    auto* window = new PoolWindow(doc);
    m_windows.push_back(window);
    m_area->addSubWindow(window);
    connect(window, &PoolWindow::closeRequested, this, [this, closing = window](bool* allow) {
        gui::PoolDocument* shown = closing->document();
        const auto found = std::find(m_windows.begin(), m_windows.end(), closing);
        if (found == m_windows.end()) return;  // going already
        // Only the last window of a stage asks.
        *allow = m_closingUnasked || windowsOf(shown).size() > 1 || saveModified(shown);
        if (!*allow) return;
        m_windows.erase(found);
        renumber(shown);
        if (windowsOf(shown).empty()) emit this->closing(shown);
    });
    // The stage lives as long as a window shows it, closing or not, and goes with the last one
    // at once: at exit no later deletion is run, and the recovery of a stage the user chose not
    // to store must end before the editor does.
    connect(window, &QObject::destroyed, this,
            [this, window, shown = QPointer<gui::PoolDocument>(doc)] {
                const auto found = std::find(m_windows.begin(), m_windows.end(), window);
                if (found != m_windows.end()) m_windows.erase(found);
                if (shown && windowsOf(shown).empty()) delete shown.data();
            });
    renumber(doc);
    placeInCascade(window, int(m_area->subWindowList().size()) - 1, m_area);
    window->show();
    m_area->setActiveSubWindow(window);
}

bool PoolStages::activate(const QString& absolutePath) {
    for (PoolWindow* window : m_windows) {
        const QString path = window->document()->filePath();
        if (!path.isEmpty() && QFileInfo(path).absoluteFilePath() == absolutePath) {
            m_area->setActiveSubWindow(window);
            return true;
        }
    }
    return false;
}

bool PoolStages::save(gui::PoolDocument* doc) {
    const QFileInfo file(doc->filePath());
    if (doc->filePath().isEmpty() || (file.exists() && !file.isWritable())) return saveAs(doc);
    if (m_outsideChanges->changedSince(doc) &&
        !askToOverwriteChangedFile(m_window, doc->filePath())) {
        return false;
    }
    return saveTo(doc, doc->filePath());
}

bool PoolStages::saveAs(gui::PoolDocument* doc) {
    const QString proposed =
        !doc->filePath().isEmpty()
            ? doc->filePath()
            : QDir(startFolder(QString())).filePath(doc->title() + QStringLiteral(".kazpool"));
    const QString path = gui::DesktopServices::instance().chooseSaveFile(
        m_window, tr("名前を付けて保存"), proposed, poolFilters(), QStringLiteral("kazpool"));
    if (path.isEmpty()) return false;
    return saveTo(doc, path);
}

bool PoolStages::saveTo(gui::PoolDocument* doc, const QString& path) {
    const QString previousPath = doc->filePath();
    const kaz::Status saved = [doc, &path] {
        const WaitCursor waiting;
        return doc->save(path);
    }();
    if (!saved) {
        gui::showFailure(m_window, saved.failure());
        return false;
    }
    m_outsideChanges->remember(doc, path);
    m_rememberFile(path);
    m_recovery->documentStored(doc);
    emit stored(doc, previousPath);
    gui::tell(m_window, tr("保存しました"), gui::Notice::Done);
    return true;
}

void PoolStages::close(gui::PoolDocument* doc) {
    if (doc && saveModified(doc)) closeWindowsOf(doc);
}

void PoolStages::closeWindowsOf(const gui::PoolDocument* doc) {
    m_closingUnasked = true;
    for (PoolWindow* window : windowsOf(doc)) window->close();
    m_closingUnasked = false;
}

bool PoolStages::saveAllModified() {
    for (gui::PoolDocument* doc : documents()) {
        if (!saveModified(doc)) return false;
    }
    return true;
}

void PoolStages::closeAll() {
    m_closingUnasked = true;
    const std::vector<PoolWindow*> windows = m_windows;
    for (PoolWindow* window : windows) window->close();
    m_closingUnasked = false;
}

PoolWindow* PoolStages::activeWindow() const {
    return qobject_cast<PoolWindow*>(m_area->activeSubWindow());
}

gui::PoolDocument* PoolStages::activeDocument() const {
    PoolWindow* window = activeWindow();
    return window ? window->document() : nullptr;
}

std::vector<gui::PoolDocument*> PoolStages::documents() const {
    std::vector<gui::PoolDocument*> docs;
    for (PoolWindow* window : m_windows) {
        if (std::find(docs.begin(), docs.end(), window->document()) == docs.end())
            docs.push_back(window->document());
    }
    return docs;
}

bool PoolStages::saveModified(gui::PoolDocument* doc) {
    if (!doc->isChanged()) return true;
    return askToSaveChanges(m_window, doc->title(), [this, doc] { return save(doc); });
}

void PoolStages::onChangedOnDisk(gui::PoolDocument* doc) {
    // A changed stage is only marked: the question comes when it is stored.
    if (!doc || doc->isChanged()) return;
    const QString path = doc->filePath();
    if (!askToReloadChangedFile(m_window, path) || doc->isChanged()) return;
    kaz::Result<kaz::LoadedDocument> loaded = gui::loadDocument(path);
    if (!loaded) {
        gui::showFailure(m_window, loaded.failure());
        return;
    }
    auto* stage = std::get_if<kaz::PoolStage>(&*loaded);
    if (!stage) return;  // no longer a pool file: the stage stays as it is
    // The stage read takes its place.
    closeWindowsOf(doc);
    open(std::move(*stage), path);
}

std::vector<PoolWindow*> PoolStages::windowsOf(const gui::PoolDocument* doc) const {
    std::vector<PoolWindow*> windows;
    for (PoolWindow* window : m_windows) {
        if (window->document() == doc) windows.push_back(window);
    }
    return windows;
}

void PoolStages::renumber(const gui::PoolDocument* doc) {
    const std::vector<PoolWindow*> windows = windowsOf(doc);
    const bool several = windows.size() > 1;
    for (size_t i = 0; i < windows.size(); ++i) windows[i]->updateCaption(several ? int(i) + 1 : 0);
}

}  // namespace kaz::app
