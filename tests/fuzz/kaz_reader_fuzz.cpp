// libFuzzer target for the bracket file reader. Whatever the bytes, reading must not crash,
// and a bracket that was read must survive writing and reading back unchanged, export as a
// well-formed table and take every click.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "bracket/bracket.h"
#include "text/cp932.h"
#include "io/kaz_format.h"
#include "bracket/line_rules.h"
#include "color/color_value.h"
#include "html/html_page.h"

namespace {

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "check failed: %s\n", what);
        std::abort();
    }
}

bool SameBracket(const kaz::Bracket& a, const kaz::Bracket& b) {
    if (a.GetPlayers() != b.GetPlayers() || a.GetRounds() != b.GetRounds() ||
        a.GetLineCount() != b.GetLineCount() || a.GetChampion() != b.GetChampion() ||
        a.GetColors() != b.GetColors()) {
        return false;
    }
    for (int i = 0; i < a.GetPlayers(); ++i) {
        if (a.GetMemberName(i) != b.GetMemberName(i)) return false;
    }
    for (int line = 0; line < a.GetLineCount(); ++line) {
        if (a.GetState(line) != b.GetState(line) || a.GetScore(line) != b.GetScore(line)) {
            return false;
        }
    }
    return true;
}

size_t Count(const std::string& text, std::string_view what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::optional<kaz::Bracket> bracket = kaz::ReadKaz(bytes);
    if (!bracket) return 0;

    Check(!bracket->IsChanged(), "a loaded bracket is unchanged");
    const std::string written = kaz::WriteKaz(*bracket);
    const std::optional<kaz::Bracket> again = kaz::ReadKaz(written);
    Check(again.has_value(), "a written bracket reads back");
    Check(SameBracket(*bracket, *again), "a written bracket reads back equal");
    Check(kaz::WriteKaz(*again) == written, "writing is stable");

    // Names and scores cannot add markup: the table keeps its 5P-1 cells in 2P rows.
    const int players = bracket->GetPlayers();
    for (bool bold : {false, true}) {
        bracket->SetBoldFlags(bold, bold);
        const std::string page = kaz::WriteHtml(*bracket);
        Check(Count(page, "<TD") == size_t(5 * players - 1), "cell count");
        Check(Count(page, "<TR") == size_t(2 * players), "row count");
        Check(page.size() >= 7 && page.compare(page.size() - 7, 7, "</HTML>") == 0, "page end");
        Check(page.size() <= kaz::HtmlPageSizeBound(size), "a small file makes a small page");
    }

    for (int row = 0; row < kaz::ColorSet::kCount; ++row) {
        const kaz::ColorValue value = kaz::ColorFromString(bracket->GetColors().At(row));
        Check((value >> 24) == 0, "colour value has no top byte");
    }
    for (int i = 0; i < players; ++i) (void)kaz::Cp932ToUtf8(bracket->GetMemberName(i));

    // Every click on every line, whatever states the file held.
    kaz::Bracket clicked = *bracket;
    for (int line = 0; line < clicked.GetLineCount(); ++line) {
        kaz::LeftClickLine(clicked, line);
        kaz::LeftClickLine(clicked, line);
    }
    for (int line = 0; line < clicked.GetLineCount(); ++line) kaz::DoubleClickLine(clicked, line);
    return 0;
}
