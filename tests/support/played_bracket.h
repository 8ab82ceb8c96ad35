#pragma once

// A bracket played to its end, as the live page's tests, its benchmark and the browser check
// use it: named members from several clubs, every match won (a varied side by the line's
// number) with a score, the champion's name written, and as asked a two-sided sheet and a
// third-place match, also played.

#include <string>

#include "bracket/bracket.h"
#include "bracket/line_rules.h"
#include "bracket/member_progress.h"
#include "bracket/third_place.h"
#include "text/cp932.h"

namespace testbrackets {

// Member `member`'s name: "選手 12 長い名前の例" and the like, some longer than a name box.
inline std::string playedName(int member) {
    static const char* const kTails[] = {"", "太郎", "長い名前の例です", "Ｂ組"};
    return "選手" + std::to_string(member + 1) + kTails[member % 4];
}

inline kaz::Bracket playedBracket(int members, bool twoSided, bool thirdPlaceMatch,
                                  const std::string& title = "第1回 ライブ大会") {
    kaz::Bracket bracket(members);
    kaz::SheetInfo sheet;
    sheet.title = std::string(title);
    sheet.subtitle = std::string("2026年12月8日 市民体育館");
    sheet.matchNumbers = true;
    sheet.twoSided = twoSided;
    sheet.thirdPlace = thirdPlaceMatch ? kaz::ThirdPlace::Match : kaz::ThirdPlace::None;
    for (int m = 0; m < members; ++m) {
        bracket.setMemberName(m, std::string(playedName(m)));
        bracket.setMemberClub(m, std::string("クラブ" + std::to_string(m % 8 + 1)));
        bracket.setMemberSeed(m, m == 0 ? 1 : m == members - 1 ? 2 : 0);
    }
    bracket.setSheet(sheet);
    // Round by round every pair is decided; the upper line wins unless its number says not.
    int first = 0;
    for (int size = members; size > 1; size /= 2) {
        for (int upper = first; upper < first + size; upper += 2) {
            const int winner = (upper * 7) % 3 == 0 ? upper + 1 : upper;
            kaz::leftClickLine(bracket, winner);
            bracket.setLineScore(winner, "3");
            bracket.setLineScore(winner == upper ? upper + 1 : upper, "1");
        }
        first += size;
    }
    bracket.setChampion(bracket.memberName(kaz::memberOnLine(bracket, bracket.lineCount() - 1)));
    if (thirdPlaceMatch) {
        kaz::leftClickThirdPlace(bracket, 1);
        kaz::ThirdPlaceResults played = bracket.thirdPlaceResults();
        played[0].score = "0";
        played[1].score = "2";
        bracket.setThirdPlaceResults(played);
    }
    return bracket;
}

}  // namespace testbrackets
