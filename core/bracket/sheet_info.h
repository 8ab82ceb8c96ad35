#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "bracket/bracket_shape.h"
#include "bracket/line_result.h"

// What an organiser's sheet shows around the bare bracket: a title and a second line, the
// rounds' names, each member's club and seed, match numbers, the byes and the draw that made
// it. A bracket that uses none of it stores nothing of it.

namespace kaz {

// A record of the file's sheet block that this version does not know: kept as read and
// written back in its place, otherwise ignored.
struct UnknownSheetRecord {
    int32_t tag = 0;
    std::string bytes;
    int32_t after = 0;  // the tag of the known record it followed in the file; 0 for none

    bool operator==(const UnknownSheetRecord& o) const {
        return tag == o.tag && bytes == o.bytes && after == o.after;
    }
};

// How a sheet shows third place: not at all, both semi-finals' losers as third (as kendo and
// judo events rank them), or a match between them.
enum class ThirdPlace : int32_t {
    None = 0,
    Shared = 1,
    Match = 2,
};

// The sides of the third-place match: the loser of the upper semi-final, and of the lower.
constexpr int kThirdPlaceSides = 2;

// Text is CP932 bytes without control characters, within the limits of text/text_limits.h.
// Entries beyond the bracket's member count or rounds stay empty.
struct SheetInfo {
    std::string title;
    std::string subtitle;  // the second line: the date and the venue, say
    // By round (column): 0 for the first round's lines, the last for the champion's column.
    // Empty for the default name (defaultRoundName), which is never stored.
    std::array<std::string, kMaxRounds> roundNames;
    std::array<std::string, kMaxMembers> clubs;  // by member; empty for none
    std::array<int, kMaxMembers> seeds{};        // by member: the seed number, 0 for none
    std::array<bool, kMaxMembers> byes{};        // by first-round slot; a bye's name is empty
    bool matchNumbers = false;                   // the matches numbered 1, 2, 3, …
    bool clubColumn = false;                     // the club column shown even while no club is set
    std::optional<uint32_t> drawNumber;          // the number of the draw that made the bracket
    ThirdPlace thirdPlace = ThirdPlace::None;
    // The third-place match's results by side, held only while thirdPlace is Match: Won on the
    // winner's side, Open otherwise, and each side's score.
    std::array<LineResult, kThirdPlaceSides> thirdPlaceSides;
    // The first half of the members down the left edge, the second half down the right, the
    // final in the middle.
    bool twoSided = false;
    // In the order they are written: by the known record they follow, then as they came.
    std::vector<UnknownSheetRecord> unknownRecords;

    // True when nothing is set: such a bracket's file has no sheet block.
    bool isEmpty() const;

    bool operator==(const SheetInfo& o) const;
    bool operator!=(const SheetInfo& o) const { return !(*this == o); }
};

// The sheet with nothing set, made once.
const SheetInfo& emptySheet();

}  // namespace kaz
