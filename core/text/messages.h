#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// The system's own failure and notice texts, in UTF-8.

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
    InvalidFormat,  // kInvalidFormatMessage
    OpenFailed,     // kOpenFailedMessage
    SaveFailed,     // kSaveFailedMessage
    PrintFailed,    // kPrintFailedMessage
};

extern const char kInvalidFormatMessage[];  // "予期しないﾌｧｲﾙ形式です。"
extern const char kOpenFailedMessage[];     // any other failure while reading
extern const char kSaveFailedMessage[];     // any other failure while writing
extern const char kPrintFailedMessage[];    // the printer refused the page

// The entrant list, pasted text and the draw; %1 and %2 are filled in with fillIn.
extern const char kListLineMessage[];             // "%1行目: %2": line number, reason
extern const char kListTooLargeMessage[];         // a list of more than 1 MiB
extern const char kTooFewEntrantsMessage[];       // %1: how many there are
extern const char kTooManyEntrantsMessage[];      // at the first entrant too many; %1: the most
extern const char kEmptyNameMessage[];            // an entrant without a name
extern const char kGetaMessage[];                 // %1: 「𠮷」, the characters that became 〓
extern const char kControlCharacterMessage[];     // %1: the character as U+XXXX
extern const char kUnreadableTextMessage[];       // bytes that are neither UTF-8 nor Shift_JIS
extern const char kNameTooLongMessage[];          // %1: the byte limit
extern const char kNameWithClubTooLongMessage[];  // %1: the byte limit
extern const char kClubTooLongMessage[];          // a club for the club column; %1: the limit
extern const char kBadSeedMessage[];              // %1: the seed as written, %2: the most
extern const char kSameSeedMessage[];             // %1: the seed, %2: the line that has it
extern const char kBadQuotesMessage[];            // a quote not closed, or text after one
extern const char kHeadingLikeMessage[];          // a first line that fails, with heading words
extern const char kTooManyFieldsMessage[];        // more than name, club and seed
extern const char kDrawSizeMessage[];             // %1: entrants, %2: the bracket size asked for

// The match rounds' names and the draw's club meetings.
extern const char kFinalRoundName[];              // "決勝"
extern const char kSemiFinalRoundName[];          // "準決勝"
extern const char kQuarterFinalRoundName[];       // "準々決勝", the round of the last eight
extern const char kRoundNumberName[];             // "%1回戦"
extern const char kClubMeetingMessage[];          // %1: round, %2 and %3: names, %4: club
extern const char kUnavoidableMeetingsMessage[];  // %1: club, %2: members, %3: round meetings
extern const char kRoundMeetingsMessage[];        // %1: round, %2: how many meetings
extern const char kListSeparator[];               // between the items of a list in a text

// A text above as a pattern for the editor, which shows each in the user's language: bit i of
// `nestedValues` is set where value i+1 is itself one of these texts, or a list of them joined
// by kListSeparator; the other values (names, numbers, paths) are shown as they are.
struct UiTextPattern {
    const char* text;
    unsigned nestedValues;
};
// Every text of the core that the editor shows, the file-error texts included.
const std::vector<UiTextPattern>& uiTextPatterns();

// `text` with %1, %2, … replaced by the values in order.
std::string fillIn(std::string_view text, std::initializer_list<std::string_view> values);

// The text for `cause`, with %1 replaced by `path` (UTF-8) where it names one.
std::string fileErrorMessage(FileError cause, const std::string& path);

}  // namespace kaz
