#include "bracket/bracket.h"

#include <utility>

namespace kaz {

Bracket::Bracket(int members)
    : m_memberCount(members),
      m_roundCount(roundsForMembers(members)),
      m_lines(static_cast<size_t>(lineCountForMembers(members))),
      m_savedLines(m_lines) {}

Bracket Bracket::fromStored(int members, const std::vector<std::string>& names,
                            std::vector<LineResult> lines, ColorSet colors, std::string champion) {
    Bracket b;
    b.m_memberCount = members;
    b.m_roundCount = roundsForMembers(members);
    for (size_t i = 0; i < names.size() && i < b.m_memberNames.size(); ++i) {
        b.m_memberNames[i] = names[i];
    }
    b.m_savedMemberNames = b.m_memberNames;
    b.m_savedLines = lines;
    b.m_lines = std::move(lines);
    b.m_colors = colors;
    b.m_savedColors = std::move(colors);
    b.m_savedChampion = champion;
    b.m_champion = std::move(champion);
    return b;
}

bool Bracket::setLineState(int line, LineState state) {
    if (state == LineState::Advanced && m_lines[line].state == LineState::Won) return false;
    m_lines[line].state = state;
    return true;
}

void Bracket::setBoldFlags(bool boldScores, bool boldMemberNames) {
    m_boldScores = boldScores;
    m_boldMemberNames = boldMemberNames;
}

bool Bracket::isChanged() const {
    for (int i = 0; i < m_memberCount; ++i) {
        if (m_memberNames[i] != m_savedMemberNames[i]) return true;
    }
    return m_lines != m_savedLines || m_champion != m_savedChampion || m_colors != m_savedColors;
}

void Bracket::markSaved() {
    m_savedLines = m_lines;
    m_savedChampion = m_champion;
    m_savedColors = m_colors;
    m_savedMemberNames = m_memberNames;
}

}  // namespace kaz
