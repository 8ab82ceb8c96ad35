#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "bracket/bracket_shape.h"
#include "bracket/line_result.h"
#include "bracket/sheet_info.h"
#include "color/color_set.h"

namespace kaz {

// True when the two hold equal sheets, null standing for the empty one.
bool sameSheet(const std::shared_ptr<const SheetInfo>& a,
               const std::shared_ptr<const SheetInfo>& b);

// What the change check compares: the member names, every line's state and score, the
// champion name, the colours and the sheet. Bold flags are not stored and are not part of it.
struct BracketContent {
    std::array<std::string, kMaxMembers> memberNames;
    std::vector<LineResult> lines;  // by line index
    std::string champion;
    ColorSet colors;
    // Shared between copies, since the snapshot and every copy of a bracket hold the same sheet
    // until it is set anew; null while nothing of the sheet is set.
    std::shared_ptr<const SheetInfo> sheet;

    bool operator==(const BracketContent& o) const {
        return memberNames == o.memberNames && lines == o.lines && champion == o.champion &&
               colors == o.colors && sameSheet(sheet, o.sheet);
    }
    bool operator!=(const BracketContent& o) const { return !(*this == o); }
};

// Everything one open bracket holds: its shape, the member and champion names, every line's
// live state and score, the output settings, and the snapshot of what was last loaded or
// stored, against which the change check decides whether closing must ask to save.
// All text is CP932 bytes; lengths are byte counts. Indices are the caller's to keep in range.
class Bracket {
public:
    // A new bracket of `members` members (4 … 128): empty names, every line open with
    // an empty score, default colours, an empty sheet; the snapshot equals this state.
    explicit Bracket(int members);

    // A bracket as read from a file: the lines and the snapshot both take `lines`
    // (exactly 2P - 1 entries), and the names are the stored names.
    static Bracket fromStored(int members, std::vector<std::string> names,
                              std::vector<LineResult> lines, ColorSet colors, std::string champion,
                              SheetInfo sheet = SheetInfo());

    int memberCount() const { return m_memberCount; }
    int roundCount() const { return m_roundCount; }
    int lineCount() const { return static_cast<int>(m_content.lines.size()); }
    LineKind lineKind(int line) const { return kindOfLine(m_memberCount, line); }

    const std::string& memberName(int i) const { return m_content.memberNames[i]; }
    void setMemberName(int i, std::string name) { m_content.memberNames[i] = std::move(name); }

    const std::string& champion() const { return m_content.champion; }
    void setChampion(std::string name) { m_content.champion = std::move(name); }

    LineState lineState(int line) const { return m_content.lines[line].state; }
    // Sets a line's state; refused (returns false) only when asked for Advanced while the
    // line is Won, so that a won line is never demoted.
    bool setLineState(int line, LineState state);
    const std::string& lineScore(int line) const { return m_content.lines[line].score; }
    void setLineScore(int line, std::string score) {
        m_content.lines[line].score = std::move(score);
    }
    // A line's state and score together; setting them is never refused (undo puts back
    // exactly what was there).
    const LineResult& lineResult(int line) const { return m_content.lines[line]; }
    void setLineResult(int line, LineResult result) { m_content.lines[line] = std::move(result); }
    const std::vector<LineResult>& lineResults() const { return m_content.lines; }

    // The sheet around the bracket (title, round names, clubs, seeds, byes, …). Setting it is
    // never refused; sheetChange in bracket_change.h is the checked way.
    const SheetInfo& sheet() const;
    void setSheet(SheetInfo sheet);

    ColorSet& colors() { return m_content.colors; }
    const ColorSet& colors() const { return m_content.colors; }
    bool boldMemberNames() const { return m_boldMemberNames; }
    bool boldScores() const { return m_boldScores; }
    void setBoldFlags(bool boldScores, bool boldMemberNames);

    // The change check: true when a member name, a line state or score, the champion name, a
    // colour or anything of the sheet differs from what was last loaded or stored, however it got
    // there: a name typed and put back is unchanged. Bold flags are not stored and do not count.
    bool isChanged() const;
    // Takes the content as the new snapshot; to be called only once the bracket has really
    // been stored.
    void markSaved();

private:
    Bracket() = default;

    int m_memberCount = 0;
    int m_roundCount = 0;
    BracketContent m_content;  // live
    BracketContent m_saved;    // as last loaded or stored
    bool m_boldMemberNames = false;
    bool m_boldScores = false;
};

// True when `sheet` fits `bracket`: nothing set beyond its members or rounds, no bye on a slot
// with a name, seeds from 1 to the member count, a draw number from 1 to 2^31 - 1, every text
// within its limit (text/text_limits.h) and without a control character, and third-place
// results only with a third-place match: at most one side won, each score a score's length.
bool sheetFits(const Bracket& bracket, const SheetInfo& sheet);

}  // namespace kaz
