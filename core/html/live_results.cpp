#include <vector>

#include "bracket/member_progress.h"
#include "bracket/round_names.h"
#include "bracket/sheet_marks.h"
#include "bracket/third_place.h"
#include "html/live_parts.h"
#include "text/cp932.h"

namespace kaz::live {
namespace {

// A member without a typed name still stands in the list.
constexpr char kNoName[] = "（名前なし）";

void appendMember(PageBuffer& out, const Bracket& bracket, int member) {
    if (member < 0 || bracket.memberName(member).empty()) {
        out += kNoName;
        return;
    }
    appendCp932(out, bracket.memberName(member));
}

// One decided match: "A 3-1 B（A の勝ち）", the winner in bold; a score only one side has is
// shown alone, and "対" stands between two sides without scores.
void appendMatch(PageBuffer& out, const Bracket& bracket, const std::array<int, 2>& members,
                 const std::array<const std::string*, 2>& scores, int winner, int number) {
    out += "<li>";
    if (number > 0) {
        out += "第";
        html::appendInt(out, number);
        out += "試合 ";
    }
    for (int side = 0; side < 2; ++side) {
        if (side == 1) {
            out += ' ';
            const std::string& upper = *scores[0];
            const std::string& lower = *scores[1];
            if (upper.empty() && lower.empty()) out += "対";
            appendCp932(out, upper);
            if (!upper.empty() && !lower.empty()) out += '-';
            appendCp932(out, lower);
            out += ' ';
        }
        const bool won = side == winner;
        if (won) out += "<strong>";
        appendMember(out, bracket, members[size_t(side)]);
        if (won) out += "</strong>";
    }
    out += "（";
    appendMember(out, bracket, members[size_t(winner)]);
    out += " の勝ち）</li>\n";
}

void appendRoundHeading(PageBuffer& out, const std::string& cp932Name) {
    out += "<h3>";
    appendCp932(out, cp932Name);
    out += "</h3>\n<ol>\n";
}

// The decided matches of every round but the final line's column, round by round; true when
// there was any.
bool appendRounds(PageBuffer& out, const Bracket& bracket) {
    const int members = bracket.memberCount();
    const std::vector<int> numbers =
        bracket.sheet().matchNumbers ? matchNumbersByLine(bracket) : std::vector<int>();
    bool any = false;
    int first = 0;
    for (int round = 0; round + 1 < bracket.roundCount(); ++round) {
        const int size = members >> round;
        bool opened = false;
        for (int upper = first; upper < first + size; upper += 2) {
            const int lower = upper + 1;
            if (isByeLine(bracket, upper) || isByeLine(bracket, lower)) continue;
            const bool upperWon = bracket.lineState(upper) == LineState::Won;
            if (!upperWon && bracket.lineState(lower) != LineState::Won) continue;
            if (!opened) appendRoundHeading(out, sheetRoundName(bracket, round));
            opened = true;
            const int fed = nextRoundLine(members, upper);
            appendMatch(out, bracket, {memberOnLine(bracket, upper), memberOnLine(bracket, lower)},
                        {&bracket.lineScore(upper), &bracket.lineScore(lower)}, upperWon ? 0 : 1,
                        numbers.empty() ? 0 : numbers[size_t(fed)]);
        }
        if (opened) out += "</ol>\n";
        any = any || opened;
        first += size;
    }
    return any;
}

void appendThirdPlace(PageBuffer& out, const Bracket& bracket) {
    const SheetInfo& sheet = bracket.sheet();
    const std::array<int, kThirdPlaceSides> sides = thirdPlaceMembers(bracket);
    if (sheet.thirdPlace == ThirdPlace::Match) {
        const int winner = thirdPlaceWinner(bracket);
        if (winner < 0) return;
        out += "<h3>3位決定戦</h3>\n<ol>\n";
        appendMatch(out, bracket, sides,
                    {&sheet.thirdPlaceSides[0].score, &sheet.thirdPlaceSides[1].score},
                    winner == sides[0] ? 0 : 1, 0);
        out += "</ol>\n<p>3位 <strong>";
        appendMember(out, bracket, winner);
        out += "</strong></p>\n";
    } else if (sheet.thirdPlace == ThirdPlace::Shared && (sides[0] >= 0 || sides[1] >= 0)) {
        out += "<h3>3位</h3>\n<ul>\n";
        for (const int member : sides) {
            if (member < 0) continue;
            out += "<li>";
            appendMember(out, bracket, member);
            out += "</li>\n";
        }
        out += "</ul>\n";
    }
}

}  // namespace

std::string championName(const Bracket& bracket) {
    if (!bracket.champion().empty()) return cp932ToUtf8(bracket.champion());
    if (bracket.lineCount() == 0) return std::string();
    const int final = bracket.lineCount() - 1;
    if (bracket.lineState(final) == LineState::Open) return std::string();
    const int member = memberOnLine(bracket, final);
    if (member < 0) return std::string();
    return bracket.memberName(member).empty() ? std::string(kNoName)
                                              : cp932ToUtf8(bracket.memberName(member));
}

void writeLiveResults(PageBuffer& out, const Bracket& bracket) {
    out +=
        "<section class=\"results\" aria-labelledby=\"results\">\n<h2 id=\"results\">結果</h2>\n";
    const bool any = appendRounds(out, bracket);
    appendThirdPlace(out, bracket);
    const std::string champion = championName(bracket);
    if (!champion.empty()) {
        out += "<h3>優勝</h3>\n<p class=\"winner\"><strong>";
        appendText(out, champion);
        out += "</strong></p>\n";
    } else if (!any) {
        out += "<p>まだ結果はありません。</p>\n";
    }
    out += "</section>\n";
}

}  // namespace kaz::live
