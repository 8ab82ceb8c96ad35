#pragma once

#include <string>
#include <string_view>
#include <vector>

// The system's own texts: its failures and notices, the words a sheet writes of its own and the
// command-line tools' texts. A message is an id and its values, never a finished sentence; one
// table holds every id's Japanese and English, and messageText fills in the values for the
// editor (in its language), the tools (in the locale's) and the sheet (in the sheet's).

namespace kaz {

// Causes of a file failure: those of the file-error texts, in their order, then the causes
// that the system tells with a text of their own, which names no path.
enum class FileError {
    None,
    Generic,
    FileNotFound,
    BadPath,
    TooManyOpenFiles,
    AccessDenied,
    InvalidFile,
    RemoveCurrentDir,
    DirectoryFull,
    BadSeek,
    HardIO,
    SharingViolation,
    LockViolation,
    DiskFull,
    EndOfFile,
    InvalidFormat,  // "予期しないﾌｧｲﾙ形式です。"
    OpenFailed,     // any other failure while reading
    SaveFailed,     // any other failure while writing
    PrintFailed,    // the printer refused the page
};

// Every message of the system. The file errors come first, in FileError's order, each with
// the path as its value where its text names one; the values of the others are noted.
enum class MessageId {
    NoError,
    GenericFileError,
    FileNotFound,
    BadPath,
    TooManyOpenFiles,
    AccessDenied,
    InvalidFile,
    RemoveCurrentDir,
    DirectoryFull,
    BadSeek,
    HardIO,
    SharingViolation,
    LockViolation,
    DiskFull,
    EndOfFile,
    InvalidFormat,
    OpenFailed,
    SaveFailed,
    PrintFailed,
    // The entrant list, pasted text and the draw.
    ListLine,             // line number, the note or problem (a message)
    ListTooLarge,         // a list of more than 1 MiB
    TooFewEntrants,       // one entrant: how many there are
    NoEntrants,           // a list without an entrant
    TooManyEntrants,      // the most
    EmptyName,            // an entrant without a name
    Character,            // one character named in a message: 「𠮷」
    KeptAsTyped,          // a character (a Character) an older program shows as 〓
    AllKeptAsTyped,       // the characters (a list of Character) an older program shows as 〓
    ControlCharacter,     // the character as U+XXXX
    UnreadableText,       // U+FFFD, a character that stands for one that was not readable
    UndecodedLine,        // a line with bytes the list's encoding cannot read: the encoding
    Utf8LineInList,       // a line in UTF-8 amid a list in another encoding: that encoding
    EncodingGuessed,      // the encoding a list was read in, chosen by its content
    NameTooLong,          // the limit in characters
    NameWithClubTooLong,  // the limit in characters, of the name with its club
    ClubTooLong,          // a club for the club column; the limit in characters
    BadSeed,              // the seed as written, the most
    SameSeed,             // the seed, the line that has it
    BadQuotes,            // a quote not closed, or text after one
    HeadingLike,          // a first line that fails, with heading words
    TooManyFields,        // more than name, club and seed
    DrawSize,             // entrants, the bracket size asked for, too small for them
    DrawSizeTooLarge,     // entrants, the bracket size asked for, the largest they may use
    SameName,             // the name, the line that has it
    // The match rounds' names and the draw's club meetings.
    FinalRound,           // "決勝"
    SemiFinalRound,       // "準決勝"
    QuarterFinalRound,    // "準々決勝", the round of the last eight
    RoundNumber,          // "%1回戦": the round
    ClubMeeting,          // round (a message), the two names, the club (quotable)
    UnavoidableMeetings,  // club (quotable), members, the round meetings (a list of messages)
    RoundMeetings,        // round (a message), how many meetings
    // The bracket's refusals (bracket/refusal.h).
    SeedOutOfRange,    // the member count
    SeedHeldByNumber,  // the seed, the member holding it (from 1)
    SeedHeldByName,    // the seed, that member's name, its number
    ByeWithName,
    ClubColumnInUse,
    SheetDoesNotFit,
    NobodyOnLine,
    ThirdPlaceOpponentUnknown,
    ByeCannotWin,
    EmptySlotCannotWin,
    SlotAwaitsPool,  // the slot's placeholder (「Aブロック1位」)
    ByeWinStands,
    // What the command-line tools say of the files they are given.
    OutputIsInput,     // the output, which is the input file under this or another name
    OutputIsBracket,   // an existing output of another kind than the tool writes
    OutputIsList,      // as OutputIsBracket
    OutputIsPoolFile,  // as OutputIsBracket
    OutputIsPage,      // as OutputIsBracket
    OutputIsPicture,   // as OutputIsBracket
    IsFolder,          // a folder given where a file belongs
    FolderMissing,     // the first folder on the way to an output that does not exist
    // How a message joins its values.
    ListSeparator,  // between the messages of a list ("、")
    NameQuote,  // a quotable name that needsQuotes, as %1: as it is in Japanese, quoted in English
    // The words a sheet writes of its own (bracket/sheet_words.h), in the sheet's language.
    SheetName,  // what the pages are called where the sheet has no title
    Champion,
    RunnerUp,
    ThirdPlaceMatch,
    ThirdPlace,   // two third places' heading, and the mark before the winner's name
    DrawNumber,   // before the number of the draw that made the bracket
    MatchNumber,  // a match by its number: "第%1試合"
    LastUpdated,
    Results,
    LatestResults,
    NoResults,
    NoName,      // a member without a typed name, in the live page's lists
    Versus,      // between two sides without scores
    Headlines,   // the live page's top, for screen readers
    ChartLabel,  // the live page's chart, for screen readers
    CopyFrom,    // the classic page's comments around the part to copy
    CopyTo,
    ClubBefore,  // around a club after a member's name: "名前（所属）"
    ClubAfter,
    WonBefore,  // around who won a match after it: "（名前 の勝ち）"
    WonAfter,
    // What the command-line tools say of their arguments, and of themselves (usage and help).
    NoInputFile,
    NoOutputFile,
    TooManyArguments,
    UnknownOption,     // the option as given
    OptionNeedsValue,  // the option as given
    Kaz2htmlUsage,
    Kaz2htmlHelp,
    WatchWithoutLive,
    Kaz2imageUsage,
    Kaz2imageHelp,
    PictureTooLarge,
    BadScale,  // the scale as given
    ScaleForPngOnly,
    BadPictureName,  // the output as given
    KazdrawUsage,
    KazdrawHelp,
    BadDrawSize,
    BadDrawNumber,
    TitleControlCharacter,
    TitleTooLong,  // the limit in characters
    BadSheetLanguage,
    BadListEncoding,
    NoEntrantList,
    BracketToStandardOutput,
    DrawNumberLine,           // the number, a line of the report
    SameClubMeetingsHeading,  // a line of the report before the meetings
    // The pool stage's results.
    PoolDrawNotAllowed,
    PoolWinnerNeeded,
    PoolScoreRange,  // the highest score
    PoolScoreBothSides,
    // The pool sheet's own words.
    PoolStageName,
    PoolName,  // the pool's own name ("A")
    PoolWins,
    PoolLosses,
    PoolDraws,
    PoolPoints,
    PoolDifference,
    PoolRank,
    PoolOrderOfPlay,
    PoolTied,
    PoolWithdrawn,
    PoolWalkover,
    PoolKnockout,
    // A knockout slot waiting for its pool: the pool's name.
    PoolSlotFirst,
    PoolSlotSecond,
    // kazdraw's pools.
    BadPoolCount,
    BadPoolSize,
    BadThrough,
    PoolOptionsClash,
    BracketOptionWithPools,  // the option
    PoolsCannotBeDrawn,      // the entrants' number
    SameClubInPoolHeading,   // a line of the report before the pairs
    SameClubInPool,          // the pool's title, the two names, the club
    UnavoidablePoolPairs,    // club (quotable), members, the pairs its size forces into pools
    OptionWithFromPools,     // the option
    TooFewQualifiers,
    // The venue server: the port.
    ServePortInUse,
    ServePortNotAllowed,
    ServeFailed,
    // kaz2html --serve.
    BadPort,          // the port as given
    OptionWithServe,  // the option
    PortWithoutServe,
    ServingAt,  // the address
    // The venue's poster, in the sheet's language.
    PosterScan,
    PosterSameNetwork,
    EditorUsage,
    EditorHelp,
};
constexpr int kMessageIdCount = static_cast<int>(MessageId::EditorHelp) + 1;

// The languages the system speaks.
enum class Language { Japanese, English };

struct Message;

// One value of a message: a text shown as it is (a name, a number, a path, in UTF-8), or
// messages of their own, shown in the reader's language and joined by the list separator.
struct MessageValue {
    MessageValue(std::string text);
    MessageValue(const char* text);
    MessageValue(long long number);  // in decimal
    MessageValue(Message message);
    MessageValue(std::vector<Message> messages);

