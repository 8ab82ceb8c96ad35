#pragma once

#include <cstdint>

// The CP932 tables of the core's converter, generated once from the system's own converter by
// scripts/make_cp932_table.py (cp932_table.cpp is that script's output).

namespace kaz::cp932 {

constexpr uint16_t kNoChar = 0xFFFF;  // neither a character nor a code
constexpr unsigned kTrailFirst = 0x40;
constexpr unsigned kTrailCount = 0xFC - kTrailFirst + 1;

// The code point of each byte on its own; kNoChar for lead bytes and unassigned bytes.
extern const uint16_t kSingleByte[256];
// The row of kDoubleByte that a lead byte starts; 0 (an empty row) for every other byte.
extern const uint8_t kLeadRow[256];
// The code point of lead and trail byte (trail 40 … FC); 0 where the pair is no character.
extern const uint16_t kDoubleByte[][kTrailCount];

// The block of kEncodeBlock for the code points U+xx00 … U+xxFF; 0, an empty block, for none.
extern const uint8_t kPageBlock[256];
// The CP932 code of a code point (a single byte as a value below 0x100); kNoChar for none.
extern const uint16_t kEncodeBlock[][256];

}  // namespace kaz::cp932
