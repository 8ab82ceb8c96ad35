#include "bracket/round_names.h"

#include "bracket/bracket_shape.h"
#include "text/messages.h"

namespace kaz {

std::string matchRoundName(int members, int round) {
    // The last round holds the champion's line alone; the final is the round before it.
    const int finalRound = roundsForMembers(members) - 1;
    if (round == finalRound) return kFinalRoundName;
    if (round == finalRound - 1) return kSemiFinalRoundName;
    return fillIn(kRoundNumberName, {std::to_string(round)});
}

}  // namespace kaz
