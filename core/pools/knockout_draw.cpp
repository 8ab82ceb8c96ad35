#include "pools/knockout_draw.h"

#include <algorithm>
#include <map>
#include <numeric>

#include "bracket/line_rules.h"
#include "draw/club_spread.h"
#include "draw/seed_order.h"
#include "pools/knockout_fill.h"

namespace kaz {
namespace {

int qualifierCount(const PoolStage& stage) {
    return int(stage.pools.size()) * std::clamp(stage.rules.through, 1, 2);
}

// The club a slot will surely bring, as a name: its qualifier's once the pool is decided, the
// pool's while every member shares one; empty where it is not known.
std::string surelyClubOf(const PoolStage& stage, int pool, int place) {
    const Pool& p = stage.pools[size_t(pool)];
    const int member = poolQualifier(stage, pool, place);
    if (member >= 0) return p.members[size_t(member)].club;
    if (p.members.empty()) return std::string();
    const std::string& first = p.members.front().club;
    for (const PoolMember& m : p.members) {
        if (m.club != first) return std::string();
    }
    return first;
}

// Augmenting-path matching of runners-up to places, each runner-up only to the places
// `allowed` gives it; `fixed` (runner-up → place, -1 free) holds places already chosen.
class PlaceMatching {
public:
    PlaceMatching(const std::vector<std::vector<bool>>& allowed) : m_allowed(allowed) {}

    // True when every runner-up not in `fixed` can have a place not taken in `fixed`.
    bool completes(const std::vector<int>& fixed) {
        const size_t places = m_allowed.empty() ? 0 : m_allowed.front().size();
        m_holder.assign(places, -1);
        std::vector<bool> taken(places, false);
        for (int place : fixed) {
            if (place >= 0) taken[size_t(place)] = true;
        }
        for (size_t r = 0; r < m_allowed.size(); ++r) {
            if (fixed[r] >= 0) continue;
            m_seen.assign(places, false);
            if (!augment(int(r), taken)) return false;
        }
        return true;
    }

private:
    bool augment(int runner, const std::vector<bool>& taken) {
        for (size_t p = 0; p < m_holder.size(); ++p) {
            if (!m_allowed[size_t(runner)][p] || taken[p] || m_seen[p]) continue;
            m_seen[p] = true;
            if (m_holder[p] < 0 || augment(m_holder[p], taken)) {
                m_holder[p] = runner;
                return true;
            }
        }
        return false;
    }

