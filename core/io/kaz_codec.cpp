#include "io/kaz_codec.h"

#include "text/document_text.h"

namespace kaz {
namespace {

void appendUInt16(std::string& out, uint32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

}  // namespace

void appendKazInt(std::string& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out += static_cast<char>((value >> shift) & 0xFF);
    }
}

void appendKazString(std::string& out, std::string_view text) {
    const size_t n = text.size();
    if (n < 0xFF) {
        out += static_cast<char>(n);
    } else if (n < 0xFFFE) {
        out += '\xFF';
        appendUInt16(out, static_cast<uint32_t>(n));
    } else {
        out += "\xFF\xFF\xFF";
        appendKazInt(out, static_cast<uint32_t>(n));
    }
    out.append(text.data(), n);
}

bool KazReader::readUInt(int bytes, uint32_t& value) {
    if (left() < static_cast<size_t>(bytes)) return false;
    value = 0;
    for (int i = 0; i < bytes; ++i) {
        value |= static_cast<uint32_t>(static_cast<unsigned char>(m_data[m_pos++])) << (8 * i);
    }
    return true;
}

bool KazReader::readInt32(int32_t& value) {
    uint32_t raw = 0;
    if (!readUInt(4, raw)) return false;
    value = static_cast<int32_t>(raw);
    return true;
}

bool KazReader::readStoredString(std::string_view& raw, bool& utf16) {
    uint32_t length = 0;
    if (!readLength(length, Utf16Mark::Accepted, utf16)) return false;
    const uint64_t bytes = utf16 ? uint64_t{length} * 2 : length;
    if (bytes > left()) return false;
    raw = m_data.substr(m_pos, static_cast<size_t>(bytes));
    m_pos += static_cast<size_t>(bytes);
    return true;
}

bool KazReader::readString(std::string& text) {
    std::string_view raw;
    bool utf16 = false;
    if (!readStoredString(raw, utf16)) return false;
    text = utf16 ? cp932Form(textFromUtf16Le(raw)) : std::string(raw);
    return true;
}

bool KazReader::readText(std::string& text) {
    std::string_view raw;
    bool utf16 = false;
    if (!readStoredString(raw, utf16)) return false;
    text = utf16 ? textFromUtf16Le(raw) : textFromCp932(raw);
    return true;
}

bool KazReader::readRawString(std::string_view& bytes) {
    bool utf16 = false;
    uint32_t length = 0;
    if (!readLength(length, Utf16Mark::Refused, utf16) || length > left()) return false;
    bytes = m_data.substr(m_pos, length);
    m_pos += length;
    return true;
}

bool KazReader::skipIf(std::string_view expected) {
    if (m_data.substr(m_pos, expected.size()) != expected) return false;
    m_pos += expected.size();
    return true;
}

// One byte below FF is the length; FF then a 16-bit length; FFFF then a 32-bit length.
// FF FEFF announces UTF-16 text, whose length follows in the same forms (where FF FEFF is the
// length 65534); where UTF-16 is not allowed it is refused.
bool KazReader::readLength(uint32_t& length, Utf16Mark mark, bool& utf16) {
    uint32_t b = 0;
    if (!readUInt(1, b)) return false;
    if (b < 0xFF) {
        length = b;
        return true;
    }
    uint32_t w = 0;
    if (!readUInt(2, w)) return false;
    if (w == 0xFFFE && mark != Utf16Mark::PlainLength) {
        if (mark == Utf16Mark::Refused) return false;
        utf16 = true;
        return readLength(length, Utf16Mark::PlainLength, utf16);
    }
    if (w < 0xFFFF) {
        length = w;
        return true;
    }
    return readUInt(4, length);
}

}  // namespace kaz
