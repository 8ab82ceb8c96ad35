#pragma once

#include <string>

#include "bracket/sheet_info.h"
#include "pools/pool_stage.h"

// The words a pool sheet writes of its own, in the sheet's language (UTF-8), from the system's
// one table of texts, as a bracket sheet's are.

namespace kaz {

struct PoolWords {
    const char* stage;  // 予選リーグ
    const char* wins;
    const char* losses;
    const char* draws;
    const char* points;
    const char* difference;
    const char* rank;
    const char* orderOfPlay;
    const char* tied;       // 同順位: a tie the rules leave to the organiser
    const char* withdrawn;  // after a withdrawn member's name
    const char* walkover;
    const char* knockout;  // 決勝トーナメント
};

const PoolWords& poolWords(SheetLanguage language);

// A pool by its name: "Aブロック", "Pool A".
std::string poolTitle(SheetLanguage language, const std::string& name);

// The mark of a result from one side's view: ○ a win, ● (or ×) a loss, △ a draw; empty for a
// match not played.
const char* resultMark(ResultMarks marks, MatchOutcome outcome, bool firstSide);

}  // namespace kaz
