#include "bracket/round_names.h"

namespace kaz {

std::string matchRoundName(int members, int round) {
    int finalRound = 0;
    while ((1 << finalRound) < members) ++finalRound;
    if (round == finalRound) return "決勝";
    if (round == finalRound - 1) return "準決勝";
    return std::to_string(round) + "回戦";
}

}  // namespace kaz
