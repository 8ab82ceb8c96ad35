#pragma once

#include <string>

namespace kaz {

// The name of match round `round` (1 for the first round's matches, log2 of the member count
// for the final) of a bracket of `members` members, as a Japanese draw sheet writes it:
// "1回戦", "2回戦", …, "準決勝", "決勝". UTF-8.
std::string matchRoundName(int members, int round);

}  // namespace kaz
