#pragma once

#include <string>

namespace kaz {

class Bracket;

// The bracket as plain text (UTF-8 as shown, LF line ends), for pasting where no picture or table
// goes: one block a round, named as the draw names its matches ("1回戦", …, "準決勝", "決勝"), each
// line of the round as the name of the member who stands there and, after a tab, its score;
// last the block "優勝" with the final line: the champion's name where one is written, else
// the member standing there. Blocks are parted by an empty line.
// A bracket with a sheet shows it as the page does: the title and the second line first, then
// an empty line; the blocks named with the sheet's round names; in the first round the seed
// mark, the name and the club as "[1] 名前（所属）", a bye as "―"; a line fed by a numbered match
// begins with its number, "(3) "; after the final the third place, as a round: the block
// "3位決定戦" with its two sides (the semi-finals' losers, once known) and their scores, then
// "3位" with its winner; or, where both losers are third, the block "3位" with both; last, after
// an empty line, "抽選番号 4242".
std::string bracketAsText(const Bracket& bracket);

}  // namespace kaz
