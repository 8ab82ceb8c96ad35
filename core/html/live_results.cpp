#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "bracket/cleared_results.h"
#include "bracket/member_progress.h"
#include "bracket/round_names.h"
#include "bracket/sheet_marks.h"
#include "bracket/sheet_words.h"
#include "bracket/third_place.h"
#include "html/live_parts.h"
#include "text/document_text.h"

namespace kaz::live {
namespace {

// The most results 最新の結果 shows: what a phone shows above the chart.
constexpr size_t kMostRecent = 6;

// A decided match: a pair of lines one of which is won, neither a bye's, or the third-place
// match.
struct DecidedMatch {
    std::array<int, 2> members;
    std::array<const std::string*, 2> scores;
    int winner = 0;      // the side that won
    int upper = -1;      // the pair's upper line; -1 for the third-place match
    int round = 0;       // the column of its lines; the third place that of the final
    int number = 0;      // its match number, whether or not the sheet shows it
    bool shown = false;  // the sheet shows the number
    bool thirdPlace = false;
};

// The decided matches round by round, top to bottom, the third place last. A bye's pair is
// no match: its member's advance is no result.
std::vector<DecidedMatch> decidedMatches(const Bracket& bracket) {
    const int members = bracket.memberCount();
    const bool shown = bracket.sheet().matchNumbers;
    const std::vector<int> numbers = matchNumbersByLine(bracket);
    std::vector<DecidedMatch> matches;
    int first = 0;
    for (int round = 0; round + 1 < bracket.roundCount(); ++round) {
        const int size = members >> round;
        for (int upper = first; upper < first + size; upper += 2) {
            const int lower = upper + 1;
            if (isByeLine(bracket, upper) || isByeLine(bracket, lower)) continue;
            const bool upperWon = bracket.lineState(upper) == LineState::Won;
            if (!upperWon && bracket.lineState(lower) != LineState::Won) continue;
            DecidedMatch match;
            match.members = {memberOnLine(bracket, upper), memberOnLine(bracket, lower)};
            match.scores = {&bracket.lineScore(upper), &bracket.lineScore(lower)};
            match.winner = upperWon ? 0 : 1;
            match.upper = upper;
            match.round = round;
            match.number = numbers[size_t(nextRoundLine(members, upper))];
            match.shown = shown;
            matches.push_back(match);
        }
        first += size;
    }
    const SheetInfo& sheet = bracket.sheet();
    const int winner = thirdPlaceWinner(bracket);
    if (sheet.thirdPlace == ThirdPlace::Match && winner >= 0) {
        DecidedMatch match;
        match.members = thirdPlaceMembers(bracket);
        match.scores = {&bracket.thirdPlaceResult(0).score, &bracket.thirdPlaceResult(1).score};
        match.winner = winner == match.members[0] ? 0 : 1;
        match.round = bracket.roundCount() - 2;
        match.number = thirdPlaceMatchNumber(bracket);
        match.shown = sheet.matchNumbers;
        match.thirdPlace = true;
        matches.push_back(match);
    }
    return matches;
}

const SheetWords& wordsOf(const Bracket& bracket) { return sheetWords(bracket.sheet().language); }

// "（所属）" after a member's name where it has a club: the list has no club column.
void appendClub(PageBuffer& out, const Bracket& bracket, int member) {
    if (member < 0) return;
    const std::string& club = bracket.memberClub(member);
    if (club.empty()) return;
    out += std::string_view(wordsOf(bracket).clubBefore);
    appendDocumentText(out, club);
    out += std::string_view(wordsOf(bracket).clubAfter);
}

// A member without a typed name still stands in the list.
std::string nameOrNoName(const Bracket& bracket, int member) {
    if (member < 0 || bracket.memberName(member).empty()) return wordsOf(bracket).noName;
    return shownText(bracket.memberName(member));
}

void appendMember(PageBuffer& out, const Bracket& bracket, int member, bool withClub) {
    if (member < 0 || bracket.memberName(member).empty()) {
        out += std::string_view(wordsOf(bracket).noName);
    } else {
        appendDocumentText(out, bracket.memberName(member));
    }
    if (withClub) appendClub(out, bracket, member);
}

void appendRoundName(PageBuffer& out, const Bracket& bracket, const DecidedMatch& match) {
    if (match.thirdPlace) {
        out += std::string_view(wordsOf(bracket).thirdPlaceMatch);
    } else {
        appendDocumentText(out, sheetRoundName(bracket, match.round));
    }
}

// True for a score of one number or word: "3", not "6-4 3-6".
bool isPlainScore(std::string_view score) {
    return score.find_first_of(" -\t") == std::string_view::npos;
}

// A match's two scores, each whole on one line: plain ones as "3-1", others apart,
// "6-4 3-6 – 4-6 6-3", so that no side's sets run into the other's.
void appendScores(PageBuffer& out, const std::string& upper, const std::string& lower,
                  const SheetWords& words) {
    if (upper.empty() && lower.empty()) {
        out += std::string_view(words.versus);
        return;
    }
    const auto appendScore = [&out](const std::string& score) {
        if (score.empty()) return;
        out += "<span class=\"sc\">";
        appendDocumentText(out, score);
        out += "</span>";
    };
    if (upper.empty() || lower.empty() || !isPlainScore(upper) || !isPlainScore(lower)) {
        appendScore(upper);
        if (!upper.empty() && !lower.empty()) out += " \xE2\x80\x93 ";  // an en dash
        appendScore(lower);
        return;
    }
    out += "<span class=\"sc\">";
    appendDocumentText(out, upper);
    out += '-';
    appendDocumentText(out, lower);
    out += "</span>";
}

// One decided match: "第3試合 A（所属） 3-1 B（所属）（A の勝ち）", the winner in bold; a score
// only one side has is shown alone, and "対" stands between two sides without scores. With
// `round`, its round's name after the number.
void appendMatch(PageBuffer& out, const Bracket& bracket, const DecidedMatch& match, bool round) {
    const SheetWords& words = wordsOf(bracket);
    out += "<li>";
    if (match.shown && match.number > 0) {
        out += matchNumberName(bracket.sheet().language, match.number);
        out += ' ';
    }
    if (round) {
        appendRoundName(out, bracket, match);
        out += ": ";
    }
    for (int side = 0; side < 2; ++side) {
        if (side == 1) {
            out += ' ';
            appendScores(out, *match.scores[0], *match.scores[1], words);
            out += ' ';
        }
        const bool won = side == match.winner;
        if (won) out += "<strong>";
        appendMember(out, bracket, match.members[size_t(side)], true);
        if (won) out += "</strong>";
    }
    out += std::string_view(words.wonBefore);
    appendMember(out, bracket, match.members[size_t(match.winner)], false);
    out += std::string_view(words.wonAfter);
    out += "</li>\n";
}

// The decided matches of every round but the final line's column, round by round; true when
// there was any.
bool appendRounds(PageBuffer& out, const Bracket& bracket,
                  const std::vector<DecidedMatch>& matches) {
    int opened = -1;
    for (const DecidedMatch& match : matches) {
        if (match.thirdPlace) break;
        if (match.round != opened) {
            if (opened >= 0) out += "</ol>\n";
            opened = match.round;
            out += "<h3>";
            appendDocumentText(out, sheetRoundName(bracket, match.round));
            out += "</h3>\n<ol>\n";
        }
        appendMatch(out, bracket, match, false);
    }
    if (opened >= 0) out += "</ol>\n";
    return opened >= 0;
}

void appendThirdPlace(PageBuffer& out, const Bracket& bracket,
                      const std::vector<DecidedMatch>& matches) {
    const SheetInfo& sheet = bracket.sheet();
    if (!matches.empty() && matches.back().thirdPlace) {
        const DecidedMatch& match = matches.back();
        out += "<h3>";
        out += std::string_view(wordsOf(bracket).thirdPlaceMatch);
        out += "</h3>\n<ol>\n";
        appendMatch(out, bracket, match, false);
        out += "</ol>\n<p>";
        out += std::string_view(wordsOf(bracket).thirdPlace);
        out += " <strong>";
        appendMember(out, bracket, match.members[size_t(match.winner)], true);
        out += "</strong></p>\n";
        return;
    }
    const std::array<int, kThirdPlaceSides> sides = thirdPlaceMembers(bracket);
    if (sheet.thirdPlace == ThirdPlace::Shared && (sides[0] >= 0 || sides[1] >= 0)) {
        out += "<h3>";
        out += std::string_view(wordsOf(bracket).thirdPlace);
        out += "</h3>\n<ul>\n";
        for (const int member : sides) {
            if (member < 0) continue;
            out += "<li>";
            appendMember(out, bracket, member, true);
            out += "</li>\n";
        }
        out += "</ul>\n";
    }
}

// The matches 最新の結果 lists, newest first: those `recent` names (by the line its winner won,
// the third place by -1 - side) while they stand decided so, else the latest round first and
// in it the highest number first.
std::vector<const DecidedMatch*> recentMatches(const std::vector<DecidedMatch>& matches,
                                               const std::vector<int>& recent) {
    std::vector<const DecidedMatch*> listed;
    if (recent.empty()) {
        for (const DecidedMatch& match : matches) listed.push_back(&match);
        std::sort(listed.begin(), listed.end(), [](const DecidedMatch* a, const DecidedMatch* b) {
            return a->round != b->round ? a->round > b->round : a->number > b->number;
        });
        if (listed.size() > kMostRecent) listed.resize(kMostRecent);
        return listed;
    }
    for (const int named : recent) {
        if (listed.size() == kMostRecent) break;
        for (const DecidedMatch& match : matches) {
            const bool same = named < 0 ? match.thirdPlace && -1 - named == match.winner
                                        : match.upper + match.winner == named;
            if (!same) continue;
            if (std::find(listed.begin(), listed.end(), &match) == listed.end()) {
                listed.push_back(&match);
            }
            break;
        }
    }
    return listed;
}

// "優勝 名前（所属）" and the like, the name in bold.
void appendPlace(PageBuffer& out, const char* cls, const char* label) {
    out += "<p class=\"";
    out += cls;
    out += "\">";
    out += label;
    out += " <strong>";
}

}  // namespace

std::string championName(const Bracket& bracket) {
    if (!bracket.champion().empty()) return shownText(bracket.champion());
    if (bracket.lineCount() == 0) return std::string();
    const int final = bracket.lineCount() - 1;
    if (bracket.lineState(final) == LineState::Open) return std::string();
    const int member = memberOnLine(bracket, final);
    if (member < 0) return std::string();
    return nameOrNoName(bracket, member);
}

void writeLiveTop(PageBuffer& out, const Bracket& bracket, const std::vector<int>& recent) {
    const std::vector<DecidedMatch> matches = decidedMatches(bracket);
    const std::vector<const DecidedMatch*> listed = recentMatches(matches, recent);
    const std::string champion = championName(bracket);
    if (champion.empty() && listed.empty()) return;
    const SheetWords& words = wordsOf(bracket);
    out += "<section class=\"top\" aria-label=\"";
    out += std::string_view(words.headlines);
    out += "\">\n";
    if (!champion.empty()) {
        appendPlace(out, "champion", words.champion);
        appendText(out, champion);
        // The club of the member who won the final, where one did.
        const int final = bracket.lineCount() - 1;
        if (bracket.lineState(final) != LineState::Open) {
            appendClub(out, bracket, memberOnLine(bracket, final));
        }
        out += "</strong></p>\n";
    }
    for (const DecidedMatch& match : matches) {
        const bool final = match.upper == bracket.lineCount() - 3;
        if (!final && !match.thirdPlace) continue;
        // The final's loser is second; the third-place match's winner is third.
        const int side = final ? 1 - match.winner : match.winner;
        appendPlace(out, "place", final ? words.runnerUp : words.thirdPlace);
        appendMember(out, bracket, match.members[size_t(side)], true);
        out += "</strong></p>\n";
    }
    if (bracket.sheet().thirdPlace == ThirdPlace::Shared) {
        for (const int member : thirdPlaceMembers(bracket)) {
            if (member < 0) continue;
            appendPlace(out, "place", words.thirdPlace);
            appendMember(out, bracket, member, true);
            out += "</strong></p>\n";
        }
    }
    if (!listed.empty()) {
        out += "<h2>";
        out += std::string_view(words.latestResults);
        out += "</h2>\n<ol class=\"recent\">\n";
        for (const DecidedMatch* match : listed) appendMatch(out, bracket, *match, true);
        out += "</ol>\n";
    }
    out += "</section>\n";
}

void writeLatestResult(PageBuffer& out, const Bracket& bracket, const std::vector<int>& recent) {
    const std::string champion = championName(bracket);
    if (!champion.empty()) {
        out += "<li>";
        out += wordsOf(bracket).champion;
        out += " <strong>";
        appendText(out, champion);
        out += "</strong></li>\n";
        return;
    }
    const std::vector<DecidedMatch> matches = decidedMatches(bracket);
    const std::vector<const DecidedMatch*> listed = recentMatches(matches, recent);
    if (!listed.empty()) appendMatch(out, bracket, *listed.front(), true);
}

void writeLiveResults(PageBuffer& out, const Bracket& bracket) {
    const SheetWords& words = wordsOf(bracket);
    out += "<section class=\"results\" aria-labelledby=\"results\">\n<h2 id=\"results\">";
    out += std::string_view(words.results);
    out += "</h2>\n";
    const std::vector<DecidedMatch> matches = decidedMatches(bracket);
    const bool any = appendRounds(out, bracket, matches);
    appendThirdPlace(out, bracket, matches);
    const std::string champion = championName(bracket);
    if (!champion.empty()) {
        out += "<h3>";
        out += std::string_view(words.champion);
        out += "</h3>\n<p class=\"winner\"><strong>";
        appendText(out, champion);
        out += "</strong></p>\n";
    } else if (!any) {
        out += "<p>";
        out += std::string_view(words.noResults);
        out += "</p>\n";
    }
    out += "</section>\n";
}

}  // namespace kaz::live
