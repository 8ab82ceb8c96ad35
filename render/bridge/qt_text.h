#pragma once

#include <QString>
#include <optional>
#include <string>

namespace kaz::render {

// The Qt edge of the document's text: QString on screen and in pictures, CP932 bytes in the
// bracket.

// CP932 bytes as a QString (bytes that are not CP932 show as U+FFFD).
QString fromCp932(const std::string& cp932);

// A QString as CP932 bytes, or nothing when a character cannot be held in CP932.
std::optional<std::string> toCp932(const QString& text);

// Like toCp932, but U+FFFD (shown for damaged bytes of a loaded name) becomes "?".
std::string toCp932Lenient(const QString& text);

}  // namespace kaz::render
