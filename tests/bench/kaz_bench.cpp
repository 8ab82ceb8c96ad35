// Times reading a 32-member bracket with names and results and writing its HTML page and its
// .kaz file (reading and the page also with every part of the sheet set), writing the live
// results page of 128 members played to the end (one-sided, and two-sided with a third place),
// drawing a bracket for 32 entrants of 8 clubs and for 128 of 16, and converting its names and page
// text between CP932 and UTF-8 with the core's table (and, on Linux, with the system's iconv, which
// the table was made from). Prints the median time per bracket; asserts nothing about time.
//
//   kaz_bench [BRACKET.kaz]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "draw/bracket_draw.h"
#include "full_sheet.h"
#include "html/html_page.h"
#include "html/live_page.h"
#include "io/kaz_format.h"
#include "played_bracket.h"
#include "text/cp932.h"
#include "text/document_text.h"
#include "text/text_limits.h"
#ifdef KAZ_ICONV_REFERENCE
#include "iconv_cp932.h"
#endif

namespace {

constexpr int kBatches = 301;
constexpr int kPerBatch = 200;

size_t g_sink = 0;  // keeps the work from being optimised away

// Median over kBatches batches of the mean time of one call in a batch, in microseconds.
template <typename Work>
double medianMicroseconds(Work work) {
    using Clock = std::chrono::steady_clock;
    for (int i = 0; i < kPerBatch; ++i) g_sink += work();  // warm-up
    std::vector<double> perCall;
    perCall.reserve(kBatches);
    for (int batch = 0; batch < kBatches; ++batch) {
        const Clock::time_point start = Clock::now();
        for (int i = 0; i < kPerBatch; ++i) g_sink += work();
        const std::chrono::duration<double, std::micro> spent = Clock::now() - start;
        perCall.push_back(spent.count() / kPerBatch);
    }
    std::nth_element(perCall.begin(), perCall.begin() + kBatches / 2, perCall.end());
    return perCall[kBatches / 2];
}

// `count` entrants, as many of each of `clubs` clubs, in club order (the hardest order for
// keeping clubs apart by chance), without seeds.
std::vector<kaz::Entrant> entrantsOfClubs(int count, int clubs) {
    std::vector<kaz::Entrant> entrants;
    for (int i = 0; i < count; ++i) {
        entrants.push_back(
            {"p" + std::to_string(i), "club" + std::to_string(i / (count / clubs)), 0, i + 1});
    }
    return entrants;
}

// The median time of a draw by lot of `entrants` with the clubs kept apart, and its bracket.
double drawMicroseconds(const std::vector<kaz::Entrant>& entrants) {
    uint32_t drawNumber = 0;
    return medianMicroseconds([&] {
        kaz::DrawOptions options;
        options.drawNumber = 1 + drawNumber++ % kaz::kMaxDrawNumber;
        const std::optional<kaz::Draw> drawn = kaz::drawEntrants(entrants, options);
        return kaz::makeDrawnBracket(*drawn, entrants, false).memberName(0).size();
    });
}

}  // namespace

