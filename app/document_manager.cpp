#include "document_manager.h"

#include <QFileInfo>
#include <QMdiArea>
#include <algorithm>
#include <new>

#include "bracket_window.h"
#include "desktop/desktop_services.h"
#include "document/bracket_document.h"
#include "document/file_access.h"
#include "text/messages.h"

namespace {

QStringList BracketFilters() {
    return {QStringLiteral("kaz ﾌｧｲﾙ (*.kaz)"), QStringLiteral("すべてのﾌｧｲﾙ (*.*)")};
}

}  // namespace

CDocManager::CDocManager(QMdiArea* area, QWidget* window)
    : QObject(window), m_mdiArea(area), m_pWindow(window) {}

void CDocManager::OnFileNew() {
    auto* doc = new CKaz_editDoc(this);
    if (!doc->OnNewDocument(m_pWindow)) {
        delete doc;
        return;
    }
    // The running number is taken only by a bracket that came into being.
    doc->SetTitle(QStringLiteral("新しいトーナメント表%1").arg(++m_nUntitledCount));
    CreateFrame(doc);
}

void CDocManager::OnFileOpen() {
    const QString path =
        DesktopServices::Instance().ChooseOpenFile(m_pWindow, QStringLiteral("開く"), BracketFilters());
    if (!path.isEmpty()) OpenDocumentFile(path);
}

bool CDocManager::OpenDocumentFile(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    for (CKaz_editDoc* doc : Documents()) {
        if (!doc->GetPathName().isEmpty() &&
            QFileInfo(doc->GetPathName()).absoluteFilePath() == absolute) {
            m_mdiArea->setActiveSubWindow(FramesOf(doc).front());
            return true;
        }
    }
    LoadedBracket loaded;
    try {
        loaded = LoadBracketFile(absolute);
    } catch (const std::bad_alloc&) {
        loaded.error = QString::fromUtf8(kaz::kOpenFailedMessage);
    }
    if (!loaded.bracket) {
        if (!QFileInfo::exists(absolute) && m_recentFiles.Entries().contains(absolute)) {
            m_recentFiles.Remove(absolute);
            m_recentFiles.Save();
            emit recentFilesChanged();
        }
        DesktopServices::Instance().ShowError(m_pWindow, loaded.error);
        return false;
    }
    auto* doc = new CKaz_editDoc(std::move(*loaded.bracket), this);
    doc->SetPathName(absolute);
    RememberFile(absolute);
    CreateFrame(doc);
    return true;
}

bool CDocManager::OnFileSave(CKaz_editDoc* doc) {
    const QFileInfo file(doc->GetPathName());
    // A bracket without a file, or whose file is gone or read-only, goes to Save As.
    if (doc->GetPathName().isEmpty() || !file.exists() || !file.isWritable()) {
        return OnFileSaveAs(doc);
    }
    return SaveTo(doc, doc->GetPathName());
}

bool CDocManager::OnFileSaveAs(CKaz_editDoc* doc) {
    const QString proposed = doc->GetPathName().isEmpty()
                                 ? doc->GetTitle() + QStringLiteral(".kaz")
                                 : doc->GetPathName();
    const QString path = DesktopServices::Instance().ChooseSaveFile(
        m_pWindow, QStringLiteral("名前を付けて保存"), proposed, BracketFilters(),
        QStringLiteral("kaz"));
    if (path.isEmpty()) return false;
    return SaveTo(doc, path);
}

bool CDocManager::SaveTo(CKaz_editDoc* doc, const QString& path) {
    QString error;
    try {
        error = doc->OnSaveDocument(path);
    } catch (const std::bad_alloc&) {
        error = QString::fromUtf8(kaz::kSaveFailedMessage);
    }
    if (!error.isEmpty()) {
        DesktopServices::Instance().ShowError(m_pWindow, error);
        return false;
    }
    RememberFile(path);
    return true;
}

void CDocManager::OnFileClose(CKaz_editDoc* doc) {
    if (!doc || !SaveModified(doc)) return;
    m_bClosingWithoutAsking = true;
    for (CChildFrame* frame : FramesOf(doc)) frame->close();
    m_bClosingWithoutAsking = false;
}

