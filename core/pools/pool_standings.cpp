#include "pools/pool_standings.h"

#include <algorithm>
#include <functional>
#include <numeric>

#include "draw/draw_random.h"

namespace kaz {

namespace {

// A match as the standings count it, after withdrawals.
struct CountedMatch {
    int first;
    int second;
    MatchOutcome outcome;
    bool walkover;
    int64_t firstScore;  // 0 where none is given or the match was a walkover
    int64_t secondScore;
};

bool isMember(const Pool& pool, int member) {
    return member >= 0 && member < int(pool.members.size());
}

std::vector<CountedMatch> countedMatches(const Pool& pool) {
    std::vector<CountedMatch> counted;
    for (const PoolMatch& match : pool.matches) {
        if (!isMember(pool, match.first) || !isMember(pool, match.second) ||
            match.first == match.second) {
            continue;
        }
        const Withdrawal first = pool.members[size_t(match.first)].withdrawal;
        const Withdrawal second = pool.members[size_t(match.second)].withdrawal;
        if (first == Withdrawal::MatchesRemoved || second == Withdrawal::MatchesRemoved) continue;
        CountedMatch c{match.first,
                       match.second,
                       match.outcome,
                       match.walkover,
                       std::max(0, match.firstScore),
                       std::max(0, match.secondScore)};
        const bool firstLost = first == Withdrawal::MatchesLost;
        const bool secondLost = second == Withdrawal::MatchesLost;
        if (!match.isPlayed() && firstLost != secondLost) {
            c.outcome = firstLost ? MatchOutcome::SecondWins : MatchOutcome::FirstWins;
            c.walkover = true;
        }
        if (c.walkover) c.firstScore = c.secondScore = 0;
        counted.push_back(c);
    }
    return counted;
}

// The points each side of a played match takes.
std::pair<int64_t, int64_t> matchPoints(const CountedMatch& m, const PoolRules& rules) {
    switch (m.outcome) {
        case MatchOutcome::FirstWins: return {rules.winPoints, rules.lossPoints};
        case MatchOutcome::SecondWins: return {rules.lossPoints, rules.winPoints};
        case MatchOutcome::Draw: return {rules.drawPoints, rules.drawPoints};
        case MatchOutcome::Unplayed: break;
    }
    return {0, 0};
}

void tally(PoolStanding& s, MatchOutcome own, int64_t points, int64_t scored, int64_t conceded) {
    ++s.played;
    s.wins += own == MatchOutcome::FirstWins;
    s.losses += own == MatchOutcome::SecondWins;
    s.draws += own == MatchOutcome::Draw;
    s.points += points;
    s.scoresFor += scored;
    s.scoresAgainst += conceded;
}

MatchOutcome mirrored(MatchOutcome outcome) {
    if (outcome == MatchOutcome::FirstWins) return MatchOutcome::SecondWins;
    if (outcome == MatchOutcome::SecondWins) return MatchOutcome::FirstWins;
    return outcome;
}

// The records of `members` (indexed by member) from the counted matches between two members
// for whom `counts` holds.
template <typename Counts>
void addRecords(std::vector<PoolStanding>& members, const std::vector<CountedMatch>& matches,
                const PoolRules& rules, Counts counts) {
    for (const CountedMatch& m : matches) {
        if (m.outcome == MatchOutcome::Unplayed || !counts(m.first) || !counts(m.second)) continue;
        const auto [firstPoints, secondPoints] = matchPoints(m, rules);
        tally(members[size_t(m.first)], m.outcome, firstPoints, m.firstScore, m.secondScore);
        tally(members[size_t(m.second)], mirrored(m.outcome), secondPoints, m.secondScore,
              m.firstScore);
    }
}

enum class Step { HeadToHead, SetDifference, PoolDifference, PoolScoresFor, LotPlace };

class Ranking {
public:
    Ranking(const Pool& pool, const PoolRules& rules, const std::vector<CountedMatch>& matches,
            const std::vector<PoolStanding>& whole)
        : m_pool(pool), m_rules(rules), m_matches(matches), m_whole(whole) {
        for (const TieBreak t : rules.tieBreaks) {
            switch (t) {
                case TieBreak::HeadToHead: m_steps.push_back(Step::HeadToHead); break;
                case TieBreak::ScoreDifference:
                    m_steps.push_back(Step::SetDifference);
                    m_steps.push_back(Step::PoolDifference);
                    break;
                case TieBreak::ScoresFor: m_steps.push_back(Step::PoolScoresFor); break;
                case TieBreak::Lot: m_steps.push_back(Step::LotPlace); break;
            }
        }
    }

