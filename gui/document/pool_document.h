#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "document/history_step.h"
#include "io/result.h"
#include "pools/pool_change.h"
#include "pools/pool_stage.h"

class QUndoStack;

namespace kaz::gui {

class PoolStepCommand;

// One open pool stage (予選リーグ), as a BracketDocument is one bracket: owns the stage and its
// undo history (in the editor's one undo group), and tells every view what changed. Every change
// is one step; a step done, undone or redone is heard once, on changed().
class PoolDocument : public QObject {
    Q_OBJECT
public:
    explicit PoolDocument(kaz::PoolStage stage, QObject* parent = nullptr);
    ~PoolDocument() override;

    const kaz::PoolStage& stage() const { return m_stage; }

    // The undo history. Each step's text names it: 試合結果, 結果の取り消し, 棄権, 抽選,
    // 表の設定.
    QUndoStack* undoStack() const { return m_undoStack; }

    // What entering `entered` for match `match` of pool `pool` would do, as the core works it
    // out: the step, or why it is refused.
    kaz::PoolResultProposal proposeResult(int pool, int match,
                                          const kaz::EnteredResult& entered) const;
    // Makes exactly the step a proposal holds (nothing for a refused or empty one).
    void commitResult(const kaz::PoolResultProposal& proposal);
    // Member `member` of pool `pool` withdraws (棄権) in the way `withdrawal` says, or comes back.
    void setWithdrawal(int pool, int member, kaz::Withdrawal withdrawal);
    // Records `lot` (member indices, best first) as pool `pool`'s lot (抽選).
    void setLot(int pool, std::vector<int> lot);
    // The points, tie-breaks and marks, and the sheet, as one step (表の設定).
    void setRulesAndSheet(const kaz::PoolRules& rules, const kaz::PoolSheet& sheet);

    // Does the stage differ from what was last loaded or stored? Undoing back to it makes it
    // unchanged.
    bool isChanged() const;
    // Counts the stage as changed until it is stored: a drawn one, or one brought back after a
    // crash.
    void markChangedUntilStored();
    // Stores the stage at `path`; only once the file was really written does it count as
    // unchanged and take `path` as its file.
    kaz::Status save(const QString& path);

    // Asked before every step is made, with the stage as it would leave it: false keeps the stage
    // as it is (a knockout made from it would lose results, and the user said no).
    void setStepGuard(std::function<bool(const kaz::PoolStage& after)> guard) {
        m_stepGuard = std::move(guard);
    }
    // The guard asked of undoing or redoing the history's next step: true where it may be taken.
    bool mayTake(HistoryStep step) const;

    const QString& filePath() const { return m_filePath; }
    void setFilePath(const QString& path);
    // "新しい予選リーグN" for a new stage, the file name for a loaded or stored one.
    const QString& title() const { return m_title; }
    void setTitle(const QString& title);

signals:
    void changed(const kaz::PoolDocumentChange& change);
    // The change check's answer turned; heard after the change that turned it.
    void changedStateChanged(bool changed);

private:
    friend class PoolStepCommand;

    void pushStep(const QString& text, kaz::PoolStageChange change);
    void applyStep(const kaz::PoolStageChange& change, kaz::ChangeSource source);
    void noteChangedState();

    kaz::PoolStage m_stage;
    QUndoStack* m_undoStack;
    QString m_filePath;
    QString m_title;
    std::function<bool(const kaz::PoolStage&)> m_stepGuard;
    bool m_changedUntilStored = false;
    bool m_lastChangedState = false;
};

}  // namespace kaz::gui
