#include "bracket/round_names.h"

#include "bracket/bracket.h"
#include "bracket/bracket_shape.h"
#include "bracket/sheet_words.h"

namespace kaz {
namespace {

enum class MatchRound { Numbered, QuarterFinal, SemiFinal, Final };

MatchRound matchRoundOf(int members, int round) {
    // The last round holds the champion's line alone; the final is the round before it.
    const int finalRound = roundsForMembers(members) - 1;
    if (round == finalRound) return MatchRound::Final;
    if (round == finalRound - 1) return MatchRound::SemiFinal;
    if (round == finalRound - 2) return MatchRound::QuarterFinal;
    return MatchRound::Numbered;
}

}  // namespace

Message matchRoundMessage(int members, int round) {
    switch (matchRoundOf(members, round)) {
        case MatchRound::Final: return Message(MessageId::FinalRound);
        case MatchRound::SemiFinal: return Message(MessageId::SemiFinalRound);
        case MatchRound::QuarterFinal: return Message(MessageId::QuarterFinalRound);
        case MatchRound::Numbered: break;
    }
    return Message(MessageId::RoundNumber, {round});
}

std::string matchRoundName(int members, int round) {
    return japaneseText(matchRoundMessage(members, round));
}

std::string defaultRoundName(int members, int round, SheetLanguage language) {
    if (round == roundsForMembers(members) - 1) return sheetWords(language).champion;
    // Round k's lines play the matches of match round k + 1.
    return messageText(matchRoundMessage(members, round + 1), languageOf(language));
}

std::string sheetRoundName(const Bracket& bracket, int round) {
    const SheetInfo& sheet = bracket.sheet();
    const std::string& stored = sheet.roundNames[size_t(round)];
    if (!stored.empty()) return stored;
    return defaultRoundName(bracket.memberCount(), round, sheet.language);
}

}  // namespace kaz
