#include "html/html_page.h"

#include <charconv>
#include <cstring>
#include <optional>
#include <vector>

#include "bracket/bracket.h"
#include "bracket/line_style.h"
#include "bracket/round_names.h"
#include "bracket/sheet_marks.h"
#include "bracket/third_place.h"
#include "text/cp932.h"

namespace kaz {
namespace {

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

// The fixed fragments that hold Japanese text, converted to CP932 once.
struct JapaneseFragments {
    std::string title;
    std::string copyFrom;
    std::string tableStart;
    std::string copyTo;
    std::string blank;  // the ideographic space shown in empty cells
    std::string thirdPlaceMatch;
    std::string thirdPlace;  // the heading of two third places, and the mark before the winner
};

std::string toCp932(const char* utf8) { return utf8ToCp932(utf8).value_or(std::string()); }

const JapaneseFragments& fragments() {
    static const JapaneseFragments fragments{
        toCp932("\r\n<TITLE>トーナメント表</TITLE>\r\n"),
        toCp932("\r\n<!-- ●●●ここからソースをコピーしてお使い下さい●●● -->\r\n"),
        toCp932("<TABLE SUMMARY=\"トーナメント表\" BORDER=\"0\" CELLSPACING=\"0\" "
                "CELLPADDING=\"1\" STYLE = \"width:"),
        toCp932("\r\n<!-- ●●●ここまで●●● -->\r\n\r\n"),
        toCp932("　"),
        toCp932("3位決定戦"),
        toCp932("3位"),
    };
    return fragments;
}

void appendInt(PageBuffer& out, int value) {
    char digits[12];
    const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, static_cast<size_t>(end.ptr - digits));
}

std::string escaped(std::string_view text) {
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
          withSheet(!b.sheet().isEmpty()),
          clubs(showsClubColumn(b.sheet())),
          twoSided(b.sheet().twoSided) {
        if (b.sheet().matchNumbers) matchNumbers = matchNumbersByLine(b);
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

    int matchNumber(int line) const {
        return matchNumbers.empty() ? 0 : matchNumbers[size_t(line)];
    }
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
    LineState state;
    const std::string& score;
    int number;  // the match feeding the line; 0 for none shown
    bool bye;

    static LineView ofLine(const Page& page, int line) {
        return {page.bracket.lineState(line), page.bracket.lineScore(line), page.matchNumber(line),
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

LineStyle lineStyle(const Page& page, LineState state) {
    static const std::string none;  // a state the editor never makes: no colour in the page
    const LineColors colors = lineColors(state);
    return {byLineColor(colors.stroke, page.win, page.lose, none),
            byLineColor(colors.join, page.win, page.lose, none)};
}

// The end of a join cell's STYLE attribute, its content and nothing more.
void appendScorePart(PageBuffer& out, const Page& page, const std::string& score) {
    if (score.empty()) {
        out += "\">";
        out += fragments().blank;
        return;
    }
    out += page.bracket.boldScores() ? "font-size:x-small;font-weight:bold;color:"
                                     : "font-size:x-small;color:";
    out += page.score;
    out += "\">";
    escapeInto(out, score);
}

void appendBorder(PageBuffer& out, const char* side, int width, std::string_view color) {
    out += side;
    appendInt(out, width);
    out += "px solid ";
    out += color;
}

// The small number of the match that feeds a line, in the line's cell that holds no score.
void appendMatchNumber(PageBuffer& out, const Page& page, int number) {
    out += "<SPAN STYLE = \"font-size:x-small;color:";
    out += page.member;
    out += "\">";
    appendInt(out, number);
    out += "</SPAN>";
}

// The rest of one line cell's start tag, its content and "</TD>". A line has four cells in its
// column, two for each member's row pair below it: `quarter` says which one this is.
void makeLineCell(PageBuffer& out, const Page& page, const LineView& view, int quarter,
                  CellSide side) {
    const int half = kHtmlLineWidth / 2;
    const LineStyle style = lineStyle(page, view.state);

    if (view.bye) {
        // Neither stroke nor join: the opponent's line alone leads on.
        out += "STYLE = \"width:";
        appendInt(out, kHtmlColumnWidth);
        out += "\">";
        out += fragments().blank;
        out += "</TD>";
        return;
    }
    const bool joinCell = (quarter == 1 || quarter == 2) && side.joined;
    const bool above = side.joined ? quarter == 0 : quarter % 2 == 0;
    if (joinCell || (!above && side.scoreBelow)) {
        // The score, beside the join (or, with none, the middle) and against the stroke.
        out += side.mirrored ? "align = \"left\" STYLE = \"width:"
                             : "align = \"right\" STYLE = \"width:";
        appendInt(out, kHtmlColumnWidth);
        if (joinCell) {
            appendBorder(out, side.mirrored ? ";border-left:" : ";border-right:", kHtmlLineWidth,
                         style.join);
        }
        appendBorder(out, quarter == 2 ? ";border-bottom:" : ";border-top:", half, style.stroke);
        out += ';';
        appendScorePart(out, page, view.score);
        out += "</TD>";
        return;
    }
    // A stroke alone. The cell on the side of the stroke that holds no score shows the number
    // of the match that feeds the line, close to the stroke.
    const int number = side.joined || above ? view.number : 0;
    if (number > 0 && side.mirrored) out += "align = \"right\" ";
    if (number > 0) out += above ? "valign = \"bottom\" " : "valign = \"top\" ";
    out += "STYLE = \"width:";
    appendInt(out, kHtmlColumnWidth);
    if (above) {
        appendBorder(out, " ;border-bottom:", half, style.stroke);
    } else {
        appendBorder(out, ";border-top:", half, style.stroke);
    }
    out += "\">";
    if (number > 0) {
        appendMatchNumber(out, page, number);
    } else {
        out += fragments().blank;
    }
    out += "</TD>";
}

// The title and the second line above the table, as its caption: so the table, copied alone,
// keeps them. In the default colour: a caption stands outside the table's background, on the
// page's white.
void writeCaption(PageBuffer& out, const SheetInfo& sheet) {
    if (sheet.title.empty() && sheet.subtitle.empty()) return;
    out += "<CAPTION>";
    if (!sheet.title.empty()) {
        out += "<SPAN STYLE = \"font-size:large;font-weight:bold\">";
        escapeInto(out, sheet.title);
        out += "</SPAN>";
        if (!sheet.subtitle.empty()) out += "<BR>\r\n";
    }
    if (!sheet.subtitle.empty()) {
        out += "<SPAN STYLE = \"font-size:small\">";
        escapeInto(out, sheet.subtitle);
        out += "</SPAN>";
    }
    out += "</CAPTION>\r\n";
}

// The start of a cell of the sheet's small text: "<TD" and its attributes up to the content.
void appendSheetTextCell(PageBuffer& out, const Page& page, int colspan, const char* align) {
    out += "<TD colspan = \"";
    appendInt(out, colspan);
    out += "\" align = \"";
    out += align;
    out += "\" STYLE = \"font-size:x-small ;color :";
    out += page.member;
    out += "\">";
}

// The caption, then a row of the rounds' names over their columns; the last round's name
// stands over the champion's line and the champion's name together. A two-sided page names
// the rounds on both sides, mirrored, and the champion's column in the middle.
void writeSheetHead(PageBuffer& out, const Page& page) {
    writeCaption(out, page.bracket.sheet());
    out += "<TR valign = \"bottom\">\r\n";
    const auto nameCell = [&out, &page] {
        appendSheetTextCell(out, page, page.nameColumns(), "left");
        out += fragments().blank;
        out += "</TD>\r\n";
    };
    const auto roundCell = [&out, &page](int round, int colspan) {
        appendSheetTextCell(out, page, colspan, "center");
        escapeInto(out, sheetRoundName(page.bracket, round));
        out += "</TD>\r\n";
    };
    const int rounds = page.bracket.roundCount();
    nameCell();
    if (page.twoSided) {
        for (int round = 0; round + 1 < rounds; ++round) roundCell(round, 1);
        roundCell(rounds - 1, 2);
        for (int round = rounds - 2; round >= 0; --round) roundCell(round, 1);
        nameCell();
    } else {
        for (int round = 0; round < rounds; ++round) roundCell(round, round + 1 == rounds ? 2 : 1);
    }
    out += "</TR>\r\n";
}

// The draw that made the bracket, small at the foot of the table.
void writeSheetFoot(PageBuffer& out, const Page& page) {
    const std::optional<uint32_t>& drawNumber = page.bracket.sheet().drawNumber;
    if (!drawNumber) return;
    out += "<TR>\r\n";
    appendSheetTextCell(out, page, page.columnCount(), "right");
    out += drawNumberText(*drawNumber);
    out += "</TD>\r\n</TR>\r\n";
}

void writeHtmlHead(PageBuffer& out, const Page& page) {
    out +=
        "<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n"
        "<HTML lang=\"ja\">\r\n<HEAD>\r\n"
        "<meta http-equiv=\"content-language\" content=\"ja\">\r\n"
        "<meta http-equiv=\"content-type\" content=\"text/html; charset=shift_jis\">\r\n"
        "<meta http-equiv=\"content-style-type\" content=\"text/css\">\r\n";
    out += fragments().title;
    out += "</HEAD>\r\n<BODY STYLE = \"background-color:#FFFFFF\">\r\n\r\n";
    out += fragments().copyFrom;
    out += fragments().tableStart;
    appendInt(out, htmlTableWidth(page.bracket));
    out += " ;height:";
    appendInt(out, htmlTableHeight(page.bracket));
    out += " ;background-color:";
    out += page.back;
    out += " \" >\r\n";
    if (page.withSheet) writeSheetHead(out, page);
}

// A member's name (none for -1, a side of the third place not yet known), its seed mark on the
// outer side: before the name, or after it on the right half of a two-sided page.
void writeNameCell(PageBuffer& out, const Page& page, int member, bool mirrored, int rowspan) {
    const Bracket& bracket = page.bracket;
    out += "<TD rowspan = \"";
    appendInt(out, rowspan);
    out += mirrored ? "\" align = \"right\" STYLE = \"width:" : "\" STYLE = \"width:";
    appendInt(out, kHtmlNameWidth);
    out += "; height:12 ;font-size:small ;color :";
    out += page.member;
    out += "\">";
    const int seed = member >= 0 ? bracket.sheet().seeds[size_t(member)] : 0;
    if (seed > 0 && !mirrored) {
        out += "<SPAN STYLE = \"font-size:x-small\">";
        out += seedMark(seed);
        out += "</SPAN> ";
    }
    if (bracket.boldMemberNames()) out += "<B>";
    if (member >= 0) escapeInto(out, bracket.memberName(member));
    if (bracket.boldMemberNames()) out += "</B>";
    if (seed > 0 && mirrored) {
        out += " <SPAN STYLE = \"font-size:x-small\">";
        out += seedMark(seed);
        out += "</SPAN>";
    }
    out += "</TD >\r\n";
}

void writeClubCell(PageBuffer& out, const Page& page, int member, bool mirrored, int rowspan) {
    out += "<TD rowspan = \"";
    appendInt(out, rowspan);
    out += mirrored ? "\" align = \"right\" STYLE = \"width:" : "\" STYLE = \"width:";
    appendInt(out, kHtmlClubWidth);
    out += " ;font-size:x-small ;color :";
    out += page.member;
    out += "\">";
    if (member >= 0) escapeInto(out, page.bracket.sheet().clubs[size_t(member)]);
    out += "</TD >\r\n";
}

// A member's name cell and club cell, in the order they stand from the edge inwards.
void writeMemberCells(PageBuffer& out, const Page& page, int member, bool mirrored, int rowspan) {
    if (mirrored && page.clubs) writeClubCell(out, page, member, mirrored, rowspan);
    writeNameCell(out, page, member, mirrored, rowspan);
    if (!mirrored && page.clubs) writeClubCell(out, page, member, mirrored, rowspan);
}

// The champion's name over `rowspan` rows; `placement` adds attributes before the style.
void writeChampionCell(PageBuffer& out, const Page& page, int rowspan, const char* placement) {
    const Bracket& bracket = page.bracket;
    out += "<TD rowspan = \"";
    appendInt(out, rowspan);
    out += "\" ";
    out += std::string_view(placement);
    out += "STYLE = \"width:";
    appendInt(out, kHtmlNameWidth);
    out += " ;color:";
    out += page.score;
    out += " ;font-size:small;font-weight:bold\">";
    out += fragments().blank;
    escapeInto(out, bracket.champion());
    out += "</TD>\r\n";
}

// The line cells of `row` in the columns of spans 1, 2, … `lastSpan`, outwards in: as the
// one-sided table's row `row + offset`, whose lines they are. The line of span `lastSpan` draws
// no join.
void writeLineCells(PageBuffer& out, const Page& page, int row, int offset, int lastSpan,
                    bool mirrored) {
    const int members = page.bracket.memberCount();
    int columns = 0;
    while ((1 << columns) <= lastSpan) ++columns;
    for (int i = 0; i < columns; ++i) {
        const int column = mirrored ? columns - 1 - i : i;
        const int span = 1 << column;
        if (row % span != 0) continue;
        const int n = (row + offset) / span;
        // Column c starts after the 2P - 2P / 2^c lines of the columns before it.
        const int line = 2 * members - 2 * members / span + n / 2;
        CellSide side;
        side.mirrored = mirrored;
        side.joined = span != lastSpan;
        side.scoreBelow = !side.joined && page.twoSided;
        out += "<TD rowspan = \"";
        appendInt(out, span);
        out += "\" ";
        makeLineCell(out, page, LineView::ofLine(page, line), n % 4, side);
        out += "\r\n";
        if (span == members && row == 0) writeChampionCell(out, page, 2 * members, "");
    }
}

void writeRow(PageBuffer& out, const Page& page, int row) {
    out += "<TR valign = \"middle\">\r\n";
    if (row % 2 == 0) writeMemberCells(out, page, row / 2, false, 2);
    writeLineCells(out, page, row, 0, page.bracket.memberCount(), false);
    out += "</TR>\r\n";
}

// The cells of a two-sided page's two middle columns in `row`: the champion over both, above
// the final's line, which runs up the centre from where the finalists' strokes meet, each in
// its join's colour; the final's match number beside it.
void writeMiddleCells(PageBuffer& out, const Page& page, int row) {
    const Bracket& bracket = page.bracket;
    const int half = bracket.memberCount() / 2;  // rows above the strokes
    const int finalLine = bracket.lineCount() - 1;
    const int middleWidth = kHtmlNameWidth / 2;
    if (row == 0) {
        writeChampionCell(out, page, half - 1,
                          "colspan = \"2\" align = \"center\" valign = \"bottom\" ");
    }
    if (row != half - 1 && row != half) return;
    const bool above = row == half - 1;
    for (int side = 0; side < 2; ++side) {
        const int finalist = finalLine - 2 + side;
        const int number = side == 1 && above ? page.matchNumber(finalLine) : 0;
        out += "<TD rowspan = \"";
        appendInt(out, above ? 1 : half);
        out += "\" ";
        if (number > 0) out += "valign = \"bottom\" ";
        out += "STYLE = \"width:";
        appendInt(out, middleWidth);
        if (above && side == 0) {
            appendBorder(out, ";border-right:", kHtmlLineWidth,
                         lineStyle(page, bracket.lineState(finalLine)).stroke);
        }
        appendBorder(out, above ? ";border-bottom:" : ";border-top:", kHtmlLineWidth / 2,
                     lineStyle(page, bracket.lineState(finalist)).join);
        out += "\">";
        if (number > 0) {
            appendMatchNumber(out, page, number);
        } else {
            out += fragments().blank;
        }
        out += "</TD>\r\n";
    }
}

// A row of a two-sided page: the first half of the members on the left, reading rightwards,
// the second half on the right, mirrored, and the final in the middle.
void writeTwoSidedRow(PageBuffer& out, const Page& page, int row) {
    const int members = page.bracket.memberCount();
    out += "<TR valign = \"middle\">\r\n";
    if (row % 2 == 0) writeMemberCells(out, page, row / 2, false, 2);
    writeLineCells(out, page, row, 0, members / 2, false);
    writeMiddleCells(out, page, row);
    writeLineCells(out, page, row, members, members / 2, true);
    if (row % 2 == 0) writeMemberCells(out, page, members / 2 + row / 2, true, 2);
    out += "</TR>\r\n";
}

// The cell right of the third place's names, over the rest of the table: with a match, the
// winner as "3位" and the name.
void writeThirdPlaceResult(PageBuffer& out, const Page& page, int rowspan, int colspan) {
    out += "<TD rowspan = \"";
    appendInt(out, rowspan);
    out += "\" colspan = \"";
    appendInt(out, colspan);
    out += "\" STYLE = \"color:";
    out += page.score;
    out += " ;font-size:small;font-weight:bold\">";
    out += fragments().blank;
    const int winner = thirdPlaceWinner(page.bracket);
    if (winner >= 0) {
        out += fragments().thirdPlace;
        out += ' ';
        escapeInto(out, page.bracket.memberName(winner));
    }
    out += "</TD>\r\n";
}

// The third place below the bracket: its heading over the whole table, then its two sides'
// names in the name column. A match draws the sides' pair of lines in the first round's
// column, as a first-round match, and its winner right of their join; two third places
// share one row each.
void writeThirdPlace(PageBuffer& out, const Page& page) {
    const ThirdPlace mode = page.bracket.sheet().thirdPlace;
    if (mode == ThirdPlace::None) return;
    const bool match = mode == ThirdPlace::Match;
    out += "<TR valign = \"bottom\">\r\n";
    appendSheetTextCell(out, page, page.columnCount(), "left");
    out += match ? fragments().thirdPlaceMatch : fragments().thirdPlace;
    out += "</TD>\r\n</TR>\r\n";
    const std::array<int, kThirdPlaceSides> members = thirdPlaceMembers(page.bracket);
    const int rest = page.columnCount() - page.nameColumns();
    if (!match) {
        for (int side = 0; side < kThirdPlaceSides; ++side) {
            out += "<TR valign = \"middle\">\r\n";
            writeMemberCells(out, page, members[size_t(side)], false, 1);
            if (side == 0) writeThirdPlaceResult(out, page, 2, rest);
            out += "</TR>\r\n";
        }
        return;
    }
    for (int row = 0; row < 2 * kThirdPlaceSides; ++row) {
        const LineResult& result = page.bracket.sheet().thirdPlaceSides[size_t(row / 2)];
        out += "<TR valign = \"middle\">\r\n";
        if (row % 2 == 0) writeMemberCells(out, page, members[size_t(row / 2)], false, 2);
        out += "<TD rowspan = \"1\" ";
        makeLineCell(out, page, LineView{result.state, result.score, 0, false}, row, CellSide());
        out += "\r\n";
        if (row == 0) writeThirdPlaceResult(out, page, 4, rest - 1);
        out += "</TR>\r\n";
    }
}

void writeHtmlFoot(PageBuffer& out, const Page& page) {
    writeThirdPlace(out, page);
    if (page.withSheet) writeSheetFoot(out, page);
    out += "</TABLE>\r\n";
    out += fragments().copyTo;
    out += "</BODY>\r\n</HTML>";
}

// Enough room for most pages at once: about 160 bytes a cell, and with a sheet its texts, a
// club cell a member and its rows of names and of the foot.
size_t expectedPageSize(const Page& page) {
    const size_t members = size_t(page.bracket.memberCount());
    size_t size = 1200 + 160 * 5 * members;
    if (page.withSheet) {
        const SheetInfo& sheet = page.bracket.sheet();
        size += 1200 + 160 * members + sheet.title.size() + sheet.subtitle.size();
        for (const std::string& club : sheet.clubs) size += club.size();
    }
    return size;
}

}  // namespace

int htmlTableWidth(const Bracket& bracket) {
    const int clubs = showsClubColumn(bracket.sheet()) ? kHtmlClubWidth : 0;
    if (bracket.sheet().twoSided) {
        return 2 * (kHtmlNameWidth + clubs + kHtmlColumnWidth * (bracket.roundCount() - 1)) +
               kHtmlNameWidth;
    }
    return kHtmlNameWidth + clubs + kHtmlColumnWidth * bracket.roundCount();
}

int htmlTableHeight(const Bracket& bracket) {
    const SheetInfo& sheet = bracket.sheet();
    const int names = sheet.twoSided ? bracket.memberCount() / 2 : bracket.memberCount();
    return 12 * (names + (sheet.thirdPlace == ThirdPlace::None ? 0 : kThirdPlaceSides));
}

std::string writeHtmlPage(const Bracket& bracket) {
    const Page page(bracket);
    PageBuffer out(expectedPageSize(page));
    writeHtmlHead(out, page);
    if (page.twoSided) {
        for (int row = 0; row < bracket.memberCount(); ++row) writeTwoSidedRow(out, page, row);
    } else {
        for (int row = 0; row < 2 * bracket.memberCount(); ++row) writeRow(out, page, row);
    }
    writeHtmlFoot(out, page);
    return out.take();
}

std::string writeHtmlTable(const Bracket& bracket) {
    // Every text of the bracket is escaped in the page, so the markup is found unmistaken.
    const std::string page = writeHtmlPage(bracket);
    const std::string_view end = "</TABLE>";
    const size_t first = page.find("<TABLE ");
    const size_t last = page.rfind(end);
    return page.substr(first, last + end.size() - first);
}

}  // namespace kaz
