#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "text/cp932.h"

// The text a bracket holds (names, scores, clubs, the title, …): UTF-8, exactly as the user
// typed it, in any script. A file's classic fields hold its CP932 form; what CP932 cannot hold
// becomes 〓 there and lives whole in the file's block.
//
// Bytes read from a classic field that give no character of their own back (a damaged name, or
// one of the duplicate codes CP932 has for some characters) are kept as they came, each byte as
// the private-use character U+F700 + byte (bytes 40 … FF), so that a file opened and saved stays
// byte for byte.

namespace kaz {

// A classic field's CP932 bytes as document text.
Utf8Text textFromCp932(Cp932View field);

// UTF-16LE code units (the classic field's other form) as document text; half a unit and a lone
// surrogate become U+FFFD.
Utf8Text textFromUtf16Le(std::string_view utf16le);

// The classic field of `text`: its CP932 form, with 〓 for each character CP932 cannot hold (and
// for each sequence that is not UTF-8), and kept bytes as they came.
Cp932Text cp932Form(Utf8View text);

// The form of `text` on a page in CP932: as cp932Form, but each character CP932 cannot hold (or
// holds only as a look-alike) as a hexadecimal character reference, "&#x20BB7;".
Cp932Text cp932FormWithReferences(Utf8View text);

// The classic field of `text` where the field holds at most `maxBytes` bytes: the longest start
// of cp932Form(text) that fits and ends between characters.
Cp932Text cp932FormCut(Utf8View text, size_t maxBytes);

// The length of cp932Form(text), in bytes.
size_t cp932Length(Utf8View text);

// The length of `text` in characters, whatever their script: what a text's limit counts (each
// kept byte, and each sequence that is not UTF-8, counts one).
size_t textLength(Utf8View text);

// True when `exact` is UTF-8 and cp932Form(exact) == `field`, found without making the form.
bool isExactFormOfCp932(Utf8View exact, Cp932View field);

// True when `exact` is UTF-8 and cp932Form(exact) == cp932Form(field): the exact form of the
// text whose classic field gave `field`. Found without making either form.
bool isExactFormOf(Utf8View exact, Utf8View field);

// True when the classic field alone gives `text` back, so that the file needs no exact form.
bool cp932HoldsExactly(Utf8View text);

// The characters of `text` that its classic field shows as 〓, each once, in order (U+FFFD for
// bytes that are not UTF-8).
std::vector<Utf8Text> charactersBeyondCp932(Utf8View text);

// `text` as a screen, a picture or a page shows it: kept bytes read as CP932 (U+FFFD where they
// are damaged); everything else as it is.
Utf8Text shownText(Utf8View text);

}  // namespace kaz
