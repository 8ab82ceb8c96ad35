// Start-up of the editor against an empty QMainWindow: both are started alternately on the
// offscreen platform, each until its main window is shown and the event loop has run once.
// Reports the medians of the wall time and the peak memory of each, and their ratios; a third
// program, the empty window with one Japanese menu title, shows what any Japanese text costs.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Run {
    double milliseconds;
    long maxRssKiB;
};

Run start(const char* program, const char* argument = nullptr) {
    const auto began = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        // Qt's notes about the environment are not what is measured.
        if (std::freopen("/dev/null", "w", stderr) == nullptr) std::_Exit(126);
        ::execl(program, program, argument, static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    int status = 0;
    struct rusage usage {};
    ::wait4(child, &status, 0, &usage);
    const auto ended = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not end cleanly (status %d)\n", program, status);
        std::exit(1);
    }
    return {std::chrono::duration<double, std::milli>(ended - began).count(), usage.ru_maxrss};
}

template <typename T>
T median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

// bench_startup [PAIRS [EDITOR [YARDSTICK]]]: another build of either program may be named.
int main(int argc, char** argv) {
    const int pairs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const char* const editorProgram = argc > 2 ? argv[2] : KAZ_EDIT_PATH;
    const char* const emptyProgram = argc > 3 ? argv[3] : EMPTY_WINDOW_PATH;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::setenv("KAZ_QUIT_AFTER_START", "1", 1);
    // Both once before measuring, so that neither pays for a cold disk cache.
    start(editorProgram);
    start(emptyProgram);
    std::vector<double> editorTimes, emptyTimes, menuTimes;
    std::vector<long> editorRss, emptyRss, menuRss;
    for (int i = 0; i < pairs; ++i) {
        const Run editor = start(editorProgram);
        const Run empty = start(emptyProgram);
        const Run menu = start(emptyProgram, "--japanese-menu");
        editorTimes.push_back(editor.milliseconds);
        emptyTimes.push_back(empty.milliseconds);
        menuTimes.push_back(menu.milliseconds);
        editorRss.push_back(editor.maxRssKiB);
        emptyRss.push_back(empty.maxRssKiB);
        menuRss.push_back(menu.maxRssKiB);
    }
    const double editorTime = median(editorTimes), emptyTime = median(emptyTimes);
    const long editorMemory = median(editorRss), emptyMemory = median(emptyRss);
    std::printf("%d rounds, medians\n", pairs);
    std::printf("kaz_edit                    %8.1f ms  %7ld KiB\n", editorTime, editorMemory);
    std::printf("empty QMainWindow           %8.1f ms  %7ld KiB\n", emptyTime, emptyMemory);
    std::printf("  with one Japanese menu    %8.1f ms  %7ld KiB\n", median(menuTimes),
                median(menuRss));
    std::printf("kaz_edit / empty            %8.3f     %+7ld KiB\n", editorTime / emptyTime,
                editorMemory - emptyMemory);
    std::printf("kaz_edit / Japanese menu    %8.3f     %+7ld KiB\n", editorTime / median(menuTimes),
                editorMemory - median(menuRss));
    return 0;
}
