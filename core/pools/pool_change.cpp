#include "pools/pool_change.h"

namespace kaz {
namespace {

template <typename T>
OptionalPart<Change<T>> partChange(const T& before, const T& after) {
    OptionalPart<Change<T>> part;
    if (!(before == after)) part = Change<T>{before, after};
    return part;
}

void applySheet(PoolStage& stage, const PoolSheet& sheet) {
    stage.title = sheet.title;
    stage.subtitle = sheet.subtitle;
    stage.language = sheet.language;
    for (size_t pool = 0; pool < stage.pools.size() && pool < sheet.poolNames.size(); ++pool) {
        stage.pools[pool].name = sheet.poolNames[pool];
    }
}

bool decidedByScores(const EnteredResult& entered) {
    return entered.firstScore >= 0 && entered.secondScore >= 0 &&
           entered.firstScore != entered.secondScore;
}

std::optional<Refusal> scoreRefusal(const EnteredResult& entered) {
    const auto outOfRange = [](int score) { return score < -1 || score > kMaxPoolScore; };
    if (outOfRange(entered.firstScore) || outOfRange(entered.secondScore)) {
        return Message(MessageId::PoolScoreRange, {static_cast<long long>(kMaxPoolScore)});
    }
    if ((entered.firstScore < 0) != (entered.secondScore < 0)) {
        return Message(MessageId::PoolScoreBothSides);
    }
    return std::nullopt;
}

}  // namespace

PoolSheet poolSheetOf(const PoolStage& stage) {
    PoolSheet sheet{stage.title, stage.subtitle, stage.language, {}};
    for (const Pool& pool : stage.pools) sheet.poolNames.push_back(pool.name);
    return sheet;
}

void PoolStageChange::redo(PoolStage& stage) const {
    for (const auto& [index, pool] : pools) stage.pools[size_t(index)] = pool.after;
    if (rules) stage.rules = rules->after;
    if (sheet) applySheet(stage, sheet->after);
}

void PoolStageChange::undo(PoolStage& stage) const {
    for (const auto& [index, pool] : pools) stage.pools[size_t(index)] = pool.before;
    if (rules) stage.rules = rules->before;
    if (sheet) applySheet(stage, sheet->before);
}

PoolStageChange poolChange(const PoolStage& stage, int index, Pool after) {
    PoolStageChange change;
    const Pool& before = stage.pools[size_t(index)];
    if (!(before == after)) change.pools.push_back({index, {before, std::move(after)}});
    return change;
}

PoolStageChange rulesChange(const PoolStage& stage, const PoolRules& after) {
    PoolStageChange change;
    change.rules = partChange(stage.rules, after);
    return change;
}

PoolStageChange sheetChange(const PoolStage& stage, const PoolSheet& after) {
    PoolStageChange change;
    change.sheet = partChange(poolSheetOf(stage), after);
    return change;
}

PoolStageChange withdrawalChange(const PoolStage& stage, int pool, int member,
                                 Withdrawal withdrawal) {
    if (pool < 0 || pool >= int(stage.pools.size())) return {};
    Pool after = stage.pools[size_t(pool)];
    if (member < 0 || member >= int(after.members.size())) return {};
    after.members[size_t(member)].withdrawal = withdrawal;
    return poolChange(stage, pool, std::move(after));
}

PoolDocumentChange poolDocumentChangeOf(const PoolStageChange& change, ChangeSource source) {
    PoolDocumentChange told;
    told.source = source;
    for (const auto& [index, pool] : change.pools) told.pools.push_back(index);
    told.rules = bool(change.rules);
    told.sheet = bool(change.sheet);
    return told;
}

PoolResultProposal proposePoolResult(const PoolStage& stage, int pool, int match,
                                     const EnteredResult& entered) {
    PoolResultProposal proposal;
    if (pool < 0 || size_t(pool) >= stage.pools.size()) return proposal;
    const Pool& before = stage.pools[size_t(pool)];
    if (match < 0 || size_t(match) >= before.matches.size()) return proposal;
    proposal.match = before.matches[size_t(match)];
    PoolMatch& result = proposal.match;
    result.walkover = entered.walkover;
    if (entered.walkover) {
        // Decided without play: the winner as chosen, no scores.
        if (entered.chosen != MatchOutcome::FirstWins &&
            entered.chosen != MatchOutcome::SecondWins) {
            proposal.refusal = Message(MessageId::PoolWinnerNeeded);
            return proposal;
        }
        result.outcome = entered.chosen;
        result.firstScore = result.secondScore = -1;
    } else {
        if ((proposal.refusal = scoreRefusal(entered))) return proposal;
        const bool scored = entered.firstScore >= 0;
        MatchOutcome outcome = entered.chosen;
        if (decidedByScores(entered)) {
            outcome = entered.firstScore > entered.secondScore ? MatchOutcome::FirstWins
                                                               : MatchOutcome::SecondWins;
        } else if (scored && outcome == MatchOutcome::Unplayed) {
            // Level scores and nothing chosen: a draw, where the rules allow one.
            if (!stage.rules.drawsAllowed) {
                proposal.refusal = Message(MessageId::PoolWinnerNeeded);
                return proposal;
            }
            outcome = MatchOutcome::Draw;
        }
        if (outcome == MatchOutcome::Draw && !stage.rules.drawsAllowed) {
            proposal.refusal = Message(MessageId::PoolDrawNotAllowed);
            return proposal;
        }
        result.outcome = outcome;
        // A result taken back takes its scores with it.
        const bool kept = outcome != MatchOutcome::Unplayed;
        result.firstScore = kept ? entered.firstScore : -1;
        result.secondScore = kept ? entered.secondScore : -1;
        result.walkover = false;
    }
    Pool after = before;
    after.matches[size_t(match)] = result;
    proposal.change = poolChange(stage, pool, std::move(after));
    return proposal;
}

}  // namespace kaz
