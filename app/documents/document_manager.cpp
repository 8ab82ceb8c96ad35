#include "documents/document_manager.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QUndoGroup>
#include <QUndoStack>
#include <variant>

#include "bridge/qt_text.h"
#include "common/notice.h"
#include "desktop/desktop_services.h"
#include "dialogs/member_count_dialog.h"
#include "document/bracket_document.h"
#include "document/file_access.h"
#include "document/pool_document.h"
#include "documents/bracket_window.h"
#include "documents/bracket_windows.h"
#include "documents/export_places.h"
#include "documents/knockout_links.h"
#include "documents/outside_changes.h"
#include "documents/pool_stages.h"
#include "documents/save_question.h"
#include "publish/live_publishing.h"
#include "support/wait_cursor.h"

namespace kaz::app {

namespace {

QStringList bracketFilters() {
    return {DocumentManager::tr("kaz ﾌｧｲﾙ (*.kaz)"), DocumentManager::tr("すべてのﾌｧｲﾙ (*.*)")};
}

// Open offers the pool files beside the brackets.
QStringList openFilters() {
    return {DocumentManager::tr("kaz ﾌｧｲﾙ (*.kaz)"),
            DocumentManager::tr("予選リーグ ﾌｧｲﾙ (*.kazpool)"),
            DocumentManager::tr("すべてのﾌｧｲﾙ (*.*)")};
}

}  // namespace

DocumentManager::DocumentManager(QMdiArea* area, QWidget* window, RecoveryManager* recovery)
    : QObject(window),
      m_window(window),
      m_windows(new BracketWindows(area, this)),
      m_histories(new QUndoGroup(this)),
      m_recovery(recovery),
      m_outsideChanges(new OutsideChanges(this)),
      m_publishing(new LivePublishing(window, livePageWriter(), &QDateTime::currentDateTime)),
      m_pools(new PoolStages(
          area, window, m_histories, recovery, [this](const QString& path) { rememberFile(path); },
          this)),
      m_knockouts(new KnockoutLinks(window, this)) {
    connect(m_outsideChanges, &OutsideChanges::changedOnDisk, this,
            [this](QObject* doc) { onChangedOnDisk(qobject_cast<gui::BracketDocument*>(doc)); });
    // A bracket is kept for recovery while it is shown, and lives until its last window is
    // gone; closing its last window by its close box asks first.
    connect(m_windows, &BracketWindows::firstWindowOpened, m_recovery, &RecoveryManager::follow);
    // Its record knows where it is published, so that publishing goes on after a crash.
    connect(m_publishing, &LivePublishing::publicationChanged, m_recovery,
            [this](QObject* doc, const QString& folder, const QString& pageName) {
                m_recovery->setPublication(doc, RecoveryPublication{folder, pageName});
            });
    // Its last change is published before it goes.
    connect(m_windows, &BracketWindows::lastWindowGone, this, [this](gui::BracketDocument* doc) {
        m_publishing->closing(doc);
        m_knockouts->bracketGone(doc);
        delete doc;
    });
    // A knockout and its pool stage follow each other while both are open, and are published
    // as one page.
    m_publishing->setKnockouts(m_knockouts);
    connect(m_windows, &BracketWindows::firstWindowOpened, m_knockouts,
            [this](gui::BracketDocument* doc) {
                m_knockouts->bracketShown(doc, m_pools->documents());
            });
    connect(m_pools, &PoolStages::shown, m_knockouts, [this](gui::PoolDocument* doc) {
        m_knockouts->stageShown(doc, m_windows->documents());
    });
    connect(m_pools, &PoolStages::stored, m_knockouts,
            [this](gui::PoolDocument* doc) { m_knockouts->stageStored(doc); });
    connect(m_pools, &PoolStages::closing, m_knockouts, &KnockoutLinks::stageGone);
    // Pool stages are published as brackets are.
    connect(m_pools, &PoolStages::openedFromFile, m_publishing, &LivePublishing::opened);
    connect(m_pools, &PoolStages::stored, m_publishing, &LivePublishing::stored);
    connect(m_pools, &PoolStages::closing, m_publishing, &LivePublishing::closing);
    m_windows->setCloseCheck([this](gui::BracketDocument* doc) { return saveModified(doc); });
    connect(m_windows, &BracketWindows::firstWindowOpened, m_histories,
            [this](gui::BracketDocument* doc) { m_histories->addStack(doc->undoStack()); });
    connect(area, &QMdiArea::subWindowActivated, this, [this] {
        gui::BracketDocument* doc = activeDocument();
        gui::PoolDocument* pools = activePoolDocument();
        m_histories->setActiveStack(doc ? doc->undoStack() : pools ? pools->undoStack() : nullptr);
        m_publishing->activated(doc ? static_cast<QObject*>(doc) : pools);
        emit activeDocumentChanged(doc);
    });
}

void DocumentManager::newDocument() {
    // Cancel ends New without a bracket; the dialog accepts only a text that gives a size.
    gui::MemberCountDialog dialog(m_window);
    if (dialog.exec() != QDialog::Accepted) return;
    openNewBracket(kaz::Bracket(dialog.memberCount()));
}

gui::BracketDocument* DocumentManager::openNewBracket(kaz::Bracket bracket) {
    if (bracket.sheet().language != m_newSheetLanguage) {
        // Its language is no change of the user's: a bracket unchanged so far stays unchanged.
        const bool unchanged = !bracket.isChanged();
        kaz::SheetInfo sheet = bracket.sheet();
        sheet.language = m_newSheetLanguage;
        bracket.setSheet(std::move(sheet));
        if (unchanged) bracket.markSaved();
    }
    auto* doc = new gui::BracketDocument(std::move(bracket), this);
    // The running number is taken only by a bracket that came into being.
    doc->setTitle(tr("新しいトーナメント表%1").arg(++m_untitledCount));
    adopt(doc);
    return doc;
}

void DocumentManager::openKnockout(gui::PoolDocument* stage, kaz::Bracket knockout) {
    m_knockouts->made(openNewBracket(std::move(knockout)), stage);
}

void DocumentManager::chooseAndOpen() {
    const QString path =
        gui::DesktopServices::instance().chooseOpenFile(m_window, tr("開く"), openFilters());
    if (!path.isEmpty()) openDocumentFile(path);
}

bool DocumentManager::openDocumentFile(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    for (gui::BracketDocument* doc : m_windows->documents()) {
        if (!doc->filePath().isEmpty() &&
            QFileInfo(doc->filePath()).absoluteFilePath() == absolute) {
            m_windows->activate(doc);
            return true;
        }
    }
    if (m_pools->activate(absolute)) return true;
    kaz::Result<kaz::LoadedDocument> loaded = [&absolute] {
        const WaitCursor waiting;
        return gui::loadDocument(absolute);
    }();
    if (!loaded) {
        if (!QFileInfo::exists(absolute) && m_recentFiles.entries().contains(absolute)) {
            m_recentFiles.remove(absolute);
            m_recentFiles.save();
            emit recentFilesChanged();
        }
        gui::showFailure(m_window, loaded.failure());
        return false;
    }
    if (auto* stage = std::get_if<kaz::PoolStage>(&*loaded)) {
        m_pools->open(std::move(*stage), absolute);
        return true;
    }
    auto* doc = new gui::BracketDocument(std::move(std::get<kaz::Bracket>(*loaded)), this);
    doc->setFilePath(absolute);
    m_outsideChanges->remember(doc, doc->filePath());
    rememberFile(absolute);
    adopt(doc);
    m_publishing->opened(doc);
    return true;
}

void DocumentManager::restore(const RecoveryManager::Leftover& leftover) {
    kaz::Result<kaz::LoadedDocument> loaded = gui::loadDocument(leftover.bracketPath);
    if (!loaded) {
        gui::showFailure(m_window, loaded.failure());
        m_recovery->setAside(leftover);
        return;
    }
    const QString original = QString::fromStdString(leftover.record.originalPath);
    if (auto* stage = std::get_if<kaz::PoolStage>(&*loaded)) {
        gui::PoolDocument* pools = m_pools->restore(std::move(*stage), original,
                                                    QString::fromStdString(leftover.record.title));
        m_recovery->discard(leftover);
        resumePublishing(pools, leftover.publication);
        return;
    }
    auto* doc = new gui::BracketDocument(std::move(std::get<kaz::Bracket>(*loaded)), this);
    if (original.isEmpty()) {
        doc->setTitle(QString::fromStdString(leftover.record.title));
    } else {
        doc->setFilePath(original);
        m_outsideChanges->remember(doc, doc->filePath());
    }
    doc->markChangedUntilStored();
    adopt(doc);  // kept for recovery again, as this editor's
    m_recovery->discard(leftover);
    resumePublishing(doc, leftover.publication);
}

void DocumentManager::resumePublishing(QObject* doc, const RecoveryPublication& publication) {
    // Spectators still read the page of before the crash.
    if (!publication.isEmpty()) m_publishing->resume(doc, publication.folder, publication.pageName);
}

bool DocumentManager::save(gui::BracketDocument* doc) {
    const QFileInfo file(doc->filePath());
    // A bracket without a file, or whose file is read-only, goes to save As.
    if (doc->filePath().isEmpty() || (file.exists() && !file.isWritable())) return saveAs(doc);
    if (!mayOverwrite(doc)) return false;
    return saveTo(doc, doc->filePath());
}

bool DocumentManager::mayOverwrite(gui::BracketDocument* doc) {
    if (!m_outsideChanges->changedSince(doc)) return true;
    return askToOverwriteChangedFile(m_window, doc->filePath());
}

void DocumentManager::onChangedOnDisk(gui::BracketDocument* doc) {
    // A changed bracket is only marked: the question comes when it is stored.
    if (doc->isChanged()) return;
    const QString path = doc->filePath();
    if (!askToReloadChangedFile(m_window, path) || doc->isChanged()) return;
    kaz::Result<kaz::Bracket> loaded = gui::loadBracket(path);
    if (!loaded) {
        gui::showFailure(m_window, loaded.failure());
        return;
    }
    // The windows are made anew: the bracket read may have another member count.
    m_windows->closeWindowsOf(doc);
    auto* reloaded = new gui::BracketDocument(std::move(*loaded), this);
    reloaded->setFilePath(path);
    m_outsideChanges->remember(reloaded, path);
    adopt(reloaded);
    m_publishing->opened(reloaded);
}

bool DocumentManager::saveAs(gui::BracketDocument* doc) {
    // A new bracket goes where the last bracket opened or stored is.
    const QStringList& recent = m_recentFiles.entries();
    const QString proposed =
        !doc->filePath().isEmpty()
            ? doc->filePath()
            : QDir(startFolder(recent.isEmpty() ? QString() : QFileInfo(recent[0]).absolutePath()))
                  .filePath(doc->fileStem() + QStringLiteral(".kaz"));
    const QString path = gui::DesktopServices::instance().chooseSaveFile(
        m_window, tr("名前を付けて保存"), proposed, bracketFilters(), QStringLiteral("kaz"));
    if (path.isEmpty()) return false;
    return saveTo(doc, path);
}

bool DocumentManager::saveTo(gui::BracketDocument* doc, const QString& path) {
    const QString previousPath = doc->filePath();
    m_knockouts->beforeStoring(doc, path);
    const kaz::Status saved = [doc, &path] {
        const WaitCursor waiting;
        return doc->save(path);
    }();
    if (!saved) {
        gui::showFailure(m_window, saved.failure());
        return false;
    }
    m_outsideChanges->remember(doc, doc->filePath());
    m_recovery->documentStored(doc);
    m_publishing->stored(doc, previousPath);
    rememberFile(path);
    gui::tell(m_window, tr("保存しました"), gui::Notice::Done);
    return true;
}

void DocumentManager::close(gui::BracketDocument* doc) {
    if (!doc || !saveModified(doc)) return;
    m_windows->closeWindowsOf(doc);
}

void DocumentManager::openWindow(gui::BracketDocument* doc) {
    if (doc) m_windows->open(doc);
}

bool DocumentManager::saveAllModified() {
    for (gui::BracketDocument* doc : m_windows->documents()) {
        if (!saveModified(doc)) return false;
    }
    return m_pools->saveAllModified();
}

void DocumentManager::closeAllDocuments() {
    m_windows->closeWindowsOf(nullptr);
    m_pools->closeAll();
}

gui::PoolDocument* DocumentManager::activePoolDocument() const { return m_pools->activeDocument(); }

void DocumentManager::openNewPoolStage(kaz::PoolStage stage) {
    m_pools->open(std::move(stage), QString());
}

gui::BracketDocument* DocumentManager::activeDocument() const {
    return m_windows->activeDocument();
}

BracketWindow* DocumentManager::activeWindow() const { return m_windows->activeWindow(); }

void DocumentManager::adopt(gui::BracketDocument* doc) { m_windows->open(doc); }

bool DocumentManager::saveModified(gui::BracketDocument* doc) {
    if (!doc->isChanged()) return true;
    return askToSaveChanges(m_window, doc->title(), [this, doc] { return save(doc); });
}

void DocumentManager::rememberFile(const QString& path) {
    m_recentFiles.add(path);
    m_recentFiles.save();
    emit recentFilesChanged();
}

}  // namespace kaz::app
