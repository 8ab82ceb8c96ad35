#include "bracket/bracket.h"

#include <utility>

#include "text/text_limits.h"

namespace kaz {

Bracket::Bracket(int members) : m_memberCount(members), m_roundCount(roundsForMembers(members)) {
    m_content.lines.resize(static_cast<size_t>(lineCountForMembers(members)));
    m_saved = m_content;
}

Bracket Bracket::fromStored(int members, std::vector<std::string> names,
                            std::vector<LineResult> lines, ColorSet colors, std::string champion,
                            SheetInfo sheet) {
    Bracket b;
    b.m_memberCount = members;
    b.m_roundCount = roundsForMembers(members);
    for (size_t i = 0; i < names.size() && i < b.m_content.memberNames.size(); ++i) {
        b.m_content.memberNames[i] = std::move(names[i]);
    }
    b.m_content.lines = std::move(lines);
    b.m_content.colors = std::move(colors);
    b.m_content.champion = std::move(champion);
    b.setSheet(std::move(sheet));
    b.m_saved = b.m_content;
    return b;
}

bool sameSheet(const std::shared_ptr<const SheetInfo>& a,
               const std::shared_ptr<const SheetInfo>& b) {
    if (a == b) return true;
    if (!a || !b) return false;  // one empty, the other not: only a set sheet is held
    return *a == *b;
}

const SheetInfo& Bracket::sheet() const {
    return m_content.sheet ? *m_content.sheet : emptySheet();
}

void Bracket::setSheet(SheetInfo sheet) {
    m_content.sheet =
        sheet.isEmpty() ? nullptr : std::make_shared<const SheetInfo>(std::move(sheet));
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

bool sheetFits(const Bracket& bracket, const SheetInfo& sheet) {
    const auto fits = [](const std::string& text, size_t limit) {
        return text.size() <= limit && !hasControlCharacter(text);
    };
    if (!fits(sheet.title, kMaxSheetTitleBytes) || !fits(sheet.subtitle, kMaxSheetSubtitleBytes)) {
        return false;
    }
    // The file holds the number as a positive 32-bit integer.
    if (sheet.drawNumber && (*sheet.drawNumber == 0 || *sheet.drawNumber > uint32_t(INT32_MAX))) {
        return false;
    }
    for (int round = 0; round < kMaxRounds; ++round) {
        const std::string& name = sheet.roundNames[size_t(round)];
        if (!fits(name, kMaxRoundNameBytes) || (round >= bracket.roundCount() && !name.empty())) {
            return false;
        }
    }
    int wonSides = 0;
    for (const LineResult& side : sheet.thirdPlaceSides) {
        if (sheet.thirdPlace != ThirdPlace::Match && side != LineResult()) return false;
        if (side.state != LineState::Open && side.state != LineState::Won) return false;
        if (!fits(side.score, kMaxScoreBytes)) return false;
        wonSides += side.state == LineState::Won;
    }
    if (wonSides > 1) return false;
    const int members = bracket.memberCount();
    for (int member = 0; member < kMaxMembers; ++member) {
        const size_t m = size_t(member);
        const std::string& club = sheet.clubs[m];
        const int seed = sheet.seeds[m];
        if (!fits(club, kMaxClubBytes) || seed < 0 || seed > members) return false;
        const bool set = !club.empty() || seed != 0 || sheet.byes[m];
        if (member >= members && set) return false;
        if (sheet.byes[m] && !bracket.memberName(member).empty()) return false;
    }
    return true;
}

}  // namespace kaz
