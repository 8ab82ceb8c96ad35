#include "bracket/member_count.h"

#include <string>

#include "bracket/bracket_shape.h"

namespace kaz {

int memberCountFromText(std::string_view cp932) {
    // "人用" is 90 6C 97 70 in CP932.
    constexpr std::string_view kNinYou = "\x90\x6C\x97\x70";
    // The number typed alone means the item it begins.
    const std::string_view number =
        cp932.size() > kNinYou.size() && cp932.substr(cp932.size() - kNinYou.size()) == kNinYou
            ? cp932.substr(0, cp932.size() - kNinYou.size())
            : cp932;
    for (int members = 4; members <= kMaxMembers; members *= 2) {
        if (number == std::to_string(members)) return members;
    }
    return 0;
}

}  // namespace kaz
