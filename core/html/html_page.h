#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kaz {

class Bracket;

// Width of the page's member-name column, in pixels.
constexpr int kHtmlNameWidth = 120;
// Width of the sheet's club column, in pixels.
constexpr int kHtmlClubWidth = 100;
// Width of every bracket-line column of the page, in pixels.
constexpr int kHtmlColumnWidth = 85;
// Thickness of the page's lines, in pixels.
constexpr int kHtmlLineWidth = 4;

// The HTML 4.01 page (CP932 bytes, CR LF line ends) whose table borders draw the bracket:
// a name column, one column per round and a champion column, 2P rows. Every text taken from
// the bracket (names, scores, champion, colour strings, the sheet's texts) is escaped.
// A bracket with a sheet adds, inside the table: the title and the second line as its caption;
// a row of the rounds' names over the columns; a club column after the names (when
// showsClubColumn); the seed mark before a seeded name; the number of each match, small,
// beside the stroke of the line it feeds; no stroke and no join for a bye's line, whose
// opponent runs straight on into the second round; and the draw number in a last row. A third
// place stands in rows below the bracket: its heading, its two sides' names and, for a match,
// their pair of lines and the winner as "3位" and the name. A two-sided sheet draws the first
// half of the members down the left edge and the second half, mirrored, down the right, the
// final in the middle with the champion above it. The champion's name does not wrap, and a
// title is the page's TITLE too. Without a sheet the page is the bare bracket's.
std::string writeHtmlPage(const Bracket& bracket);

// The page's table alone, from "<TABLE" to "</TABLE>", as it pastes into a word processor;
// the sheet's texts are inside it.
std::string writeHtmlTable(const Bracket& bracket);

// The largest page of a bracket read from a file of `fileBytes` bytes. The page holds each
// score, the champion and each text of the sheet at most once, the title and each name at
// most three times (the title is the page's TITLE too; a third-place side's name stands again
// below the bracket, the match's winner's once more), each byte escaped to at most six ("&quot;"),
// and the colour strings (7 bytes at most, which the reader enforces) in a fixed number of cells
// beside the fixed markup, which for 128 members takes less than 128 KiB, a full sheet included
// (its round names, marks, match numbers and the draw number are short and fixed in number).
constexpr size_t htmlPageSizeBound(size_t fileBytes) { return 18 * fileBytes + (192u << 10); }

// Width and height of the page's table: name width (+ the club column's when it shows) + 85
// per round, and 12 per member (the sheet's rows of names and of the foot come on top). A
// two-sided table has the names, clubs and rounds up to the finalists' on both sides and the
// champion's width in the middle, and 12 per member down one side. A third place adds 12 for
// each of its two names.
int htmlTableWidth(const Bracket& bracket);
int htmlTableHeight(const Bracket& bracket);

}  // namespace kaz
