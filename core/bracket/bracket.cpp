#include "bracket/bracket.h"

#include <utility>

#include "bracket/bracket_texts.h"
#include "pools/pool_stage.h"
#include "text/document_text.h"
#include "text/text_limits.h"
#include "text/utf8.h"

namespace kaz {

Bracket::Bracket(int members) : m_memberCount(members), m_roundCount(roundsForMembers(members)) {
    m_content.lines.resize(static_cast<size_t>(lineCountForMembers(members)));
    m_saved = m_content;
}

Bracket Bracket::fromStored(int members, BracketContent content) {
    Bracket b;
    b.m_memberCount = members;
    b.m_roundCount = roundsForMembers(members);
    b.m_content = std::move(content);
    b.m_saved = b.m_content;
    return b;
}

bool Bracket::setLineState(int line, LineState state) {
    LineResult& result = m_content.lines[line];
    if (state == LineState::Advanced && result.state == LineState::Won) return false;
    result.state = state;
    return true;
}

void Bracket::setBoldFlags(bool boldScores, bool boldMemberNames) {
    m_boldScores = boldScores;
    m_boldMemberNames = boldMemberNames;
}

bool Bracket::isChanged() const { return m_content != m_saved; }

void Bracket::markSaved() { m_saved = m_content; }

bool usesSheet(const Bracket& bracket) {
    if (!bracket.sheet().isEmpty() || bracket.thirdPlaceResults() != ThirdPlaceResults()) {
        return true;
    }
    for (int member = 0; member < kMaxMembers; ++member) {
        if (!bracket.memberMarks(member).isEmpty()) return true;
    }
    return false;
}

bool showsSheet(const Bracket& bracket) {
    return bracket.unknownSheetRecords() != nullptr || usesSheet(bracket);
}

bool hasSheetBlock(const Bracket& bracket) {
    return showsSheet(bracket) || holdsTextBeyondClassicFields(bracket);
}

namespace {

bool textFits(const std::string& text, size_t limit) {
    return textLength(text) <= limit && !hasControlCharacter(text);
}

}  // namespace

bool sheetFits(const Bracket& bracket, const SheetInfo& sheet) {
    if (!textFits(sheet.title, kMaxSheetTitleCharacters) ||
        !textFits(sheet.subtitle, kMaxSheetSubtitleCharacters)) {
        return false;
    }
    // The file holds the number as a positive 32-bit integer.
    if (sheet.drawNumber && (*sheet.drawNumber == 0 || *sheet.drawNumber > uint32_t(INT32_MAX))) {
        return false;
    }
    for (int round = 0; round < kMaxRounds; ++round) {
        const std::string& name = sheet.roundNames[size_t(round)];
        if (!textFits(name, kMaxRoundNameCharacters) ||
            (round >= bracket.roundCount() && !name.empty())) {
            return false;
        }
    }
    return sheet.poolFile.size() <= kMaxPoolPathBytes && isUtf8(sheet.poolFile) &&
           !hasControlCharacter(sheet.poolFile);
}

bool marksFit(const Bracket& bracket, int member, const MemberMarks& marks) {
    if (member < 0 || member >= kMaxMembers) return false;
    if (member >= bracket.memberCount()) return marks.isEmpty();
    if (!textFits(marks.club, kMaxClubCharacters)) return false;
    if (marks.seed < 0 || marks.seed > bracket.memberCount()) return false;
    const PoolSlot& slot = marks.fromPool;
    if (slot.isSet() &&
        (slot.pool >= kMaxPools || slot.place < 1 || slot.place > 2 || marks.bye ||
         !isUtf8(slot.poolName) || !textFits(slot.poolName, kMaxPoolNameCharacters))) {
        return false;
    }
    if (!slot.isSet() && slot != PoolSlot()) return false;
    return !marks.bye || bracket.memberName(member).empty();
}

bool thirdPlaceResultsFit(const SheetInfo& sheet, const ThirdPlaceResults& results) {
    int wonSides = 0;
    for (const LineResult& side : results) {
        if (sheet.thirdPlace != ThirdPlace::Match && side != LineResult()) return false;
        if (side.state != LineState::Open && side.state != LineState::Won) return false;
        if (!textFits(side.score, kMaxScoreCharacters)) return false;
        wonSides += side.state == LineState::Won;
    }
    return wonSides <= 1;
}

bool sheetFits(const Bracket& bracket) {
    if (!sheetFits(bracket, bracket.sheet()) ||
        !thirdPlaceResultsFit(bracket.sheet(), bracket.thirdPlaceResults())) {
        return false;
    }
    for (int member = 0; member < kMaxMembers; ++member) {
        if (!marksFit(bracket, member, bracket.memberMarks(member))) return false;
    }
    return true;
}

}  // namespace kaz
