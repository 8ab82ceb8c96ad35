#include "bracket/bracket_geometry.h"

namespace kaz {
namespace {

constexpr int kMemberPitch = 34;     // between name boxes, and the height of a round-1 line
constexpr int kFirstLineLeft = 160;  // right edge of the name boxes
constexpr int kLinesTop = 25;

}  // namespace

Rect memberNameRect(int member) { return {50, kMemberPitch * (member + 1), 110, 20}; }

Rect lineRect(int members, int line) {
    const LinePlace place = placeOfLine(members, line);
    const int height = kMemberPitch << place.round;
    return {kFirstLineLeft + kRoundWidth * place.round, kLinesTop + place.position * height,
            kRoundWidth, height};
}

Point championPosition(int members) {
    return {kRoundWidth * roundsForMembers(members) + 165, kMemberPitch / 2 * members + 19};
}

Size bracketExtent(int members) {
    return {kRoundWidth * roundsForMembers(members) + 260, kMemberPitch * members + 50};
}

int scoreTop(LineKind kind, int height) {
    return kind == LineKind::Upper ? (height / 4) * 3 - 4 : height / 4 - 6;
}

int scoreLeft(int width, int bytes) { return width - 6 * (bytes + 1); }

}  // namespace kaz
