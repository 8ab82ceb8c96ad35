#include "bracket/bracket.h"

#include <utility>

namespace kaz {

Bracket::Bracket(int members) : m_memberCount(members), m_roundCount(roundsForMembers(members)) {
    m_content.lines.resize(static_cast<size_t>(lineCountForMembers(members)));
    m_saved = m_content;
}

Bracket Bracket::fromStored(int members, const std::vector<std::string>& names,
                            std::vector<LineResult> lines, ColorSet colors, std::string champion) {
    Bracket b;
    b.m_memberCount = members;
    b.m_roundCount = roundsForMembers(members);
    for (size_t i = 0; i < names.size() && i < b.m_content.memberNames.size(); ++i) {
        b.m_content.memberNames[i] = names[i];
    }
    b.m_content.lines = std::move(lines);
    b.m_content.colors = std::move(colors);
    b.m_content.champion = std::move(champion);
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

}  // namespace kaz
