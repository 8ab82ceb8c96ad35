#include "io/kaz_format.h"

#include <cstdint>
#include <vector>

#include "text/cp932.h"

namespace kaz {
namespace {

void AppendInt32(std::string& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out += static_cast<char>((value >> shift) & 0xFF);
    }
}

void AppendUInt16(std::string& out, uint32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

// Reads the file front to back; every read fails once the data are exhausted.
class KazReader {
public:
    explicit KazReader(std::string_view data) : m_data(data) {}

    bool ReadUInt(int bytes, uint32_t& value) {
        if (Left() < static_cast<size_t>(bytes)) return false;
        value = 0;
        for (int i = 0; i < bytes; ++i) {
            value |= static_cast<uint32_t>(static_cast<unsigned char>(m_data[m_pos++])) << (8 * i);
        }
        return true;
    }

    bool ReadInt32(int32_t& value) {
        uint32_t raw = 0;
        if (!ReadUInt(4, raw)) return false;
        value = static_cast<int32_t>(raw);
        return true;
    }

    bool ReadString(std::string& text) {
        bool utf16 = false;
        uint32_t length = 0;
        if (!ReadLength(length, &utf16)) return false;
        const uint64_t bytes = utf16 ? uint64_t{length} * 2 : length;
        if (bytes > Left()) return false;
        const std::string_view raw = m_data.substr(m_pos, static_cast<size_t>(bytes));
        m_pos += static_cast<size_t>(bytes);
        text = utf16 ? Utf16LeToCp932Lossy(raw) : std::string(raw);
        return true;
    }

private:
    size_t Left() const { return m_data.size() - m_pos; }

    // One byte below FF is the length; FF then a 16-bit length; FFFF then a 32-bit length.
    // FF FEFF announces UTF-16 text, whose length follows in the same forms.
    bool ReadLength(uint32_t& length, bool* utf16) {
        uint32_t b = 0;
        if (!ReadUInt(1, b)) return false;
        if (b < 0xFF) {
            length = b;
            return true;
        }
        uint32_t w = 0;
        if (!ReadUInt(2, w)) return false;
        if (w == 0xFFFE && utf16 != nullptr) {
            *utf16 = true;
            return ReadLength(length, nullptr);
        }
        if (w < 0xFFFF) {
            length = w;
            return true;
        }
        return ReadUInt(4, length);
    }

    std::string_view m_data;
    size_t m_pos = 0;
};

}  // namespace

void AppendKazString(std::string& out, std::string_view text) {
    const size_t n = text.size();
    if (n < 0xFF) {
        out += static_cast<char>(n);
    } else if (n < 0xFFFE) {
        out += '\xFF';
        AppendUInt16(out, static_cast<uint32_t>(n));
    } else {
        out += "\xFF\xFF\xFF";
        AppendInt32(out, static_cast<uint32_t>(n));
    }
    out.append(text.data(), n);
}

std::string WriteKaz(const Bracket& bracket) {
    std::string out;
    const int players = bracket.GetPlayers();
    AppendInt32(out, static_cast<uint32_t>(players));
    for (int i = 0; i < players; ++i) AppendKazString(out, bracket.GetMemberName(i));
    AppendInt32(out, static_cast<uint32_t>(bracket.GetLineCount()));
    for (int line = 0; line < bracket.GetLineCount(); ++line) {
        AppendInt32(out, static_cast<uint32_t>(bracket.GetState(line)));
        AppendKazString(out, bracket.GetScore(line));
    }
    AppendInt32(out, static_cast<uint32_t>(bracket.GetRounds()));
    for (int row = 0; row < ColorSet::kCount; ++row) {
        AppendKazString(out, bracket.GetColors().At(row));
    }
    AppendKazString(out, bracket.GetChampion());
    return out;
}

std::optional<Bracket> ReadKaz(std::string_view bytes) {
    KazReader in(bytes);
    int32_t players = 0;
    if (!in.ReadInt32(players) || !IsValidPlayerCount(players)) return std::nullopt;

    std::vector<std::string> names(static_cast<size_t>(players));
    for (std::string& name : names) {
        if (!in.ReadString(name)) return std::nullopt;
    }

    uint32_t lineCount = 0;
    if (!in.ReadUInt(4, lineCount) ||
        lineCount != static_cast<uint32_t>(LineCountForPlayers(players))) {
        return std::nullopt;
    }
    std::vector<LineResult> lines(lineCount);
    for (LineResult& line : lines) {
        if (!in.ReadInt32(line.state) || !in.ReadString(line.score)) return std::nullopt;
    }

    int32_t rounds = 0;
    if (!in.ReadInt32(rounds) || rounds != RoundsForPlayers(players)) return std::nullopt;

    ColorSet colors;
    for (int row = 0; row < ColorSet::kCount; ++row) {
        if (!in.ReadString(colors.At(row)) || colors.At(row).size() > kMaxColorStringBytes) {
            return std::nullopt;
        }
    }
    std::string champion;
    if (!in.ReadString(champion)) return std::nullopt;

    return Bracket::Loaded(players, names, std::move(lines), std::move(colors),
                           std::move(champion));
}

}  // namespace kaz
