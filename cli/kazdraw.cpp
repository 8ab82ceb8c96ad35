// kazdraw: draws a bracket from a list of entrants and writes it as a .kaz file.

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <new>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "bracket/bracket_shape.h"
#include "draw/bracket_draw.h"
#include "draw/draw_random.h"
#include "draw/entrant_list.h"
#include "io/file_io.h"
#include "io/kaz_format.h"
#include "pools/knockout_draw.h"
#include "pools/pool_draw.h"
#include "pools/pool_file.h"
#include "pools/pool_link.h"
#include "pools/pool_words.h"
#include "text/document_text.h"
#include "text/messages.h"
#include "text/pasted_text.h"
#include "text/text_limits.h"
#include "text/utf8.h"
#include "tool/command_line.h"
#include "tool/output_check.h"

namespace {

struct Arguments {
    kaz::DrawOptions options;
    bool seedGiven = false;
    bool clubInName = false;
    bool thirdPlace = false;
    bool twoSided = false;
    // the tools' language unless --language says
    kaz::SheetLanguage language = kaz::sheetLanguageOf(kaz::toolLanguage());
    kaz::ListEncoding encoding = kaz::ListEncoding::Automatic;
    std::string title;                          // as given (UTF-8)
    std::vector<std::string> titleBeyondCp932;  // characters older programs show as 〓
    std::string list;
    std::string output;
    // A pool stage instead of a bracket: --pools or --pool-size.
    kaz::PoolDrawOptions pools;
    bool drawsPools() const { return pools.pools > 0 || pools.poolSize > 0; }
    // The knockout of a pool stage instead: --from-pools, the list then the pool file.
    bool fromPools = false;
    bool titleGiven = false;
    bool languageGiven = false;
};

const kaz::ToolText kTool{"kazdraw", kaz::MessageId::KazdrawUsage, kaz::MessageId::KazdrawHelp};

int fail(const std::string& message) { return kaz::reportFailure(kTool, message); }
// A message of the core, in the tools' language.
int fail(const kaz::Message& message) { return fail(kaz::toolText(message)); }
int fail(const kaz::Failure& failure) { return fail(kaz::toolText(failure)); }

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
    args.fromPools = line.has("--from-pools");
    if (args.fromPools) {
        for (const char* option : {"--size", "--club-in-name", "--ignore-clubs", "--encoding",
                                   "--pools", "--pool-size", "--through"}) {
            if (line.has(option) || line.value(option)) {
                return kaz::toolText(kaz::Message(kaz::MessageId::OptionWithFromPools, {option}));
            }
        }
    }
    if (const std::optional<std::string> size = line.value("--size")) {
        const long members = numberIn(*size, 4, kaz::kMaxMembers);
        if (!kaz::isValidMemberCount(int(members))) {
            return kaz::toolText(kaz::MessageId::BadDrawSize);
        }
        args.options.size = int(members);
    }
    if (const std::optional<std::string> seed = line.value("--seed")) {
        const long number = numberIn(*seed, kaz::kMinDrawNumber, kaz::kMaxDrawNumber);
        if (number < 0) {
            return kaz::toolText(kaz::MessageId::BadDrawNumber);
        }
        args.options.drawNumber = uint32_t(number);
        args.seedGiven = true;
    }
    if (const std::optional<std::string> title = line.value("--title")) {
        args.titleGiven = true;
        // Bytes that are not UTF-8 become 〓; every character is kept as given.
        args.title = kaz::isUtf8(*title) ? *title : kaz::textFromCp932(kaz::cp932Form(*title));
        args.titleBeyondCp932 = kaz::charactersBeyondCp932(args.title);
        if (kaz::hasControlCharacter(args.title)) {
            return kaz::toolText(kaz::MessageId::TitleControlCharacter);
        }
        if (kaz::textLength(args.title) > kaz::kMaxSheetTitleCharacters) {
            return kaz::toolText(
                kaz::Message(kaz::MessageId::TitleTooLong, {kaz::kMaxSheetTitleCharacters}));
        }
    }
    if (const std::optional<std::string> language = line.value("--language")) {
        if (*language != "ja" && *language != "en") {
            return kaz::toolText(kaz::MessageId::BadSheetLanguage);
        }
        args.languageGiven = true;
        args.language =
            *language == "en" ? kaz::SheetLanguage::English : kaz::SheetLanguage::Japanese;
    }
    if (const std::optional<std::string> encoding = line.value("--encoding")) {
        std::string name;
        for (const char c : *encoding) name += c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
        const std::pair<const char*, kaz::ListEncoding> known[] = {
            {"auto", kaz::ListEncoding::Automatic},
            {"utf-8", kaz::ListEncoding::Utf8},
            {"shift_jis", kaz::ListEncoding::ShiftJis},
            {"windows-1252", kaz::ListEncoding::Windows1252}};
        const auto* found = std::find_if(std::begin(known), std::end(known),
                                         [&](const auto& one) { return name == one.first; });
        if (found == std::end(known)) {
            return kaz::toolText(kaz::MessageId::BadListEncoding);
        }
        args.encoding = found->second;
    }
    const long pools =
        line.value("--pools") ? numberIn(*line.value("--pools"), 1, kaz::kMaxPools) : 0;
    if (pools < 0) return kaz::toolText(kaz::MessageId::BadPoolCount);
    const long poolSize = line.value("--pool-size") ? numberIn(*line.value("--pool-size"),
                                                               kaz::kMinPoolSize, kaz::kMaxPoolSize)
                                                    : 0;
    if (poolSize < 0) return kaz::toolText(kaz::MessageId::BadPoolSize);
    if (pools > 0 && poolSize > 0) return kaz::toolText(kaz::MessageId::PoolOptionsClash);
    const long through = line.value("--through") ? numberIn(*line.value("--through"), 1, 2) : 1;
    if (through < 0) return kaz::toolText(kaz::MessageId::BadThrough);
    args.pools.pools = int(pools);
    args.pools.poolSize = int(poolSize);
    args.pools.through = int(through);
    if (args.drawsPools()) {
        for (const char* option :
             {"--size", "--in-order", "--club-in-name", "--third-place", "--two-sided"}) {
            if (line.has(option) || line.value(option)) {
                return kaz::toolText(
                    kaz::Message(kaz::MessageId::BracketOptionWithPools, {option}));
            }
        }
    }
    if (line.operands.size() < 2) {
        return kaz::toolText(line.operands.empty() ? kaz::MessageId::NoEntrantList
                                                   : kaz::MessageId::NoOutputFile);
    }
    if (line.operands.size() > 2) return kaz::toolText(kaz::MessageId::TooManyArguments);
    args.list = line.operands[0];
    args.output = line.operands[1];
    if (args.output == "-") {
        return kaz::toolText(kaz::MessageId::BracketToStandardOutput);
    }
    return std::nullopt;
}

