#pragma once

#include <string_view>

namespace kaz {

// The member count chosen by the text of the member-count dialog: exactly "4人用", "8人用",
// "16人用" or "32人用" in CP932, or the number alone ("16"), gives 4, 8, 16 or 32; any other
// text gives 0 (no bracket).
int memberCountFromText(std::string_view cp932);

}  // namespace kaz
