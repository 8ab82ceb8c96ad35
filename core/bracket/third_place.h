#pragma once

#include <array>
#include <string>

#include "bracket/sheet_info.h"

// The third place of a bracket whose sheet shows one (sheet_info.h): its two sides are the two
// semi-finals' losers, side 0 the upper semi-final's. A side is known once its semi-final is
// decided, that is once one of the semi-final's lines is won and the member it carried stands
// in the final. With a third-place match the sides play one match, entered as any other.

namespace kaz {

class Bracket;

// The two lines of semi-final `side`: the pair feeding the final's line of that side.
std::array<int, 2> semiFinalLines(int members, int side);

// The member on side `side` of the third place, or -1 while its semi-final is undecided or the
// sheet shows no third place.
int thirdPlaceMember(const Bracket& bracket, int side);
std::array<int, kThirdPlaceSides> thirdPlaceMembers(const Bracket& bracket);

// The winner of the third-place match (a member), or -1 while it is undecided.
int thirdPlaceWinner(const Bracket& bracket);

// How side `side` of the match shows, as a line would: Won for the winner, Reached while its
// member is known (a member stands there), Open before.
LineState thirdPlaceLineState(const Bracket& bracket, int side);

// A left press on a side of the third-place match: refused (false, nothing changed) unless the
// sheet has the match and both sides are known. A side not won becomes the winner and the other
// side loses its win; a won side's win is taken back. A changed or taken-back result loses both
// sides' scores.
bool leftClickThirdPlace(Bracket& bracket, int side);

// The double-click message on a side: its win is taken back with both sides' scores. Refused
// while the side is unknown or has not won.
bool doubleClickThirdPlace(Bracket& bracket, int side);

// After an operation on the bracket's lines: when either side's member is no longer the one
// it was (`before`, from thirdPlaceMembers), the match's result and scores are cleared, since
// they no longer follow. True when that cleared anything.
bool settleThirdPlace(Bracket& bracket, const std::array<int, kThirdPlaceSides>& before);

}  // namespace kaz
