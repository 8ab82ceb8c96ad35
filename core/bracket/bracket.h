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

// The records of the file's sheet block that this version does not know: the file reader's
// business (io/sheet_block.h). A bracket only keeps them, for the writer to put back in place.
struct UnknownSheetRecords;

// What the change check compares: the member names and marks, every line's state and score, the
// third-place match's results, the champion name, the colours, the sheet and the block's unknown
// records. Bold flags are not stored and are not part of it.
struct BracketContent {
    std::array<std::string, kMaxMembers> memberNames;
    std::array<MemberMarks, kMaxMembers> memberMarks;  // by member; empty beyond the members
    std::vector<LineResult> lines;                     // by line index
    // Held only while the sheet has a third-place match.
    ThirdPlaceResults thirdPlaceResults;
    std::string champion;
    ColorSet colors;
    SheetInfo sheet;
    // Null for none. Nothing edits them, so the live content and its snapshot share the one
    // value the reader made: they compare by identity.
    std::shared_ptr<const UnknownSheetRecords> unknownSheetRecords;

    bool operator==(const BracketContent& o) const {
        return memberNames == o.memberNames && memberMarks == o.memberMarks && lines == o.lines &&
               thirdPlaceResults == o.thirdPlaceResults && champion == o.champion &&
               colors == o.colors && sheet == o.sheet &&
               unknownSheetRecords == o.unknownSheetRecords;
    }
    bool operator!=(const BracketContent& o) const { return !(*this == o); }
};

// Everything one open bracket holds: its shape, the member and champion names, the members'
// marks, every line's live state and score, the output settings, the sheet, and the snapshot of
// what was last loaded or stored, against which the change check decides whether closing must ask
// to save. Text is document text (text/document_text.h): UTF-8 as typed; its limits count the
// bytes of its CP932 form. Indices are the caller's to keep in
// range.
class Bracket {
public:
    // A new bracket of `members` members (4 … 128): empty names, every line open with
    // an empty score, default colours, an empty sheet; the snapshot equals this state.
    explicit Bracket(int members);

    // A bracket as read from a file: the live content and the snapshot both take `content`,
    // whose lines are exactly 2P - 1.
    static Bracket fromStored(int members, BracketContent content);

    int memberCount() const { return m_memberCount; }
    int roundCount() const { return m_roundCount; }
    int lineCount() const { return static_cast<int>(m_content.lines.size()); }
    LineKind lineKind(int line) const { return kindOfLine(m_memberCount, line); }

    const std::string& memberName(int i) const { return m_content.memberNames[i]; }
    void setMemberName(int i, std::string name) { m_content.memberNames[i] = std::move(name); }

    // What the sheet shows beside member `i`'s name: its club, its seed, whether its slot is a
    // bye. Setting them is never refused; the steps of bracket_change.h are the checked way.
    const MemberMarks& memberMarks(int i) const { return m_content.memberMarks[i]; }
    void setMemberMarks(int i, MemberMarks marks) { m_content.memberMarks[i] = std::move(marks); }
    const std::string& memberClub(int i) const { return m_content.memberMarks[i].club; }
    int memberSeed(int i) const { return m_content.memberMarks[i].seed; }
    bool isBye(int slot) const { return m_content.memberMarks[slot].bye; }
    void setMemberClub(int i, std::string club) { m_content.memberMarks[i].club = std::move(club); }
    void setMemberSeed(int i, int seed) { m_content.memberMarks[i].seed = seed; }
    void setBye(int slot, bool bye) { m_content.memberMarks[slot].bye = bye; }

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

    // The third-place match's results by side (third_place.h), beside the lines' results.
    const ThirdPlaceResults& thirdPlaceResults() const { return m_content.thirdPlaceResults; }
    const LineResult& thirdPlaceResult(int side) const {
        return m_content.thirdPlaceResults[size_t(side)];
    }
    void setThirdPlaceResults(ThirdPlaceResults results) {
        m_content.thirdPlaceResults = std::move(results);
    }

    // How the sheet shows around the bracket (title, round names, match numbers, …). Setting it
    // is never refused; sheetChange in bracket_change.h is the checked way.
    const SheetInfo& sheet() const { return m_content.sheet; }
    void setSheet(SheetInfo sheet) { m_content.sheet = std::move(sheet); }

    // The sheet block's records that this version does not know, as the file reader made them
    // (null for none); only the file writer looks inside.
    const std::shared_ptr<const UnknownSheetRecords>& unknownSheetRecords() const {
        return m_content.unknownSheetRecords;
    }
    void setUnknownSheetRecords(std::shared_ptr<const UnknownSheetRecords> records) {
        m_content.unknownSheetRecords = std::move(records);
    }

    // Everything the change check compares, as it stands.
    const BracketContent& content() const { return m_content; }

    ColorSet& colors() { return m_content.colors; }
    const ColorSet& colors() const { return m_content.colors; }
    bool boldMemberNames() const { return m_boldMemberNames; }
    bool boldScores() const { return m_boldScores; }
    void setBoldFlags(bool boldScores, bool boldMemberNames);

    // The change check: true when a member's name or marks, a line state or score, a
    // third-place result, the champion name, a colour or anything of the sheet differs from what
    // was last loaded or stored, however it got there: a name typed and put back is unchanged. Bold
    // flags are not stored and do not count.
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

// True when the bracket sets anything of the sheet: an option of its SheetInfo, a member's
// marks or a third-place result.
bool usesSheet(const Bracket& bracket);

// True when the bracket's outputs show the sheet: it uses the sheet, or its block held records
// this version does not know (a later version's sheet).
bool showsSheet(const Bracket& bracket);

// True when the bracket's file has the sheet block: it shows the sheet, or holds a text beyond
// what CP932 gives back.
bool hasSheetBlock(const Bracket& bracket);

// True when `sheet` fits `bracket`: no round name beyond its rounds, a draw number from 1 to
// 2^31 - 1, every text within its limit (text/text_limits.h) and without a control character.
bool sheetFits(const Bracket& bracket, const SheetInfo& sheet);

// True when `marks` fit member `member` of `bracket`: nothing set beyond its members, no bye on
// a slot with a name, a seed from 1 to the member count, a club within its limit and without a
// control character.
bool marksFit(const Bracket& bracket, int member, const MemberMarks& marks);

// True when `results` fit the third place of `sheet`: none without a third-place match, at most
// one side won (Open or Won each), each score a score's length without a control character.
bool thirdPlaceResultsFit(const SheetInfo& sheet, const ThirdPlaceResults& results);

// True when all the bracket holds of the sheet fits it: its sheet, every member's marks and the
// third-place results.
bool sheetFits(const Bracket& bracket);

}  // namespace kaz
