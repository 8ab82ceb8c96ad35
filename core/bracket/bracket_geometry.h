#pragma once

#include "bracket/bracket_shape.h"

// Where everything of a bracket lies, in pixels of the bracket's own coordinate space (origin
// at the top-left corner of the view scrolled to its origin). The screen and every picture of
// the bracket are laid out from here.

namespace kaz {

struct Point {
    int x = 0;
    int y = 0;
};

struct Size {
    int width = 0;
    int height = 0;
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; }
    int bottom() const { return top + height; }
};

// The width of every line, and so of every round's column.
constexpr int kRoundWidth = 70;

// The distance between name boxes, and the height of a round-1 line: 34 pixels, and 28 from
// 64 members on, so that a two-sided sheet of 64 still prints legibly on one A4 page.
constexpr int kMemberPitch = 34;
constexpr int kLargeMemberPitch = 28;
int memberPitch(int members);

// The name box of member `member` (0-based), down the left edge: 110 × 20 every `pitch` pixels.
Rect memberNameRect(int member, int pitch = kMemberPitch);

// The area of one line: 70 pixels wide per round; a round-1 line is as high as the pitch of a
// bracket of `members` (or `pitch`) and each later round doubles it, so that a pair's two lines
// meet at the stroke of the line they feed. (A two-sided sheet lays out each half with the
// whole bracket's pitch.)
Rect lineRect(int members, int line);
Rect lineRect(int members, int line, int pitch);

// Top-left corner of the champion's name: 5 pixels right of the final line, its top 6 pixels
// above the final line's stroke.
Point championPosition(int members);

// The whole bracket: 70 per round + 260 wide, the pitch per member + 50 high.
Size bracketExtent(int members);
Size bracketExtent(int members, int pitch);

// Top of a line's score within its area of height `height`: below the stroke on an upper
// line, above it on a lower one. The final line shows no score.
int scoreTop(LineKind kind, int height);

// How far before its line's join a score ends, in the window, every picture and the page.
constexpr int kScoreGap = 6;

// Where a score of `bytes` bytes begins in a line `width` wide: right-aligned on an assumed
// six pixels a byte, ending kScoreGap before the join.
int scoreLeft(int width, int bytes);

}  // namespace kaz
