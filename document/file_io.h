#pragma once

#include <string>
#include <string_view>

#include "document/messages.h"

// Whole-file reading (for the editor and the converter) and crash-safe writing (for the
// converter; the editor writes through QSaveFile).

namespace kaz {

// Reads at most `limit` bytes of the file at `path` (a larger file is cut there, which the
// bracket reader then refuses unless the bracket ends before). Returns the cause on failure.
FileError ReadWholeFile(const std::string& path, std::string& bytes, size_t limit);

// Writes `bytes` to a temporary file beside `path` and renames it over `path` only when all
// was written, so a failure leaves an existing file exactly as it was.
FileError WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace kaz
