#include "bracket/round_names.h"

#include "bracket/bracket.h"
#include "bracket/bracket_shape.h"

namespace kaz {

const char kChampionColumnName[] = "優勝";

Message matchRoundMessage(int members, int round) {
    // The last round holds the champion's line alone; the final is the round before it.
    const int finalRound = roundsForMembers(members) - 1;
    if (round == finalRound) return Message(MessageId::FinalRound);
    if (round == finalRound - 1) return Message(MessageId::SemiFinalRound);
    if (round == finalRound - 2) return Message(MessageId::QuarterFinalRound);
    return Message(MessageId::RoundNumber, {round});
}

std::string matchRoundName(int members, int round) {
    return japaneseText(matchRoundMessage(members, round));
}

std::string defaultRoundName(int members, int round) {
    const int championRound = roundsForMembers(members) - 1;
    if (round == championRound) return kChampionColumnName;
    // Round k's lines play the matches of match round k + 1.
    return matchRoundName(members, round + 1);
}

std::string sheetRoundName(const Bracket& bracket, int round) {
    const std::string& stored = bracket.sheet().roundNames[size_t(round)];
    if (!stored.empty()) return stored;
    return defaultRoundName(bracket.memberCount(), round);
}

}  // namespace kaz
