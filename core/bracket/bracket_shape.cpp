#include "bracket/bracket_shape.h"

namespace kaz {

int RoundsForPlayers(int players) {
    int rounds = 0;
    for (int b = 1; b <= players; b *= 2) ++rounds;
    return rounds;
}

int FirstLineOfRound(int players, int round) {
    int first = 0;
    int size = players;
    for (int k = 0; k < round; ++k) {
        first += size;
        size /= 2;
    }
    return first;
}

LinePlace PlaceOfLine(int players, int line) {
    LinePlace place{0, line, players};
    const int rounds = RoundsForPlayers(players);
    while (place.round < rounds && place.position - place.size >= 0) {
        place.position -= place.size;
        place.size /= 2;
        ++place.round;
    }
    return place;
}

int KindOfLine(int players, int line) {
    const LinePlace place = PlaceOfLine(players, line);
    return place.size == 1 ? KIND_FINAL : place.position % 2;
}

int NextRoundLine(int players, int line) {
    const LinePlace place = PlaceOfLine(players, line);
    if (place.size <= 1) return -1;
    return line + place.size - (place.position + 1) / 2;
}

int OpponentLine(int players, int line) {
    const LinePlace place = PlaceOfLine(players, line);
    if (place.size <= 1) return -1;
    return place.position % 2 == 0 ? line + 1 : line - 1;
}

}  // namespace kaz
