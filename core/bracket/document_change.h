#pragma once

#include <vector>

// What one change of an open bracket touched, as its listeners hear it: made from the step the
// history applied, so that no listener has to work out what a change concerns.

namespace kaz {

class Bracket;
struct BracketChange;

// Where a change came from: a step done, undone or redone in the history, or the document
// itself (its file and title, which no step holds).
enum class ChangeSource { Done, Undone, Redone, Document };

struct DocumentChange {
    ChangeSource source = ChangeSource::Done;
    // The lines whose state changed, and those whose score changed, each ascending.
    std::vector<int> lines;
    std::vector<int> scores;
    // The members whose name changed, and those whose marks (club, seed, bye) changed.
    std::vector<int> names;
    std::vector<int> marks;
    bool champion = false;
    // The colours and bold flags (色の設定).
    bool colors = false;
    // The sheet's own options (表の設定, the club column).
    bool sheet = false;
    // The third-place match's results.
    bool thirdPlace = false;
    // The document's file or title; never part of a step.
    bool title = false;

    // True when nothing changed.
    bool isEmpty() const;
    // True when the bracket's content changed: anything a step holds.
    bool changesContent() const;
};

// What `change`, applied in the direction `source` names, touched.
DocumentChange documentChangeOf(const BracketChange& change, ChangeSource source);

// Does the change touch what the third place shows: who plays it (the semi-finals and the
// final's two lines decide that; a first-round slot's name or bye where the slots are the
// semi-finals), those members' names, its results, the sheet or the colours? `bracket` is the
// bracket after the change.
bool affectsThirdPlace(const DocumentChange& change, const Bracket& bracket);

// Does the change move or relabel the sheet around the bracket: its options or a member's
// marks (the club column, seed marks, byes)?
bool affectsSheet(const DocumentChange& change);

}  // namespace kaz
