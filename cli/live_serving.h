#pragma once

// kaz2html --serve: the live pages of some files and their index, served to the phones of a
// venue from memory.

#include <csignal>
#include <string>
#include <vector>

namespace kaz::cli {

// Serves the live page of each of `files` (a bracket or a pool stage) and an index of them on
// `port` of every IPv4 address of this computer (0: a free port), each page made again
// whenever its file changes (for a knockout, its pools' file too), until `stop` is set. Says
// the addresses on standard output, one a line ("配信中: http://192.168.1.23:8080/"), and a
// change that cannot be read on standard error, keeping the page served before. The exit
// status: 1 where a file cannot be read at the start or the port cannot be had.
int serveLivePages(const std::vector<std::string>& files, int port,
                   const volatile std::sig_atomic_t& stop);

}  // namespace kaz::cli
