#include "io/kaz_format.h"

#include <cstdint>
#include <vector>

#include "text/cp932.h"
#include "text/text_limits.h"

namespace kaz {
namespace {

void appendInt32(std::string& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out += static_cast<char>((value >> shift) & 0xFF);
    }
}

void appendUInt16(std::string& out, uint32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

// Reads the file front to back; every read fails once the data are exhausted.
class KazReader {
public:
    explicit KazReader(std::string_view data) : m_data(data) {}

    bool readUInt(int bytes, uint32_t& value) {
        if (left() < static_cast<size_t>(bytes)) return false;
        value = 0;
        for (int i = 0; i < bytes; ++i) {
            value |= static_cast<uint32_t>(static_cast<unsigned char>(m_data[m_pos++])) << (8 * i);
        }
        return true;
    }

    bool readInt32(int32_t& value) {
        uint32_t raw = 0;
        if (!readUInt(4, raw)) return false;
        value = static_cast<int32_t>(raw);
        return true;
    }

    bool readString(std::string& text) {
        bool utf16 = false;
        uint32_t length = 0;
        if (!readLength(length, &utf16)) return false;
        const uint64_t bytes = utf16 ? uint64_t{length} * 2 : length;
        if (bytes > left()) return false;
        const std::string_view raw = m_data.substr(m_pos, static_cast<size_t>(bytes));
        m_pos += static_cast<size_t>(bytes);
        text = utf16 ? utf16LeToCp932Lossy(raw) : std::string(raw);
        return true;
    }

private:
    size_t left() const { return m_data.size() - m_pos; }

    // One byte below FF is the length; FF then a 16-bit length; FFFF then a 32-bit length.
    // FF FEFF announces UTF-16 text, whose length follows in the same forms.
    bool readLength(uint32_t& length, bool* utf16) {
        uint32_t b = 0;
        if (!readUInt(1, b)) return false;
        if (b < 0xFF) {
            length = b;
            return true;
        }
        uint32_t w = 0;
        if (!readUInt(2, w)) return false;
        if (w == 0xFFFE && utf16 != nullptr) {
            *utf16 = true;
            return readLength(length, nullptr);
        }
        if (w < 0xFFFF) {
            length = w;
            return true;
        }
        return readUInt(4, length);
    }

    std::string_view m_data;
    size_t m_pos = 0;
};

}  // namespace

void appendKazString(std::string& out, std::string_view text) {
    const size_t n = text.size();
    if (n < 0xFF) {
        out += static_cast<char>(n);
    } else if (n < 0xFFFE) {
        out += '\xFF';
        appendUInt16(out, static_cast<uint32_t>(n));
    } else {
        out += "\xFF\xFF\xFF";
        appendInt32(out, static_cast<uint32_t>(n));
    }
    out.append(text.data(), n);
}

std::string writeKaz(const Bracket& bracket) {
    std::string out;
    const int members = bracket.memberCount();
    appendInt32(out, static_cast<uint32_t>(members));
    for (int i = 0; i < members; ++i) appendKazString(out, bracket.memberName(i));
    appendInt32(out, static_cast<uint32_t>(bracket.lineCount()));
    for (int line = 0; line < bracket.lineCount(); ++line) {
        appendInt32(out, static_cast<uint32_t>(bracket.lineState(line)));
        appendKazString(out, bracket.lineScore(line));
    }
    appendInt32(out, static_cast<uint32_t>(bracket.roundCount()));
    for (int row = 0; row < ColorSet::kCount; ++row) {
        appendKazString(out, bracket.colors().at(row));
    }
    appendKazString(out, bracket.champion());
    return out;
}

std::optional<Bracket> readKaz(std::string_view bytes) {
    KazReader in(bytes);
    int32_t members = 0;
    if (!in.readInt32(members) || !isValidMemberCount(members)) return std::nullopt;

    std::vector<std::string> names(static_cast<size_t>(members));
    for (std::string& name : names) {
        if (!in.readString(name)) return std::nullopt;
    }

    uint32_t lineCount = 0;
    if (!in.readUInt(4, lineCount) ||
        lineCount != static_cast<uint32_t>(lineCountForMembers(members))) {
        return std::nullopt;
    }
    std::vector<LineResult> lines(lineCount);
    for (LineResult& line : lines) {
        int32_t state = 0;
        if (!in.readInt32(state) || !in.readString(line.score)) return std::nullopt;
        line.state = static_cast<LineState>(state);
    }

    int32_t rounds = 0;
    if (!in.readInt32(rounds) || rounds != roundsForMembers(members)) return std::nullopt;

    ColorSet colors;
    for (int row = 0; row < ColorSet::kCount; ++row) {
        if (!in.readString(colors.at(row)) || colors.at(row).size() > kColorStringBytes) {
            return std::nullopt;
        }
    }
    std::string champion;
    if (!in.readString(champion)) return std::nullopt;

    return Bracket::fromStored(members, names, std::move(lines), std::move(colors),
                               std::move(champion));
}

}  // namespace kaz
