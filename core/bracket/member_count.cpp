#include "bracket/member_count.h"

namespace kaz {

int memberCountFromText(std::string_view cp932) {
    // "人用" is 90 6C 97 70 in CP932.
    struct Choice {
        std::string_view text;
        int members;
    };
    static constexpr Choice kChoices[] = {
        {"4\x90\x6C\x97\x70", 4},
        {"8\x90\x6C\x97\x70", 8},
        {"16\x90\x6C\x97\x70", 16},
        {"32\x90\x6C\x97\x70", 32},
    };
    for (const Choice& choice : kChoices) {
        if (cp932 == choice.text) return choice.members;
    }
    return 0;
}

}  // namespace kaz
