#pragma once

#include <string>
#include <vector>

// How a knockout made from a pool stage names the stage's file: by its name alone where both
// files lie in one folder, so that the pair can be moved or copied together, by its full path
// otherwise. Paths are UTF-8.

namespace kaz {

// What a knockout stored at `knockoutFile` keeps of `poolFile`.
std::string poolLinkOf(const std::string& poolFile, const std::string& knockoutFile);

// The pool file that `link`, kept by a knockout stored at `knockoutFile`, names.
std::string poolFileOfLink(const std::string& link, const std::string& knockoutFile);

// Where to look for the pool file of a knockout, first to last: the file its link names, then
// (the pair moved together to another folder or computer) the file of that name beside it.
std::vector<std::string> poolFileCandidates(const std::string& link,
                                            const std::string& knockoutFile);

}  // namespace kaz
