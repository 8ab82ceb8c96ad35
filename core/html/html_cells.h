#pragma once

// The pieces the page's writers share: the growing page, the escaping of bracket text, the
// page's bracket with its escaped colours, and the cells that one-sided and two-sided tables
// and the third place draw alike. Internal to core/html.

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "bracket/bracket.h"
#include "bracket/line_style.h"
#include "bracket/sheet_layout.h"
#include "bracket/sheet_marks.h"
#include "html/html_page.h"
#include "text/document_text.h"

namespace kaz::html {

// The page grows by many small pieces; this appends them without the bookkeeping of
// std::string::append, keeping spare room at the end.
class PageBuffer {
public:
    explicit PageBuffer(size_t expected) { m_text.resize(expected); }

    void append(const char* data, size_t size) {
        if (size == 0) return;  // an empty view may carry no pointer at all
        if (m_used + size > m_text.size()) m_text.resize(2 * (m_used + size));
        std::memcpy(&m_text[m_used], data, size);
        m_used += size;
    }
    template <size_t N>
    PageBuffer& operator+=(const char (&literal)[N]) {
        append(literal, N - 1);
        return *this;
    }
    PageBuffer& operator+=(std::string_view text) {
        append(text.data(), text.size());
        return *this;
    }
    PageBuffer& operator+=(char c) {
        append(&c, 1);
        return *this;
    }
    std::string take() {
        m_text.resize(m_used);
        return std::move(m_text);
    }

private:
    std::string m_text;
    size_t m_used = 0;
};

template <typename Out>
void escapeInto(Out& out, std::string_view text) {
    // CP932 trail bytes are 0x40 and above, so none of these ASCII bytes can be half of a
    // double-byte character.
    size_t plain = 0;  // start of the run of bytes that need no entity
    for (size_t i = 0; i < text.size(); ++i) {
        std::string_view entity;
        switch (text[i]) {
            case '&': entity = "&amp;"; break;
            case '<': entity = "&lt;"; break;
            case '>': entity = "&gt;"; break;
            case '"': entity = "&quot;"; break;
            default: continue;
        }
        out.append(text.data() + plain, i - plain);
        out.append(entity.data(), entity.size());
        plain = i + 1;
    }
    out.append(text.data() + plain, text.size() - plain);
}

// Document text (text/document_text.h) as the page's text: its CP932 form, each character CP932
// cannot hold as a character reference ("&#x20BB7;"), so that a browser shows it whole.
template <typename Out>
void escapeTextInto(Out& out, std::string_view text) {
    const bool ascii = std::all_of(text.begin(), text.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii) return escapeInto(out, text);
    std::string escapedUtf8;
    escapeInto(escapedUtf8, text);
    const std::string page = cp932FormWithReferences(escapedUtf8);
    out.append(page.data(), page.size());
}

// The fixed fragments that hold the sheet's words, converted to CP932 once for each language.
struct PageFragments {
    std::string title;
    std::string copyFrom;
    std::string tableStart;
    std::string copyTo;
    std::string blank;  // the ideographic space shown in empty cells
    std::string thirdPlaceMatch;
    std::string thirdPlace;  // the heading of two third places, and the mark before the winner
};

const PageFragments& fragments(SheetLanguage language = SheetLanguage::Japanese);

void appendInt(PageBuffer& out, int value);

inline std::string escaped(std::string_view text) {
    std::string out;
    escapeInto(out, text);
    return out;
}

// One page's bracket with its colour strings escaped once, since every cell repeats them, and
// what its sheet adds.
struct Page {
    explicit Page(const Bracket& b)
        : bracket(b),
          win(escaped(b.colors().winLineColor)),
          lose(escaped(b.colors().loseLineColor)),
          back(escaped(b.colors().backgroundColor)),
          member(escaped(b.colors().memberColor)),
          score(escaped(b.colors().scoreColor)),
          withSheet(showsSheet(b)),
          clubs(showsClubColumn(b)),
          twoSided(b.sheet().twoSided) {
        if (b.sheet().matchNumbers) matchNumbers = matchNumbersByLine(b);
        if (withSheet) {
            shapes.reserve(size_t(b.lineCount()));
            for (int line = 0; line < b.lineCount(); ++line)
                shapes.push_back(sheetLineShape(b, line));
        }
    }