// Prints the report through the core, so that the lines end alike on every system.
int printReport(const std::string& report) {
    const kaz::Status printed = kaz::writeStandardOutput(report);
    if (!printed) return fail(printed.failure());
    return 0;
}

// Draws the pools, writes them and reports; returns the exit status.
int drawPoolsAndWrite(Arguments& args, const std::vector<kaz::Entrant>& entrants) {
    args.pools.drawNumber = args.options.drawNumber;
    args.pools.keepClubsApart = args.options.keepClubsApart;
    args.pools.language = args.language;
    std::optional<kaz::PoolDraw> draw = kaz::drawPools(entrants, args.pools);
    if (!draw) {
        return fail(kaz::Message(kaz::MessageId::PoolsCannotBeDrawn,
                                 {static_cast<long long>(entrants.size())}));
    }
    draw->stage.title = args.title;
    const kaz::Status written = kaz::writeFileSafely(args.output, kaz::writePoolFile(draw->stage));
    if (!written) return fail(written.failure());

    std::string report = kaz::toolText(
        kaz::Message(kaz::MessageId::DrawNumberLine, {std::to_string(args.options.drawNumber)}));
    if (!draw->clubPairs.empty()) report += kaz::toolText(kaz::MessageId::SameClubInPoolHeading);
    for (const kaz::PoolClubPair& pair : draw->clubPairs) {
        const kaz::Entrant& first = entrants[size_t(pair.first)];
        const std::string pool =
            kaz::poolTitle(args.language, draw->stage.pools[size_t(pair.pool)].name);
        report += "  " +
                  kaz::toolText(kaz::Message(
                      kaz::MessageId::SameClubInPool,
                      {pool, first.name, entrants[size_t(pair.second)].name, first.club})) +
                  "\n";
    }
    return printReport(report);
}

// Reads the pool stage, draws its knockout and writes it; returns the exit status.
int drawKnockoutAndWrite(Arguments& args) {
    kaz::Result<kaz::PoolStage> stage =
        kaz::loadPoolFile(args.list, kaz::ReadableFiles::AnyReadable);
    if (!stage) return fail(stage.failure());
    if (!args.seedGiven) args.options.drawNumber = kaz::pickDrawNumber();
    if (args.titleGiven) stage->title = args.title;
    if (args.languageGiven) stage->language = args.language;
    const std::optional<kaz::KnockoutDraw> draw =
        kaz::drawKnockout(*stage, {args.options.byLot, args.options.drawNumber});
    if (!draw) return fail(kaz::Message(kaz::MessageId::TooFewQualifiers));
    kaz::Bracket bracket =
        kaz::makeKnockout(*stage, *draw, kaz::poolLinkOf(args.list, args.output));
    if (args.thirdPlace || args.twoSided) {
        kaz::SheetInfo sheet = bracket.sheet();
        if (args.thirdPlace) sheet.thirdPlace = kaz::ThirdPlace::Match;
        sheet.twoSided = args.twoSided;
        bracket.setSheet(std::move(sheet));
    }
    const kaz::Status written = kaz::writeFileSafely(args.output, kaz::writeKaz(bracket));
    if (!written) return fail(written.failure());
    if (!draw->drawNumber) return 0;
    return printReport(kaz::toolText(
        kaz::Message(kaz::MessageId::DrawNumberLine, {std::to_string(*draw->drawNumber)})));
}

