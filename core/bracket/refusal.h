#pragma once

#include <optional>

#include "text/messages.h"

namespace kaz {

class Bracket;
struct SheetInfo;

// Why the bracket refuses a change the user asked for: a message the editor shows as it is.
// Each check gives nothing where the change is taken; a refused change changes nothing.
using Refusal = Message;

// Member `member`'s seed number `seed` (0 for none): refused beyond the member count, or while
// another member holds it (naming that member).
std::optional<Refusal> seedRefusal(const Bracket& bracket, int member, int seed);
// Marking first-round slot `slot` as a bye: refused for a slot with a name.
std::optional<Refusal> byeRefusal(const Bracket& bracket, int slot, bool bye);
// Hiding the club column: refused while a member has a club.
std::optional<Refusal> clubColumnRefusal(const Bracket& bracket, bool shown);
// A whole sheet that does not fit the bracket (see sheetFits).
std::optional<Refusal> sheetRefusal(const Bracket& bracket, const SheetInfo& sheet);
// A press, double click or text on bracket line `line` where no member stands yet.
std::optional<Refusal> lineRefusal(const Bracket& bracket, int line);
// The same on side `side` of the third-place match, while its member is unknown.
std::optional<Refusal> thirdPlaceRefusal(const Bracket& bracket, int side);
// A win on side `side` of the third-place match: refused while either side's member is unknown.
std::optional<Refusal> thirdPlaceWinRefusal(const Bracket& bracket, int side);

}  // namespace kaz
