#pragma once

#include <array>
#include <string>
#include <vector>

#include "bracket/bracket_shape.h"
#include "draw/draw_random.h"
#include "draw/entrant_list.h"

// Keeping the members of one club apart in the lot.

namespace kaz {

// The club of an entrant that has none, and of a bye or a position still free.
constexpr int kNoClub = -1;

// Pairs of one club counted by the round in which they can first meet: element r for round
// r (1 … the rounds of matches of the largest bracket); element 0 is unused.
using MeetingCounts = std::array<int, kMaxRounds>;

// The round in which the members at first-round positions a and b (0-based, top to bottom,
// a != b) can meet: 1 when they share a first-round match, 2 when they share a block of 4.
int meetingRound(int a, int b);

// The same-club pairs of a bracket whose position p holds an entrant of club clubAt[p].
MeetingCounts clubMeetings(const std::vector<int>& clubAt);

// The fewest pairs that a club of `members` members must bring together in each round of a
// bracket of `positions` first-round positions, however they are placed: once a club has more
// members than a round has blocks (matches' sections of 2, 4, … positions), some of them share
// a block, and the fewest pairs come from spreading them as evenly as the blocks allow, which
// one placement does for every round at once. Counted as clubMeetings counts them.
MeetingCounts unavoidableMeetings(int members, int positions);

// True when `a` has fewer pairs meeting in round 1 than `b`, or as many and fewer in round
// 2, and so on: the order in which the lot compares placements.
bool fewerEarlyMeetings(const MeetingCounts& a, const MeetingCounts& b);

// Places entrants into the free positions of a bracket so that members of one club meet as
// late as possible: the fewest pairs that can meet in round 1, then in round 2, and so on.
// `clubAt` has one entry per position: the club (0, 1, …) of the entrant fixed there, or
// kNoClub; `freePositions` are the positions to fill and `freeClubs` the clubs of the
// entrants to place (as many). Returns the position of each entrant to place.
//
// With at most 8 free positions every placement is tried and one of the best is drawn by lot.
// With more, each half is filled as evenly as its free positions allow (no half holding more
// than ⌈n/2⌉ of a club's n entrants where that can be done), then each quarter, and so on
// down, with ties drawn by lot; then two entrants change places wherever that brings fewer
// early meetings, until no exchange does.
std::vector<int> spreadClubs(const std::vector<int>& clubAt, const std::vector<int>& freePositions,
                             const std::vector<int>& freeClubs, DrawRandom& random);

// Each entrant's club as a number (0, 1, … in order of first appearance), kNoClub for none.
std::vector<int> clubNumbers(const std::vector<Entrant>& entrants);

// Each club of the entrants, in order of first appearance: its name and how many it has.
struct ClubCount {
    const std::string* name;  // the first entrant's spelling
    int members = 0;
};
std::vector<ClubCount> clubCounts(const std::vector<Entrant>& entrants);

}  // namespace kaz
