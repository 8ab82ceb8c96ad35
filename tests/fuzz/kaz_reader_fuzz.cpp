// libFuzzer target for the bracket file reader. Whatever the bytes, reading must not crash,
// and a bracket that was read must survive writing and reading back unchanged, export as a
// well-formed table and take every click.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "../support/html_grid.h"
#include "bracket/bracket.h"
#include "bracket/line_rules.h"
#include "color/color_value.h"
#include "html/html_page.h"
#include "io/kaz_format.h"
#include "text/cp932.h"
#include "text/document_text.h"

namespace {

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "check failed: %s\n", what);
        std::abort();
    }
}

bool sameBracket(const kaz::Bracket& a, const kaz::Bracket& b) {
    if (a.memberCount() != b.memberCount() || a.roundCount() != b.roundCount() ||
        a.lineCount() != b.lineCount() || a.champion() != b.champion() ||
        a.colors() != b.colors() || a.sheet() != b.sheet() ||
        a.thirdPlaceResults() != b.thirdPlaceResults()) {
        return false;
    }
    for (int i = 0; i < a.memberCount(); ++i) {
        if (a.memberName(i) != b.memberName(i) || a.memberMarks(i) != b.memberMarks(i)) {
            return false;
        }
    }
    for (int line = 0; line < a.lineCount(); ++line) {
        if (a.lineState(line) != b.lineState(line) || a.lineScore(line) != b.lineScore(line)) {
            return false;
        }
    }
    return true;
}

size_t count(const std::string& text, std::string_view what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::optional<kaz::Bracket> bracket = kaz::readKaz(bytes);
    if (!bracket) return 0;

    check(!bracket->isChanged(), "a loaded bracket is unchanged");
    check(kaz::sheetFits(*bracket), "a loaded sheet fits its bracket");
    const std::string written = kaz::writeKaz(*bracket);
    const std::optional<kaz::Bracket> again = kaz::readKaz(written);
    check(again.has_value(), "a written bracket reads back");
    check(sameBracket(*bracket, *again), "a written bracket reads back equal");
    check(kaz::writeKaz(*again) == written, "writing is stable");

    // Names and scores cannot add markup: the table of a bracket without a sheet keeps its
    // 5P-1 cells in 2P rows. (A sheet adds rows and a column of its own; its texts' escaping
    // is tested by the page's tests.) With a sheet or without, one-sided or two, every row of
    // the table comes out full, as a browser lays it out.
    const int members = bracket->memberCount();
    const bool bare = !kaz::hasSheetBlock(*bracket);
    for (bool bold : {false, true}) {
        bracket->setBoldFlags(bold, bold);
        const std::string page = kaz::writeHtmlPage(*bracket);
        check(!bare || count(page, "<TD") == size_t(5 * members - 1), "cell count");
        check(!bare || count(page, "<TR") == size_t(2 * members), "row count");
        check(kaztest::layOutTable(page).problem.empty(), "every row of the table is full");
        check(page.size() >= 7 && page.compare(page.size() - 7, 7, "</HTML>") == 0, "page end");
        check(page.size() <= kaz::htmlPageSizeBound(size), "a small file makes a small page");
    }

    for (int row = 0; row < kaz::ColorSet::kCount; ++row) {
        const kaz::ColorValue value = kaz::colorFromString(bracket->colors().at(row));
        check((value >> 24) == 0, "colour value has no top byte");
    }
    for (int i = 0; i < members; ++i) (void)kaz::shownText(bracket->memberName(i));

    // Every click on every line, whatever states the file held.
    kaz::Bracket clicked = *bracket;
    for (int line = 0; line < clicked.lineCount(); ++line) {
        kaz::leftClickLine(clicked, line);
        kaz::leftClickLine(clicked, line);
    }
    for (int line = 0; line < clicked.lineCount(); ++line) kaz::doubleClickLine(clicked, line);
    return 0;
}