    // Appends the members of `level` (level on points) to `groups` in order, one group for each
    // place: a single member, or a set nothing separates.
    void order(const std::vector<int>& level, std::vector<std::vector<int>>& groups) const {
        if (level.size() < 2) {
            groups.push_back(level);
            return;
        }
        for (const Step step : m_steps) {
            const std::vector<int64_t> value = values(step, level);
            if (std::adjacent_find(value.begin(), value.end(), std::not_equal_to<>()) ==
                value.end()) {
                continue;
            }
            std::vector<size_t> byValue(level.size());
            std::iota(byValue.begin(), byValue.end(), size_t(0));
            std::stable_sort(byValue.begin(), byValue.end(),
                             [&](size_t a, size_t b) { return value[a] > value[b]; });
            for (size_t i = 0; i < byValue.size();) {
                std::vector<int> part;
                const int64_t v = value[byValue[i]];
                for (; i < byValue.size() && value[byValue[i]] == v; ++i) {
                    part.push_back(level[byValue[i]]);
                }
                order(part, groups);
            }
            return;
        }
        groups.push_back(level);
    }

private:
    std::vector<int64_t> values(Step step, const std::vector<int>& set) const {
        std::vector<int64_t> value;
        if (step == Step::HeadToHead || step == Step::SetDifference) {
            std::vector<char> inSet(m_pool.members.size(), 0);
            for (const int m : set) inSet[size_t(m)] = 1;
            std::vector<PoolStanding> mini(m_pool.members.size());
            addRecords(mini, m_matches, m_rules, [&](int m) { return inSet[size_t(m)] != 0; });
            for (const int m : set) {
                const PoolStanding& s = mini[size_t(m)];
                value.push_back(step == Step::HeadToHead ? s.points : s.difference());
            }
        } else if (step == Step::LotPlace) {
            for (const int m : set) {
                const auto at = std::find(m_pool.lot.begin(), m_pool.lot.end(), m);
                if (at == m_pool.lot.end()) return std::vector<int64_t>(set.size(), 0);
                value.push_back(-(at - m_pool.lot.begin()));
            }
        } else {
            for (const int m : set) {
                const PoolStanding& s = m_whole[size_t(m)];
                value.push_back(step == Step::PoolDifference ? s.difference() : s.scoresFor);
            }
        }
        return value;
    }

    const Pool& m_pool;
    const PoolRules& m_rules;
    const std::vector<CountedMatch>& m_matches;
    const std::vector<PoolStanding>& m_whole;
    std::vector<Step> m_steps;
};

}  // namespace

PoolStandings poolStandings(const Pool& pool, const PoolRules& rules) {
    PoolStandings standings;
    const std::vector<CountedMatch> matches = countedMatches(pool);
    standings.members.resize(pool.members.size());
    for (size_t m = 0; m < pool.members.size(); ++m) standings.members[m].member = int(m);
    addRecords(standings.members, matches, rules, [](int) { return true; });
    standings.complete = std::all_of(matches.begin(), matches.end(), [](const CountedMatch& m) {
        return m.outcome != MatchOutcome::Unplayed;
    });

    std::vector<int> ranked;
    std::vector<int> unranked;
    for (size_t m = 0; m < pool.members.size(); ++m) {
        (pool.members[m].withdrawal == Withdrawal::MatchesRemoved ? unranked : ranked)
            .push_back(int(m));
    }
    std::stable_sort(ranked.begin(), ranked.end(), [&](int a, int b) {
        return standings.members[size_t(a)].points > standings.members[size_t(b)].points;
    });

    const Ranking ranking(pool, rules, matches, standings.members);
    std::vector<std::vector<int>> groups;
    for (size_t i = 0; i < ranked.size();) {
        std::vector<int> level;
        const int64_t points = standings.members[size_t(ranked[i])].points;
        for (; i < ranked.size() && standings.members[size_t(ranked[i])].points == points; ++i) {
            level.push_back(ranked[i]);
        }
        ranking.order(level, groups);
    }

    int place = 1;
    for (const std::vector<int>& group : groups) {
        const int last = place + int(group.size()) - 1;
        const bool tied = group.size() > 1;
        for (const int m : group) {
            PoolStanding& s = standings.members[size_t(m)];
            s.rank = place;
            s.tied = tied;
            s.through = last <= rules.through;
            standings.order.push_back(m);
        }
        if (tied) standings.ties.push_back(group);
        standings.tieAtCut |= tied && place <= rules.through && last > rules.through;
        place = last + 1;
    }
    standings.order.insert(standings.order.end(), unranked.begin(), unranked.end());
    return standings;
}

std::vector<int> drawLot(const Pool& pool, const std::vector<int>& tied, DrawRandom& random) {
    std::vector<int> lot;
    std::vector<int> drawn;
    const auto has = [](const std::vector<int>& list, int m) {
        return std::find(list.begin(), list.end(), m) != list.end();
    };
    for (const int m : tied) {
        if (isMember(pool, m) && !has(drawn, m)) drawn.push_back(m);
    }
    for (const int m : pool.lot) {
        if (isMember(pool, m) && !has(drawn, m) && !has(lot, m)) lot.push_back(m);
    }
    random.shuffle(drawn);
    lot.insert(lot.end(), drawn.begin(), drawn.end());
    return lot;
}

}  // namespace kaz
