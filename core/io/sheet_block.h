#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "bracket/bracket.h"
#include "bracket/bracket_texts.h"
#include "io/kaz_codec.h"

// The optional block after the champion's name that holds the sheet: "KAZX", the version 1,
// the record count, then each record as its tag (an integer) and its bytes (a string). A
// program that reads only the classic file stops at the champion's name and never sees it.
//
// The records this version knows, each at most once, none of them empty:
//   1 title         the title's bytes
//   2 second line   the second line's bytes
//   3 round names   count, then per name: round (0 for the first round's lines), string
//   4 clubs         count, then per club: member, string
//   5 seeds         count, then per seed: member, seed number (1 … member count)
//   6 match numbers the integer 1
//   7 byes          count, then per bye: first-round slot (its name is empty)
//   8 draw number   the integer (1 or more)
//   9 club column   the integer 1: the column shown while no club is set
//  10 third place   the integer 1: both semi-finals' losers third; 2: a third-place match
//  11 third-place results  per side, upper then lower: state (0 open, 1 won), score string;
//                   only with a third-place match
//  12 two-sided     the integer 1: half the members down each edge, the final in the middle
//  13 language      the integer 1: the sheet's own words in English; another value is kept as
//                   an unknown record (a later version's language) and the sheet is Japanese
//  14 … 21 exact texts  the UTF-8 form of texts whose field above (or in the classic part)
//                   holds 〓 or a look-alike for a character CP932 cannot hold: 14 member names,
//                   15 scores (by line), 16 the champion, 17 the title, 18 the second line,
//                   19 round names, 20 clubs, 21 third-place scores (by side); 15 also holds
//                   a score longer than the classic score field, which holds its start. 16, 17 and
//                   18 are the text's bytes; the others count, then per text: index, string. A text
//                   whose CP932 form is no longer its field (a program that knows only the field
//                   changed it since) is ignored: the field wins.
//  22 pool stage  the UTF-8 path of the pool stage's file a knockout was made from
//  23 pool slots   count, then per slot: first-round slot, pool index, place (1 or 2), filled
//                   (0 or 1), the pool's name (UTF-8, not empty); the slot's name is its
//                   placeholder until filled
//  24 venue code   1: the printed sheet carries the QR code of the venue's server
// Counts and indices are integers; entries run in ascending index; a count is at least 1.
// Records of other tags are kept as they are and written back after the known record they
// followed. Records 4, 5, 7, 11 and 23 hold the bracket's member marks and third-place results, the
// others its SheetInfo.

namespace kaz {

enum class SheetTag : int32_t {
    Title = 1,
    Subtitle = 2,
    RoundNames = 3,
    Clubs = 4,
    Seeds = 5,
    MatchNumbers = 6,
    Byes = 7,
    DrawNumber = 8,
    ClubColumn = 9,
    ThirdPlace = 10,
    ThirdPlaceResults = 11,
    TwoSided = 12,
    SheetLanguage = 13,
    // The exact texts, one record per kind of text (TextKind), in its order.
    FirstExactText = 14,
    LastExactText = 21,
    PoolFile = 22,
    PoolSlots = 23,
    VenueQrCode = 24,
};
constexpr int32_t kLastSheetTag = 24;
constexpr int32_t kSheetBlockVersion = 1;
constexpr char kSheetBlockMark[] = "KAZX";

// A record of the block that this version does not know: kept as read and written back in its
// place, otherwise ignored.
struct UnknownSheetRecord {
    int32_t tag = 0;
    std::string bytes;
    int32_t after = 0;  // the tag of the known record it followed in the file; 0 for none

    bool operator==(const UnknownSheetRecord& o) const {
        return tag == o.tag && bytes == o.bytes && after == o.after;
    }
};

// What a bracket keeps of its block's unknown records (Bracket::unknownSheetRecords), in the
// order they are written: by the known record they follow, then as they came.
struct UnknownSheetRecords {
    std::vector<UnknownSheetRecord> records;
};

// Appends the block of `bracket` to `out`; nothing for a bracket without one (hasSheetBlock), so
// that such a file stays in the classic form.
void appendSheetBlock(std::string& out, const Bracket& bracket);

// Reads the block where `in` stands into `content` (of a bracket of `members` members and
// `rounds` rounds), when the bytes there begin with "KAZX"; other bytes are left alone (a file
// may end with anything). False when a block begins but is cut short or a known record does not
// parse; `content` is then of no use. Limits, and the rule that a bye's slot has no name, are the
// caller's to check (sheetFits).
// The exact texts of records 14 … 21, by kind (TextKind), each kind's in ascending index:
// views into the file's bytes, for the reader to put in place of their fields.
using ExactTexts = std::array<std::vector<std::pair<size_t, std::string_view>>, kTextKinds>;

bool readSheetBlock(KazReader& in, int members, int rounds, BracketContent& content,
                    ExactTexts& exactTexts);

}  // namespace kaz
