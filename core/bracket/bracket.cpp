#include "bracket/bracket.h"

#include <utility>

namespace kaz {

Bracket::Bracket(int players)
    : m_nPlayers(players),
      m_nRounds(RoundsForPlayers(players)),
      m_vecLine(static_cast<size_t>(LineCountForPlayers(players))),
      m_vecSaved(m_vecLine) {}

Bracket Bracket::Loaded(int players, const std::vector<std::string>& names,
                        std::vector<LineResult> lines, ColorSet colors, std::string champion) {
    Bracket b;
    b.m_nPlayers = players;
    b.m_nRounds = RoundsForPlayers(players);
    for (size_t i = 0; i < names.size() && i < b.m_strMember.size(); ++i) {
        b.m_strMember[i] = names[i];
    }
    b.m_vecSaved = lines;
    b.m_vecLine = std::move(lines);
    b.m_colors = colors;
    b.m_savedColors = std::move(colors);
    b.m_strSavedChampion = champion;
    b.m_strChampion = std::move(champion);
    b.m_bLoaded = true;
    return b;
}

void Bracket::SetMemberName(int i, std::string name) {
    m_strMember[i] = std::move(name);
    m_bMemberEdited[i] = true;
}

bool Bracket::SetState(int line, int32_t state) {
    if (state == LINE_ADVANCED && m_vecLine[line].state == LINE_WON) return false;
    m_vecLine[line].state = state;
    return true;
}

void Bracket::SetBoldFlags(bool boldScore, bool boldMember) {
    m_bBoldScore = boldScore;
    m_bBoldMember = boldMember;
}

bool Bracket::IsChanged() const {
    for (int i = 0; i < m_nPlayers; ++i) {
        if (m_bMemberEdited[i]) return true;
    }
    return m_vecLine != m_vecSaved || m_strChampion != m_strSavedChampion ||
           m_colors != m_savedColors;
}

void Bracket::MarkSaved() {
    m_vecSaved = m_vecLine;
    m_strSavedChampion = m_strChampion;
    m_savedColors = m_colors;
    m_bMemberEdited.fill(false);
}

}  // namespace kaz
