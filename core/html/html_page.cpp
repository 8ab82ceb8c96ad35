#include "html/html_page.h"

#include <optional>

#include "bracket/round_names.h"
#include "bracket/sheet_words.h"
#include "html/html_cells.h"

namespace kaz {
namespace html {
namespace {

// The title and the second line above the table, as its caption: so the table, copied alone,
// keeps them. In the default colour: a caption stands outside the table's background, on the
// page's white.
void writeCaption(PageBuffer& out, const SheetInfo& sheet) {
    if (sheet.title.empty() && sheet.subtitle.empty()) return;
    out += "<CAPTION>";
    if (!sheet.title.empty()) {
        out += "<SPAN STYLE = \"font-size:large;font-weight:bold\">";
        escapeTextInto(out, sheet.title);
        out += "</SPAN>";
        if (!sheet.subtitle.empty()) out += "<BR>\r\n";
    }
    if (!sheet.subtitle.empty()) {
        out += "<SPAN STYLE = \"font-size:small\">";
        escapeTextInto(out, sheet.subtitle);
        out += "</SPAN>";
    }
    out += "</CAPTION>\r\n";
}

// The caption, then a row of the rounds' names over their columns; the last round's name
// stands over the champion's line and the champion's name together. A two-sided page names
// the rounds on both sides, mirrored, and the final once in the middle.
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
        escapeTextInto(out, sheetRoundName(page.bracket, round));
        out += "</TD>\r\n";
    };
    const int rounds = page.bracket.roundCount();
    nameCell();
    if (page.twoSided) {
        // The final's name once, over both finalists' columns and the middle between them,
        // where the champion's name stands.
        for (int round = 0; round + 2 < rounds; ++round) roundCell(round, 1);
        roundCell(rounds - 2, 4);
        for (int round = rounds - 3; round >= 0; --round) roundCell(round, 1);
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
    escapeTextInto(out, drawNumberText(*drawNumber, page.bracket.sheet().language));
    out += "</TD>\r\n</TR>\r\n";
}

void writeHtmlHead(PageBuffer& out, const Page& page) {
    const SheetLanguage language = page.bracket.sheet().language;
    const std::string_view lang = sheetWords(language).pageLanguage;
    out += "<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n<HTML lang=\"";
    out += lang;
    out += "\">\r\n<HEAD>\r\n<meta http-equiv=\"content-language\" content=\"";
    out += lang;
    out +=
        "\">\r\n"
        "<meta http-equiv=\"content-type\" content=\"text/html; charset=shift_jis\">\r\n"
        "<meta http-equiv=\"content-style-type\" content=\"text/css\">\r\n";
    const std::string& title = page.bracket.sheet().title;
    if (title.empty()) {
        out += fragments(language).title;
    } else {
        out += "\r\n<TITLE>";
        escapeTextInto(out, title);
        out += "</TITLE>\r\n";
    }
    out += "</HEAD>\r\n<BODY STYLE = \"background-color:#FFFFFF\">\r\n\r\n";
    out += fragments(language).copyFrom;
    out += fragments(language).tableStart;
    appendInt(out, htmlTableWidth(page.bracket));
    out += " ;height:";
    appendInt(out, htmlTableHeight(page.bracket));
    out += " ;background-color:";
    out += page.back;
    out += " \" >\r\n";
    if (page.withSheet) writeSheetHead(out, page);
}

void writeRow(PageBuffer& out, const Page& page, int row) {
    out += "<TR valign = \"middle\">\r\n";
    if (row % 2 == 0) writeMemberCells(out, page, row / 2, false, 2);
    writeLineCells(out, page, row, 0, page.bracket.memberCount(), false);
    out += "</TR>\r\n";
}

void writeHtmlFoot(PageBuffer& out, const Page& page) {
    writeThirdPlace(out, page);
    if (page.withSheet) writeSheetFoot(out, page);
    out += "</TABLE>\r\n";
    out += fragments(page.bracket.sheet().language).copyTo;
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
        for (int m = 0; m < page.bracket.memberCount(); ++m) {
            size += page.bracket.memberClub(m).size();
        }
    }
    return size;
}

}  // namespace
}  // namespace html

using html::Page;
using html::PageBuffer;
using html::writeTwoSidedRow;

int htmlTableWidth(const Bracket& bracket) {
    const int clubs = showsClubColumn(bracket) ? kHtmlClubWidth : 0;
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
    PageBuffer out(html::expectedPageSize(page));
    html::writeHtmlHead(out, page);
    if (page.twoSided) {
        for (int row = 0; row < bracket.memberCount(); ++row) writeTwoSidedRow(out, page, row);
    } else {
        for (int row = 0; row < 2 * bracket.memberCount(); ++row) html::writeRow(out, page, row);
    }
    html::writeHtmlFoot(out, page);
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
