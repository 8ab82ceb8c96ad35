// kazdraw: draws a bracket from a list of entrants and writes it as a .kaz file.

#include <cerrno>
#include <cstdio>
#include <new>
#include <string>
#include <vector>

#include "draw/bracket_draw.h"
#include "draw/draw_random.h"
#include "draw/entrant_list.h"
#include "io/file_io.h"
#include "io/kaz_format.h"
#include "text/messages.h"

namespace {

const char kUsage[] =
    "usage: kazdraw [--size 4|8|16|32] [--seed N] [--in-order] [--ignore-clubs] "
    "[--club-in-name] LIST OUT.kaz\n";

const char kHelp[] =
    "\n"
    "Draws a bracket from a list of entrants (one a line: name, club, seed, separated by a\n"
    "tab or a comma; UTF-8 or Shift_JIS) and writes it as a .kaz file. Seeds take their\n"
    "standard places, byes go to the top seeds, the others are drawn by lot, members of one\n"
    "club kept apart. LIST \"-\" reads standard input. Prints the draw number (抽選番号) and\n"
    "the pairs of one club who can meet before the final.\n"
    "\n"
    "  --size N        a bracket of N members (4, 8, 16, 32) instead of the smallest\n"
    "                  that holds everyone; at most twice the number of entrants\n"
    "  --seed N        the draw number, 1 to 999999: the same number, list and options\n"
    "                  give the same bracket (a new number is picked without it)\n"
    "  --in-order      unseeded entrants in list order instead of by lot\n"
    "  --ignore-clubs  the lot does not keep clubs apart\n"
    "  --club-in-name  names as \"名前（所属）\"\n"
    "  --help          this text\n"
    "  --version       the version\n"
    "\n"
    "Exit status: 0 written, 1 the list could not be read or drawn or OUT could not be\n"
    "written (an existing OUT is then left as it was), 2 wrong arguments.\n";

struct Arguments {
    kaz::DrawOptions options;
    bool seedGiven = false;
    bool clubInName = false;
    std::vector<std::string> files;
};

enum class Parsed { Run, Help, Version, Wrong };

int fail(const std::string& message) {
    std::fprintf(stderr, "kazdraw: %s\n", message.c_str());
    return 1;
}

int usageError(const std::string& what) {
    std::fprintf(stderr, "kazdraw: %s\n%s", what.c_str(), kUsage);
    return 2;
}

// A whole number from `min` to `max` written in decimal digits only, or -1.
long numberIn(const std::string& text, long min, long max) {
    if (text.empty() || text.size() > 9) return -1;
    long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value >= min && value <= max ? value : -1;
}

// Fills `args` from the command line; on Wrong, `error` says what was wrong.
Parsed parseArguments(int argc, char** argv, Arguments& args, std::string& error) {
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool option = !optionsEnded && arg.size() > 1 && arg[0] == '-';
        if (!option) {
            args.files.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help") {
            return Parsed::Help;
        } else if (arg == "--version") {
            return Parsed::Version;
        } else if (arg == "--in-order") {
            args.options.byLot = false;
        } else if (arg == "--ignore-clubs") {
            args.options.keepClubsApart = false;
        } else if (arg == "--club-in-name") {
            args.clubInName = true;
        } else if (arg == "--size" || arg == "--seed") {
            if (i + 1 == argc) {
                error = arg + " needs a value";
                return Parsed::Wrong;
            }
            const std::string value = argv[++i];
            if (arg == "--size") {
                const long size = numberIn(value, 4, 32);
                if (size != 4 && size != 8 && size != 16 && size != 32) {
                    error = "--size must be 4, 8, 16 or 32";
                    return Parsed::Wrong;
                }
                args.options.size = int(size);
            } else {
                const long seed = numberIn(value, kaz::kMinDrawNumber, kaz::kMaxDrawNumber);
                if (seed < 0) {
                    error = "--seed must be a whole number from 1 to 999999";
                    return Parsed::Wrong;
                }
                args.options.drawNumber = uint32_t(seed);
                args.seedGiven = true;
            }
        } else {
            error = "unknown option " + arg;
            return Parsed::Wrong;
        }
    }
    if (args.files.size() < 2) {
        error = args.files.empty() ? "no list" : "no output file";
        return Parsed::Wrong;
    }
    if (args.files.size() > 2) {
        error = "too many arguments";
        return Parsed::Wrong;
    }
    if (args.files[1] == "-") {
        error = "the bracket must go to a file";
        return Parsed::Wrong;
    }
    return Parsed::Run;
}

