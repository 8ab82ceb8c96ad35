#pragma once

// Pure arithmetic on the shape of a bracket. A bracket of P members (4, 8, 16, 32, 64 or 128) has
// R = log2(P) + 1 rounds and 2P - 1 lines; round k (0-based) holds P / 2^k lines and the
// last round holds the single final line. Line indices run round by round, top to bottom.

namespace kaz {

// Where a line sits in its match: the upper or lower line of a pair, or the final line.
enum class LineKind { Upper, Lower, Final };

constexpr int kMaxMembers = 128;
// The rounds (columns of lines) of the largest bracket.
constexpr int kMaxRounds = 8;

// True for the six member counts a bracket can have.
constexpr bool isValidMemberCount(int members) {
    return members == 4 || members == 8 || members == 16 || members == 32 || members == 64 ||
           members == 128;
}

// Number of rounds (columns of lines) for `members` members: 4 -> 3 … 128 -> 8.
int roundsForMembers(int members);

// Number of lines: 2P - 1.
constexpr int lineCountForMembers(int members) { return 2 * members - 1; }

// Where a line stands: its 0-based round, its 0-based position in that round, and how
// many lines the round holds.
struct LinePlace {
    int round = 0;
    int position = 0;
    int size = 0;
};
LinePlace placeOfLine(int members, int line);

// Final for the last line, otherwise Upper for an even position in the round, Lower for odd.
LineKind kindOfLine(int members, int line);

// The line in the next round that `line` feeds, or -1 for the final line.
int nextRoundLine(int members, int line);

// The other line of the same match, or -1 for the final line.
int opponentLine(int members, int line);

}  // namespace kaz
