#pragma once

#include <string>
#include <string_view>
#include <vector>

// The system's own failure and notice texts: a message is an id and its values, never a
// finished sentence. The command-line tools show it in Japanese (japaneseText) or English
// (englishText); the editor shows it in the user's language, translating by its Japanese source
// text.

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
};
constexpr int kMessageIdCount = static_cast<int>(MessageId::FolderMissing) + 1;

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
    // reader's language quotes one that holds a space or comma (nameQuoteSource).
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

// The Japanese text of `id` with %1, %2, … for its values: the source text translations are
// made from.
const char* messageSource(MessageId id);
// The text that joins a list of messages in a value ("、").
const char* listSeparatorSource();
// How a quotable name that needsQuotes stands in a sentence, the name as %1: as it is in
// Japanese, in quotation marks in English.
const char* nameQuoteSource();
// Whether a reader could not tell `name` (UTF-8) whole among other words: it holds a space or
// a comma, of either width.
bool needsQuotes(std::string_view name);

// `text` with every %N replaced by values[N-1], in one pass, so that a value holding "%2" stays
// as it is.
std::string filledText(std::string_view text, const std::vector<std::string>& values);

// `message` in `language`, its values filled in. The English comes from the editor's own
// translation of the core's texts; a text without one stays Japanese.
std::string messageText(const Message& message, Language language);
// `message` in Japanese, its values filled in.
std::string japaneseText(const Message& message);
// `message` in English, its values filled in.
std::string englishText(const Message& message);
// The English of a source text of the core (messageSource, listSeparatorSource,
// nameQuoteSource), or nothing where it has none.
const char* englishSource(std::string_view source);

// The message for `cause`, naming `path` (UTF-8) where its text names one.
Message fileErrorMessage(FileError cause, const std::string& path);

}  // namespace kaz
