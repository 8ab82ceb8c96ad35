// Times reading a 32-member bracket with names and results and writing its HTML page and its
// .kaz file. Prints the median time per bracket; asserts nothing about time.
//
//   kaz_bench [BRACKET.kaz]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "html/html_page.h"
#include "io/kaz_format.h"

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

    const double readAndPage = medianMicroseconds([&] {
        const std::optional<kaz::Bracket> b = kaz::readKaz(bytes);
        return kaz::writeHtmlPage(*b).size();
    });
    const double read =
        medianMicroseconds([&] { return size_t(kaz::readKaz(bytes)->memberCount()); });
    const double page = medianMicroseconds([&] { return kaz::writeHtmlPage(*bracket).size(); });
    const double write = medianMicroseconds([&] { return kaz::writeKaz(*bracket).size(); });

    std::printf("bracket: %s (%d members, %zu bytes, page %zu bytes)\n", path.c_str(),
                bracket->memberCount(), bytes.size(), kaz::writeHtmlPage(*bracket).size());
    std::printf("median per bracket over %d batches of %d:\n", kBatches, kPerBatch);
    std::printf("  read .kaz + write page  %8.2f us\n", readAndPage);
    std::printf("  read .kaz               %8.2f us\n", read);
    std::printf("  write page              %8.2f us\n", page);
    std::printf("  write .kaz              %8.2f us\n", write);
    return g_sink == 0 ? 1 : 0;
}
