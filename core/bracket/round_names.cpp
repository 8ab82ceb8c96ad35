#include "bracket/round_names.h"

#include "bracket/bracket_shape.h"

namespace kaz {

std::string matchRoundName(int members, int round) {
    // The last round holds the champion's line alone; the final is the round before it.
    const int finalRound = roundsForMembers(members) - 1;
    if (round == finalRound) return "決勝";
    if (round == finalRound - 1) return "準決勝";
    return std::to_string(round) + "回戦";
}

}  // namespace kaz