void CDocManager::OnWindowNew(CKaz_editDoc* doc) {
    if (doc) CreateFrame(doc);
}

bool CDocManager::SaveAllModified() {
    for (CKaz_editDoc* doc : Documents()) {
        if (!SaveModified(doc)) return false;
    }
    return true;
}

void CDocManager::CloseAllDocuments() {
    m_bClosingWithoutAsking = true;
    const auto frames = m_frames;
    for (const auto& entry : frames) entry.first->close();
    m_bClosingWithoutAsking = false;
}

CKaz_editDoc* CDocManager::ActiveDocument() const {
    auto* frame = qobject_cast<CChildFrame*>(m_mdiArea->currentSubWindow());
    return frame ? frame->GetDocument() : nullptr;
}

std::vector<CKaz_editDoc*> CDocManager::Documents() const {
    std::vector<CKaz_editDoc*> docs;
    for (const auto& entry : m_frames) {
        if (std::find(docs.begin(), docs.end(), entry.second) == docs.end()) {
            docs.push_back(entry.second);
        }
    }
    return docs;
}

std::vector<CChildFrame*> CDocManager::FramesOf(const CKaz_editDoc* doc) const {
    std::vector<CChildFrame*> frames;
    for (const auto& entry : m_frames) {
        if (entry.second == doc) frames.push_back(entry.first);
    }
    return frames;
}

CChildFrame* CDocManager::CreateFrame(CKaz_editDoc* doc) {
    auto* frame = new CChildFrame(doc);
    m_frames.emplace_back(frame, doc);
    ++m_windowCount[doc];
    m_mdiArea->addSubWindow(frame);
    connect(frame, &CChildFrame::closeRequested, this, [this](CChildFrame* closing, bool* allow) {
        *allow = CanCloseFrame(closing);
        if (*allow) OnFrameClosed(closing);
    });
    connect(frame, &QObject::destroyed, this, [this, doc] { OnFrameDestroyed(doc); });
    connect(doc, &CKaz_editDoc::titleChanged, frame, [this, doc] { RenumberFrames(doc); });
    RenumberFrames(doc);
    frame->show();
    m_mdiArea->setActiveSubWindow(frame);
    return frame;
}

void CDocManager::OnFrameClosed(CChildFrame* frame) {
    // From here on the window no longer counts, although Qt deletes it a moment later.
    CKaz_editDoc* doc = frame->GetDocument();
    m_frames.erase(std::remove(m_frames.begin(), m_frames.end(), std::make_pair(frame, doc)),
                   m_frames.end());
    RenumberFrames(doc);
}

void CDocManager::OnFrameDestroyed(CKaz_editDoc* doc) {
    // A bracket lives until its last window is gone, closing or not.
    if (--m_windowCount[doc] > 0) return;
    m_windowCount.erase(doc);
    delete doc;
}

void CDocManager::RenumberFrames(const CKaz_editDoc* doc) {
    const std::vector<CChildFrame*> frames = FramesOf(doc);
    const bool several = frames.size() > 1;
    for (size_t i = 0; i < frames.size(); ++i) {
        frames[i]->UpdateCaption(several ? static_cast<int>(i) + 1 : 0);
    }
}

bool CDocManager::CanCloseFrame(CChildFrame* frame) {
    if (m_bClosingWithoutAsking) return true;
    CKaz_editDoc* doc = frame->GetDocument();
    if (FramesOf(doc).size() > 1) return true;
    return SaveModified(doc);
}

bool CDocManager::SaveModified(CKaz_editDoc* doc) {
    if (!doc->IsModified()) return true;
    const QString question = QStringLiteral("%1 への変更を保存しますか?").arg(doc->GetTitle());
    switch (DesktopServices::Instance().AskSave(m_pWindow, question)) {
        case DesktopServices::SaveAnswer::Yes: return OnFileSave(doc);
        case DesktopServices::SaveAnswer::No: return true;
        case DesktopServices::SaveAnswer::Cancel: return false;
    }
    return false;
}

void CDocManager::RememberFile(const QString& path) {
    m_recentFiles.Add(path);
    m_recentFiles.Save();
    emit recentFilesChanged();
}
