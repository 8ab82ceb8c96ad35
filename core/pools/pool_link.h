#pragma once

#include <string>

// How a knockout made from a pool stage names the stage's file: by its name alone where both
// files lie in one folder, so that the pair can be moved or copied together, by its full path
// otherwise. Paths are UTF-8.

namespace kaz {

// What a knockout stored at `knockoutFile` keeps of `poolFile`.
std::string poolLinkOf(const std::string& poolFile, const std::string& knockoutFile);

// The pool file that `link`, kept by a knockout stored at `knockoutFile`, names.
std::string poolFileOfLink(const std::string& link, const std::string& knockoutFile);

}  // namespace kaz
