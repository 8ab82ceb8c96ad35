#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "io/file_io.h"
#include "pools/pool_stage.h"

// The pool stage's file: UTF-8 JSON that organisers' own scripts can read and write, with a
// "format" and a "version" member first and every text exactly as typed.
// docs/pool-file-format.md describes it member by member.

namespace kaz {

// The file's name ends in this: the bracket's ".kaz" and what the file holds, which *.kaz does
// not match, so that the two kinds of document never pass for each other.
inline constexpr std::string_view kPoolFileExtension = ".kazpool";
// JSON underneath, as the "+json" suffix tells a desktop or a web server.
inline constexpr std::string_view kPoolFileMimeType = "application/x-kazbo-pools+json";
// The value of the file's "format" member.
inline constexpr std::string_view kPoolFileFormat = "kazbo-pools";
// The version this editor writes. A change that an older reader may pass over (a new member)
// keeps it; a file of a higher version is refused.
constexpr int kPoolFileVersion = 1;

// The largest pool file read. The largest stage the editor holds writes some 200 KiB.
constexpr size_t kMaxPoolFileBytes = 4u << 20;
// How deep arrays and objects may nest in a file (the stage itself uses five levels), and how
// many values a file may hold in all (the largest stage holds some 5,000): a file cannot make
// reading cost more than a few megabytes, whatever else it holds.
constexpr int kMaxPoolFileDepth = 32;
constexpr size_t kMaxPoolFileValues = 100000;

// The most points a win, draw or loss is worth (either sign): with scores of at most
// kMaxPoolScore (pools/pool_change.h), sums over a whole pool stay far from any integer's limit.
constexpr int kMaxPoolPoints = 100;

// True when `stage` is one the file can hold and the editor can rank: 1 to kMaxPools pools of
// kMinPoolSize to kMaxPoolSize members, kMaxPoolEntrants in all; every pair of a pool's members
// once among its matches, first < second; walkovers only on a match won; scores, points, seeds
// and the lot within range; tie-breaks each at most once; every text UTF-8 within its limit
// (text/text_limits.h) and without a control character.
bool poolStageFits(const PoolStage& stage);

// The file's bytes: two-space indented JSON with its members in a fixed order, so that the
// same stage always gives the same bytes. Texts that are not UTF-8 (no stage that fits holds
// any) are written with U+FFFD in their place; never throws.
std::string writePoolFile(const PoolStage& stage);

// The stage in file bytes, or nothing when they are not a pool file this editor can hold: not
// JSON, larger than kMaxPoolFileBytes, nested deeper than kMaxPoolFileDepth or with more than
// kMaxPoolFileValues values, another "format", a higher or no "version", a member of the wrong
// type or an unknown name in an enumeration, or a stage that does not fit (poolStageFits).
// Members this version does not know are passed over. Never throws.
std::optional<PoolStage> readPoolFile(std::string_view bytes);

// The load path of a pool file, as loadBracketFile's for a bracket: the system's cause where
// the file cannot be read, FileError::InvalidFormat where it is no pool file.
Result<PoolStage> loadPoolFile(const std::string& path, ReadableFiles accepted);

}  // namespace kaz
