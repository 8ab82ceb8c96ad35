#include "text/cp932.h"

#include <iconv.h>

#include <cerrno>

namespace kaz {
namespace {

// Bytes of one UTF-16LE character starting at `p` (2, or 4 for a surrogate pair).
size_t utf16SequenceLength(const char* p, size_t left) {
    if (left < 4) return left < 2 ? left : 2;
    const unsigned hi = static_cast<unsigned char>(p[1]);
    const unsigned hi2 = static_cast<unsigned char>(p[3]);
    const bool leading = hi >= 0xD8 && hi <= 0xDB;
    const bool trailing = hi2 >= 0xDC && hi2 <= 0xDF;
    return leading && trailing ? 4 : 2;
}

// Bytes of the UTF-8 sequence starting at `p` (1 for a byte that starts none).
size_t utf8SequenceLength(const char* p, size_t left) {
    const unsigned lead = static_cast<unsigned char>(*p);
    const size_t length = lead >= 0xF0 && lead < 0xF8   ? 4
                          : lead >= 0xE0 && lead < 0xF0 ? 3
                          : lead >= 0xC0 && lead < 0xE0 ? 2
                                                        : 1;
    return length < left ? length : left;
}

class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Converter() {
        if (m_cd != reinterpret_cast<iconv_t>(-1)) iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // Converts `in`; at each input the target cannot take, `onBad(pos)` gives the number of
    // input bytes to skip and appends its stand-in to `out`, or returns 0 to give up.
    template <typename OnBad>
    bool run(std::string_view in, std::string& out, OnBad onBad) {
        if (!valid()) return false;
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char buffer[1024];
        size_t pos = 0;
        while (pos < in.size()) {
            char* src = const_cast<char*>(in.data() + pos);
            size_t srcLeft = in.size() - pos;
            char* dst = buffer;
            size_t dstLeft = sizeof buffer;
            const size_t rc = iconv(m_cd, &src, &srcLeft, &dst, &dstLeft);
            const int err = errno;
            out.append(buffer, static_cast<size_t>(dst - buffer));
            pos = in.size() - srcLeft;
            if (rc != static_cast<size_t>(-1)) continue;
            if (err == E2BIG) continue;
            const size_t skip = onBad(pos, out);
            if (skip == 0) return false;
            pos += skip;
            iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        }
        return true;
    }

private:
    iconv_t m_cd;
};

}  // namespace

std::string cp932ToUtf8(std::string_view cp932) {
    std::string out;
    Converter conv("UTF-8", "CP932");
    conv.run(cp932, out, [](size_t, std::string& o) {
        o += "\xEF\xBF\xBD";
        return size_t{1};
    });
    return out;
}

std::optional<std::string> utf8ToCp932(std::string_view utf8) {
    std::string out;
    Converter conv("CP932", "UTF-8");
    if (!conv.run(utf8, out, [](size_t, std::string&) { return size_t{0}; })) {
        return std::nullopt;
    }
    return out;
}

std::string utf8ToCp932Dropping(std::string_view utf8, bool& dropped) {
    std::string out;
    dropped = false;
    Converter conv("CP932", "UTF-8");
    conv.run(utf8, out, [utf8, &dropped](size_t pos, std::string&) {
        dropped = true;
        return utf8SequenceLength(utf8.data() + pos, utf8.size() - pos);
    });
    return out;
}

std::string utf16LeToCp932Lossy(std::string_view utf16le) {
    std::string out;
    Converter conv("CP932", "UTF-16LE");
    conv.run(utf16le, out, [utf16le](size_t pos, std::string& o) {
        o += '?';
        return utf16SequenceLength(utf16le.data() + pos, utf16le.size() - pos);
    });
    return out;
}

}  // namespace kaz