int main(int argc, char** argv) {
    const std::string path = argc > 1 ? argv[1] : KAZ_TEST_DATA "/thirty_two_members.kaz";
    std::ifstream file(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const std::optional<kaz::Bracket> bracket = kaz::readKaz(bytes);
    if (!bracket) {
        std::fprintf(stderr, "kaz_bench: cannot read %s\n", path.c_str());
        return 1;
    }

    // The same bracket with every part of the sheet set: as an organiser sets it, and with
    // every text at its limit.
    const std::string typicalBytes = kaz::writeKaz(bench::withTypicalSheet(*bracket));
    const kaz::Bracket sheeted = bench::withFullSheet(*bracket);
    const std::string sheetedBytes = kaz::writeKaz(sheeted);
    const auto readAndPageOf = [](const std::string& file) {
        return medianMicroseconds([&] {
            const std::optional<kaz::Bracket> b = kaz::readKaz(file);
            return kaz::writeHtmlPage(*b).size();
        });
    };
    const double readAndPageTypical = readAndPageOf(typicalBytes);
    const double readAndPageSheeted = readAndPageOf(sheetedBytes);
    const double read =
        medianMicroseconds([&] { return size_t(kaz::readKaz(bytes)->memberCount()); });
    const double page = medianMicroseconds([&] { return kaz::writeHtmlPage(*bracket).size(); });
    const double readAndPage = readAndPageOf(bytes);
    const double readSheeted =
        medianMicroseconds([&] { return size_t(kaz::readKaz(sheetedBytes)->memberCount()); });
    const double pageSheeted =
        medianMicroseconds([&] { return kaz::writeHtmlPage(sheeted).size(); });
    const double write = medianMicroseconds([&] { return kaz::writeKaz(*bracket).size(); });

    const std::vector<kaz::Entrant> entrants = entrantsOfClubs(32, 8);
    const double draw = drawMicroseconds(entrants);
    const double draw128 = drawMicroseconds(entrantsOfClubs(128, 16));

    std::printf("bracket: %s (%d members, %zu bytes, page %zu bytes)\n", path.c_str(),
                bracket->memberCount(), bytes.size(), kaz::writeHtmlPage(*bracket).size());
    std::printf("median per bracket over %d batches of %d:\n", kBatches, kPerBatch);
    std::printf("  read .kaz + write page  %8.2f us\n", readAndPage);
    std::printf("  the same, full sheet    %8.2f us   (%.2fx, %zu bytes)\n", readAndPageTypical,
                readAndPageTypical / readAndPage, typicalBytes.size());
    std::printf("  texts at their limits   %8.2f us   (%.2fx, %zu bytes)\n", readAndPageSheeted,
                readAndPageSheeted / readAndPage, sheetedBytes.size());
    std::printf("  read .kaz               %8.2f us\n", read);
    std::printf("  write page              %8.2f us\n", page);
    std::printf("  read .kaz, full sheet   %8.2f us\n", readSheeted);
    std::printf("  write page, full sheet  %8.2f us   (%zu bytes)\n", pageSheeted,
                kaz::writeHtmlPage(sheeted).size());
    std::printf("  write .kaz              %8.2f us\n", write);
    std::printf("  draw 32 of 8 clubs      %8.2f us\n", draw);
    std::printf("  draw 128 of 16 clubs    %8.2f us\n", draw128);

    // A 128-member file whose names are all beyond Shift_JIS (their exact forms in the block)
    // against the same file with names Shift_JIS holds, read and written.
    const auto namedBracket = [](const char* name) {
        kaz::Bracket b = testbrackets::playedBracket(128, false, false);
        for (int m = 0; m < 128; ++m) b.setMemberName(m, name + std::to_string(m + 1));
        return b;
    };
    const kaz::Bracket sjisNames = namedBracket("山田 太郎 吉野 ");
    const kaz::Bracket exactNames = namedBracket("Müller 𠮷野 😀 ");
    const std::string sjisFile = kaz::writeKaz(sjisNames);
    const std::string exactFile = kaz::writeKaz(exactNames);
    const double readSjis = medianMicroseconds([&] { return kaz::readKaz(sjisFile)->lineCount(); });
    const double readExact =
        medianMicroseconds([&] { return kaz::readKaz(exactFile)->lineCount(); });
    const double writeSjis = medianMicroseconds([&] { return kaz::writeKaz(sjisNames).size(); });
    const double writeExact = medianMicroseconds([&] { return kaz::writeKaz(exactNames).size(); });
    std::printf("128 names beyond Shift_JIS against Shift_JIS names:\n");
    std::printf("  read .kaz   %8.2f us against %8.2f us (%.2fx, %zu against %zu bytes)\n",
                readExact, readSjis, readExact / readSjis, exactFile.size(), sjisFile.size());
    std::printf("  write .kaz  %8.2f us against %8.2f us (%.2fx)\n", writeExact, writeSjis,
                writeExact / writeSjis);

    // The live page of the largest bracket, every match played, a sheet with clubs and long
    // names: its time and its size.
    kaz::LivePageOptions live;
    live.updatedAt = "2026-12-08 12:34:56";
    live.refreshSeconds = 30;
    for (const bool twoSided : {false, true}) {
        const kaz::Bracket played = testbrackets::playedBracket(128, twoSided, twoSided);
        const double livePage =
            medianMicroseconds([&] { return kaz::writeLivePage(played, live).size(); });
        std::printf("  live page, 128 %s %8.2f us   (%zu bytes)\n",
                    twoSided ? "2-sided" : "1-sided", livePage,
                    kaz::writeLivePage(played, live).size());
    }

    // Long names: twenty full-width characters each, clubs at their limit.
    kaz::Bracket longNames = testbrackets::playedBracket(128, true, true);
    kaz::SheetInfo longSheet = longNames.sheet();
    for (int m = 0; m < 128; ++m) {
        std::string name = "選手の名前がとても長い場合の例です";
        name += std::to_string(100 + m);
        longNames.setMemberName(m, name);
        longNames.setMemberClub(m, std::string(kaz::kMaxClubCharacters, char('a' + m % 26)));
    }
    longNames.setSheet(longSheet);
    const double liveLong =
        medianMicroseconds([&] { return kaz::writeLivePage(longNames, live).size(); });
    std::printf("  the same, long names   %8.2f us   (%zu bytes)\n", liveLong,
                kaz::writeLivePage(longNames, live).size());

    // Every member name and the whole page, as CP932 and as UTF-8.
    std::vector<std::string> cp932Texts;
    for (int i = 0; i < bracket->memberCount(); ++i) {
        cp932Texts.push_back(kaz::cp932Form(bracket->memberName(i)));
    }
    cp932Texts.push_back(kaz::writeHtmlPage(*bracket));
    std::vector<std::string> utf8Texts;
    for (const std::string& text : cp932Texts) utf8Texts.push_back(kaz::cp932ToUtf8(text));
    const auto sum = [](const std::vector<std::string>& texts, auto convert) {
        return [&texts, convert] {
            size_t bytes = 0;
            for (const std::string& text : texts) bytes += convert(text);
            return bytes;
        };
    };
    const double decode = medianMicroseconds(
        sum(cp932Texts, [](const std::string& t) { return kaz::cp932ToUtf8(t).size(); }));
    const double encode = medianMicroseconds(
        sum(utf8Texts, [](const std::string& t) { return kaz::utf8ToCp932(t)->size(); }));
    std::printf("CP932 <-> UTF-8 of %zu names and the page (%zu bytes of CP932):\n",
                cp932Texts.size() - 1,
                sum(cp932Texts, [](const std::string& t) { return t.size(); })());
    std::printf("  table: to UTF-8         %8.2f us\n", decode);
    std::printf("  table: to CP932         %8.2f us\n", encode);
#ifdef KAZ_ICONV_REFERENCE
    kazref::IconvCp932 iconv;
    const double iconvDecode = medianMicroseconds(
        sum(cp932Texts, [&iconv](const std::string& t) { return iconv.toUtf8(t).size(); }));
    const double iconvEncode = medianMicroseconds(
        sum(utf8Texts, [&iconv](const std::string& t) { return iconv.fromUtf8(t)->size(); }));
    std::printf("  iconv: to UTF-8         %8.2f us   (table %.1fx as fast)\n", iconvDecode,
                iconvDecode / decode);
    std::printf("  iconv: to CP932         %8.2f us   (table %.1fx as fast)\n", iconvEncode,
                iconvEncode / encode);
#endif
    return g_sink == 0 ? 1 : 0;
}