    const std::vector<std::vector<bool>>& m_allowed;
    std::vector<int> m_holder;
    std::vector<bool> m_seen;
};

// Counts of the pools whose winner and runner-up can first meet in each round.
MeetingCounts poolMeetings(const std::vector<int>& winnerAt, const std::vector<int>& runnerAt) {
    MeetingCounts counts{};
    for (size_t pool = 0; pool < winnerAt.size(); ++pool) {
        ++counts[size_t(meetingRound(winnerAt[pool], runnerAt[pool]))];
    }
    return counts;
}

// Smaller is better: fewer pools meeting early, then (with the lot) fewer clubs.
struct Placement {
    MeetingCounts pools{};
    MeetingCounts clubs{};
    bool betterThan(const Placement& o, bool withClubs) const {
        if (fewerEarlyMeetings(pools, o.pools)) return true;
        if (fewerEarlyMeetings(o.pools, pools)) return false;
        return withClubs && fewerEarlyMeetings(clubs, o.clubs);
    }
};

}  // namespace

int knockoutSize(const PoolStage& stage) {
    const int qualifiers = qualifierCount(stage);
    return qualifiers < 2 ? 0 : smallestDrawSize(qualifiers);
}

std::optional<KnockoutDraw> drawKnockout(const PoolStage& stage, const KnockoutOptions& options) {
    const int size = knockoutSize(stage);
    if (size == 0) return std::nullopt;
    const int pools = int(stage.pools.size());
    const int qualifiers = qualifierCount(stage);
    const std::vector<int> seedAt = sheetSeedOrder(size, qualifiers, nullptr);
    std::vector<int> positionOfSeed(size_t(size) + 1);
    for (int p = 0; p < size; ++p) positionOfSeed[size_t(seedAt[size_t(p)])] = p;

    KnockoutDraw draw;
    draw.placeAt.assign(size_t(size), KnockoutPlace());
    std::vector<int> winnerAt(static_cast<size_t>(pools));
    for (int pool = 0; pool < pools; ++pool) {
        winnerAt[size_t(pool)] = positionOfSeed[size_t(pool) + 1];
        draw.placeAt[size_t(winnerAt[size_t(pool)])] = {pool, 1};
    }
    if (qualifiers == pools) return draw;

    // The runners-up's places: seeds pools + 1 … qualifiers.
    std::vector<int> places;
    for (int seed = pools + 1; seed <= qualifiers; ++seed) {
        places.push_back(positionOfSeed[size_t(seed)]);
    }
    // The latest round in which every pool's two can still be kept from meeting earlier.
    std::vector<std::vector<bool>> allowed(size_t(pools), std::vector<bool>(places.size()));
    int rounds = 1;
    while ((1 << rounds) < size) ++rounds;
    for (int round = rounds; round >= 1; --round) {
        for (int r = 0; r < pools; ++r) {
            for (size_t p = 0; p < places.size(); ++p) {
                allowed[size_t(r)][p] = meetingRound(winnerAt[size_t(r)], places[p]) >= round;
            }
        }
        PlaceMatching matching(allowed);
        if (matching.completes(std::vector<int>(size_t(pools), -1))) break;
    }

    // Each runner-up in turn takes the first place it may have that leaves the others theirs:
    // in pool order and seed order, or both shuffled by the lot.
    DrawRandom random(options.drawNumber);
    std::vector<int> runners(static_cast<size_t>(pools));
    std::iota(runners.begin(), runners.end(), 0);
    std::vector<size_t> tried(places.size());
    std::iota(tried.begin(), tried.end(), size_t(0));
    if (options.runnersUpByLot) {
        random.shuffle(runners);
        random.shuffle(tried);
        draw.drawNumber = options.drawNumber;
    }
    PlaceMatching matching(allowed);
    std::vector<int> placeOf(size_t(pools), -1);
    for (int runner : runners) {
        for (size_t p : tried) {
            const bool free = std::find(placeOf.begin(), placeOf.end(), int(p)) == placeOf.end();
            if (!free || !allowed[size_t(runner)][p]) continue;
            placeOf[size_t(runner)] = int(p);
            if (matching.completes(placeOf)) break;
            placeOf[size_t(runner)] = -1;
        }
    }

    // Then two runners-up change places wherever that keeps both allowed and brings fewer pools
    // (and, by lot, clubs) together early, until no exchange does.
    std::map<std::string, int> clubNumbers;
    const auto clubNumber = [&clubNumbers](const std::string& club) {
        if (club.empty()) return kNoClub;
        return clubNumbers.emplace(club, int(clubNumbers.size())).first->second;
    };
    std::vector<int> clubAt(size_t(size), kNoClub);
    for (int pool = 0; pool < pools; ++pool) {
        clubAt[size_t(winnerAt[size_t(pool)])] = clubNumber(surelyClubOf(stage, pool, 1));
    }
    std::vector<int> runnerClub(static_cast<size_t>(pools));
    for (int pool = 0; pool < pools; ++pool) {
        runnerClub[size_t(pool)] = clubNumber(surelyClubOf(stage, pool, 2));
    }
    const auto placementOf = [&](const std::vector<int>& placeOfRunner) {
        std::vector<int> runnerAt(static_cast<size_t>(pools));
        std::vector<int> clubs = clubAt;
        for (int r = 0; r < pools; ++r) {
            runnerAt[size_t(r)] = places[size_t(placeOfRunner[size_t(r)])];
            clubs[size_t(runnerAt[size_t(r)])] = runnerClub[size_t(r)];
        }
        return Placement{poolMeetings(winnerAt, runnerAt), clubMeetings(clubs)};
    };
    Placement current = placementOf(placeOf);
    for (bool improved = true; improved;) {
        improved = false;
        for (int a = 0; a < pools; ++a) {
            for (int b = a + 1; b < pools; ++b) {
                const int pa = placeOf[size_t(a)];
                const int pb = placeOf[size_t(b)];
                if (!allowed[size_t(a)][size_t(pb)] || !allowed[size_t(b)][size_t(pa)]) continue;
                std::swap(placeOf[size_t(a)], placeOf[size_t(b)]);
                const Placement swapped = placementOf(placeOf);
                if (swapped.betterThan(current, options.runnersUpByLot)) {
                    current = swapped;
                    improved = true;
                } else {
                    std::swap(placeOf[size_t(a)], placeOf[size_t(b)]);
                }
            }
        }
    }
    for (int pool = 0; pool < pools; ++pool) {
        draw.placeAt[size_t(places[size_t(placeOf[size_t(pool)])])] = {pool, 2};
    }
    return draw;
}

Bracket makeKnockout(const PoolStage& stage, const KnockoutDraw& draw,
                     const std::string& poolFile) {
    const int size = int(draw.placeAt.size());
    Bracket bracket(size);
    SheetInfo sheet;
    sheet.title = stage.title;
    sheet.subtitle = stage.subtitle;
    sheet.language = stage.language;
    sheet.drawNumber = draw.drawNumber;
    sheet.poolFile = poolFile;
    for (int p = 0; p < size; ++p) {
        const KnockoutPlace& place = draw.placeAt[size_t(p)];
        if (place.isBye()) {
            bracket.setBye(p, true);
            continue;
        }
        const std::string& poolName = stage.pools[size_t(place.pool)].name;
        bracket.setMemberName(p, poolSlotPlaceholder(poolName, place.place, stage.language));
        MemberMarks marks;
        marks.fromPool = {place.pool, place.place, poolName, false};
        bracket.setMemberMarks(p, std::move(marks));
    }
    bracket.setSheet(std::move(sheet));
    // A first-round line's index is its position; a bye's opponent wins by a left click.
    for (int p = 0; p < size; ++p) {
        if (draw.placeAt[size_t(p)].isBye()) leftClickLine(bracket, p ^ 1);
    }
    knockoutFill(bracket, stage).change.redo(bracket);
    return bracket;
}

}  // namespace kaz
