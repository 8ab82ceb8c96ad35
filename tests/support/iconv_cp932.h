#pragma once

// The system's own CP932 converter (the GNU C library's iconv), which the core's tables were
// made from, with the core's rules for what cannot be converted: a reference for the tests and
// the benchmark. Linux only.

#include <iconv.h>

#include <cerrno>
#include <optional>
#include <string>
#include <string_view>

namespace kazref {

class IconvCp932 {
public:
    IconvCp932()
        : m_toUtf8(iconv_open("UTF-8", "CP932")), m_fromUtf8(iconv_open("CP932", "UTF-8")) {}
    ~IconvCp932() {
        for (iconv_t cd : {m_toUtf8, m_fromUtf8}) {
            if (cd != kNone) iconv_close(cd);
        }
    }
    IconvCp932(const IconvCp932&) = delete;
    IconvCp932& operator=(const IconvCp932&) = delete;

    bool valid() const { return m_toUtf8 != kNone && m_fromUtf8 != kNone; }

    // A byte that does not convert becomes U+FFFD and the next byte is read afresh.
    std::string toUtf8(std::string_view cp932) {
        std::string out;
        run(m_toUtf8, cp932, out, [](size_t, std::string& o) {
            o += "\xEF\xBF\xBD";
            return size_t{1};
        });
        return out;
    }

    // Nothing when any character does not convert.
    std::optional<std::string> fromUtf8(std::string_view utf8) {
        std::string out;
        if (!run(m_fromUtf8, utf8, out, [](size_t, std::string&) { return size_t{0}; })) {
            return std::nullopt;
        }
        return out;
    }

private:
    static inline const iconv_t kNone = reinterpret_cast<iconv_t>(-1);

    // At each input that does not convert, `onBad(at, out)` appends its stand-in and gives the
    // bytes to skip, or 0 to give up.
    template <typename OnBad>
    static bool run(iconv_t cd, std::string_view in, std::string& out, OnBad onBad) {
        if (cd == kNone) return false;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        char buffer[1024];
        size_t at = 0;
        while (at < in.size()) {
            char* src = const_cast<char*>(in.data() + at);
            size_t srcLeft = in.size() - at;
            char* dst = buffer;
            size_t dstLeft = sizeof buffer;
            const size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
            const int error = errno;
            out.append(buffer, static_cast<size_t>(dst - buffer));
            at = in.size() - srcLeft;
            if (rc != static_cast<size_t>(-1) || error == E2BIG) continue;
            const size_t skip = onBad(at, out);
            if (skip == 0) return false;
            at += skip;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
        return true;
    }

    iconv_t m_toUtf8;
    iconv_t m_fromUtf8;
};

}  // namespace kazref
