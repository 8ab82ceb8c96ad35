#include "bracket/bracket_text.h"

#include <vector>

#include "bracket/bracket.h"
#include "bracket/round_names.h"
#include "text/cp932.h"

namespace kaz {

namespace {

std::string cp932(const std::string& utf8) { return utf8ToCp932(utf8).value_or(std::string()); }

// For each line, the member who stands on it: a member stands on its own round-1 line and on
// each line its wins carried it to; -1 where nobody stands yet.
std::vector<int> standingMembers(const Bracket& bracket) {
    std::vector<int> standing(static_cast<size_t>(bracket.lineCount()), -1);
    for (int member = 0; member < bracket.memberCount(); ++member) {
        int line = member;
        standing[static_cast<size_t>(line)] = member;
        while (bracket.lineState(line) == LineState::Won) {
            line = nextRoundLine(bracket.memberCount(), line);
            if (line < 0) break;
            standing[static_cast<size_t>(line)] = member;
        }
    }
    return standing;
}

}  // namespace

std::string bracketAsText(const Bracket& bracket) {
    const std::vector<int> standing = standingMembers(bracket);
    std::string text;
    int round = -1;
    for (int line = 0; line < bracket.lineCount(); ++line) {
        const LinePlace place = placeOfLine(bracket.memberCount(), line);
        if (place.round != round) {
            round = place.round;
            if (line > 0) text += '\n';
            // A round's lines hold who plays its matches; the final line holds the champion.
            text += cp932(place.size == 1 ? std::string(kChampionColumnName)
                                          : matchRoundName(bracket.memberCount(), round + 1));
            text += '\n';
        }
        const int member = standing[static_cast<size_t>(line)];
        // The champion's name, where one is written, names who stands on the final line.
        if (place.size == 1 && !bracket.champion().empty()) {
            text += bracket.champion();
        } else if (member >= 0) {
            text += bracket.memberName(member);
        }
        if (!bracket.lineScore(line).empty()) text += '\t' + bracket.lineScore(line);
        text += '\n';
    }
    return text;
}

}  // namespace kaz
