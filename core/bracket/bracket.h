#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "bracket/bracket_shape.h"
#include "color/color_set.h"

namespace kaz {

enum LineState : int32_t {
    LINE_OPEN = 0,      // no result on this line
    LINE_WON = 1,       // this line's member won the match of this round
    LINE_REACHED = 2,   // a member stands here, no win marked
    LINE_ADVANCED = 3,  // a member has just advanced onto this line
    LINE_BEATEN = 4,    // had won, but the opponent has since been marked the winner
};

// One bracket line's result: its state and the score text shown beside it.
struct LineResult {
    int32_t state = LINE_OPEN;
    std::string score;  // CP932 bytes

    bool operator==(const LineResult& o) const { return state == o.state && score == o.score; }
};

// Everything one open bracket holds: its shape, the member and champion names, every line's
// live state and score, the output settings, and the snapshot of what was last loaded or
// stored, against which the change check decides whether closing must ask to save.
// All text is CP932 bytes; lengths are byte counts. Indices are the caller's to keep in range.
class Bracket {
public:
    static constexpr int kNameWidth = 120;  // member-name column of the HTML page, pixels
    static constexpr int kLineWidth = 4;    // line thickness of the HTML page, pixels

    // A new bracket of `players` members (4, 8, 16 or 32): empty names, every line open with
    // an empty score, default colours; the snapshot equals this state.
    explicit Bracket(int players);

    // A bracket as read from a file: the lines and the snapshot both take `lines`
    // (exactly 2P - 1 entries); nothing counts as edited.
    static Bracket Loaded(int players, const std::vector<std::string>& names,
                          std::vector<LineResult> lines, ColorSet colors, std::string champion);

    int GetPlayers() const { return m_nPlayers; }
    int GetRounds() const { return m_nRounds; }
    int GetLineCount() const { return static_cast<int>(m_vecLine.size()); }
    int GetKind(int line) const { return KindOfLine(m_nPlayers, line); }
    bool IsLoaded() const { return m_bLoaded; }

    const std::string& GetMemberName(int i) const { return m_strMember[i]; }
    // A user's edit of member name i: stored and marked as edited (even if it restores the
    // old text, as an edit box's modification flag would).
    void SetMemberName(int i, std::string name);
    bool IsMemberEdited(int i) const { return m_bMemberEdited[i]; }

    const std::string& GetChampion() const { return m_strChampion; }
    void SetChampion(std::string name) { m_strChampion = std::move(name); }

    int32_t GetState(int line) const { return m_vecLine[line].state; }
    // Sets a line's state; refused (returns false) only when asked for LINE_ADVANCED while
    // the line is LINE_WON, so that a won line is never demoted.
    bool SetState(int line, int32_t state);
    const std::string& GetScore(int line) const { return m_vecLine[line].score; }
    void SetScore(int line, std::string score) { m_vecLine[line].score = std::move(score); }

    int32_t GetSavedState(int line) const { return m_vecSaved[line].state; }
    const std::string& GetSavedScore(int line) const { return m_vecSaved[line].score; }

    ColorSet& GetColors() { return m_colors; }
    const ColorSet& GetColors() const { return m_colors; }
    bool IsBoldMember() const { return m_bBoldMember; }
    bool IsBoldScore() const { return m_bBoldScore; }
    void SetBoldFlags(bool boldScore, bool boldMember);

    // The change check: true when an edited name, a line state or score, the champion name
    // or a colour differs from what was last loaded or stored. Bold flags are not stored and
    // do not count.
    bool IsChanged() const;
    // Takes a new snapshot of lines, champion and colours and clears the edited flags; to be
    // called only once the bracket has really been stored.
    void MarkSaved();

private:
    Bracket() = default;

    int m_nPlayers = 0;
    int m_nRounds = 0;
    std::array<std::string, kMaxPlayers> m_strMember;
    std::array<bool, kMaxPlayers> m_bMemberEdited{};
    std::string m_strChampion;
    std::vector<LineResult> m_vecLine;   // live state and score, by line index
    std::vector<LineResult> m_vecSaved;  // snapshot, one entry per line
    std::string m_strSavedChampion;
    ColorSet m_savedColors;
    ColorSet m_colors;
    bool m_bBoldMember = false;
    bool m_bBoldScore = false;
    bool m_bLoaded = false;
};

}  // namespace kaz
