#include "bracket/bracket_shape.h"

namespace kaz {

int roundsForMembers(int members) {
    int rounds = 0;
    for (int b = 1; b <= members; b *= 2) ++rounds;
    return rounds;
}

LinePlace placeOfLine(int members, int line) {
    // Round r holds M >> r lines and ends 2(M >> r) - 1 lines before the end: a line's round
    // is told by the largest power of two below its distance from the end, 2M - line. Worked
    // out at once where M is a power of two, as every bracket's is.
    const int fromEnd = 2 * members - line;
    if (members > 0 && (members & (members - 1)) == 0 && line >= 0 && fromEnd >= 2) {
        const int size = 1 << (31 - __builtin_clz(unsigned(fromEnd - 1)));
        return {__builtin_ctz(unsigned(members)) - __builtin_ctz(unsigned(size)),
                line - (2 * members - 2 * size), size};
    }
    LinePlace place{0, line, members};
    const int rounds = roundsForMembers(members);
    while (place.round < rounds && place.position - place.size >= 0) {
        place.position -= place.size;
        place.size /= 2;
        ++place.round;
    }
    return place;
}

LineKind kindOfLine(int members, int line) {
    const LinePlace place = placeOfLine(members, line);
    if (place.size == 1) return LineKind::Final;
    return place.position % 2 == 0 ? LineKind::Upper : LineKind::Lower;
}

int nextRoundLine(int members, int line) {
    const LinePlace place = placeOfLine(members, line);
    if (place.size <= 1) return -1;
    return line + place.size - (place.position + 1) / 2;
}

int opponentLine(int members, int line) {
    const LinePlace place = placeOfLine(members, line);
    if (place.size <= 1) return -1;
    return place.position % 2 == 0 ? line + 1 : line - 1;
}

}  // namespace kaz
