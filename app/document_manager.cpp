#include "document_manager.h"

#include <QFileInfo>
#include <QMdiArea>
#include <QStyle>
#include <algorithm>
#include <new>

#include "bracket/member_count.h"
#include "bracket_window.h"
#include "bridge/qt_text.h"
#include "desktop/desktop_services.h"
#include "dialogs/member_count_dialog.h"
#include "document/bracket_document.h"
#include "document/file_access.h"
#include "text/messages.h"
#include "wait_cursor.h"

namespace {

QStringList bracketFilters() {
    return {QStringLiteral("kaz ﾌｧｲﾙ (*.kaz)"), QStringLiteral("すべてのﾌｧｲﾙ (*.*)")};
}

}  // namespace

DocumentManager::DocumentManager(QMdiArea* area, QWidget* window)
    : QObject(window), m_mdiArea(area), m_window(window) {}

void DocumentManager::onFileNew() {
    // Cancel, or a text that is none of the four items, ends New without a bracket or message.
    MemberCountDialog dialog(m_window);
    if (dialog.exec() != QDialog::Accepted) return;
    const std::optional<std::string> text = toCp932(dialog.countText());
    const int members = text ? kaz::memberCountFromText(*text) : 0;
    if (members == 0) return;
    auto* doc = new BracketDocument(kaz::Bracket(members), this);
    // The running number is taken only by a bracket that came into being.
    doc->setTitle(QStringLiteral("新しいトーナメント表%1").arg(++m_untitledCount));
    createWindow(doc);
}

void DocumentManager::onFileOpen() {
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
    // Running out of memory while reading is one of the failures the load path reports.
    kaz::LoadedBracket loaded;
    {
        const WaitCursor waiting;
        loaded = loadBracket(absolute);
    }
    if (!loaded.bracket) {
        if (!QFileInfo::exists(absolute) && m_recentFiles.entries().contains(absolute)) {
            m_recentFiles.remove(absolute);
            m_recentFiles.save();
            emit recentFilesChanged();
        }
        DesktopServices::instance().showError(m_window, QString::fromStdString(loaded.error));
        return false;
    }
    auto* doc = new BracketDocument(std::move(*loaded.bracket), this);
    doc->setFilePath(absolute);
    rememberFile(absolute);
    createWindow(doc);
    return true;
}

bool DocumentManager::onFileSave(BracketDocument* doc) {
    const QFileInfo file(doc->filePath());
    // A bracket without a file, or whose file is gone or read-only, goes to save As.
    if (doc->filePath().isEmpty() || !file.exists() || !file.isWritable()) {
        return onFileSaveAs(doc);
    }
    return saveTo(doc, doc->filePath());
}

bool DocumentManager::onFileSaveAs(BracketDocument* doc) {
    const QString proposed =
        doc->filePath().isEmpty() ? doc->title() + QStringLiteral(".kaz") : doc->filePath();
    const QString path = DesktopServices::instance().chooseSaveFile(
        m_window, QStringLiteral("名前を付けて保存"), proposed, bracketFilters(),
        QStringLiteral("kaz"));
    if (path.isEmpty()) return false;
    return saveTo(doc, path);
}

bool DocumentManager::saveTo(BracketDocument* doc, const QString& path) {
    QString error;
    try {
        const WaitCursor waiting;
        error = doc->save(path);
    } catch (const std::bad_alloc&) {
        error = QString::fromUtf8(kaz::kSaveFailedMessage);
    }
    if (!error.isEmpty()) {
        DesktopServices::instance().showError(m_window, error);
        return false;
    }
    rememberFile(path);
    return true;
}

void DocumentManager::onFileClose(BracketDocument* doc) {
    if (!doc || !saveModified(doc)) return;
    m_closingWithoutAsking = true;
    for (BracketWindow* frame : windowsOf(doc)) frame->close();
    m_closingWithoutAsking = false;
}

void DocumentManager::onWindowNew(BracketDocument* doc) {
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
    const auto frames = m_windows;
    for (const auto& entry : frames) entry.first->close();
    m_closingWithoutAsking = false;
}

BracketDocument* DocumentManager::activeDocument() const {
    auto* frame = qobject_cast<BracketWindow*>(m_mdiArea->currentSubWindow());
    return frame ? frame->document() : nullptr;
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
    std::vector<BracketWindow*> frames;
    for (const auto& entry : m_windows) {
        if (entry.second == doc) frames.push_back(entry.first);
    }
    return frames;
}

BracketWindow* DocumentManager::createWindow(BracketDocument* doc) {
    auto* frame = new BracketWindow(doc);
    m_windows.emplace_back(frame, doc);
    ++m_windowCount[doc];
    m_mdiArea->addSubWindow(frame);
    connect(frame, &BracketWindow::closeRequested, this,
            [this](BracketWindow* closing, bool* allow) {
                *allow = canCloseWindow(closing);
                if (*allow) onWindowClosed(closing);
            });
    connect(frame, &QObject::destroyed, this, [this, doc] { onWindowDestroyed(doc); });
    connect(doc, &BracketDocument::titleChanged, frame, [this, doc] { renumberWindows(doc); });
    renumberWindows(doc);
    placeNewWindow(frame);
    frame->show();
    m_mdiArea->setActiveSubWindow(frame);
    return frame;
}

// A new window shows its whole bracket as far as the area allows, one title bar's height
// below and right of the previous one, so that no earlier window's left edge is hidden.
void DocumentManager::placeNewWindow(BracketWindow* window) {
    const QSize area = m_mdiArea->viewport()->size();
    const int step = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
    const int count = static_cast<int>(m_windows.size()) - 1;  // the windows before this one
    int offset = step * count;
    if (offset + area.height() / 2 > area.height() || offset + area.width() / 2 > area.width()) {
        offset = 0;  // back to the top left once the cascade would leave the area
    }
    window->move(offset, offset);
    window->resize(window->sizeHint().boundedTo(area - QSize(offset, offset)));
}

void DocumentManager::onWindowClosed(BracketWindow* frame) {
    // From here on the window no longer counts, although Qt deletes it a moment later.
    BracketDocument* doc = frame->document();
    m_windows.erase(std::remove(m_windows.begin(), m_windows.end(), std::make_pair(frame, doc)),
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
    const std::vector<BracketWindow*> frames = windowsOf(doc);
    const bool several = frames.size() > 1;
    for (size_t i = 0; i < frames.size(); ++i) {
        frames[i]->updateCaption(several ? static_cast<int>(i) + 1 : 0);
    }
}

bool DocumentManager::canCloseWindow(BracketWindow* frame) {
    if (m_closingWithoutAsking) return true;
    BracketDocument* doc = frame->document();
    if (windowsOf(doc).size() > 1) return true;
    return saveModified(doc);
}

bool DocumentManager::saveModified(BracketDocument* doc) {
    if (!doc->isModified()) return true;
    const QString question = QStringLiteral("%1 への変更を保存しますか?").arg(doc->title());
    switch (DesktopServices::instance().askSave(m_window, question)) {
        case DesktopServices::SaveAnswer::Yes: return onFileSave(doc);
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
