// kazdraw: draws a bracket from a list of entrants and writes it as a .kaz file.

#include <cstdio>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "bracket/bracket_shape.h"
#include "draw/bracket_draw.h"
#include "draw/draw_random.h"
#include "draw/entrant_list.h"
#include "io/file_io.h"
#include "io/kaz_format.h"
#include "text/document_text.h"
#include "text/messages.h"
#include "text/pasted_text.h"
#include "text/text_limits.h"
#include "text/utf8.h"
#include "tool/command_line.h"

namespace {

const char kUsage[] =
    "usage: kazdraw [--size 4|8|16|32|64|128] [--seed N] [--in-order] [--ignore-clubs] "
    "[--club-in-name] [--title TEXT] [--third-place] [--two-sided] [--language ja|en] "
    "LIST OUT.kaz\n";

const char kHelp[] =
    "\n"
    "Draws a bracket from a list of entrants (one a line: name, club, seed, separated by a\n"
    "tab or a comma; UTF-8 or Shift_JIS) and writes it as a .kaz file. Seeds take their\n"
    "places as on draw sheets (seed 1 on the top line, seed 2 on the bottom one, 3 and 4, then\n"
    "5 to 8, by lot at the quarters' ends), byes go beside the top seeds, the others are drawn\n"
    "by lot, members of one club kept apart. Clubs, seeds, byes and the draw number are kept\n"
    "in the file for the sheet. LIST \"-\" reads standard input. Prints the draw number\n"
    "(抽選番号) and the pairs of one club who can meet before the final.\n"
    "\n"
    "  --size N        a bracket of N members (4, 8, 16, 32, 64, 128) instead of the\n"
    "                  smallest that holds everyone; at most twice the number of entrants\n"
    "  --seed N        the draw number, 1 to 999999: the same number, list and options\n"
    "                  give the same bracket (a new number is picked without it)\n"
    "  --in-order      unseeded entrants in list order instead of by lot\n"
    "  --ignore-clubs  the lot does not keep clubs apart\n"
    "  --club-in-name  names as \"名前（所属）\" instead of clubs in their own column\n"
    "  --title TEXT    the sheet's title (at most 128 bytes in Shift_JIS)\n"
    "  --third-place   a third-place match between the semi-finals' losers\n"
    "                  (3位決定戦を行う)\n"
    "  --two-sided     the sheet in two sides, the first half of the members down the left\n"
    "                  edge and the second half down the right, the final in the middle\n"
    "                  (左右に分ける)\n"
    "  --language L    the language of the words the sheet writes of its own (round\n"
    "                  names, 3位決定戦, 抽選番号): ja (the default) or en\n"
    "  --help          this text\n"
    "  --version       the version\n"
    "\n"
    "Exit status: 0 written, 1 the list could not be read or drawn or OUT could not be\n"
    "written (an existing OUT is then left as it was), 2 wrong arguments.\n";

struct Arguments {
    kaz::DrawOptions options;
    bool seedGiven = false;
    bool clubInName = false;
    bool thirdPlace = false;
    bool twoSided = false;
    kaz::SheetLanguage language = kaz::SheetLanguage::Japanese;
    std::string title;                       // CP932
    std::vector<std::string> titleBeyondCp932;  // characters older programs show as 〓
    std::string list;
    std::string output;
};

const kaz::ToolText kTool{"kazdraw", kUsage, kHelp};

int fail(const std::string& message) { return kaz::reportFailure(kTool, message); }
// A message of the core, in Japanese as the tools write every message.
int fail(const kaz::Message& message) { return fail(kaz::japaneseText(message)); }

int usageError(const std::string& what) { return kaz::reportUsageError(kTool, what); }

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

// Fills `args` from the options and operands; the usage error, or nothing.
std::optional<std::string> takeArguments(const kaz::CommandLine& line, Arguments& args) {
    if (line.error) return line.error;
    args.options.byLot = !line.has("--in-order");
    args.options.keepClubsApart = !line.has("--ignore-clubs");
    args.clubInName = line.has("--club-in-name");
    args.thirdPlace = line.has("--third-place");
    args.twoSided = line.has("--two-sided");
    if (const std::optional<std::string> size = line.value("--size")) {
        const long members = numberIn(*size, 4, kaz::kMaxMembers);
        if (!kaz::isValidMemberCount(int(members))) {
            return std::string("--size は 4、8、16、32、64、128 のどれかです。");
        }
        args.options.size = int(members);
    }
    if (const std::optional<std::string> seed = line.value("--seed")) {
        const long number = numberIn(*seed, kaz::kMinDrawNumber, kaz::kMaxDrawNumber);
        if (number < 0) return std::string("--seed は 1 から 999999 までの整数です。");
        args.options.drawNumber = uint32_t(number);
        args.seedGiven = true;
    }
    if (const std::optional<std::string> title = line.value("--title")) {
        // Bytes that are not UTF-8 become 〓; every character is kept as given.
        args.title = kaz::isUtf8(*title) ? *title : kaz::textFromCp932(kaz::cp932Form(*title));
        args.titleBeyondCp932 = kaz::charactersBeyondCp932(args.title);
        if (kaz::hasControlCharacter(args.title)) {
            return std::string("--title に制御文字は使えません。");
        }
        if (kaz::cp932Length(args.title) > kaz::kMaxSheetTitleBytes) {
            return "--title は " + std::to_string(kaz::kMaxSheetTitleBytes) + " バイトまでです。";
        }
    }
    if (const std::optional<std::string> language = line.value("--language")) {
        if (*language != "ja" && *language != "en") {
            return std::string("--language は ja か en です。");
        }
        if (*language == "en") args.language = kaz::SheetLanguage::English;
    }
    if (line.operands.size() < 2) {
        return std::string(line.operands.empty() ? "参加者リストが指定されていません。"
                                                 : kaz::kNoOutputFileMessage);
    }
    if (line.operands.size() > 2) return std::string(kaz::kTooManyArgumentsMessage);
    args.list = line.operands[0];
    args.output = line.operands[1];
    if (args.output == "-") return std::string("トーナメント表は標準出力には書けません。");
    return std::nullopt;
}

// Reads, draws and writes; returns the exit status.
int drawAndWrite(Arguments& args) {
    const std::string& list = args.list;
    const std::string& output = args.output;
    const kaz::Result<std::string> bytes =
        list == "-"
            ? kaz::readStandardInput(kaz::kMaxEntrantListBytes)
            : kaz::readWholeFile(list, kaz::kMaxEntrantListBytes, kaz::ReadableFiles::AnyReadable);
    if (!bytes && bytes.failure().cause == kaz::FileError::InvalidFormat) {
        return fail(list + ": " +
                    kaz::japaneseText(
                        kaz::Message(kaz::MessageId::ListTooLarge)));  // longer than the limit
    }
    if (!bytes) return fail(kaz::Failure{bytes.failure().cause, list}.message());

    const kaz::EntrantList entrants = kaz::readEntrantList(*bytes, args.clubInName);
    for (const auto* lines : {&entrants.problems, &entrants.notes}) {
        for (const kaz::ListProblem& problem : *lines) {
            std::fprintf(stderr, "kazdraw: %s: %s\n", list.c_str(),
                         kaz::japaneseText(kaz::listProblemText(problem)).c_str());
        }
    }
    if (!args.titleBeyondCp932.empty()) {
        std::fprintf(stderr, "kazdraw: --title: %s\n",
                     kaz::japaneseText(kaz::keptAsTypedText(args.titleBeyondCp932)).c_str());
    }
    if (!entrants.problems.empty()) return 1;
    const int count = static_cast<int>(entrants.entrants.size());
    if (const auto sizeProblem = kaz::drawSizeProblem(count, args.options.size)) {
        return fail(*sizeProblem);
    }

    if (!args.seedGiven) args.options.drawNumber = kaz::pickDrawNumber();
    const std::optional<kaz::Draw> draw = kaz::drawEntrants(entrants.entrants, args.options);
    if (!draw)
        return fail(
            kaz::Message(kaz::MessageId::SaveFailed));  // the checks above leave nothing to refuse
    kaz::Bracket bracket = kaz::makeDrawnBracket(*draw, entrants.entrants, args.clubInName);
    if (!args.title.empty() || args.thirdPlace || args.twoSided ||
        args.language != kaz::SheetLanguage::Japanese) {
        kaz::SheetInfo sheet = bracket.sheet();
        sheet.title = args.title;
        if (args.thirdPlace) sheet.thirdPlace = kaz::ThirdPlace::Match;
        sheet.twoSided = args.twoSided;
        sheet.language = args.language;
        bracket.setSheet(std::move(sheet));
    }
    const kaz::Status written = kaz::writeFileSafely(output, kaz::writeKaz(bracket));
    if (!written) return fail(written.failure().message());

    std::string report = "抽選番号 " + std::to_string(args.options.drawNumber) + "\n";
    if (!draw->earlyMeetings.empty()) report += "決勝より前に当たる同じ所属の組:\n";
    const int size = static_cast<int>(draw->entrantAt.size());
    for (const kaz::ClubMeeting& meeting : draw->earlyMeetings) {
        report +=
            "  " + kaz::japaneseText(kaz::clubMeetingText(meeting, entrants.entrants, size)) + "\n";
    }
    // Through the core, so that the lines end alike on every system.
    const kaz::Status printed = kaz::writeStandardOutput(report);
    if (!printed) return fail(printed.failure().message());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const kaz::CommandLine line = kaz::parseCommandLine(argc, argv,
                                                        {{"--help"},
                                                         {"--version"},
                                                         {"--size", true},
                                                         {"--seed", true},
                                                         {"--in-order"},
                                                         {"--ignore-clubs"},
                                                         {"--club-in-name"},
                                                         {"--title", true},
                                                         {"--third-place"},
                                                         {"--two-sided"},
                                                         {"--language", true}});
    if (const std::optional<int> answered = kaz::answerHelpOrVersion(line, kTool)) {
        return *answered;
    }
    Arguments args;
    if (const std::optional<std::string> wrong = takeArguments(line, args)) {
        return usageError(*wrong);
    }

    kaz::removeTemporaryFileOnTermination();
    try {
        return drawAndWrite(args);
    } catch (const std::bad_alloc&) {
        return fail(kaz::Message(kaz::MessageId::SaveFailed));
    }
}
