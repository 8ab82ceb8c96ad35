// Writes the brackets that the browser check turns into live pages, and for each what its page
// must show, one text a line (UTF-8): the title, every member's name, the champion and the
// runner-up. Also two live pages that update themselves, of one bracket before and after its
// final (update-1.html, update-2.html), for the check of the update in place.
//
//   make_live_samples FOLDER

#include <cstdio>
#include <fstream>
#include <string>

#include "bracket/member_progress.h"
#include "html/live_page.h"
#include "io/kaz_format.h"
#include "played_bracket.h"
#include "text/document_text.h"

namespace {

bool writeSample(const std::string& folder, const std::string& name, const kaz::Bracket& bracket) {
    std::ofstream kaz(folder + "/" + name + ".kaz", std::ios::binary);
    kaz << kaz::writeKaz(bracket);
    std::ofstream expected(folder + "/" + name + ".expected", std::ios::binary);
    expected << kaz::shownText(bracket.sheet().title) << '\n';
    for (int m = 0; m < bracket.memberCount(); ++m) {
        expected << kaz::shownText(bracket.memberName(m)) << '\n';
    }
    expected << kaz::shownText(bracket.champion()) << '\n';
    const int final = bracket.lineCount() - 3;
    const int loser = bracket.lineState(final) == kaz::LineState::Won ? final + 1 : final;
    expected << "準優勝 " << kaz::shownText(bracket.memberName(kaz::memberOnLine(bracket, loser)))
             << "\n最新の結果\n";
    return kaz.good() && expected.good();
}

bool writeLivePage(const std::string& path, const kaz::Bracket& bracket, const char* time) {
    kaz::LivePageOptions options;
    options.updatedAt = time;
    options.refreshSeconds = 30;
    std::ofstream page(path, std::ios::binary);
    page << kaz::writeLivePage(bracket, options);
    return page.good();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_live_samples FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    // Eight members with a sheet, one name full of markup characters.
    kaz::Bracket eight = testbrackets::playedBracket(8, false, false, "春季大会 <決勝> & \"速報\"");
    eight.setMemberName(2, std::string("O'Brien <b>&amp;</b>"));
    eight.setChampion(eight.memberName(kaz::memberOnLine(eight, eight.lineCount() - 1)));
    // Round names with times, wider than their columns.
    kaz::SheetInfo sheet = eight.sheet();
    sheet.roundNames[0] = std::string("準々決勝 10:30");
    sheet.roundNames[1] = std::string("準決勝 13:00");
    sheet.roundNames[2] = std::string("決勝 15:30");
    eight.setSheet(sheet);
    // The same before its final: the final's win taken back, no champion.
    kaz::Bracket before = eight;
    const int final = eight.lineCount() - 3;
    const int won = eight.lineState(final) == kaz::LineState::Won ? final : final + 1;
    before.setLineResult(won, {kaz::LineState::Reached, ""});
    before.setLineResult(won == final ? final + 1 : final, {kaz::LineState::Reached, ""});
    before.setLineResult(eight.lineCount() - 1, {kaz::LineState::Open, ""});
    before.setChampion("");
    const kaz::Bracket large = testbrackets::playedBracket(128, true, true);
    if (!writeSample(folder, "eight", eight) || !writeSample(folder, "large", large) ||
        !writeLivePage(folder + "/update-1.html", before, "2026-12-08 15:00:00") ||
        !writeLivePage(folder + "/update-2.html", eight, "2026-12-08 15:40:00")) {
        std::fprintf(stderr, "make_live_samples: cannot write into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
