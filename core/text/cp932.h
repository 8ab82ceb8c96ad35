#pragma once

#include <optional>
#include <string>
#include <string_view>

// The one converter between document text (Windows code page 932 bytes, Microsoft's
// mapping) and Unicode. Every text that enters or leaves a bracket goes through here.

namespace kaz {

// CP932 bytes to UTF-8. A byte sequence that is not valid CP932 becomes U+FFFD, so that a
// damaged name can still be shown; the document keeps its own bytes until they are edited.
std::string cp932ToUtf8(std::string_view cp932);

// UTF-8 to CP932, or nothing when a character cannot be held in CP932 (or the UTF-8 is bad).
std::optional<std::string> utf8ToCp932(std::string_view utf8);

// UTF-8 to CP932, leaving out every character CP932 cannot hold (and bytes that are not
// UTF-8); `dropped` tells whether anything was left out.
std::string utf8ToCp932Dropping(std::string_view utf8, bool& dropped);

// UTF-16LE code units to CP932; every character CP932 cannot hold becomes "?".
std::string utf16LeToCp932Lossy(std::string_view utf16le);

}  // namespace kaz
