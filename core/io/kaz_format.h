#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "bracket/bracket.h"
#include "io/kaz_codec.h"

// The .kaz bracket file: no header; little-endian 32-bit integers and length-prefixed CP932
// strings, in this order: member count P, P names, line count 2P-1, each line's state and
// score, rounds, the five colour strings, the champion name; then, only for a bracket whose
// sheet holds something, the sheet block (io/sheet_block.h). docs/kaz-file-format.md
// describes it byte by byte.

namespace kaz {

// The largest bracket file read, the sheet block included. The largest the editor can write
// (128 names of 32767 bytes, scores and champion at their limits, a sheet of some ten
// kilobytes) is about 4.2 MiB; a larger file is refused, so that no file can make reading cost
// more than a few megabytes.
constexpr size_t kMaxKazFileBytes = 8u << 20;

// The bytes of a stored bracket.
std::string writeKaz(const Bracket& bracket);

// A bracket read from file bytes, or nothing when the bytes are not a bracket this editor can
// hold: empty, cut short, a count or length that does not fit, a colour string longer than
// kColorStringBytes, a sheet block cut short or with a known record that does not parse or
// does not fit the bracket (sheetFits). Bytes after the champion's name that do not begin a
// sheet block are ignored. Never throws; every length is checked against the bytes left
// before anything is allocated.
std::optional<Bracket> readKaz(std::string_view bytes);

}  // namespace kaz
