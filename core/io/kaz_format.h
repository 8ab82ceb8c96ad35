#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "bracket/bracket.h"

// The .kaz bracket file: no header; little-endian 32-bit integers and length-prefixed CP932
// strings, in this order: member count P, P names, line count 2P-1, each line's state and
// score, rounds, the five colour strings, the champion name.

namespace kaz {

// The largest bracket file read. The largest the editor can write (32 names of 32767
// characters, scores and champion at their limits) is about 2 MiB; a larger file is refused,
// so that no file can make reading cost more than a few megabytes.
constexpr size_t kMaxKazFileBytes = 4u << 20;

// The bytes of a stored bracket.
std::string writeKaz(const Bracket& bracket);

// A bracket read from file bytes, or nothing when the bytes are not a bracket this editor can
// hold: empty, cut short, a count or length that does not fit, a colour string longer than
// kColorStringBytes. Never throws; every length is checked against the bytes left before
// anything is allocated.
std::optional<Bracket> readKaz(std::string_view bytes);

// Appends a string with its length prefix (1, 3 or 7 bytes) to `out`.
void appendKazString(std::string& out, std::string_view text);

}  // namespace kaz
