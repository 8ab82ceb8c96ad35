#pragma once

#include <optional>

#include "bracket/bracket_change.h"
#include "bracket/cleared_results.h"
#include "bracket/refusal.h"

// The one road of a result: a click, a double click and the keys each ask here once, and the
// editor words its question from the answer and makes exactly the step it holds.

namespace kaz {

// Where a result is asked for: a bracket line, or a side of the third-place match.
struct ResultPlace {
    enum class Kind { Line, ThirdPlaceSide };
    Kind kind = Kind::Line;
    int index = 0;

    static ResultPlace line(int line) { return {Kind::Line, line}; }
    static ResultPlace thirdPlaceSide(int side) { return {Kind::ThirdPlaceSide, side}; }
    bool operator==(const ResultPlace& o) const { return kind == o.kind && index == o.index; }
    bool operator!=(const ResultPlace& o) const { return !(*this == o); }
};

// What is asked of the match there.
enum class ResultAction {
    Press,          // a left press, or Alt+→: the win, or a won line's win taken back
    ResetMessage,   // the double-click message that follows its press
    PressAndReset,  // a whole double click at once, as Alt+← takes the last win back
};

// A result change worked out against the bracket as it is, which it leaves alone.
struct ResultProposal {
    ResultPlace place;
    ResultAction action = ResultAction::Press;
    // Why nothing may change; the step is then empty.
    std::optional<Refusal> refusal;
    // The step that makes the change (empty also where the change changes nothing).
    BracketChange change;
    // The decided later matches it clears, with their scores, and whether the champion's name
    // goes with them: the editor asks before such a change.
    ClearedResults cleared;
    // Whether the match played there loses its own scores: its result changed or was taken back.
    bool ownScoresCleared = false;
    // The member who wins that match after the change, -1 where it is left undecided.
    int winner = -1;

    bool asks() const { return !cleared.matchNumbers.empty(); }
};

// What `action` on `place` would do. A line that holds nobody (a bye, a slot without a name, a
// line of a later round nobody reached) refuses everything; so does a third-place side whose
// member is unknown, and a third-place win before both are known. A win a bye gave belongs to
// the draw: taking it back is refused while the slot is a bye. `pressMade` is the step of the
// press a ResetMessage follows, when that press was made: the double click is then worked out
// as one gesture from the bracket before it, so a match the press had just decided keeps the
// scores typed before it.
ResultProposal proposeResult(const Bracket& bracket, ResultPlace place, ResultAction action,
                             const BracketChange* pressMade = nullptr);

}  // namespace kaz
