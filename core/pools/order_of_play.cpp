#include "pools/order_of_play.h"

#include <algorithm>
#include <array>
#include <mutex>
#include <tuple>
#include <utility>

namespace kaz {
namespace {

bool sharesMember(const PoolMatch& a, const PoolMatch& b) {
    return a.first == b.first || a.first == b.second || a.second == b.first || a.second == b.second;
}

// A depth-first search for an order of `pairs` with at most `budget` back-to-back matches. At
// each step it tries first the matches that rest both members, and among them those whose
// members have played least, so that everyone plays about as often as everyone else; then
// the pairs' own order.
class OrderSearch {
public:
    OrderSearch(std::vector<PoolMatch> pairs, int members)
        : m_pairs(std::move(pairs)), m_used(m_pairs.size(), false), m_played(size_t(members), 0) {}

    bool find(int budget) {
        m_order.clear();
        std::fill(m_used.begin(), m_used.end(), false);
        std::fill(m_played.begin(), m_played.end(), 0);
        return extend(budget);
    }
    const std::vector<PoolMatch>& order() const { return m_order; }

private:
    bool extend(int budget) {
        if (m_order.size() == m_pairs.size()) return true;
        struct Candidate {
            bool backToBack;
            int mostPlayed;
            int played;
            size_t at;
            bool operator<(const Candidate& o) const {
                return std::tie(backToBack, mostPlayed, played, at) <
                       std::tie(o.backToBack, o.mostPlayed, o.played, o.at);
            }
        };
        std::vector<Candidate> candidates;
        for (size_t at = 0; at < m_pairs.size(); ++at) {
            if (m_used[at]) continue;
            const PoolMatch& match = m_pairs[at];
            const bool backToBack = !m_order.empty() && sharesMember(m_order.back(), match);
            if (backToBack && budget == 0) continue;
            const int a = m_played[size_t(match.first)];
            const int b = m_played[size_t(match.second)];
            candidates.push_back({backToBack, std::max(a, b), a + b, at});
        }
        std::sort(candidates.begin(), candidates.end());
        for (const Candidate& candidate : candidates) {
            take(candidate.at, true);
            if (extend(budget - (candidate.backToBack ? 1 : 0))) return true;
            take(candidate.at, false);
        }
        return false;
    }
    void take(size_t at, bool taken) {
        const PoolMatch& match = m_pairs[at];
        const int step = taken ? 1 : -1;
        m_used[at] = taken;
        m_played[size_t(match.first)] += step;
        m_played[size_t(match.second)] += step;
        if (taken) {
            m_order.push_back(match);
        } else {
            m_order.pop_back();
        }
    }

    std::vector<PoolMatch> m_pairs;
    std::vector<bool> m_used;
    std::vector<int> m_played;
    std::vector<PoolMatch> m_order;
};

std::vector<PoolMatch> searchedOrder(int members) {
    std::vector<PoolMatch> pairs;
    for (int first = 0; first < members; ++first) {
        for (int second = first + 1; second < members; ++second) {
            PoolMatch match;
            match.first = first;
            match.second = second;
            pairs.push_back(match);
        }
    }
    OrderSearch search(std::move(pairs), members);
    // The fewest back-to-back matches first: none is possible from 5 members on.
    for (int budget = 0;; ++budget) {
        if (search.find(budget)) return search.order();
    }
}

}  // namespace

std::vector<PoolMatch> orderOfPlay(int members) {
    if (members < kMinPoolSize || members > kMaxPoolSize) return {};
    // Searched once for each size: the search is quick, but a repaint need not repeat it.
    static std::array<std::vector<PoolMatch>, kMaxPoolSize + 1> orders;
    static std::once_flag searched;
    std::call_once(searched, [] {
        for (int size = kMinPoolSize; size <= kMaxPoolSize; ++size) {
            orders[size_t(size)] = searchedOrder(size);
        }
    });
    return orders[size_t(members)];
}

int backToBackMatches(const std::vector<PoolMatch>& matches) {
    int count = 0;
    for (size_t at = 1; at < matches.size(); ++at) {
        if (sharesMember(matches[at - 1], matches[at])) ++count;
    }
    return count;
}

}  // namespace kaz
