#include "pools/pool_stage.h"

namespace kaz {

int poolMatchNumber(const PoolStage& stage, int pool, int match) {
    int number = 1 + match;
    for (int before = 0; before < pool; ++before) {
        number += int(stage.pools[size_t(before)].matches.size());
    }
    return number;
}

}  // namespace kaz
