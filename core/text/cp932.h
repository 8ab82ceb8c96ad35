#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The one converter between document text (Windows code page 932 bytes, Microsoft's
// mapping) and Unicode. Every text that enters or leaves a bracket goes through here.

namespace kaz {

// The two encodings of the system's text, named where a function takes one and gives the other:
// document text in CP932 bytes, and Unicode text in UTF-8 (the clipboard's, the screen's, the
// messages' values).
using Cp932Text = std::string;
using Cp932View = std::string_view;
using Utf8Text = std::string;
using Utf8View = std::string_view;

// CP932 bytes to UTF-8. A byte sequence that is not valid CP932 becomes U+FFFD, so that a
// damaged name can still be shown; the document keeps its own bytes until they are edited.
Utf8Text cp932ToUtf8(Cp932View cp932);

// UTF-8 to CP932, or nothing when a character cannot be held in CP932 (or the UTF-8 is bad).
std::optional<Cp932Text> utf8ToCp932(Utf8View utf8);

// "〓" (the geta mark) in CP932: it stands for a character CP932 cannot hold, as in print.
constexpr std::string_view kGetaMark = "\x81\xAC";

// UTF-8 to CP932 where every character CP932 cannot hold (and every sequence that is not
// UTF-8) becomes 〓; each such character is added once to `replaced`, in UTF-8 (U+FFFD for
// bytes that are not UTF-8), in order.
Cp932Text utf8ToCp932WithGeta(Utf8View utf8, std::vector<Utf8Text>& replaced);

// UTF-16LE code units to CP932; every character CP932 cannot hold becomes "?".
Cp932Text utf16LeToCp932Lossy(std::string_view utf16le);

}  // namespace kaz
