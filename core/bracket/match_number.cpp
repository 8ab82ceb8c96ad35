#include "bracket/match_number.h"

#include "bracket/bracket_shape.h"

namespace kaz {

int matchNumber(int members, int line) {
    const LinePlace place = placeOfLine(members, line);
    if (place.size <= 1) return 0;
    // The rounds before hold members / 2 + members / 4 + … = members - place.size matches.
    return members - place.size + place.position / 2 + 1;
}

}  // namespace kaz
