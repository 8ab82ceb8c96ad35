#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "bracket/bracket.h"
#include "draw/draw_random.h"
#include "draw/entrant_list.h"

// The draw: from a list of entrants to the positions of a bracket, and the bracket made.

namespace kaz {

struct DrawOptions {
    int size = 0;                // 4 … 128 members; 0 for the smallest that holds all
    bool byLot = true;           // false: unseeded entrants in list order
    bool keepClubsApart = true;  // the lot keeps members of one club apart
    uint32_t drawNumber = kMinDrawNumber;
};

// Two entrants of one club (indices into the list) who can meet in `round` (from 1).
struct ClubMeeting {
    int first = 0;
    int second = 0;
    int round = 0;
};

struct Draw {
    std::vector<int> entrantAt;     // per first-round position, top to bottom: entrant or -1 (bye)
    std::vector<int> seedNumberAt;  // per position: the seed number of its place (sheetSeedOrder)
    std::vector<ClubMeeting> earlyMeetings;  // same-club pairs who can meet before the final
    std::optional<uint32_t> drawNumber;      // the lot's number; none for a draw in list order
};

// Why `size` cannot be drawn for `entrants` (too few or many entrants, a bracket too small for
// them or more than twice their number), or nothing when it can; 0 (the smallest size) always
// can for 2 … 128 entrants.
std::optional<Message> drawSizeProblem(int entrants, int size);

// The draw. Seeds take the places of their seed numbers as draw sheets place them
// (sheetSeedOrder, the places of seeds 3 and on by lot when drawing by lot), the byes take seed
// numbers N+1 … P (so they stand beside seeds 1 … P-N), and the others fill what is left:
// in list order (the i-th unseeded entrant takes the i-th lowest free seed number) or by lot,
// drawn with DrawRandom from the draw number, keeping clubs apart when asked (spreadClubs),
// otherwise shuffled into the free seed numbers in ascending order. Nothing when the
// entrants or the size cannot be drawn (see readEntrantList and drawSizeProblem).
std::optional<Draw> drawEntrants(const std::vector<Entrant>& entrants, const DrawOptions& options);

// The bracket of a draw: each entrant's name in its position ("名前（所属）" with
// `clubInName`), byes with empty names, and each bye's opponent marked the winner of the
// first round as a left click on its line does. Its sheet holds the clubs (unless they went
// into the names), the seeds, the byes and the draw number of a draw by lot; a draw in list
// order of a full list without clubs or seeds leaves the sheet empty.
Bracket makeDrawnBracket(const Draw& draw, const std::vector<Entrant>& entrants, bool clubInName);

// "2回戦: 山田 と 佐藤 (A高)": one early meeting as the tool and the dialog show it.
Message clubMeetingText(const ClubMeeting& meeting, const std::vector<Entrant>& entrants, int size);

// "A高 5人: 1回戦 1組、2回戦 2組": for each club whose size alone makes some of its members meet
// before the final in a bracket of `size` (unavoidableMeetings), how many pairs in which
// round; clubs in the order they first appear in the list.
std::vector<Message> unavoidableMeetingTexts(const std::vector<Entrant>& entrants, int size);

}  // namespace kaz
