#pragma once

#include <string>

#include "bracket/sheet_info.h"
#include "text/messages.h"

namespace kaz {

class Bracket;

// The name of match round `round` (1 for the first round's matches, log2 of the member count
// for the final) of a bracket of `members` members, as a Japanese draw sheet writes it:
// "1回戦", "2回戦", …, "準々決勝", "準決勝", "決勝". UTF-8.
std::string matchRoundName(int members, int round);
// The same name as a message, for texts the user reads in the editor's language.
Message matchRoundMessage(int members, int round);

// The default name over round (column) `round` of a sheet in `language`, 0 for the first
// round's lines: the match its lines play, and "優勝" ("Champion") for the champion's column.
// UTF-8.
std::string defaultRoundName(int members, int round, SheetLanguage language);

// The name over round `round` of the bracket's sheet: the stored name as typed, or the default
// in the sheet's language. Document text, as the sheet's other texts.
std::string sheetRoundName(const Bracket& bracket, int round);

}  // namespace kaz
