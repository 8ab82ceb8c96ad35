#include "bracket/sheet_words.h"

#include "text/messages.h"

namespace kaz {
namespace {

SheetWords wordsOf(SheetLanguage sheetLanguage) {
    const Language language = languageOf(sheetLanguage);
    const auto word = [language](MessageId id) { return messageTemplate(id, language); };
    return SheetWords{
        language == Language::English ? "en" : "ja",
        word(MessageId::SheetName),
        word(MessageId::Champion),
        word(MessageId::RunnerUp),
        word(MessageId::FinalRound),
        word(MessageId::SemiFinalRound),
        word(MessageId::QuarterFinalRound),
        word(MessageId::ThirdPlaceMatch),
        word(MessageId::ThirdPlace),
        word(MessageId::DrawNumber),
        word(MessageId::LastUpdated),
        word(MessageId::Results),
        word(MessageId::LatestResults),
        word(MessageId::NoResults),
        word(MessageId::NoName),
        word(MessageId::Versus),
        word(MessageId::Headlines),
        word(MessageId::ChartLabel),
        word(MessageId::CopyFrom),
        word(MessageId::CopyTo),
        word(MessageId::ClubBefore),
        word(MessageId::ClubAfter),
        word(MessageId::WonBefore),
        word(MessageId::WonAfter),
    };
}

}  // namespace

const SheetWords& sheetWords(SheetLanguage language) {
    static const SheetWords japanese = wordsOf(SheetLanguage::Japanese);
    static const SheetWords english = wordsOf(SheetLanguage::English);
    return language == SheetLanguage::English ? english : japanese;
}

std::string roundNumberName(SheetLanguage language, int round) {
    return messageText(Message(MessageId::RoundNumber, {round}), languageOf(language));
}

std::string matchNumberName(SheetLanguage language, int number) {
    return messageText(Message(MessageId::MatchNumber, {number}), languageOf(language));
}

}  // namespace kaz
