#include "documents/document_manager.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <algorithm>

#include "bridge/qt_text.h"
#include "common/refusal_notice.h"
#include "desktop/desktop_services.h"
#include "dialogs/member_count_dialog.h"
#include "document/bracket_document.h"
#include "document/file_access.h"
#include "documents/outside_changes.h"
#include "shell/bracket_window.h"
#include "shell/wait_cursor.h"
#include "shell/window_cascade.h"

namespace {

QStringList bracketFilters() {
    return {QStringLiteral("kaz ﾌｧｲﾙ (*.kaz)"), QStringLiteral("すべてのﾌｧｲﾙ (*.*)")};
}

}  // namespace

DocumentManager::DocumentManager(QMdiArea* area, QWidget* window, RecoveryManager* recovery)
    : QObject(window),
      m_mdiArea(area),
      m_window(window),
      m_recovery(recovery),
      m_outsideChanges(new OutsideChanges(this)) {
    connect(m_outsideChanges, &OutsideChanges::changedOnDisk, this,
            &DocumentManager::onChangedOnDisk);
}

void DocumentManager::newDocument() {
    // Cancel ends New without a bracket; the dialog accepts only a text that gives a size.
    MemberCountDialog dialog(m_window);
    if (dialog.exec() != QDialog::Accepted) return;
    openNewBracket(kaz::Bracket(dialog.memberCount()));
}

void DocumentManager::openNewBracket(kaz::Bracket bracket) {
    auto* doc = new BracketDocument(std::move(bracket), this);
    // The running number is taken only by a bracket that came into being.
    doc->setTitle(QStringLiteral("新しいトーナメント表%1").arg(++m_untitledCount));
    createWindow(doc);
}

void DocumentManager::chooseAndOpen() {
    const QString path = DesktopServices::instance().chooseOpenFile(
        m_window, QStringLiteral("開く"), bracketFilters());
    if (!path.isEmpty()) openDocumentFile(path);
}

bool DocumentManager::openDocumentFile(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    for (BracketDocument* doc : documents()) {
        if (!doc->filePath().isEmpty() &&
            QFileInfo(doc->filePath()).absoluteFilePath() == absolute) {
            m_mdiArea->setActiveSubWindow(windowsOf(doc).front());
            return true;
        }
    }
    kaz::Result<kaz::Bracket> loaded = [&absolute] {
        const WaitCursor waiting;
        return loadBracket(absolute);
    }();
    if (!loaded) {
        if (!QFileInfo::exists(absolute) && m_recentFiles.entries().contains(absolute)) {
            m_recentFiles.remove(absolute);
            m_recentFiles.save();
            emit recentFilesChanged();
        }
        showFailure(m_window, loaded.failure());
        return false;
    }
    auto* doc = new BracketDocument(std::move(*loaded), this);
    doc->setFilePath(absolute);
    m_outsideChanges->remember(doc);
    rememberFile(absolute);
    createWindow(doc);
    return true;
}

void DocumentManager::restore(const RecoveryManager::Leftover& leftover) {
    kaz::Result<kaz::Bracket> loaded = loadBracket(leftover.bracketPath);
    if (!loaded) {
        showFailure(m_window, loaded.failure());
        m_recovery->setAside(leftover);
        return;
    }
    auto* doc = new BracketDocument(std::move(*loaded), this);
    const QString original =
        QFile::decodeName(QByteArray::fromStdString(leftover.record.originalPath));
    if (original.isEmpty()) {
        doc->setTitle(QString::fromStdString(leftover.record.title));
    } else {
        doc->setFilePath(original);
        m_outsideChanges->remember(doc);
    }
    doc->markChangedUntilStored();
    createWindow(doc);  // kept for recovery again, as this editor's
    m_recovery->discard(leftover);
}

bool DocumentManager::save(BracketDocument* doc) {
    const QFileInfo file(doc->filePath());
    // A bracket without a file, or whose file is read-only, goes to save As.
    if (doc->filePath().isEmpty() || (file.exists() && !file.isWritable())) return saveAs(doc);
    if (!mayOverwrite(doc)) return false;
    return saveTo(doc, doc->filePath());
}

bool DocumentManager::mayOverwrite(BracketDocument* doc) {
    if (!m_outsideChanges->changedSince(doc)) return true;
    return DesktopServices::instance().askYesNo(
        m_window, QStringLiteral("%1 は他のプログラムによって変更されています。上書きしますか?")
                      .arg(QDir::toNativeSeparators(doc->filePath())));
}

void DocumentManager::onChangedOnDisk(BracketDocument* doc) {
    // A changed bracket is only marked: the question comes when it is stored.
    if (doc->isChanged()) return;
    const QString path = doc->filePath();
    const bool reload = DesktopServices::instance().askYesNo(
        m_window, QStringLiteral("%1 は他のプログラムによって変更されています。再度読み込みますか?")
                      .arg(QDir::toNativeSeparators(path)));
    if (!reload || doc->isChanged()) return;
    kaz::Result<kaz::Bracket> loaded = loadBracket(path);
    if (!loaded) {
        showFailure(m_window, loaded.failure());
        return;
    }
    // The windows are made anew: the bracket read may have another member count.
    m_closingWithoutAsking = true;
    for (BracketWindow* window : windowsOf(doc)) window->close();
    m_closingWithoutAsking = false;
    auto* reloaded = new BracketDocument(std::move(*loaded), this);
    reloaded->setFilePath(path);
    m_outsideChanges->remember(reloaded);
    createWindow(reloaded);
}

