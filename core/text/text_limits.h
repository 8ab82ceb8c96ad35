#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The limits of the texts a user types. A limit counts characters, whatever their script
// (textLength in text/document_text.h): a kanji counts one, as a letter does.

namespace kaz {

// A score: room for the sets of a long match, "6-4 3-6 7-6(5)".
constexpr size_t kMaxScoreCharacters = 32;

// What a line's classic score field holds, in CP932 bytes: the start of a longer score that fits
// there, cut between characters (the file's block holds the whole score).
constexpr size_t kClassicScoreBytes = 9;

// A member's name, with its club where the club is added to the name: a name or a whole row of a
// list run together, far past what a box can show, is refused rather than drawn cut.
constexpr size_t kMaxMemberNameCharacters = 64;

// The champion's name: as long as a member's, so that the final's winner's name fits whole.
constexpr size_t kMaxChampionCharacters = kMaxMemberNameCharacters;

// A colour string, "#RRGGBB", the form the settings dialog stores, in bytes. The reader refuses
// a file with a longer one: the page repeats each in about 190 cells.
constexpr size_t kColorStringBytes = 7;

// The texts of the sheet around the bracket, and a member's club. Every text a file of an earlier
// version could hold stays within them.
constexpr size_t kMaxSheetTitleCharacters = 128;
constexpr size_t kMaxSheetSubtitleCharacters = 128;
constexpr size_t kMaxRoundNameCharacters = 32;
constexpr size_t kMaxClubCharacters = 64;

// A pool's name ("A", or the organiser's own), as long as a round's.
constexpr size_t kMaxPoolNameCharacters = kMaxRoundNameCharacters;

// The longest path of a pool stage's file that a knockout keeps, in bytes of UTF-8.
constexpr size_t kMaxPoolPathBytes = 4096;

// True when `text` (CP932) holds a control character (C0 or DEL), which no field stores. The
// second byte of a double-byte character is never one of these.
bool hasControlCharacter(std::string_view text);
// `text` without its control characters: what a line typed or pasted into a field of UTF-8 keeps.
std::string withoutControlCharacters(std::string_view text);

// A typed score as stored: without leading and trailing single-byte white space.
std::string trimScore(std::string_view text);

}  // namespace kaz
