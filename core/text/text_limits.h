#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The byte limits of the texts a user types, and what a typed score becomes. Lengths are
// CP932 bytes: a double-byte character counts 2.

namespace kaz {

// A score: 9 single-byte characters, or 4 double-byte ones and one single-byte.
constexpr size_t kMaxScoreBytes = 9;

// A member's name. The name box takes up to 32767 characters (a Qt line edit's own limit),
// so a name of at most this many bytes always fits in it.
constexpr size_t kMaxMemberNameBytes = 32767;

// The champion's name: as long as a member's, so that the final's winner's name fits whole
// (the file writes a name of 255 bytes or more with its longer length prefix).
constexpr size_t kMaxChampionBytes = kMaxMemberNameBytes;

// A colour string, "#RRGGBB", the form the settings dialog stores. The reader refuses a file
// with a longer one: the page repeats each in about 190 cells.
constexpr size_t kColorStringBytes = 7;

// The texts of the sheet around the bracket. Modest limits: a title or second line of 64
// double-byte characters already fills the width of a printed sheet, a round's name of 16 sits
// over one column, and a club of 32 names any school or team in full.
constexpr size_t kMaxSheetTitleBytes = 128;
constexpr size_t kMaxSheetSubtitleBytes = 128;
constexpr size_t kMaxRoundNameBytes = 32;
constexpr size_t kMaxClubBytes = 64;

// True when `text` (CP932) holds a control character (C0 or DEL), which no field stores. The
// second byte of a double-byte character is never one of these.
bool hasControlCharacter(std::string_view text);

// A typed score as stored: without leading and trailing single-byte white space.
std::string trimScore(std::string_view text);

}  // namespace kaz
