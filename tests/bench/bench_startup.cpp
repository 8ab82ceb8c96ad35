// Start-up of the editor against an empty QMainWindow: both are started alternately, on the
// offscreen platform unless QT_QPA_PLATFORM names another (xcb with DISPLAY set: a real X
// server, Xvfb for one). Each says "shown" once its main window is shown and the event loop has
// run once, then ends. Reports the medians of the time to "shown", of the whole run (the end
// included) and of the peak memory, and their ratios; a third program, the empty window with
// one Japanese menu title, shows what any Japanese text costs. A second build of kaz_edit may
// be started in the same rounds (an earlier version, say), and is compared with the first.

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
    double shownMs;  // until the window was shown
    double wholeMs;  // until the process ended
    long maxRssKiB;
};

double millisecondsSince(std::chrono::steady_clock::time_point began) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - began)
        .count();
}

Run start(const char* program, const char* argument = nullptr) {
    int said[2];
    if (::pipe(said) != 0) std::exit(1);
    const auto began = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(said[1], STDOUT_FILENO);
        // Qt's notes about the environment are not what is measured.
        if (std::freopen("/dev/null", "w", stderr) == nullptr) std::_Exit(126);
        ::execl(program, program, argument, static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    ::close(said[1]);
    char word[8] = {};
    const bool shown = ::read(said[0], word, sizeof word - 1) > 0;
    const double shownMs = millisecondsSince(began);
    ::close(said[0]);
    int status = 0;
    struct rusage usage {};
    ::wait4(child, &status, 0, &usage);
    const double wholeMs = millisecondsSince(began);
    if (!shown || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not end cleanly (status %d)\n", program, status);
        std::exit(1);
    }
    return {shownMs, wholeMs, usage.ru_maxrss};
}

template <typename T>
T median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

// bench_startup [PAIRS [EDITOR [YARDSTICK [OTHER_EDITOR]]]]: another build of kaz_edit, or of
// the empty window (which is also started with --japanese-menu), may be named, and a second
// kaz_edit to compare the first with.
int main(int argc, char** argv) {
    const int pairs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const char* const editorProgram = argc > 2 ? argv[2] : KAZ_EDIT_PATH;
    const char* const emptyProgram = argc > 3 ? argv[3] : EMPTY_WINDOW_PATH;
    const char* const otherEditor = argc > 4 ? argv[4] : nullptr;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::setenv("KAZ_QUIT_AFTER_START", "1", 1);
    // Both once before measuring, so that neither pays for a cold disk cache.
    start(editorProgram);
    start(emptyProgram);
    std::vector<Run> editor, empty, menu, other;
    for (int i = 0; i < pairs; ++i) {
        editor.push_back(start(editorProgram));
        if (otherEditor) other.push_back(start(otherEditor));
        empty.push_back(start(emptyProgram));
        menu.push_back(start(emptyProgram, "--japanese-menu"));
    }
    struct Medians {
        double shownMs, wholeMs;
        long rssKiB;
    };
    auto medians = [](const std::vector<Run>& runs) {
        std::vector<double> shown, whole;
        std::vector<long> rss;
        for (const Run& run : runs) {
            shown.push_back(run.shownMs);
            whole.push_back(run.wholeMs);
            rss.push_back(run.maxRssKiB);
        }
        return Medians{median(shown), median(whole), median(rss)};
    };
    const Medians e = medians(editor), m = medians(empty), j = medians(menu);
    std::printf("%d rounds, medians       shown       whole run   peak memory\n", pairs);
    std::printf("kaz_edit                  %8.1f ms  %8.1f ms  %7ld KiB\n", e.shownMs, e.wholeMs,
                e.rssKiB);
    std::printf("empty QMainWindow         %8.1f ms  %8.1f ms  %7ld KiB\n", m.shownMs, m.wholeMs,
                m.rssKiB);
    std::printf("  with one Japanese menu  %8.1f ms  %8.1f ms  %7ld KiB\n", j.shownMs, j.wholeMs,
                j.rssKiB);
    std::printf("kaz_edit / empty          %8.3f     %8.3f     %+7ld KiB\n", e.shownMs / m.shownMs,
                e.wholeMs / m.wholeMs, e.rssKiB - m.rssKiB);
    std::printf("kaz_edit / Japanese menu  %8.3f     %8.3f     %+7ld KiB\n", e.shownMs / j.shownMs,
                e.wholeMs / j.wholeMs, e.rssKiB - j.rssKiB);
    if (otherEditor) {
        const Medians o = medians(other);
        std::printf("other kaz_edit            %8.1f ms  %8.1f ms  %7ld KiB\n", o.shownMs,
                    o.wholeMs, o.rssKiB);
        std::printf("kaz_edit / other          %8.3f     %8.3f     %+7ld KiB\n",
                    e.shownMs / o.shownMs, e.wholeMs / o.wholeMs, e.rssKiB - o.rssKiB);
    }
    return 0;
}