    const Bracket& bracket;
    std::string win;
    std::string lose;
    std::string back;
    std::string member;
    std::string score;
    bool withSheet;  // without a sheet the page is the bare bracket's, byte for byte
    bool clubs;
    bool twoSided;
    std::vector<int> matchNumbers;  // by line; empty while the sheet shows none
    std::vector<LineShape> shapes;  // by line; empty without a sheet

    int matchNumber(int line) const {
        return matchNumbers.empty() ? 0 : matchNumbers[size_t(line)];
    }
    LineShape shape(int line) const { return shapes.empty() ? LineShape() : shapes[size_t(line)]; }
    // The name column and the club column when it shows.
    int nameColumns() const { return clubs ? 2 : 1; }
    // One-sided: the names, a column per round and the champion's. Two-sided: on each side
    // the names and a column per round up to the finalists', and the two middle columns.
    int columnCount() const {
        const int rounds = bracket.roundCount();
        return twoSided ? 2 * (nameColumns() + rounds) : nameColumns() + rounds + 1;
    }
};

// What one line cell draws: a bracket line's, or a side of the third-place match.
struct LineView {
    LineColors colors;
    const std::string& score;
    int number;  // the match feeding the line; 0 for none shown
    bool bye;

    // With a sheet, a line takes the sheet's colours (a decided final's loser all in the lose
    // colour, as in the pictures); the bare bracket's page stays as it always was.
    static LineView ofLine(const Page& page, int line) {
        const LineColors colors = page.withSheet ? lineColors(page.bracket, line)
                                                 : lineColors(page.bracket.lineState(line));
        return {colors, page.bracket.lineScore(line), page.matchNumber(line),
                isByeLine(page.bracket, line)};
    }
};

// Where a line cell stands: on the right half of a two-sided page its join and its texts are
// on the left. A line that draws no join (the final's, and on a two-sided page the finalists',
// which meet in the middle) has two cells, above and below its stroke; a finalist shows its
// score below the stroke.
struct CellSide {
    bool mirrored = false;
    bool joined = true;
    bool scoreBelow = false;
};

struct LineStyle {
    std::string_view stroke;
    std::string_view join;
};

LineStyle lineStyle(const Page& page, LineColors colors);

void appendBorder(PageBuffer& out, const char* side, int width, std::string_view color);

// The small number of the match that feeds a line, in the line's cell that holds no score.
void appendMatchNumber(PageBuffer& out, const Page& page, int number);

// The rest of one line cell's start tag, its content and "</TD>". A line has four cells in its
// column, two for each member's row pair below it: `quarter` says which one this is.
void makeLineCell(PageBuffer& out, const Page& page, const LineView& view, int quarter,
                  CellSide side);

// The start of a cell of the sheet's small text: "<TD" and its attributes up to the content.
void appendSheetTextCell(PageBuffer& out, const Page& page, int colspan, const char* align);

// A member's name cell and club cell, in the order they stand from the edge inwards.
void writeMemberCells(PageBuffer& out, const Page& page, int member, bool mirrored, int rowspan);

// The champion's name over `rowspan` rows; `placement` adds attributes before the style.
void writeChampionCell(PageBuffer& out, const Page& page, int rowspan, const char* placement);

// The line cells of `row` in the columns of spans 1, 2, … `lastSpan`, outwards in: as the
// one-sided table's row `row + offset`, whose lines they are. The line of span `lastSpan` draws
// no join. A line's two cells meet at its stroke, moved to a bye's opponent's stroke where that
// runs straight on.
void writeLineCells(PageBuffer& out, const Page& page, int row, int offset, int lastSpan,
                    bool mirrored);

// A row of a two-sided page: the first half of the members on the left, reading rightwards,
// the second half on the right, mirrored, and the final in the middle.
void writeTwoSidedRow(PageBuffer& out, const Page& page, int row);

// The third place below the bracket, under the final (centred under it on a two-sided page):
// its heading above its lines, its two sides' names right before them, a match's pair of lines
// in the final's column and its winner right of their join; two third places share one row
// each.
void writeThirdPlace(PageBuffer& out, const Page& page);

}  // namespace kaz::html
