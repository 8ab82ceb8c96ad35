#include "pools/pool_stage.h"

namespace kaz {

int poolMatchNumber(const PoolStage& stage, int pool, int match) {
    int number = 1 + match;
    for (int before = 0; before < pool; ++before) {
        number += int(stage.pools[size_t(before)].matches.size());
    }
    return number;
}

std::optional<PoolMatchPlace> poolMatchOfNumber(const PoolStage& stage, int number) {
    int first = 1;
    for (int pool = 0; pool < int(stage.pools.size()); ++pool) {
        const int count = int(stage.pools[size_t(pool)].matches.size());
        if (number >= first && number < first + count) return PoolMatchPlace{pool, number - first};
        first += count;
    }
    return std::nullopt;
}

}  // namespace kaz
