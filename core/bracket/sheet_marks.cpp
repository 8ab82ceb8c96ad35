#include "bracket/sheet_marks.h"

#include "bracket/bracket.h"
#include "bracket/sheet_words.h"

namespace kaz {

bool hasClubs(const Bracket& bracket) {
    for (int member = 0; member < bracket.memberCount(); ++member) {
        if (!bracket.memberClub(member).empty()) return true;
    }
    return false;
}

bool showsClubColumn(const Bracket& bracket) {
    return bracket.sheet().clubColumn || hasClubs(bracket);
}

std::string seedMark(int seed) { return seed > 0 ? "[" + std::to_string(seed) + "]" : ""; }

std::string poolSlotMark(const PoolSlot& slot) {
    return slot.filled ? slot.poolName + std::to_string(slot.place) : std::string();
}

std::string memberMark(const MemberMarks& marks) {
    return marks.seed > 0 ? seedMark(marks.seed) : poolSlotMark(marks.fromPool);
}

std::string drawNumberText(uint32_t drawNumber, SheetLanguage language) {
    return std::string(sheetWords(language).drawNumber) + ' ' + std::to_string(drawNumber);
}

std::vector<int> matchNumbersByLine(const Bracket& bracket) {
    const int members = bracket.memberCount();
    std::vector<int> numbers(size_t(bracket.lineCount()), 0);
    int next = 1;
    // Lines run round by round, top to bottom, so the upper lines of the pairs come in the
    // order the matches are numbered.
    for (int line = 0; line < bracket.lineCount(); ++line) {
        if (kindOfLine(members, line) != LineKind::Upper) continue;
        if (isByeLine(bracket, line) || isByeLine(bracket, line + 1)) continue;
        numbers[size_t(nextRoundLine(members, line))] = next++;
    }
    return numbers;
}

bool isByeLine(const Bracket& bracket, int line) {
    return line >= 0 && line < bracket.memberCount() && bracket.isBye(line);
}

}  // namespace kaz
