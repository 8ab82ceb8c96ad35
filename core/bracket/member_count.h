#pragma once

#include <string_view>

namespace kaz {

// The member count chosen by the text of the member-count dialog: exactly "4人用", "8人用",
// "16人用", "32人用", "64人用" or "128人用" in CP932, or the number alone ("16"), gives that
// count; any other
// text gives 0 (no bracket).
int memberCountFromText(std::string_view cp932);

}  // namespace kaz