// Reads, draws and writes; returns the exit status.
int drawAndWrite(Arguments& args) {
    const std::string& list = args.files[0];
    const std::string& output = args.files[1];
    const bool fromStdin = list == "-";
    std::string bytes;
    kaz::FileError cause = kaz::FileError::None;
    switch (kaz::readWholeFile(fromStdin ? "/dev/stdin" : list, kaz::kMaxEntrantListBytes,
                               kaz::ReadableFiles::AnyReadable, bytes, cause)) {
        case kaz::ReadStatus::Read: break;
        case kaz::ReadStatus::SystemError: return fail(kaz::fileErrorMessage(cause, list));
        case kaz::ReadStatus::TooLarge:
        case kaz::ReadStatus::NotRegularFile: return fail(list + ": " + kaz::kListTooLargeMessage);
    }

    const kaz::EntrantList entrants = kaz::readEntrantList(bytes, args.clubInName);
    for (const kaz::ListProblem& problem : entrants.problems) {
        std::fprintf(stderr, "kazdraw: %s: %s\n", list.c_str(),
                     kaz::listProblemText(problem).c_str());
    }
    if (!entrants.problems.empty()) return 1;
    const int count = static_cast<int>(entrants.entrants.size());
    const std::string sizeProblem = kaz::drawSizeProblem(count, args.options.size);
    if (!sizeProblem.empty()) return fail(sizeProblem);

    if (!args.seedGiven) args.options.drawNumber = kaz::pickDrawNumber();
    const std::optional<kaz::Draw> draw = kaz::drawEntrants(entrants.entrants, args.options);
    if (!draw) return fail(kaz::kSaveFailedMessage);  // the checks above leave nothing to refuse
    const kaz::Bracket bracket = kaz::makeDrawnBracket(*draw, entrants.entrants, args.clubInName);
    const kaz::FileError writeError = kaz::writeFileSafely(output, kaz::writeKaz(bracket));
    if (writeError != kaz::FileError::None) return fail(kaz::fileErrorMessage(writeError, output));

    std::printf("抽選番号 %u\n", static_cast<unsigned>(args.options.drawNumber));
    if (!draw->earlyMeetings.empty()) std::printf("決勝より前に当たる同じ所属の組:\n");
    const int size = static_cast<int>(draw->entrantAt.size());
    for (const kaz::ClubMeeting& meeting : draw->earlyMeetings) {
        std::printf("  %s\n", kaz::clubMeetingText(meeting, entrants.entrants, size).c_str());
    }
    if (std::fflush(stdout) != 0)
        return fail(kaz::fileErrorMessage(kaz::fileErrorFromErrno(errno), "-"));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Arguments args;
    std::string error;
    switch (parseArguments(argc, argv, args, error)) {
        case Parsed::Run: break;
        case Parsed::Help: std::printf("%s%s", kUsage, kHelp); return 0;
        case Parsed::Version: std::printf("kazdraw %s\n", KAZ_VERSION); return 0;
        case Parsed::Wrong: return usageError(error);
    }

    kaz::removeTemporaryFileOnTermination();
    try {
        return drawAndWrite(args);
    } catch (const std::bad_alloc&) {
        return fail(kaz::kSaveFailedMessage);
    }
}
