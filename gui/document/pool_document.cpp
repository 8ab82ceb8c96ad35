#include "document/pool_document.h"

#include <QFileInfo>
#include <QUndoCommand>
#include <QUndoStack>

#include "document/file_access.h"
#include "pools/pool_file.h"

namespace kaz::gui {

// One step in a pool stage's history: the core's record of the pools, rules and sheet it
// touched, put back and made again through the document.
class PoolStepCommand : public QUndoCommand {
public:
    PoolStepCommand(PoolDocument* document, const QString& text, kaz::PoolStageChange change)
        : QUndoCommand(text), m_document(document), m_change(std::move(change)) {}

    void undo() override { m_document->applyStep(m_change, kaz::ChangeSource::Undone); }
    const kaz::PoolStageChange& change() const { return m_change; }
    void redo() override {
        m_document->applyStep(m_change,
                              m_done ? kaz::ChangeSource::Redone : kaz::ChangeSource::Done);
        m_done = true;
    }

private:
    PoolDocument* m_document;
    kaz::PoolStageChange m_change;
    bool m_done = false;
};

PoolDocument::PoolDocument(kaz::PoolStage stage, QObject* parent)
    : QObject(parent), m_stage(std::move(stage)), m_undoStack(new QUndoStack(this)) {
    connect(m_undoStack, &QUndoStack::cleanChanged, this, [this] { noteChangedState(); });
}

PoolDocument::~PoolDocument() {
    // The history says it turned clean as it goes: nobody hears of it from a document going,
    // whose listeners (the main window among them) may be going too.
    disconnect(m_undoStack, nullptr, this, nullptr);
    delete m_undoStack;
}

kaz::PoolResultProposal PoolDocument::proposeResult(int pool, int match,
                                                    const kaz::EnteredResult& entered) const {
    return kaz::proposePoolResult(m_stage, pool, match, entered);
}

void PoolDocument::commitResult(const kaz::PoolResultProposal& proposal) {
    if (proposal.refusal) return;
    pushStep(proposal.match.isPlayed() ? tr("試合結果") : tr("結果の取り消し"), proposal.change);
}

void PoolDocument::setWithdrawal(int pool, int member, kaz::Withdrawal withdrawal) {
    pushStep(tr("棄権"), kaz::withdrawalChange(m_stage, pool, member, withdrawal));
}

void PoolDocument::setLot(int pool, std::vector<int> lot) {
    if (pool < 0 || pool >= int(m_stage.pools.size())) return;
    kaz::Pool after = m_stage.pools[size_t(pool)];
    after.lot = std::move(lot);
    pushStep(tr("抽選"), kaz::poolChange(m_stage, pool, std::move(after)));
}

void PoolDocument::setRulesAndSheet(const kaz::PoolRules& rules, const kaz::PoolSheet& sheet) {
    kaz::PoolStageChange change = kaz::rulesChange(m_stage, rules);
    kaz::PoolStageChange sheetStep = kaz::sheetChange(m_stage, sheet);
    change.sheet = std::move(sheetStep.sheet);
    pushStep(tr("表の設定"), std::move(change));
}

bool PoolDocument::mayTake(HistoryStep step) const {
    const bool undo = step == HistoryStep::Undo;
    if (!m_stepGuard || !(undo ? m_undoStack->canUndo() : m_undoStack->canRedo())) return true;
    const QUndoCommand* next = m_undoStack->command(m_undoStack->index() - (undo ? 1 : 0));
    const auto* command = dynamic_cast<const PoolStepCommand*>(next);
    if (!command) return true;
    kaz::PoolStage after = m_stage;
    if (undo) {
        command->change().undo(after);
    } else {
        command->change().redo(after);
    }
    return m_stepGuard(after);
}

bool PoolDocument::isChanged() const { return m_changedUntilStored || !m_undoStack->isClean(); }

void PoolDocument::markChangedUntilStored() {
    m_changedUntilStored = true;
    noteChangedState();
}

kaz::Status PoolDocument::save(const QString& path) {
    kaz::Status written = saveFile(path, kaz::writePoolFile(m_stage));
    if (!written) return written;
    m_changedUntilStored = false;
    m_undoStack->setClean();
    setFilePath(path);
    noteChangedState();
    return written;
}

void PoolDocument::setFilePath(const QString& path) {
    m_filePath = path;
    setTitle(QFileInfo(path).fileName());
}

void PoolDocument::setTitle(const QString& title) {
    m_title = title;
    kaz::PoolDocumentChange change;
    change.source = kaz::ChangeSource::Document;
    change.title = true;
    emit changed(change);
}

void PoolDocument::pushStep(const QString& text, kaz::PoolStageChange change) {
    if (change.isEmpty()) return;
    if (m_stepGuard) {
        kaz::PoolStage after = m_stage;
        change.redo(after);
        if (!m_stepGuard(after)) return;
    }
    m_undoStack->push(new PoolStepCommand(this, text, std::move(change)));
}

void PoolDocument::applyStep(const kaz::PoolStageChange& change, kaz::ChangeSource source) {
    if (source == kaz::ChangeSource::Undone) {
        change.undo(m_stage);
    } else {
        change.redo(m_stage);
    }
    emit changed(kaz::poolDocumentChangeOf(change, source));
    noteChangedState();
}

void PoolDocument::noteChangedState() {
    if (isChanged() == m_lastChangedState) return;
    m_lastChangedState = isChanged();
    emit changedStateChanged(m_lastChangedState);
}

}  // namespace kaz::gui
