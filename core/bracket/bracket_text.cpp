#include "bracket/bracket_text.h"

#include <vector>

#include "bracket/bracket.h"
#include "bracket/round_names.h"
#include "bracket/sheet_marks.h"
#include "bracket/sheet_words.h"
#include "bracket/third_place.h"
#include "draw/entrant_list.h"
#include "text/document_text.h"

namespace kaz {

namespace {

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

// A first-round line as the sheet shows it: the seed mark, the name and the club in the
// "名前（所属）" form; a bye as a dash, so that the lines still come in pairs.
std::string firstRoundEntry(const Bracket& bracket, int member) {
    if (bracket.isBye(member)) return "―";
    const std::string seedOrPool = memberMark(bracket.memberMarks(member));
    const std::string mark = seedOrPool.empty() ? std::string() : seedOrPool + ' ';
    return mark + memberNameOf({bracket.memberName(member), bracket.memberClub(member)}, true);
}

std::string sheetHeading(const SheetInfo& sheet) {
    std::string heading;
    if (!sheet.title.empty()) heading += sheet.title + '\n';
    if (!sheet.subtitle.empty()) heading += sheet.subtitle + '\n';
    if (!heading.empty()) heading += '\n';
    return heading;
}

// The third place after the final, as the rounds are written: for a match the block
// "3位決定戦" with its two sides and their scores, then the block "3位" with its winner; for two
// third places the block "3位" with both. A side not yet known is an empty line.
std::string thirdPlaceText(const Bracket& bracket) {
    const SheetInfo& sheet = bracket.sheet();
    if (sheet.thirdPlace == ThirdPlace::None) return std::string();
    const auto nameOf = [&bracket](int member) {
        return member < 0 ? std::string() : bracket.memberName(member);
    };
    const SheetWords& words = sheetWords(sheet.language);
    std::string text;
    std::string thirds;
    if (sheet.thirdPlace == ThirdPlace::Match) {
        text += '\n' + std::string(words.thirdPlaceMatch) + '\n';
        for (int side = 0; side < kThirdPlaceSides; ++side) {
            text += nameOf(thirdPlaceMember(bracket, side));
            const std::string& score = bracket.thirdPlaceResult(side).score;
            if (!score.empty()) text += '\t' + score;
            text += '\n';
        }
        thirds = nameOf(thirdPlaceWinner(bracket)) + '\n';
    } else {
        for (int side = 0; side < kThirdPlaceSides; ++side) {
            thirds += nameOf(thirdPlaceMember(bracket, side)) + '\n';
        }
    }
    return text + '\n' + std::string(words.thirdPlace) + '\n' + thirds;
}

}  // namespace

std::string bracketAsText(const Bracket& bracket) {
    const std::vector<int> standing = standingMembers(bracket);
    const SheetInfo& sheet = bracket.sheet();
    const bool withSheet = showsSheet(bracket);
    const std::vector<int> numbers =
        sheet.matchNumbers ? matchNumbersByLine(bracket) : std::vector<int>();
    std::string text = withSheet ? sheetHeading(sheet) : std::string();
    int round = -1;
    for (int line = 0; line < bracket.lineCount(); ++line) {
        const LinePlace place = placeOfLine(bracket.memberCount(), line);
        if (place.round != round) {
            round = place.round;
            if (line > 0) text += '\n';
            // A round's lines hold who plays its matches; the final line holds the champion.
            text += withSheet
                        ? sheetRoundName(bracket, round)
                        : defaultRoundName(bracket.memberCount(), round, SheetLanguage::Japanese);
            text += '\n';
        }
        const int member = standing[static_cast<size_t>(line)];
        std::string entry;
        // The champion's name, where one is written, names who stands on the final line.
        if (place.size == 1 && !bracket.champion().empty()) {
            entry = bracket.champion();
        } else if (withSheet && round == 0) {
            entry = firstRoundEntry(bracket, line);
        } else if (member >= 0) {
            entry = bracket.memberName(member);
        }
        // The number of the match that feeds the line, as "(3)": its winner stands here.
        const int number = numbers.empty() ? 0 : numbers[size_t(line)];
        if (number > 0) text += '(' + std::to_string(number) + (entry.empty() ? ")" : ") ");
        text += entry;
        if (!bracket.lineScore(line).empty()) text += '\t' + bracket.lineScore(line);
        text += '\n';
    }
    text += thirdPlaceText(bracket);
    if (withSheet && sheet.drawNumber)
        text += '\n' + drawNumberText(*sheet.drawNumber, sheet.language) + '\n';
    return shownText(text);
}

}  // namespace kaz
