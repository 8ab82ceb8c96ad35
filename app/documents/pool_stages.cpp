#include "documents/pool_stages.h"

#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QUndoGroup>
#include <algorithm>

#include "common/notice.h"
#include "desktop/desktop_services.h"
#include "document/file_access.h"
#include "document/pool_document.h"
#include "documents/export_places.h"
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
      m_rememberFile(std::move(rememberFile)) {}

gui::PoolDocument* PoolStages::open(kaz::PoolStage stage, const QString& path) {
    auto* doc = new gui::PoolDocument(std::move(stage), this);
    if (path.isEmpty()) {
        doc->setTitle(tr("新しい予選リーグ%1").arg(++m_untitledCount));
        doc->markChangedUntilStored();
    } else {
        doc->setFilePath(path);
        m_rememberFile(path);
    }
    show(doc);
    return doc;
}

void PoolStages::restore(kaz::PoolStage stage, const QString& originalPath, const QString& title) {
    auto* doc = new gui::PoolDocument(std::move(stage), this);
    if (originalPath.isEmpty()) {
        doc->setTitle(title);
    } else {
        doc->setFilePath(originalPath);
    }
    doc->markChangedUntilStored();
    show(doc);
}

void PoolStages::show(gui::PoolDocument* doc) {
    m_histories->addStack(doc->undoStack());
    m_recovery->followPools(doc);
    auto* window = new PoolWindow(doc);
    m_windows.push_back(window);
    m_area->addSubWindow(window);
    connect(window, &PoolWindow::closeRequested, this, [this](PoolWindow* closing, bool* allow) {
        *allow = m_closingAll || saveModified(closing->document());
        if (*allow) m_windows.erase(std::find(m_windows.begin(), m_windows.end(), closing));
    });
    // The stage lives as long as its window.
    connect(window, &QObject::destroyed, doc, &QObject::deleteLater);
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
    const kaz::Status saved = [doc, &path] {
        const WaitCursor waiting;
        return doc->save(path);
    }();
    if (!saved) {
        gui::showFailure(m_window, saved.failure());
        return false;
    }
    m_rememberFile(path);
    m_recovery->documentStored(doc);
    gui::tell(m_window, tr("保存しました"), gui::Notice::Done);
    return true;
}

void PoolStages::close(gui::PoolDocument* doc) {
    if (PoolWindow* window = windowOf(doc)) window->close();
}

bool PoolStages::saveAllModified() {
    for (PoolWindow* window : m_windows) {
        if (!saveModified(window->document())) return false;
    }
    return true;
}

void PoolStages::closeAll() {
    m_closingAll = true;
    const std::vector<PoolWindow*> windows = m_windows;
    for (PoolWindow* window : windows) window->close();
    m_closingAll = false;
}

gui::PoolDocument* PoolStages::activeDocument() const {
    auto* window = qobject_cast<PoolWindow*>(m_area->activeSubWindow());
    return window ? window->document() : nullptr;
}

std::vector<gui::PoolDocument*> PoolStages::documents() const {
    std::vector<gui::PoolDocument*> docs;
    for (PoolWindow* window : m_windows) docs.push_back(window->document());
    return docs;
}

bool PoolStages::saveModified(gui::PoolDocument* doc) {
    if (!doc->isChanged()) return true;
    return askToSaveChanges(m_window, doc->title(), [this, doc] { return save(doc); });
}

PoolWindow* PoolStages::windowOf(const gui::PoolDocument* doc) const {
    for (PoolWindow* window : m_windows) {
        if (window->document() == doc) return window;
    }
    return nullptr;
}

}  // namespace kaz::app
