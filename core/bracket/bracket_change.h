#pragma once

#include <memory>
#include <string>
#include <vector>

#include "bracket/bracket.h"

// One editing step of a bracket as data: what it changed, each part with its value before and
// after, so that an undo history can take the step back and make it again exactly. A step
// holds only the parts it touched, which keeps a long history small.

namespace kaz {

// A part of the bracket before and after a step.
template <typename T>
struct Change {
    T before;
    T after;
};

// A part of a step that most steps leave alone, held on the heap: a step that does not touch
// it pays one pointer. Copies are deep.
template <typename T>
class OptionalPart {
public:
    OptionalPart() = default;
    OptionalPart(const OptionalPart& o) : m_value(o ? std::make_unique<T>(*o) : nullptr) {}
    OptionalPart(OptionalPart&&) noexcept = default;
    OptionalPart& operator=(const OptionalPart& o) {
        m_value = o ? std::make_unique<T>(*o) : nullptr;
        return *this;
    }
    OptionalPart& operator=(OptionalPart&&) noexcept = default;
    OptionalPart& operator=(T value) {
        m_value = std::make_unique<T>(std::move(value));
        return *this;
    }

    explicit operator bool() const { return m_value != nullptr; }
    const T& operator*() const { return *m_value; }
    T& operator*() { return *m_value; }
    const T* operator->() const { return m_value.get(); }
    T* operator->() { return m_value.get(); }
    void reset() { m_value.reset(); }

private:
    std::unique_ptr<T> m_value;
};

struct LineChange {
    int line = 0;
    Change<LineResult> result;
};

struct NameChange {
    int member = 0;
    Change<std::string> name;
};

struct MarksChange {
    int member = 0;
    Change<MemberMarks> marks;
};

// What HTML設定 edits as a whole: the colours and the two bold flags.
struct OutputSettings {
    ColorSet colors;
    bool boldScores = false;
    bool boldMemberNames = false;

    bool operator==(const OutputSettings& o) const {
        return colors == o.colors && boldScores == o.boldScores &&
               boldMemberNames == o.boldMemberNames;
    }
    bool operator!=(const OutputSettings& o) const { return !(*this == o); }
};

// The bracket's current output settings.
OutputSettings outputSettingsOf(const Bracket& bracket);

struct BracketChange {
    std::vector<LineChange> lines;
    std::vector<NameChange> names;
    std::vector<MarksChange> marks;
    OptionalPart<Change<std::string>> champion;
    OptionalPart<Change<OutputSettings>> settings;
    OptionalPart<Change<SheetInfo>> sheet;
    OptionalPart<Change<ThirdPlaceResults>> thirdPlaceResults;

    // True when the step changed nothing.
    bool isEmpty() const;
    // True when the step changed anything the sheet shows: its options, a member's marks or a
    // third-place result.
    bool changesSheet() const { return sheet || !marks.empty() || thirdPlaceResults; }
    // Puts back every part's value from before the step.
    void undo(Bracket& bracket) const;
    // Sets every part to its value after the step.
    void redo(Bracket& bracket) const;
    // Folds a step made right after this one into it: each part then goes from its value before
    // this step to its value after `later`; parts that end where they began are dropped.
    void append(const BracketChange& later);
    // The bytes this record holds, its own size and the heap memory of its parts.
    size_t heldBytes() const;
};

// Records what an operation on the lines changes, the champion's name and the third-place
// results included (a reset can clear the champion and a third-place result): made before the
// operation, finished after it.
class LineRecorder {
public:
    explicit LineRecorder(const Bracket& bracket);
    BracketChange finish(const Bracket& bracket) const;

private:
    std::vector<LineResult> m_lines;
    std::string m_champion;
    ThirdPlaceResults m_thirdPlaceResults;
};

// The steps of typing or pasting names from member `first` down, of a score, of the
// champion's name, of the output settings, of the sheet and of a member's marks, made against
// the bracket as it is. Names beyond the last member are left out; a part that would not change
// is left out too. A score for a line that holds nobody (playerStandsOn), and a champion's name
// while nobody stands on the final line, are refused (an empty step); clearing one is not. A name
// given to a bye's slot takes the bye away in the same step. A sheet or marks that do not fit
// (sheetFits, marksFit) are refused (an empty step); a sheet without the third-place match drops
// its results in the same step.
BracketChange namesChange(const Bracket& bracket, int first, const std::vector<std::string>& names);
BracketChange scoreChange(const Bracket& bracket, int line, std::string score);
BracketChange championChange(const Bracket& bracket, std::string champion);
// Both scores of the match `line` plays (its upper line's first), as one step; each side as
// scoreChange makes it.
BracketChange matchScoresChange(const Bracket& bracket, int line, std::string upperScore,
                                std::string lowerScore);
// A side's score in the third-place match: refused while the side is unknown (clearing it is
// not), and without a third-place match.
BracketChange thirdPlaceScoreChange(const Bracket& bracket, int side, std::string score);
// Both sides' scores of the third-place match, as one step; each as thirdPlaceScoreChange makes
// it.
BracketChange thirdPlaceScoresChange(const Bracket& bracket, std::string upperScore,
                                     std::string lowerScore);
BracketChange settingsChange(const Bracket& bracket, OutputSettings settings);
BracketChange sheetChange(const Bracket& bracket, SheetInfo sheet);
BracketChange marksChange(const Bracket& bracket, int member, MemberMarks marks);
// First-round slot `slot` marked as a bye or not: its marks' step. A bye's opponent, where it
// holds somebody and the match is undecided, wins in the same step: the draw gives that win.
BracketChange byeChange(const Bracket& bracket, int slot, bool bye);
// A member's club typed: its marks' step, which keeps the club column showing while the last club
// is erased (only the column's own setting hides it).
BracketChange clubChange(const Bracket& bracket, int member, std::string club);

}  // namespace kaz