    // A name among others in a sentence (a club in a list of meetings), quoted where the
    // reader's language quotes one that holds a space or comma (MessageId::NameQuote).
    static MessageValue name(std::string text);

    bool nested = false;  // the value is `messages`, not `text`
    bool quotable = false;
    std::string text;
    std::vector<Message> messages;
};

struct Message {
    Message(MessageId id, std::vector<MessageValue> values = {});

    MessageId id;
    std::vector<MessageValue> values;
};

// The text of `id` in `language`, with %1, %2, … left for its values: the system's one table
// of its texts.
const char* messageTemplate(MessageId id, Language language);
// Whether a reader could not tell `name` (UTF-8) whole among other words: it holds a space or
// a comma, of either width.
bool needsQuotes(std::string_view name);

// `message` in `language`, its values filled in (nested messages in the same language, a
// quotable name quoted where it needs it): the one place a message becomes a sentence, for the
// editor and the tools alike.
std::string messageText(const Message& message, Language language);
// `message` in Japanese, its values filled in.
std::string japaneseText(const Message& message);
// `message` in English, its values filled in.
std::string englishText(const Message& message);

// The message for `cause`, naming `path` (UTF-8) where its text names one.
Message fileErrorMessage(FileError cause, const std::string& path);

}  // namespace kaz
