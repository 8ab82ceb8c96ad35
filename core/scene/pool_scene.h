#pragma once

#include "bracket/text_measure.h"
#include "pools/pool_stage.h"
#include "scene/scene.h"

// The pictures of a pool stage, as scenes every output draws: each pool's table (星取表) with
// its standings, and its order of play (試合順) below it.

namespace kaz {

// Pool `pool`'s block, from (0, 0): its heading, the table, who stays level (同順位) and the order
// of play. Each result cell, both of a match's, and each line of the order of play is tagged
// with the match (SceneTag::Kind::PoolMatch, its number across the stage less one); of the two
// cells the one in the row of the match's first member comes first. Each member's name down the
// side is tagged as the member (SceneTag::Kind::PoolMember).
Scene buildPoolScene(const PoolStage& stage, int pool, const TextMetrics& metrics,
                     const SceneStyle& style);

// Every pool of the stage under its title and second line, two blocks a row where they are
// narrow enough.
Scene buildPoolStageScene(const PoolStage& stage, const TextMetrics& metrics,
                          const SceneStyle& style);

}  // namespace kaz
