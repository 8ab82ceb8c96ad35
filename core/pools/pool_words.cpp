#include "pools/pool_words.h"

#include "text/messages.h"

namespace kaz {
namespace {

PoolWords wordsOf(SheetLanguage sheetLanguage) {
    const Language language = languageOf(sheetLanguage);
    const auto word = [language](MessageId id) { return messageTemplate(id, language); };
    return PoolWords{
        word(MessageId::PoolStageName), word(MessageId::PoolWins),
        word(MessageId::PoolLosses),    word(MessageId::PoolDraws),
        word(MessageId::PoolPoints),    word(MessageId::PoolDifference),
        word(MessageId::PoolRank),      word(MessageId::PoolOrderOfPlay),
        word(MessageId::PoolTied),      word(MessageId::PoolWithdrawn),
        word(MessageId::PoolWalkover),  word(MessageId::PoolKnockout),
    };
}

}  // namespace

const PoolWords& poolWords(SheetLanguage language) {
    static const PoolWords japanese = wordsOf(SheetLanguage::Japanese);
    static const PoolWords english = wordsOf(SheetLanguage::English);
    return language == SheetLanguage::English ? english : japanese;
}

std::string poolTitle(SheetLanguage language, const std::string& name) {
    return messageText(Message(MessageId::PoolName, {name}), languageOf(language));
}

const char* resultMark(ResultMarks marks, MatchOutcome outcome, bool firstSide) {
    switch (outcome) {
        case MatchOutcome::Unplayed: return "";
        case MatchOutcome::Draw: return "△";
        case MatchOutcome::FirstWins:
        case MatchOutcome::SecondWins: break;
    }
    const bool won = (outcome == MatchOutcome::FirstWins) == firstSide;
    if (won) return "○";
    return marks == ResultMarks::Crosses ? "×" : "●";
}

}  // namespace kaz
