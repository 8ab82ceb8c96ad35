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
#include "text/document_text.h"
#include "text/messages.h"
#include "text/pasted_text.h"
#include "text/text_limits.h"
#include "text/utf8.h"
#include "tool/command_line.h"
#include "tool/output_check.h"

namespace {

const kaz::ToolString kUsage{
    "使い方: kazdraw [--size 4|8|16|32|64|128] [--seed N] [--in-order] [--ignore-clubs] "
    "[--club-in-name] [--title 表題] [--third-place] [--two-sided] [--language ja|en] "
    "[--encoding 文字コード] リスト 出力.kaz\n",
    "usage: kazdraw [--size 4|8|16|32|64|128] [--seed N] [--in-order] [--ignore-clubs] "
    "[--club-in-name] [--title TEXT] [--third-place] [--two-sided] [--language ja|en] "
    "[--encoding ENCODING] LIST OUT.kaz\n"};

const kaz::ToolString kHelp{
    "\n"
    "参加者リスト (1 行に 1 人: 名前、所属、シードをタブかカンマで区切る)\n"
    "を読んで組み合わせを抽選し、トーナメント表ファイルに書きます。シードは組み合わせ表と同じ\n"
    "位置 (第1シードは一番上、第2シードは一番下、第3・第4、第5〜第8シードは抽選でブロックの端)\n"
    "に入り、不戦勝は上位シードの隣に、残りは抽選で入ります。同じ所属のメンバーはなるべく\n"
    "離れます。所属、シード、不戦勝、抽選番号は表の情報としてファイルに残ります。リストに「-」を\n"
    "指定すると標準入力から読みます。抽選番号と、決勝より前に当たる同じ所属の組を出力します。\n"
    "\n"
    "  --size N        人数が足りる一番小さい表の代わりに N 人 (4、8、16、32、64、128) の表に\n"
    "                  します。参加者数の 2 倍までです\n"
    "  --seed N        抽選番号 (1〜999999)。同じ番号、リスト、オプションからはいつでも同じ\n"
    "                  組み合わせになります (指定しなければ新しい番号を選びます)\n"
    "  --in-order      シードのない参加者を、抽選ではなくリストの順に入れます\n"
    "  --ignore-clubs  抽選で所属を離しません\n"
    "  --club-in-name  所属を所属の欄ではなく、名前に「名前（所属）」の形で書きます\n"
    "  --title 表題    表の表題 (Shift_JIS で 128 バイトまで)\n"
    "  --third-place   準決勝で負けた 2 人の 3 位決定戦を行います (「3位決定戦を行う」)\n"
    "  --two-sided     表を左右に分け、前半のメンバーを左端に、後半を右端に並べ、決勝を中央に\n"
    "                  置きます (「左右に分ける」)\n"
    "  --language 言語  表が自分で書く言葉 (回戦名、3位決定戦、抽選番号) の言語: ja か en。\n"
    "                  指定しなければこのツールの言語です (日本語のロケールかロケールなしで ja)\n"
    "  --encoding 文字コード  リストの文字コード: auto (既定: UTF-8、BOM 付きの UTF-16、\n"
    "                  Shift_JIS、Windows-1252 から中身で選び、UTF-8 以外を選んだときは\n"
    "                  そう表示します)、utf-8、shift_jis、windows-1252\n"
    "  --help          この説明を表示します\n"
    "  --version       バージョンを表示します\n"
    "\n"
    "終了ステータス: 0 書き出しました、1 リストが読めない、抽選できない、または出力が書けません\n"
    "(既存の出力はそのまま残ります)、2 引数の誤り、または出力がリストそのものか別の種類の既存の\n"
    "ファイル (参加者リスト、HTML ページ、画像など) です (何も書きません)。\n",
    "\n"
    "Draws a bracket from a list of entrants (one a line: name, club, seed, separated by a\n"
    "tab or a comma) and writes it as a .kaz file. Seeds take their\n"
    "places as on draw sheets (seed 1 on the top line, seed 2 on the bottom one, 3 and 4, then\n"
    "5 to 8, by lot at the quarters' ends), byes go beside the top seeds, the others are drawn\n"
    "by lot, members of one club kept apart. Clubs, seeds, byes and the draw number are kept\n"
    "in the file for the sheet. LIST \"-\" reads standard input. Prints the draw number\n"
    "and the pairs of one club who can meet before the final.\n"
    "\n"
    "  --size N        a bracket of N members (4, 8, 16, 32, 64, 128) instead of the\n"
    "                  smallest that holds everyone; at most twice the number of entrants\n"
    "  --seed N        the draw number, 1 to 999999: the same number, list and options\n"
    "                  give the same bracket (a new number is picked without it)\n"
    "  --in-order      unseeded entrants in list order instead of by lot\n"
    "  --ignore-clubs  the lot does not keep clubs apart\n"
    "  --club-in-name  names as \"name（club）\" instead of clubs in their own column\n"
    "  --title TEXT    the sheet's title (at most 128 single-byte or 64 double-byte\n"
    "                  characters)\n"
    "  --third-place   a third-place match between the semi-finals' losers\n"
    "  --two-sided     the sheet in two sides, the first half of the members down the left\n"
    "                  edge and the second half down the right, the final in the middle\n"
    "  --language L    the language of the words the sheet writes of its own (round\n"
    "                  names, Third-place match, Draw no.): ja or en; without it the\n"
    "                  tools' language (ja in a Japanese locale or none, en in another)\n"
    "  --encoding E    the list's encoding: auto (the default: UTF-8, UTF-16 with a BOM,\n"
    "                  Shift_JIS or Windows-1252 by the content, told when not UTF-8),\n"
    "                  utf-8, shift_jis or windows-1252\n"
    "  --help          this text\n"
    "  --version       the version\n"
    "\n"
    "Exit status: 0 written, 1 the list could not be read or drawn or OUT could not be\n"
    "written (an existing OUT is then left as it was), 2 wrong arguments, or OUT is LIST\n"
    "itself or an existing file of another kind (a list of entrants, a page, a picture...):\n"
    "nothing is written.\n"};

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
};

