#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "bracket/sheet_info.h"

// A pool stage (予選リーグ): pools of 3 to 8 members in which everyone plays everyone in their
// pool (総当たり), ranked by points and tie-breaks; the best of each pool go through to the
// knockout. A plain value: the rules that read and change it live beside it in core/pools/.

namespace kaz {

constexpr int kMinPoolSize = 3;
constexpr int kMaxPoolSize = 8;
constexpr int kMaxPools = 32;
constexpr int kMinPoolEntrants = kMinPoolSize;
constexpr int kMaxPoolEntrants = 128;

// Why a member no longer plays (棄権), and what becomes of their matches.
enum class Withdrawal : uint8_t {
    None,
    MatchesLost,    // every match not played is lost, by walkover
    MatchesRemoved  // every match of theirs, played or not, is left out of the standings
};

struct PoolMember {
    std::string name;  // exactly as typed (UTF-8)
    std::string club;  // empty when none
    int seed = 0;      // 0 for none
    Withdrawal withdrawal = Withdrawal::None;

    bool operator==(const PoolMember& o) const {
        return name == o.name && club == o.club && seed == o.seed && withdrawal == o.withdrawal;
    }
};

// A match's outcome, from the side of its first member.
enum class MatchOutcome : uint8_t { Unplayed, FirstWins, SecondWins, Draw };

// One match of a pool: two members (indices into the pool's members, first < second as the
// order of play pairs them), its outcome and each side's score.
struct PoolMatch {
    int first = 0;
    int second = 1;
    MatchOutcome outcome = MatchOutcome::Unplayed;
    bool walkover = false;  // 不戦勝: decided without play; its scores count for nothing
    // Each side's score (points, or games, as the event counts them); -1 where none is given.
    int firstScore = -1;
    int secondScore = -1;

    bool isPlayed() const { return outcome != MatchOutcome::Unplayed; }
    bool operator==(const PoolMatch& o) const {
        return first == o.first && second == o.second && outcome == o.outcome &&
               walkover == o.walkover && firstScore == o.firstScore && secondScore == o.secondScore;
    }
};

struct Pool {
    std::string name;                 // "A", "B", … by default; the organiser's own otherwise
    std::vector<PoolMember> members;  // in the order the table lists them
    std::vector<PoolMatch> matches;   // every pair once, in the order of play
    // The lot (抽選) that breaks what nothing else does: member indices, best first, drawn by
    // the editor or entered by hand; empty while none is recorded.
    std::vector<int> lot;

    bool operator==(const Pool& o) const {
        return name == o.name && members == o.members && matches == o.matches && lot == o.lot;
    }
};

// What decides between members level on points, tried in the organiser's order.
enum class TieBreak : uint8_t {
    HeadToHead,       // 直接対決: the matches among the tied only, again for any still tied
    ScoreDifference,  // 得失点差 among the tied, then over the whole pool
    ScoresFor,        // 総得点 over the whole pool
    Lot               // 抽選: the pool's recorded lot
};

// How a played cell marks a result: ○ ● (and △ for a draw), or ○ × △.
enum class ResultMarks : uint8_t { Circles, Crosses };

struct PoolRules {
    int winPoints = 1;  // the default ranks by wins
    int drawPoints = 0;
    int lossPoints = 0;
    bool drawsAllowed = false;
    std::vector<TieBreak> tieBreaks{TieBreak::HeadToHead, TieBreak::ScoreDifference,
                                    TieBreak::ScoresFor, TieBreak::Lot};
    int through = 1;  // how many of each pool go through: 1, or 1 and 2
    ResultMarks marks = ResultMarks::Circles;

    bool operator==(const PoolRules& o) const {
        return winPoints == o.winPoints && drawPoints == o.drawPoints &&
               lossPoints == o.lossPoints && drawsAllowed == o.drawsAllowed &&
               tieBreaks == o.tieBreaks && through == o.through && marks == o.marks;
    }
};

struct PoolStage {
    std::string title;  // the sheet's title and second line, as a bracket's
    std::string subtitle;
    SheetLanguage language = SheetLanguage::Japanese;
    uint32_t drawNumber = 0;  // the draw that placed the members; 0 where made by hand
    PoolRules rules;
    std::vector<Pool> pools;

    bool operator==(const PoolStage& o) const {
        return title == o.title && subtitle == o.subtitle && language == o.language &&
               drawNumber == o.drawNumber && rules == o.rules && pools == o.pools;
    }
};

// The number of a match across the whole stage (from 1): the pools' matches in turn, each
// pool's in its order of play.
int poolMatchNumber(const PoolStage& stage, int pool, int match);

// Where the match of `number` (from 1) stands: its pool and its place in the pool's order of
// play; nothing for a number the stage has no match of.
struct PoolMatchPlace {
    int pool = 0;
    int match = 0;
    bool operator==(const PoolMatchPlace& o) const { return pool == o.pool && match == o.match; }
};
std::optional<PoolMatchPlace> poolMatchOfNumber(const PoolStage& stage, int number);

}  // namespace kaz
