#include "draw/seed_order.h"

#include "bracket/bracket_shape.h"

namespace kaz {

std::vector<int> standardSeedOrder(int positions) {
    std::vector<int> order = {1, 2};
    for (int n = 2; n < positions; n *= 2) {
        std::vector<int> doubled;
        doubled.reserve(order.size() * 2);
        for (const int x : order) {
            doubled.push_back(x);
            doubled.push_back(2 * n + 1 - x);
        }
        order.swap(doubled);
    }
    return order;
}

namespace {

// `places` (ascending, one in each block of equal size) in an order drawn by lot in which
// every run from the start is spread as evenly as can be over the halves, quarters, …: the
// two halves' own such orders, interleaved, the half to start drawn by lot.
std::vector<int> spreadOrder(const std::vector<int>& places, DrawRandom& lot) {
    if (places.size() < 2) return places;
    const auto middle = places.begin() + std::ptrdiff_t(places.size() / 2);
    std::vector<int> first = spreadOrder(std::vector<int>(places.begin(), middle), lot);
    std::vector<int> second = spreadOrder(std::vector<int>(middle, places.end()), lot);
    if (lot.below(2) == 1) first.swap(second);
    std::vector<int> order;
    for (size_t i = 0; i < first.size(); ++i) {
        order.push_back(first[i]);
        order.push_back(second[i]);
    }
    return order;
}

}  // namespace

std::vector<int> sheetSeedOrder(int positions, int entrants, DrawRandom* lot) {
    std::vector<int> seedAt(static_cast<size_t>(positions), 0);
    seedAt[0] = 1;
    seedAt[size_t(positions - 1)] = 2;
    // Seeds 1 … placed stand at an end of one block of `block` positions each; the next group,
    // placed + 1 … 2 * placed, takes one place in each of those blocks.
    for (int placed = 2; placed < positions; placed *= 2) {
        const int block = positions / placed;
        std::vector<int> places;  // ascending, one per block
        std::vector<int> beside;  // the seed that would take each place in the standard order
        for (int start = 0; start < positions; start += block) {
            const bool atStart = seedAt[size_t(start)] != 0;
            const int earlier = seedAt[size_t(atStart ? start : start + block - 1)];
            // Seeds 3 and 4 stand on the side of 1 and 2 in the other quarter of their half;
            // the later ones at the other end of the block.
            const int place = placed == 2 ? (atStart ? start + block / 2 : start + block / 2 - 1)
                                          : (atStart ? start + block - 1 : start);
            places.push_back(place);
            beside.push_back(2 * placed + 1 - earlier);
        }
        if (!lot) {
            for (size_t i = 0; i < places.size(); ++i) seedAt[size_t(places[i])] = beside[i];
        } else if (block > 2) {
            const std::vector<int> order = spreadOrder(places, *lot);
            for (size_t i = 0; i < order.size(); ++i)
                seedAt[size_t(order[i])] = placed + 1 + int(i);
        } else {
            // The last group: the byes beside seeds 1, 2, …; the others by lot.
            std::vector<int> drawn;
            std::vector<int> free;
            for (size_t i = 0; i < places.size(); ++i) {
                if (beside[i] > entrants) {
                    seedAt[size_t(places[i])] = beside[i];
                } else {
                    drawn.push_back(beside[i]);
                    free.push_back(places[i]);
                }
            }
            lot->shuffle(drawn);
            for (size_t i = 0; i < free.size(); ++i) seedAt[size_t(free[i])] = drawn[i];
        }
    }
    return seedAt;
}

int smallestDrawSize(int entrants) {
    for (int size = 4; size <= kMaxMembers; size *= 2) {
        if (entrants <= size) return size;
    }
    return 0;
}

int largestDrawSize(int entrants) {
    for (int size = kMaxMembers; size >= 4; size /= 2) {
        if (isDrawSizeAllowed(entrants, size)) return size;
    }
    return 0;
}

bool isDrawSizeAllowed(int entrants, int size) {
    return isValidMemberCount(size) && entrants <= size && size <= 2 * entrants;
}

}  // namespace kaz
