// Writes the brackets that the browser check turns into live pages, and for each what its page
// must show, one text a line (UTF-8): the title, every member's name and the champion.
//
//   make_live_samples FOLDER

#include <cstdio>
#include <fstream>
#include <string>

#include "bracket/member_progress.h"
#include "io/kaz_format.h"
#include "played_bracket.h"

namespace {

bool writeSample(const std::string& folder, const std::string& name, const kaz::Bracket& bracket) {
    std::ofstream kaz(folder + "/" + name + ".kaz", std::ios::binary);
    kaz << kaz::writeKaz(bracket);
    std::ofstream expected(folder + "/" + name + ".expected", std::ios::binary);
    expected << kaz::cp932ToUtf8(bracket.sheet().title) << '\n';
    for (int m = 0; m < bracket.memberCount(); ++m) {
        expected << kaz::cp932ToUtf8(bracket.memberName(m)) << '\n';
    }
    expected << kaz::cp932ToUtf8(bracket.champion()) << '\n';
    return kaz.good() && expected.good();
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
    eight.setMemberName(2, testbrackets::cp932("O'Brien <b>&amp;</b>"));
    eight.setChampion(eight.memberName(kaz::memberOnLine(eight, eight.lineCount() - 1)));
    const kaz::Bracket large = testbrackets::playedBracket(128, true, true);
    if (!writeSample(folder, "eight", eight) || !writeSample(folder, "large", large)) {
        std::fprintf(stderr, "make_live_samples: cannot write into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
