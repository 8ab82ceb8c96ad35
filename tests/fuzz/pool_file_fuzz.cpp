// libFuzzer target for the pool file reader. Whatever the bytes, reading must not crash or
// throw, and a stage that was read must fit, survive writing and reading back unchanged, and
// write the same bytes again.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "pools/pool_file.h"
#include "pools/pool_stage.h"

namespace {

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "check failed: %s\n", what);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<kaz::PoolStage> stage = kaz::readPoolFile(bytes);
    if (!stage) return 0;

    check(kaz::poolStageFits(*stage), "a stage read fits");
    const std::string written = kaz::writePoolFile(*stage);
    check(written.size() <= kaz::kMaxPoolFileBytes, "a stage read writes a file that is read");
    const std::optional<kaz::PoolStage> again = kaz::readPoolFile(written);
    check(again.has_value(), "a written stage reads back");
    check(*again == *stage, "a written stage reads back equal");
    check(kaz::writePoolFile(*again) == written, "writing is stable");
    for (size_t pool = 0; pool < stage->pools.size(); ++pool) {
        for (size_t match = 0; match < stage->pools[pool].matches.size(); ++match) {
            (void)kaz::poolMatchNumber(*stage, int(pool), int(match));
        }
    }
    return 0;
}
