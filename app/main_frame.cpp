#include "app/main_frame.h"

#include <QMdiArea>
#include <QMenuBar>

#include "app/child_frame.h"
#include "document/kaz_editdoc.h"

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent), m_mdiArea(new QMdiArea(this)) {
    setWindowTitle(QStringLiteral("カズボー"));
    setCentralWidget(m_mdiArea);
    CreateMenus();
    resize(800, 600);
}

void CMainFrame::CreateMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    QAction* fileNew = file->addAction(QStringLiteral("新規作成(&N)"));
    fileNew->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    fileNew->setShortcutContext(Qt::ApplicationShortcut);
    connect(fileNew, &QAction::triggered, this, &CMainFrame::OnFileNew);
}

CKaz_editDoc* CMainFrame::ActiveDocument() const {
    CChildFrame* frame = ActiveFrame();
    return frame ? frame->GetDocument() : nullptr;
}

CChildFrame* CMainFrame::ActiveFrame() const {
    return qobject_cast<CChildFrame*>(m_mdiArea->activeSubWindow());
}

std::vector<CChildFrame*> CMainFrame::FramesOf(const CKaz_editDoc* doc) const {
    std::vector<CChildFrame*> frames;
    for (QMdiSubWindow* window : m_mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        auto* frame = qobject_cast<CChildFrame*>(window);
        if (frame && frame->GetDocument() == doc) frames.push_back(frame);
    }
    return frames;
}

void CMainFrame::OnFileNew() {
    auto* doc = new CKaz_editDoc(this);
    if (!doc->OnNewDocument(this)) {
        delete doc;
        return;
    }
    // The running number is taken only by a bracket that came into being.
    doc->SetTitle(QStringLiteral("新しいトーナメント表%1").arg(++m_nUntitledCount));
    CreateFrame(doc);
}

void CMainFrame::OnWindowNew() {
    if (CKaz_editDoc* doc = ActiveDocument()) CreateFrame(doc);
}

CChildFrame* CMainFrame::CreateFrame(CKaz_editDoc* doc) {
    auto* frame = new CChildFrame(doc);
    m_mdiArea->addSubWindow(frame);
    connect(frame, &QObject::destroyed, this, [this, doc] { OnFrameDestroyed(doc); });
    connect(doc, &CKaz_editDoc::titleChanged, frame, [this, doc] { RenumberFrames(doc); });
    RenumberFrames(doc);
    frame->show();
    return frame;
}

void CMainFrame::RenumberFrames(const CKaz_editDoc* doc) {
    const std::vector<CChildFrame*> frames = FramesOf(doc);
    const bool several = frames.size() > 1;
    for (size_t i = 0; i < frames.size(); ++i) {
        frames[i]->UpdateCaption(several ? static_cast<int>(i) + 1 : 0);
    }
}

void CMainFrame::OnFrameDestroyed(CKaz_editDoc* doc) {
    // A bracket lives until its last window closes.
    if (FramesOf(doc).empty()) {
        doc->deleteLater();
    } else {
        RenumberFrames(doc);
    }
}
