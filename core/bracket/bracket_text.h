#pragma once

#include <string>

namespace kaz {

class Bracket;

// The bracket as plain text (CP932, LF line ends), for pasting where no picture or table goes:
// one block a round ("1回戦", "2回戦", …, the final line's block "優勝"), each line of the round
// as the name of the member who stands there and, after a tab, its score; then the champion's
// name, if there is one. Blocks are parted by an empty line.
std::string bracketAsText(const Bracket& bracket);

}  // namespace kaz
