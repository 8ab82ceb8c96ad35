#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The one converter between document text (Windows code page 932 bytes, Microsoft's
// mapping) and Unicode. Every text that enters or leaves a bracket goes through here.

namespace kaz {

// CP932 bytes to UTF-8. A byte sequence that is not valid CP932 becomes U+FFFD, so that a
// damaged name can still be shown; the document keeps its own bytes until they are edited.
std::string cp932ToUtf8(std::string_view cp932);

// UTF-8 to CP932, or nothing when a character cannot be held in CP932 (or the UTF-8 is bad).
std::optional<std::string> utf8ToCp932(std::string_view utf8);

// "〓" (the geta mark) in CP932: it stands for a character CP932 cannot hold, as in print.
constexpr std::string_view kGetaMark = "\x81\xAC";

// UTF-8 to CP932 where every character CP932 cannot hold (and every sequence that is not
// UTF-8) becomes 〓; each such character is added once to `replaced`, in UTF-8 (U+FFFD for
// bytes that are not UTF-8), in order.
std::string utf8ToCp932WithGeta(std::string_view utf8, std::vector<std::string>& replaced);

// UTF-16LE code units to CP932; every character CP932 cannot hold becomes "?".
std::string utf16LeToCp932Lossy(std::string_view utf16le);

}  // namespace kaz
