#pragma once

#include <string>

#include "bracket/bracket.h"
#include "text/cp932.h"
#include "text/text_limits.h"

namespace bench {

// Sets what every full sheet holds besides its texts: 8 seeds, a bye in each empty slot, match
// numbers and a draw number; then gives the sheet to `bracket`.
inline kaz::Bracket withSheet(kaz::Bracket bracket, kaz::SheetInfo sheet) {
    for (int m = 0; m < bracket.memberCount(); ++m) {
        bracket.setMemberSeed(m, m < 8 ? m + 1 : 0);
        bracket.setBye(m, bracket.memberName(m).empty());
    }
    sheet.matchNumbers = true;
    sheet.drawNumber = 4242;
    bracket.setSheet(sheet);
    return bracket;
}

// `bracket` with every part of the sheet set, every text at its limit: the heaviest sheet a
// file can hold. An empty slot becomes a bye.
inline kaz::Bracket withFullSheet(kaz::Bracket bracket) {
    kaz::SheetInfo sheet;
    sheet.title = std::string(kaz::kMaxSheetTitleCharacters, 'T');
    sheet.subtitle = std::string(kaz::kMaxSheetSubtitleCharacters, 'S');
    for (int r = 0; r < bracket.roundCount(); ++r) {
        sheet.roundNames[size_t(r)] = "R" + std::to_string(r);
    }
    for (int m = 0; m < bracket.memberCount(); ++m) {
        bracket.setMemberClub(m, std::string(kaz::kMaxClubCharacters, char('a' + m % 26)));
    }
    return withSheet(std::move(bracket), std::move(sheet));
}

// `bracket` with every part of the sheet set as an organiser sets it: a title and a second line
// of everyday length, every round named, a club of 8 to 16 bytes for each member from 8 clubs,
// 8 seeds, match numbers and a draw number. An empty slot becomes a bye.
inline kaz::Bracket withTypicalSheet(kaz::Bracket bracket) {
    const char* const clubs[] = {"北小学校",       "県立第一高校",     "南剣友会",
                                 "市立中央中学校", "東スポーツ少年団", "西高校",
                                 "緑ヶ丘剣道会",   "港中学校"};
    kaz::SheetInfo sheet;
    sheet.title = std::string("第12回 市民剣道大会 個人戦");
    sheet.subtitle = std::string("2026年12月6日(日) 市立体育館");
    for (int r = 0; r < bracket.roundCount(); ++r) {
        sheet.roundNames[size_t(r)] =
            std::string("第") + std::to_string(r + 1) + std::string("試合");
    }
    for (int m = 0; m < bracket.memberCount(); ++m)
        bracket.setMemberClub(m, std::string(clubs[m % 8]));
    return withSheet(std::move(bracket), std::move(sheet));
}

}  // namespace bench
