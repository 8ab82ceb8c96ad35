#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "bracket/bracket_change.h"
#include "bracket/document_change.h"
#include "bracket/refusal.h"
#include "pools/pool_stage.h"

// One editing step of a pool stage as data, as a bracket's is: each pool it touched whole,
// before and after (a pool is small), and the rules and the sheet where it changed them, so
// that the history takes it back and makes it again exactly.

namespace kaz {

// The sheet of a pool stage: its title, second line and language, and the names of its pools.
struct PoolSheet {
    std::string title;
    std::string subtitle;
    SheetLanguage language = SheetLanguage::Japanese;
    std::vector<std::string> poolNames;  // one per pool, in order

    bool operator==(const PoolSheet& o) const {
        return title == o.title && subtitle == o.subtitle && language == o.language &&
               poolNames == o.poolNames;
    }
};

PoolSheet poolSheetOf(const PoolStage& stage);

struct PoolStageChange {
    std::vector<std::pair<int, Change<Pool>>> pools;  // by pool index, ascending
    OptionalPart<Change<PoolRules>> rules;
    OptionalPart<Change<PoolSheet>> sheet;

    bool isEmpty() const { return pools.empty() && !rules && !sheet; }
    void redo(PoolStage& stage) const;
    void undo(PoolStage& stage) const;
};

// The step that makes pool `index` of `stage` into `after`; empty where nothing differs.
PoolStageChange poolChange(const PoolStage& stage, int index, Pool after);
// The step that gives `stage` the rules `after`.
PoolStageChange rulesChange(const PoolStage& stage, const PoolRules& after);
// The step that gives `stage` the sheet `after`.
PoolStageChange sheetChange(const PoolStage& stage, const PoolSheet& after);

// What one step of a pool stage touched, as every listener of its document hears it: the pools
// it changed, the rules, the sheet, and where it came from. A change of the document's own title
// (its file) touches none of them.
struct PoolDocumentChange {
    ChangeSource source = ChangeSource::Done;
    std::vector<int> pools;  // ascending
    bool rules = false;
    bool sheet = false;
    bool title = false;
};

PoolDocumentChange poolDocumentChangeOf(const PoolStageChange& change, ChangeSource source);

// The step that marks member `member` of pool `pool` as withdrawn in the way `withdrawal` says
// (or back in, for Withdrawal::None); empty where nothing differs or no such member is.
PoolStageChange withdrawalChange(const PoolStage& stage, int pool, int member,
                                 Withdrawal withdrawal);

// A result as the match dialog enters it: each side's score (-1 for none), the winner chosen
// where the scores do not decide it, and whether it was a walkover.
struct EnteredResult {
    int firstScore = -1;
    int secondScore = -1;
    MatchOutcome chosen = MatchOutcome::Unplayed;  // Unplayed: the result taken back
    bool walkover = false;
};

// The highest score a side may have.
constexpr int kMaxPoolScore = 999;

struct PoolResultProposal {
    std::optional<Refusal> refusal;  // why nothing may change; the step is then empty
    PoolMatch match;                 // the match as it would stand
    PoolStageChange change;
};

// Entering `entered` for match `match` of pool `pool`: the outcome is taken from the scores
// where they decide it (the higher score wins; level scores are a draw where the rules allow
// draws), else it is the one chosen. A walkover needs a winner and keeps no scores. Refused:
// a draw where the rules allow none, a score out of 0 … kMaxPoolScore or given for one side
// only, and a match or pool that does not exist.
PoolResultProposal proposePoolResult(const PoolStage& stage, int pool, int match,
                                     const EnteredResult& entered);

}  // namespace kaz
