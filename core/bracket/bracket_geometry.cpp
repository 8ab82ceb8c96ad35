#include "bracket/bracket_geometry.h"

namespace kaz {
namespace {

constexpr int kFirstLineLeft = 160;  // right edge of the name boxes
constexpr int kLinesTop = 25;

}  // namespace

int memberPitch(int members) { return members >= 64 ? kLargeMemberPitch : kMemberPitch; }

Rect memberNameRect(int member, int pitch) { return {50, pitch * (member + 1), 110, 20}; }

Rect lineRect(int members, int line) { return lineRect(members, line, memberPitch(members)); }

Rect lineRect(int members, int line, int pitch) {
    const LinePlace place = placeOfLine(members, line);
    const int height = pitch << place.round;
    return {kFirstLineLeft + kRoundWidth * place.round, kLinesTop + place.position * height,
            kRoundWidth, height};
}

Point championPosition(int members) {
    return {kRoundWidth * roundsForMembers(members) + 165, memberPitch(members) / 2 * members + 19};
}

Size bracketExtent(int members) { return bracketExtent(members, memberPitch(members)); }

Size bracketExtent(int members, int pitch) {
    return {kRoundWidth * roundsForMembers(members) + 260, pitch * members + 50};
}

int scoreTop(LineKind kind, int height) {
    return kind == LineKind::Upper ? (height / 4) * 3 - 4 : height / 4 - 6;
}

int scoreLeft(int width, int bytes) { return width - kScoreGap - 6 * bytes; }

}  // namespace kaz
