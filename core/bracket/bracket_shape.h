#pragma once

// Pure arithmetic on the shape of a bracket. A bracket of P members (4, 8, 16 or 32) has
// R = log2(P) + 1 rounds and 2P - 1 lines; round k (0-based) holds P / 2^k lines and the
// last round holds the single final line. Line indices run round by round, top to bottom.

namespace kaz {

enum LineKind { KIND_UPPER = 0, KIND_LOWER = 1, KIND_FINAL = 2 };

constexpr int kMaxPlayers = 32;

// True for the four member counts a bracket can have.
constexpr bool IsValidPlayerCount(int players) {
    return players == 4 || players == 8 || players == 16 || players == 32;
}

// Number of rounds (columns of lines) for `players` members: 4 -> 3 … 32 -> 6.
int RoundsForPlayers(int players);

// Member count of a bracket with `rounds` rounds (3 -> 4 … 6 -> 32).
constexpr int PlayersForRounds(int rounds) { return 1 << (rounds - 1); }

// Number of lines: 2P - 1.
constexpr int LineCountForPlayers(int players) { return 2 * players - 1; }

// Index of the first line of round `round` (0-based).
int FirstLineOfRound(int players, int round);

// Where a line stands: its 0-based round, its 0-based position in that round, and how
// many lines the round holds.
struct LinePlace {
    int round = 0;
    int position = 0;
    int size = 0;
};
LinePlace PlaceOfLine(int players, int line);

// KIND_FINAL for the last line, otherwise the parity of the line's position.
int KindOfLine(int players, int line);

// The line in the next round that `line` feeds, or -1 for the final line.
int NextRoundLine(int players, int line);

// The other line of the same match, or -1 for the final line.
int OpponentLine(int players, int line);

}  // namespace kaz
