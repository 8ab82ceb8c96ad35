#pragma once

#include <QString>
#include <optional>

#include "bracket/bracket.h"

// Reading and storing bracket files for the editor. Failures come back as the message the
// user is to see; nothing is shown here.

struct LoadedBracket {
    std::optional<kaz::Bracket> bracket;
    QString error;  // set when bracket is empty
};

// Reads the bracket at `path`, a regular file only (a FIFO is refused without waiting for a
// writer); a file that cannot be read or is not a bracket gives the message for the cause
// ("… が見つかりませんでした。", "予期しないﾌｧｲﾙ形式です。", …).
LoadedBracket LoadBracketFile(const QString& path);

// Stores `bracket` at `path` through the crash-safe write path, so a failure leaves an
// existing file as it was. Returns the message for the cause, or an empty string on success.
QString SaveBracketFile(const QString& path, const kaz::Bracket& bracket);

// Writes `bytes` to `path` the same safe way; used for bracket files and HTML pages.
QString SaveBytesToFile(const QString& path, const std::string& bytes);
