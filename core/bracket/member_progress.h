#pragma once

namespace kaz {

class Bracket;

// How far a member has come: its round-1 line is the line with its own index, and each line
// it won carries it on to the next round's line.

// Whether a member stands on `line`: always on a round-1 line (whether or not a name is
// typed); on a later line once a win has carried a member there, that is while the line is
// not Open. A line nobody stands on takes no result and no score.
bool memberStandsOn(const Bracket& bracket, int line);

// Whether first-round slot `slot` holds nobody who could play: a bye, or a slot whose name is
// empty or only white space. Nobody wins or scores there.
bool slotHoldsNobody(const Bracket& bracket, int slot);

// Whether first-round slot `slot` of a knockout made from pools still waits for its pool: it
// shows the placeholder, and nobody may win, lose or score there until the pool is decided.
bool slotAwaitsPool(const Bracket& bracket, int slot);

// Whether a member who could play stands on `line`: someone stands there (memberStandsOn), and
// on a first-round line the slot holds somebody; nowhere a slot that awaits its pool.
bool playerStandsOn(const Bracket& bracket, int line);

// The member standing on `line`, followed back through the won lines that carried it there,
// or -1 when nobody stands there (or, in a bracket from a file, no won line leads there).
int memberOnLine(const Bracket& bracket, int line);

// The line member `member` stands on now: the first line of its path that it has not won,
// or the final line.
int memberStandingLine(const Bracket& bracket, int member);

// The last line of the member's path that it has won (the final line included), or -1 when
// it has won nothing.
int memberLastWonLine(const Bracket& bracket, int member);

// The line of the member's most recently decided match: the line it lost on (its opponent
// won there), else the last line it won; a member with no decided match gets the line it
// stands on.
int memberLastDecidedLine(const Bracket& bracket, int member);

}  // namespace kaz
