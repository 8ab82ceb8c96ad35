#include "pools/pool_draw.h"

#include <algorithm>
#include <map>

#include "draw/club_spread.h"
#include "pools/order_of_play.h"
#include "text/document_text.h"

namespace kaz {
namespace {

// The pool that the `index`-th seed (from 0) goes to: across the pools, then back.
int snakePool(int index, int pools) {
    const int turn = index / pools;
    const int step = index % pools;
    return turn % 2 == 0 ? step : pools - 1 - step;
}

}  // namespace

std::vector<int> poolSizes(int entrants, const PoolDrawOptions& options) {
    if (entrants < kMinPoolEntrants || entrants > kMaxPoolEntrants) return {};
    int pools = options.pools;
    if (pools == 0) {
        if (options.poolSize < kMinPoolSize || options.poolSize > kMaxPoolSize) return {};
        pools = (entrants + options.poolSize - 1) / options.poolSize;
    }
    if (pools < 1 || pools > kMaxPools) return {};
    const int smallest = entrants / pools;
    const int larger = entrants % pools;  // pools one larger than the smallest
    if (smallest < kMinPoolSize || smallest + (larger > 0 ? 1 : 0) > kMaxPoolSize) return {};
    std::vector<int> sizes(size_t(pools), smallest);
    for (int p = 0; p < larger; ++p) ++sizes[size_t(p)];
    return sizes;
}

std::optional<PoolDraw> drawPools(const std::vector<Entrant>& entrants,
                                  const PoolDrawOptions& options) {
    const int count = int(entrants.size());
    const std::vector<int> sizes = poolSizes(count, options);
    if (sizes.empty() || (options.through != 1 && options.through != 2)) return std::nullopt;
    const int pools = int(sizes.size());

    std::vector<int> seeded;
    std::vector<int> others;
    for (int e = 0; e < count; ++e) (entrants[size_t(e)].seed > 0 ? seeded : others).push_back(e);
    std::stable_sort(seeded.begin(), seeded.end(), [&](int a, int b) {
        return entrants[size_t(a)].seed < entrants[size_t(b)].seed;
    });
    for (size_t i = 1; i < seeded.size(); ++i) {
        if (entrants[size_t(seeded[i])].seed == entrants[size_t(seeded[i - 1])].seed) {
            return std::nullopt;
        }
    }

    std::vector<std::vector<int>> members(static_cast<size_t>(pools));
    const auto room = [&](int pool) {
        return sizes[size_t(pool)] - int(members[size_t(pool)].size());
    };
    // Seeds in snake order; a turn that finds its pool full (the smaller pools, at the last
    // turns) goes on along the snake.
    int turn = 0;
    for (int e : seeded) {
        while (room(snakePool(turn, pools)) == 0) ++turn;
        members[size_t(snakePool(turn++, pools))].push_back(e);
    }

    DrawRandom random(options.drawNumber);
    random.shuffle(others);
    const std::vector<int> clubs = clubNumbers(entrants);
    if (options.keepClubsApart) {
        // The largest clubs first, while every pool still has room for them; the clubless last.
        std::map<int, int> clubSize;
        for (int e : others) ++clubSize[clubs[size_t(e)]];
        std::stable_sort(others.begin(), others.end(), [&](int a, int b) {
            const int ca = clubs[size_t(a)];
            const int cb = clubs[size_t(b)];
            const int sa = ca == kNoClub ? 0 : clubSize[ca];
            const int sb = cb == kNoClub ? 0 : clubSize[cb];
            return sa != sb ? sa > sb : ca < cb;
        });
    }
    for (int e : others) {
        const int club = clubs[size_t(e)];
        const auto clubCount = [&](int pool) {
            if (club == kNoClub || !options.keepClubsApart) return 0;
            const std::vector<int>& in = members[size_t(pool)];
            return int(std::count_if(in.begin(), in.end(),
                                     [&](int m) { return clubs[size_t(m)] == club; }));
        };
        std::vector<int> best;
        for (int pool = 0; pool < pools; ++pool) {
            if (room(pool) == 0) continue;
            if (!best.empty()) {
                const int a = clubCount(pool);
                const int b = clubCount(best.front());
                if (a > b || (a == b && room(pool) < room(best.front()))) continue;
                if (a < b || room(pool) > room(best.front())) best.clear();
            }
            best.push_back(pool);
        }
        members[size_t(best[random.below(uint32_t(best.size()))])].push_back(e);
    }

    PoolDraw draw;
    draw.stage.language = options.language;
    draw.stage.drawNumber = options.drawNumber;
    draw.stage.rules.through = options.through;
    draw.entrantsOf = members;
    for (int p = 0; p < pools; ++p) {
        Pool pool;
        pool.name = defaultPoolName(p);
        for (int e : members[size_t(p)]) {
            const Entrant& entrant = entrants[size_t(e)];
            pool.members.push_back({entrant.name, entrant.club, entrant.seed, Withdrawal::None});
        }
        pool.matches = orderOfPlay(int(pool.members.size()));
        draw.stage.pools.push_back(std::move(pool));
        const std::vector<int>& in = members[size_t(p)];
        for (size_t a = 0; a < in.size(); ++a) {
            for (size_t b = a + 1; b < in.size(); ++b) {
                const int club = clubs[size_t(in[a])];
                if (club != kNoClub && club == clubs[size_t(in[b])]) {
                    draw.clubPairs.push_back({p, std::min(in[a], in[b]), std::max(in[a], in[b])});
                }
            }
        }
    }
    return draw;
}

int unavoidableClubPairs(int members, int pools) {
    if (pools <= 0) return 0;
    const int each = members / pools;
    const int larger = members % pools;
    const auto pairs = [](int n) { return n * (n - 1) / 2; };
    return larger * pairs(each + 1) + (pools - larger) * pairs(each);
}

std::vector<Message> unavoidablePoolPairTexts(const std::vector<Entrant>& entrants, int pools) {
    std::vector<Message> texts;
    for (const ClubCount& club : clubCounts(entrants)) {
        const int forced = unavoidableClubPairs(club.members, pools);
        if (forced == 0) continue;
        texts.push_back(Message(MessageId::UnavoidablePoolPairs,
                                {MessageValue::name(shownText(*club.name)), club.members, forced}));
    }
    return texts;
}

std::string defaultPoolName(int index) {
    std::string name;
    for (int rest = index + 1; rest > 0; rest = (rest - 1) / 26) {
        name.insert(name.begin(), char('A' + (rest - 1) % 26));
    }
    return name;
}

}  // namespace kaz
