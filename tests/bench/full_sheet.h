#pragma once

#include <string>

#include "bracket/bracket.h"
#include "text/text_limits.h"

namespace bench {

// `bracket` with every part of the sheet set, every text at its limit: the heaviest sheet a
// file can hold. An empty slot becomes a bye.
inline kaz::Bracket withFullSheet(kaz::Bracket bracket) {
    kaz::SheetInfo sheet;
    sheet.title = std::string(kaz::kMaxSheetTitleBytes, 'T');
    sheet.subtitle = std::string(kaz::kMaxSheetSubtitleBytes, 'S');
    for (int r = 0; r < bracket.roundCount(); ++r) {
        sheet.roundNames[size_t(r)] = "R" + std::to_string(r);
    }
    for (int m = 0; m < bracket.memberCount(); ++m) {
        sheet.clubs[size_t(m)] = std::string(kaz::kMaxClubBytes, char('a' + m % 26));
        sheet.seeds[size_t(m)] = m < 8 ? m + 1 : 0;
        sheet.byes[size_t(m)] = bracket.memberName(m).empty();
    }
    sheet.matchNumbers = true;
    sheet.drawNumber = 4242;
    bracket.setSheet(sheet);
    return bracket;
}

}  // namespace bench
