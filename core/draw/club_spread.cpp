#include "draw/club_spread.h"

#include <algorithm>
#include <map>
#include <string>

namespace kaz {
namespace {

// Up to this many free positions every placement is tried (8! = 40320 at most).
constexpr size_t kTryAllLimit = 8;

// A bound on the exchange passes; each pass that exchanges lowers the meetings, so it is
// never reached in practice.
constexpr int kMaxExchangePasses = 64;

// The lot works on labels: the clubs that have at least two entrants, numbered 0, 1, …, and
// kNoClub for everyone else, who can meet anyone.
struct Labels {
    std::vector<int> fixedAt;  // per position: the label of the entrant fixed there
    std::vector<int> free;     // per entrant to place: its label
    int count = 0;             // labels other than kNoClub
};

Labels labelsOf(const std::vector<int>& clubAt, const std::vector<int>& freeClubs) {
    std::vector<int> members;
    const auto note = [&members](int club) {
        if (club == kNoClub) return;
        if (size_t(club) >= members.size()) members.resize(size_t(club) + 1);
        ++members[size_t(club)];
    };
    for (const int club : clubAt) note(club);
    for (const int club : freeClubs) note(club);

    Labels labels;
    std::vector<int> labelOf(members.size(), kNoClub);
    for (size_t club = 0; club < members.size(); ++club) {
        if (members[club] >= 2) labelOf[club] = labels.count++;
    }
    const auto label = [&labelOf](int club) { return club == kNoClub ? kNoClub : labelOf[club]; };
    for (const int club : clubAt) labels.fixedAt.push_back(label(club));
    for (const int club : freeClubs) labels.free.push_back(label(club));
    return labels;
}

// Every placement of the free labels (each distinct arrangement once); the best by
// fewerEarlyMeetings, drawn by lot among equals. Returns the label of each free position.
std::vector<int> bestOfAll(const Labels& labels, const std::vector<int>& freePositions,
                           DrawRandom& random) {
    const int positions = static_cast<int>(labels.fixedAt.size());
    const size_t slots = freePositions.size();

    // What each label brings in each free position against the fixed entrants.
    std::vector<MeetingCounts> againstFixed(slots * size_t(labels.count + 1), MeetingCounts{});
    for (size_t slot = 0; slot < slots; ++slot) {
        for (int p = 0; p < positions; ++p) {
            const int label = labels.fixedAt[size_t(p)];
            if (label == kNoClub || p == freePositions[slot]) continue;
            ++againstFixed[slot * size_t(labels.count + 1) + size_t(label)]
                          [size_t(meetingRound(freePositions[slot], p))];
        }
    }
    std::vector<int> freeRound(slots * slots);
    for (size_t i = 0; i < slots; ++i) {
        for (size_t j = i + 1; j < slots; ++j) {
            freeRound[i * slots + j] = meetingRound(freePositions[i], freePositions[j]);
        }
    }

    std::vector<int> arrangement = labels.free;
    std::sort(arrangement.begin(), arrangement.end());
    std::vector<int> best = arrangement;
    MeetingCounts bestMeetings{};
    uint32_t ties = 0;
    do {
        MeetingCounts meetings{};
        for (size_t i = 0; i < slots; ++i) {
            const int label = arrangement[i];
            if (label == kNoClub) continue;
            const MeetingCounts& fixed = againstFixed[i * size_t(labels.count + 1) + size_t(label)];
            for (size_t r = 1; r < meetings.size(); ++r) meetings[r] += fixed[r];
            for (size_t j = i + 1; j < slots; ++j) {
                if (arrangement[j] == label) ++meetings[size_t(freeRound[i * slots + j])];
            }
        }
        if (ties == 0 || fewerEarlyMeetings(meetings, bestMeetings)) {
            best = arrangement;
            bestMeetings = meetings;
            ties = 1;
        } else if (meetings == bestMeetings && random.below(++ties) == 0) {
            best = arrangement;
        }
    } while (std::next_permutation(arrangement.begin(), arrangement.end()));
    return best;
}

// Fills the free positions of the block [first, first + size) with `counts[l]` entrants of
// each label l (the last element for kNoClub), halving the block each time as evenly as the
// entrants already fixed in each half allow. `labelAt` holds the fixed labels and receives
// the placed ones.
void fillEvenly(const std::vector<bool>& isFree, int first, int size,
                const std::vector<int>& counts, std::vector<int>& labelAt, DrawRandom& random) {
    const size_t none = counts.size() - 1;
    if (size == 1) {
        if (!isFree[size_t(first)]) return;
        for (size_t l = 0; l < counts.size(); ++l) {
            if (counts[l] > 0) labelAt[size_t(first)] = l == none ? kNoClub : int(l);
        }
        return;
    }
    const int half = size / 2;
    int upperFree = 0;
    std::vector<int> upperFixed(counts.size()), lowerFixed(counts.size());
    for (int p = first; p < first + size; ++p) {
        const bool upper = p < first + half;
        if (isFree[size_t(p)]) {
            upperFree += upper ? 1 : 0;
        } else if (labelAt[size_t(p)] != kNoClub) {
            ++(upper ? upperFixed : lowerFixed)[size_t(labelAt[size_t(p)])];
        }
    }

    // Pairs of label l within the halves fall as long as each entrant goes where fewer of
    // its club stand; the increase from putting one more into the upper half is
    // (upper + x) - (lower + rest - 1), and taking the smallest increase each time is best
    // for a sum of such convex costs. Entrants without a club cost nothing anywhere.
    std::vector<int> upperCounts(counts.size());
    for (int step = 0; step < upperFree; ++step) {
        const auto increase = [&](size_t l) {
            if (l == none) return 0;
            const int x = upperCounts[l];
            return (upperFixed[l] + x) - (lowerFixed[l] + counts[l] - x - 1);
        };
        int smallest = 0;
        bool any = false;
        for (size_t l = 0; l < counts.size(); ++l) {
            if (upperCounts[l] == counts[l]) continue;
            if (!any || increase(l) < smallest) smallest = increase(l);
            any = true;
        }
        // Among equals, each entrant that could go up is equally likely.
        size_t chosen = 0;
        uint32_t weights = 0;
        for (size_t l = 0; l < counts.size(); ++l) {
            if (upperCounts[l] == counts[l] || increase(l) != smallest) continue;
            const uint32_t weight = l == none ? uint32_t(counts[l] - upperCounts[l]) : 1;
            weights += weight;
            if (random.below(weights) < weight) chosen = l;
        }
        ++upperCounts[chosen];
    }
    std::vector<int> lowerCounts(counts.size());
    for (size_t l = 0; l < counts.size(); ++l) lowerCounts[l] = counts[l] - upperCounts[l];
    fillEvenly(isFree, first, half, upperCounts, labelAt, random);
    fillEvenly(isFree, first + half, half, lowerCounts, labelAt, random);
}

// How the meetings change when the entrants at positions a and b (of different labels)
// change places.
MeetingCounts exchangeChange(const std::vector<int>& labelAt, int a, int b) {
    MeetingCounts change{};
    const int la = labelAt[size_t(a)];
    const int lb = labelAt[size_t(b)];
    for (int p = 0; p < int(labelAt.size()); ++p) {
        if (p == a || p == b || labelAt[size_t(p)] == kNoClub) continue;
        if (labelAt[size_t(p)] == la) {
            --change[size_t(meetingRound(a, p))];
            ++change[size_t(meetingRound(b, p))];
        } else if (labelAt[size_t(p)] == lb) {
            --change[size_t(meetingRound(b, p))];
            ++change[size_t(meetingRound(a, p))];
        }
    }
    return change;
}

void exchangeWhileBetter(const std::vector<int>& freePositions, std::vector<int>& labelAt) {
    for (int pass = 0; pass < kMaxExchangePasses; ++pass) {
        bool exchanged = false;
        for (size_t i = 0; i < freePositions.size(); ++i) {
            for (size_t j = i + 1; j < freePositions.size(); ++j) {
                const int a = freePositions[i];
                const int b = freePositions[j];
                if (labelAt[size_t(a)] == labelAt[size_t(b)]) continue;
                if (fewerEarlyMeetings(exchangeChange(labelAt, a, b), MeetingCounts{})) {
                    std::swap(labelAt[size_t(a)], labelAt[size_t(b)]);
                    exchanged = true;
                }
            }
        }
        if (!exchanged) return;
    }
}

}  // namespace

int meetingRound(int a, int b) {
    int round = 0;
    for (unsigned differ = unsigned(a ^ b); differ != 0; differ >>= 1) ++round;
    return round;
}

MeetingCounts clubMeetings(const std::vector<int>& clubAt) {
    MeetingCounts meetings{};
    for (size_t a = 0; a < clubAt.size(); ++a) {
        if (clubAt[a] == kNoClub) continue;
        for (size_t b = a + 1; b < clubAt.size(); ++b) {
            if (clubAt[b] == clubAt[a]) ++meetings[size_t(meetingRound(int(a), int(b)))];
        }
    }
    return meetings;
}

MeetingCounts unavoidableMeetings(int members, int positions) {
    // Pairs within blocks of 2^r positions when the members are spread as evenly as can be.
    const auto pairsWithin = [members, positions](int r) {
        const int blocks = positions >> r;
        const int fuller = members % blocks;  // blocks holding one member more
        const int each = members / blocks;
        return fuller * (each + 1) * each / 2 + (blocks - fuller) * each * (each - 1) / 2;
    };
    MeetingCounts meetings{};
    if (members < 2 || members > positions) return meetings;
    for (size_t r = 1; r < meetings.size() && (1 << r) <= positions; ++r) {
        meetings[r] = pairsWithin(int(r)) - pairsWithin(int(r) - 1);
    }
    return meetings;
}

bool fewerEarlyMeetings(const MeetingCounts& a, const MeetingCounts& b) {
    return std::lexicographical_compare(a.begin() + 1, a.end(), b.begin() + 1, b.end());
}

std::vector<int> spreadClubs(const std::vector<int>& clubAt, const std::vector<int>& freePositions,
                             const std::vector<int>& freeClubs, DrawRandom& random) {
    const Labels labels = labelsOf(clubAt, freeClubs);
    std::vector<int> labelAt = labels.fixedAt;
    if (freePositions.size() <= kTryAllLimit) {
        const std::vector<int> best = bestOfAll(labels, freePositions, random);
        for (size_t slot = 0; slot < freePositions.size(); ++slot) {
            labelAt[size_t(freePositions[slot])] = best[slot];
        }
    } else {
        std::vector<bool> isFree(clubAt.size(), false);
        for (const int p : freePositions) isFree[size_t(p)] = true;
        std::vector<int> counts(size_t(labels.count) + 1);
        for (const int label : labels.free) {
            ++counts[label == kNoClub ? size_t(labels.count) : size_t(label)];
        }
        fillEvenly(isFree, 0, int(clubAt.size()), counts, labelAt, random);
        exchangeWhileBetter(freePositions, labelAt);
    }

    // Which entrant of a label takes which of its positions is drawn by lot.
    std::vector<std::vector<size_t>> byLabel(size_t(labels.count) + 1);
    for (size_t e = 0; e < labels.free.size(); ++e) {
        const int label = labels.free[e];
        byLabel[label == kNoClub ? size_t(labels.count) : size_t(label)].push_back(e);
    }
    for (std::vector<size_t>& entrants : byLabel) random.shuffle(entrants);
    std::vector<int> positionOf(freeClubs.size(), -1);
    for (const int p : freePositions) {
        const int label = labelAt[size_t(p)];
        std::vector<size_t>& entrants =
            byLabel[label == kNoClub ? size_t(labels.count) : size_t(label)];
        positionOf[entrants.back()] = p;
        entrants.pop_back();
    }
    return positionOf;
}

std::vector<int> clubNumbers(const std::vector<Entrant>& entrants) {
    std::map<std::string, int> numbers;
    std::vector<int> clubs;
    for (const Entrant& entrant : entrants) {
        if (entrant.club.empty()) {
            clubs.push_back(kNoClub);
        } else {
            clubs.push_back(numbers.emplace(entrant.club, int(numbers.size())).first->second);
        }
    }
    return clubs;
}

std::vector<ClubCount> clubCounts(const std::vector<Entrant>& entrants) {
    const std::vector<int> clubs = clubNumbers(entrants);
    std::vector<ClubCount> counts;
    for (size_t e = 0; e < entrants.size(); ++e) {
        const int club = clubs[e];
        if (club == kNoClub) continue;
        if (size_t(club) >= counts.size()) counts.push_back({&entrants[e].club, 0});
        ++counts[size_t(club)].members;
    }
    return counts;
}

}  // namespace kaz