const kaz::ToolText kTool{"kazdraw", kUsage, kHelp};

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
    if (const std::optional<std::string> size = line.value("--size")) {
        const long members = numberIn(*size, 4, kaz::kMaxMembers);
        if (!kaz::isValidMemberCount(int(members))) {
            return kaz::toolText({"--size は 4、8、16、32、64、128 のどれかです。",
                                  "--size is one of 4, 8, 16, 32, 64 and 128."});
        }
        args.options.size = int(members);
    }
    if (const std::optional<std::string> seed = line.value("--seed")) {
        const long number = numberIn(*seed, kaz::kMinDrawNumber, kaz::kMaxDrawNumber);
        if (number < 0) {
            return kaz::toolText({"--seed は 1 から 999999 までの整数です。",
                                  "--seed is a whole number from 1 to 999999."});
        }
        args.options.drawNumber = uint32_t(number);
        args.seedGiven = true;
    }
    if (const std::optional<std::string> title = line.value("--title")) {
        // Bytes that are not UTF-8 become 〓; every character is kept as given.
        args.title = kaz::isUtf8(*title) ? *title : kaz::textFromCp932(kaz::cp932Form(*title));
        args.titleBeyondCp932 = kaz::charactersBeyondCp932(args.title);
        if (kaz::hasControlCharacter(args.title)) {
            return kaz::toolText(
                {"--title に制御文字は使えません。", "--title cannot hold a control character."});
        }
        if (kaz::textLength(args.title) > kaz::kMaxSheetTitleCharacters) {
            return kaz::toolText(
                {"--title は %1 文字までです。", "--title is limited to %1 characters."},
                {std::to_string(kaz::kMaxSheetTitleCharacters)});
        }
    }
    if (const std::optional<std::string> language = line.value("--language")) {
        if (*language != "ja" && *language != "en") {
            return kaz::toolText({"--language は ja か en です。", "--language is ja or en."});
        }
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
            return kaz::toolText(
                {"--encoding は auto、utf-8、shift_jis、windows-1252 のどれかです。",
                 "--encoding is one of auto, utf-8, shift_jis and windows-1252."});
        }
        args.encoding = found->second;
    }
    if (line.operands.size() < 2) {
        return kaz::toolText(line.operands.empty()
                                 ? kaz::ToolString{"参加者リストが指定されていません。",
                                                   "No list of entrants was given."}
                                 : kaz::kNoOutputFileMessage);
    }
    if (line.operands.size() > 2) return kaz::toolText(kaz::kTooManyArgumentsMessage);
    args.list = line.operands[0];
    args.output = line.operands[1];
    if (args.output == "-") {
        return kaz::toolText({"トーナメント表は標準出力には書けません。",
                              "A bracket cannot be written to standard output."});
    }
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
    if (!written) return fail(written.failure());

    std::string report = kaz::toolText({"抽選番号 %1\n", "Draw number %1\n"},
                                       {std::to_string(args.options.drawNumber)});
    if (!draw->earlyMeetings.empty()) {
        report += kaz::toolText({"決勝より前に当たる同じ所属の組:\n",
                                 "Players of the same club meeting before the final:\n"});
    }
    const int size = static_cast<int>(draw->entrantAt.size());
    for (const kaz::ClubMeeting& meeting : draw->earlyMeetings) {
        report +=
            "  " + kaz::toolText(kaz::clubMeetingText(meeting, entrants.entrants, size)) + "\n";
    }
    // Through the core, so that the lines end alike on every system.
    const kaz::Status printed = kaz::writeStandardOutput(report);
    if (!printed) return fail(printed.failure());
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
                                                         {"--language", true},
                                                         {"--encoding", true}});
    if (const std::optional<int> answered = kaz::answerHelpOrVersion(line, kTool)) {
        return *answered;
    }
    Arguments args;
    if (const std::optional<std::string> wrong = takeArguments(line, args)) {
        return usageError(*wrong);
    }

    const std::vector<std::string> inputs =
        args.list == "-" ? std::vector<std::string>() : std::vector<std::string>{args.list};
    if (const std::optional<int> refused =
            kaz::refuseOutput(kTool, args.output, kaz::FileKind::Bracket, inputs)) {
        return *refused;
    }

    kaz::removeTemporaryFileOnTermination();
    try {
        return drawAndWrite(args);
    } catch (const std::bad_alloc&) {
        return fail(kaz::Message(kaz::MessageId::SaveFailed));
    }
}
