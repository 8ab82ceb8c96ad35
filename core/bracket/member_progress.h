#pragma once

namespace kaz {

class Bracket;

// How far a member has come: its round-1 line is the line with its own index, and each line
// it won carries it on to the next round's line.

// The line member `member` stands on now: the first line of its path that it has not won,
// or the final line.
int memberStandingLine(const Bracket& bracket, int member);

// The last line of the member's path that it has won (the final line included), or -1 when
// it has won nothing.
int memberLastWonLine(const Bracket& bracket, int member);

}  // namespace kaz