// Reads, draws and writes; returns the exit status.
int drawAndWrite(Arguments& args) {
    if (args.fromPools) return drawKnockoutAndWrite(args);
    const std::string& list = args.list;
    const std::string& output = args.output;
    const kaz::Result<std::string> bytes =
        list == "-"
            ? kaz::readStandardInput(kaz::kMaxEntrantListBytes)
            : kaz::readWholeFile(list, kaz::kMaxEntrantListBytes, kaz::ReadableFiles::AnyReadable);
    if (!bytes && bytes.failure().cause == kaz::FileError::InvalidFormat) {
        // longer than the limit
        return fail(list + ": " + kaz::toolText(kaz::Message(kaz::MessageId::ListTooLarge)));
    }
    if (!bytes) return fail(kaz::Failure{bytes.failure().cause, list});

    const kaz::EntrantList entrants = kaz::readEntrantList(*bytes, args.clubInName, args.encoding);
    // A list not in UTF-8 may have been read in the wrong one: the guess is told.
    if (entrants.encodingAutomatic && entrants.encoding != kaz::TextEncoding::Utf8) {
        const kaz::Message used(kaz::MessageId::EncodingGuessed,
                                {kaz::encodingName(entrants.encoding)});
        std::fprintf(stderr, "kazdraw: %s: %s\n", list.c_str(), kaz::toolText(used).c_str());
    }
    for (const auto* lines : {&entrants.problems, &entrants.notes}) {
        for (const kaz::ListProblem& problem : *lines) {
            std::fprintf(stderr, "kazdraw: %s: %s\n", list.c_str(),
                         kaz::toolText(kaz::listProblemText(problem)).c_str());
        }
    }
    if (!args.titleBeyondCp932.empty()) {
        std::fprintf(stderr, "kazdraw: --title: %s\n",
                     kaz::toolText(kaz::keptAsTypedText(args.titleBeyondCp932)).c_str());
    }
    if (!entrants.problems.empty()) return 1;
    if (!args.seedGiven) args.options.drawNumber = kaz::pickDrawNumber();
    if (args.drawsPools()) return drawPoolsAndWrite(args, entrants.entrants);
    const int count = static_cast<int>(entrants.entrants.size());
    if (const auto sizeProblem = kaz::drawSizeProblem(count, args.options.size)) {
        return fail(*sizeProblem);
    }

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
    if (!written) return fail(written.failure());

    std::string report = kaz::toolText(
        kaz::Message(kaz::MessageId::DrawNumberLine, {std::to_string(args.options.drawNumber)}));
    if (!draw->earlyMeetings.empty()) {
        report += kaz::toolText(kaz::MessageId::SameClubMeetingsHeading);
    }
    const int size = static_cast<int>(draw->entrantAt.size());
    for (const kaz::ClubMeeting& meeting : draw->earlyMeetings) {
        report +=
            "  " + kaz::toolText(kaz::clubMeetingText(meeting, entrants.entrants, size)) + "\n";
    }
    return printReport(report);
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
                                                         {"--language", true},
                                                         {"--encoding", true},
                                                         {"--pools", true},
                                                         {"--pool-size", true},
                                                         {"--through", true},
                                                         {"--from-pools"}});
    if (const std::optional<int> answered = kaz::answerHelpOrVersion(line, kTool)) {
        return *answered;
    }
    Arguments args;
    if (const std::optional<std::string> wrong = takeArguments(line, args)) {
        return usageError(*wrong);
    }

    const std::vector<std::string> inputs = args.list == "-" || args.fromPools
                                                ? std::vector<std::string>()
                                                : std::vector<std::string>{args.list};
    if (const std::optional<int> refused = kaz::refuseOutput(
            kTool, args.output,
            args.drawsPools() ? kaz::FileKind::PoolFile : kaz::FileKind::Bracket, inputs)) {
        return *refused;
    }

    kaz::removeTemporaryFileOnTermination();
    try {
        return drawAndWrite(args);
    } catch (const std::bad_alloc&) {
        return fail(kaz::Message(kaz::MessageId::SaveFailed));
    }
}
