#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kaz {

class Bracket;

// Width of the page's member-name column, in pixels.
constexpr int kHtmlNameWidth = 120;
// Width of every bracket-line column of the page, in pixels.
constexpr int kHtmlColumnWidth = 85;
// Thickness of the page's lines, in pixels.
constexpr int kHtmlLineWidth = 4;

// The HTML 4.01 page (CP932 bytes, CR LF line ends) whose table borders draw the bracket:
// a name column, one column per round and a champion column, 2P rows. Every text taken from
// the bracket (names, scores, champion, colour strings) is escaped.
std::string writeHtmlPage(const Bracket& bracket);

// The page's table alone, from "<TABLE" to "</TABLE>", as it pastes into a word processor.
std::string writeHtmlTable(const Bracket& bracket);

// The largest page of a bracket read from a file of `fileBytes` bytes. The page holds each
// name, score and the champion at most once, each byte escaped to at most six ("&quot;"), and
// the colour strings (7 bytes at most, which the reader enforces) in a fixed number of cells
// beside the fixed markup, which for 32 members takes less than 40 KiB.
constexpr size_t htmlPageSizeBound(size_t fileBytes) { return 6 * fileBytes + (64u << 10); }

// Width and height of the page's table: name width + 85 per round, and 12 per member.
int htmlTableWidth(const Bracket& bracket);
int htmlTableHeight(const Bracket& bracket);

}  // namespace kaz
