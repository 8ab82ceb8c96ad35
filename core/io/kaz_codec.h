#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The two encodings every part of a .kaz file is made of: 32-bit little-endian integers and
// length-prefixed CP932 strings.

namespace kaz {

// Appends a 32-bit little-endian integer to `out`.
void appendKazInt(std::string& out, uint32_t value);

// Appends a string with its length prefix (1, 3 or 7 bytes) to `out`.
void appendKazString(std::string& out, std::string_view text);

// Reads a file front to back; every read fails once the data are exhausted, and every length
// is checked against the bytes left before anything is allocated.
class KazReader {
public:
    explicit KazReader(std::string_view data) : m_data(data) {}

    size_t left() const { return m_data.size() - m_pos; }
    bool atEnd() const { return m_pos == m_data.size(); }

    // An unsigned number of `bytes` bytes (1, 2 or 4), little-endian.
    bool readUInt(int bytes, uint32_t& value);
    bool readInt32(int32_t& value);
    // A string in any form the file may hold, the UTF-16 one converted to CP932.
    bool readString(std::string& text);
    // A string in any form the file may hold as document text (text/document_text.h).
    bool readText(std::string& text);
    // A string as stored: its bytes, and whether they are UTF-16LE units.
    bool readStoredString(std::string_view& bytes, bool& utf16);
    // A string's bytes as stored, in the forms the editor writes (no UTF-16).
    bool readRawString(std::string_view& bytes);
    // True, and the bytes taken, when the data go on with `expected`.
    bool skipIf(std::string_view expected);

private:
    // What FF FEFF at the start of a length means.
    enum class Utf16Mark { Accepted, Refused, PlainLength };
    bool readLength(uint32_t& length, Utf16Mark mark, bool& utf16);

    std::string_view m_data;
    size_t m_pos = 0;
};

}  // namespace kaz
