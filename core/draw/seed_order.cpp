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

int smallestDrawSize(int entrants) {
    for (int size = 4; size <= kMaxMembers; size *= 2) {
        if (entrants <= size) return size;
    }
    return 0;
}

bool isDrawSizeAllowed(int entrants, int size) {
    return isValidMemberCount(size) && entrants <= size && size <= 2 * entrants;
}

}  // namespace kaz
