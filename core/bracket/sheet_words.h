#pragma once

#include <string>

#include "bracket/sheet_info.h"

// The words a sheet writes of its own, in the sheet's language: on the window, every picture,
// the text copy, the page and the live page. They belong to the sheet, like its names: the
// editor's language does not change them. They come from the system's one table of texts
// (text/messages.h), so that a round reads the same on the sheet and in every message. UTF-8.

namespace kaz {

struct SheetWords {
    const char* pageLanguage;  // the pages' lang attribute
    const char* sheetName;     // what the pages are called where the sheet has no title
    const char* champion;      // the champion's column and place
    const char* runnerUp;
    const char* finalRound;
    const char* semiFinalRound;
    const char* quarterFinalRound;
    const char* thirdPlaceMatch;
    const char* thirdPlace;  // two third places' heading, and the mark before the winner's name
    const char* drawNumber;  // before the number of the draw that made the bracket
    const char* lastUpdated;
    const char* results;
    const char* latestResults;
    const char* noResults;
    const char* noName;      // a member without a typed name, in the live page's lists
    const char* versus;      // between two sides without scores
    const char* headlines;   // the live page's top, for screen readers
    const char* chartLabel;  // the live page's chart, for screen readers
    const char* copyFrom;    // the classic page's comments around the part to copy
    const char* copyTo;
    // Around a club after a member's name, and around who won a match after it:
    // "名前（所属）", "（名前 の勝ち）".
    const char* clubBefore;
    const char* clubAfter;
    const char* wonBefore;
    const char* wonAfter;
};

// The words of `language`.
const SheetWords& sheetWords(SheetLanguage language);

// The name of match round `round` (1 for the first) when it is neither of the last three:
// "1回戦", "Round 1".
std::string roundNumberName(SheetLanguage language, int round);

// A match by its number: "第12試合", "Match 12".
std::string matchNumberName(SheetLanguage language, int number);

}  // namespace kaz
