#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bracket/sheet_info.h"

// What the sheet puts beside the bare bracket, worked out once so that every picture, the page
// and the text copy show the same: whether the club column shows, a seed's mark, which match
// carries which number, and which lines a bye leaves undrawn.

namespace kaz {

class Bracket;

// True when some member has a club.
bool hasClubs(const Bracket& bracket);

// True when the club column is shown: some member has a club, or the sheet asks for it.
bool showsClubColumn(const Bracket& bracket);

// The mark before a seeded member's name: the seed number in brackets, "[1]". Empty for 0.
std::string seedMark(int seed);

// The mark a filled slot of a knockout made from pools shows beside its member's name: 「A1」;
// empty for a slot not filled.
std::string poolSlotMark(const PoolSlot& slot);

// The mark beside a member's name: its seed's, else its pool place's; empty for neither.
std::string memberMark(const MemberMarks& marks);

// The line at the foot of the sheet that names the draw which made it, in the sheet's
// language: "抽選番号 4242", "Draw no. 4242" (document text).
std::string drawNumberText(uint32_t drawNumber, SheetLanguage language);

// The number of the match each line feeds, by line index: 0 for the lines of the first round
// and for a line fed by no numbered match. The matches are numbered 1, 2, 3, … round by round,
// top to bottom; a first-round pair with a bye is no match and gets no number. The numbers do
// not depend on whether the sheet shows them.
std::vector<int> matchNumbersByLine(const Bracket& bracket);

// True when `line` is a first-round line of a slot the sheet marks as a bye: it has no stroke
// and no share of its pair's join, so that its opponent's line runs on into the second round.
bool isByeLine(const Bracket& bracket, int line);

}  // namespace kaz