bool DocumentManager::saveAs(BracketDocument* doc) {
    const QString proposed =
        doc->filePath().isEmpty() ? doc->title() + QStringLiteral(".kaz") : doc->filePath();
    const QString path = DesktopServices::instance().chooseSaveFile(
        m_window, QStringLiteral("名前を付けて保存"), proposed, bracketFilters(),
        QStringLiteral("kaz"));
    if (path.isEmpty()) return false;
    return saveTo(doc, path);
}

bool DocumentManager::saveTo(BracketDocument* doc, const QString& path) {
    const kaz::Status saved = [doc, &path] {
        const WaitCursor waiting;
        return doc->save(path);
    }();
    if (!saved) {
        showFailure(m_window, saved.failure());
        return false;
    }
    m_outsideChanges->remember(doc);
    m_recovery->documentStored(doc);
    rememberFile(path);
    announceDone(m_window, QStringLiteral("保存しました"));
    return true;
}

void DocumentManager::close(BracketDocument* doc) {
    if (!doc || !saveModified(doc)) return;
    m_closingWithoutAsking = true;
    for (BracketWindow* window : windowsOf(doc)) window->close();
    m_closingWithoutAsking = false;
}

void DocumentManager::openWindow(BracketDocument* doc) {
    if (doc) createWindow(doc);
}

bool DocumentManager::saveAllModified() {
    for (BracketDocument* doc : documents()) {
        if (!saveModified(doc)) return false;
    }
    return true;
}

void DocumentManager::closeAllDocuments() {
    m_closingWithoutAsking = true;
    const auto windows = m_windows;
    for (const auto& entry : windows) entry.first->close();
    m_closingWithoutAsking = false;
}

BracketDocument* DocumentManager::activeDocument() const {
    auto* window = qobject_cast<BracketWindow*>(m_mdiArea->currentSubWindow());
    return window ? window->document() : nullptr;
}

std::vector<BracketDocument*> DocumentManager::documents() const {
    std::vector<BracketDocument*> docs;
    for (const auto& entry : m_windows) {
        if (std::find(docs.begin(), docs.end(), entry.second) == docs.end()) {
            docs.push_back(entry.second);
        }
    }
    return docs;
}

std::vector<BracketWindow*> DocumentManager::windowsOf(const BracketDocument* doc) const {
    std::vector<BracketWindow*> windows;
    for (const auto& entry : m_windows) {
        if (entry.second == doc) windows.push_back(entry.first);
    }
    return windows;
}

BracketWindow* DocumentManager::createWindow(BracketDocument* doc) {
    auto* window = new BracketWindow(doc);
    m_windows.emplace_back(window, doc);
    if (m_windowCount[doc]++ == 0) m_recovery->follow(doc);
    m_mdiArea->addSubWindow(window);
    connect(window, &BracketWindow::closeRequested, this,
            [this](BracketWindow* closing, bool* allow) {
                *allow = canCloseWindow(closing);
                if (*allow) onWindowClosed(closing);
            });
    connect(window, &QObject::destroyed, this, [this, doc] { onWindowDestroyed(doc); });
    connect(doc, &BracketDocument::titleChanged, window, [this, doc] { renumberWindows(doc); });
    renumberWindows(doc);
    placeNewWindow(window);
    window->show();
    m_mdiArea->setActiveSubWindow(window);
    return window;
}

// A new window shows its whole bracket as far as the area allows, next in the cascade, so that
// no earlier window's left edge is hidden.
void DocumentManager::placeNewWindow(BracketWindow* window) {
    placeInCascade(window, static_cast<int>(m_windows.size()) - 1, m_mdiArea);
}

void DocumentManager::onWindowClosed(BracketWindow* window) {
    // From here on the window no longer counts, although Qt deletes it a moment later.
    BracketDocument* doc = window->document();
    m_windows.erase(std::remove(m_windows.begin(), m_windows.end(), std::make_pair(window, doc)),
                    m_windows.end());
    renumberWindows(doc);
}

void DocumentManager::onWindowDestroyed(BracketDocument* doc) {
    // A bracket lives until its last window is gone, closing or not.
    if (--m_windowCount[doc] > 0) return;
    m_windowCount.erase(doc);
    delete doc;
}

void DocumentManager::renumberWindows(const BracketDocument* doc) {
    const std::vector<BracketWindow*> windows = windowsOf(doc);
    const bool several = windows.size() > 1;
    for (size_t i = 0; i < windows.size(); ++i) {
        windows[i]->updateCaption(several ? static_cast<int>(i) + 1 : 0);
    }
}

bool DocumentManager::canCloseWindow(BracketWindow* window) {
    if (m_closingWithoutAsking) return true;
    BracketDocument* doc = window->document();
    if (windowsOf(doc).size() > 1) return true;
    return saveModified(doc);
}

bool DocumentManager::saveModified(BracketDocument* doc) {
    if (!doc->isChanged()) return true;
    const QString question = QStringLiteral("%1 への変更を保存しますか?").arg(doc->title());
    switch (DesktopServices::instance().askSave(m_window, question)) {
        case DesktopServices::SaveAnswer::Yes: return save(doc);
        case DesktopServices::SaveAnswer::No: return true;
        case DesktopServices::SaveAnswer::Cancel: return false;
    }
    return false;
}

void DocumentManager::rememberFile(const QString& path) {
    m_recentFiles.add(path);
    m_recentFiles.save();
    emit recentFilesChanged();
}
