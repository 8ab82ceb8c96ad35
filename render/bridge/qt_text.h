#pragma once

#include <QString>
#include <optional>
#include <string>

namespace kaz::render {

// The Qt edge of the document's text: QString on screen and in pictures, document text
// (UTF-8 as typed, text/document_text.h) in the bracket.

// Document text as a QString, as it is shown.
QString fromDocumentText(const std::string& text);

// Text typed or pasted into a field as document text: exactly as typed.
std::string toDocumentText(const QString& text);

// CP932 bytes (a classic page) as a QString (bytes that are not CP932 show as U+FFFD).
QString fromCp932(const std::string& cp932);

// A QString as CP932 bytes, or nothing when a character cannot be held in CP932.
std::optional<std::string> toCp932(const QString& text);

}  // namespace kaz::render
