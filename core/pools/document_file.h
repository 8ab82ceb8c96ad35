#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "bracket/bracket.h"
#include "io/bracket_file.h"
#include "io/result.h"
#include "pools/pool_stage.h"

// The two kinds of document one file may hold, for whatever opens a file of either: the editor,
// kaz2html --live and kaz2image.

namespace kaz {

using LoadedDocument = std::variant<Bracket, PoolStage>;

// True for a path that ends in the pool file's extension, in any case.
bool hasPoolFileName(std::string_view path);

// The bracket or the pool stage at `path`. A file named as a pool file is read as one; any other
// as a bracket, or as a pool file where it is no bracket. Where it is neither, the failure is
// the bracket's it was taken for (a pool file's, when named as one).
Result<LoadedDocument> loadDocumentFile(const std::string& path, ReadableFiles accepted);

}  // namespace kaz
