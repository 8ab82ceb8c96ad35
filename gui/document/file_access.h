#pragma once

#include <QString>
#include <string_view>

#include "io/bracket_file.h"

// The editor's edge of the one load path and the one crash-safe write path: Qt path names in,
// the user's messages out. Nothing is shown here.

// Reads the bracket at `path`, a regular file only (a FIFO is refused without waiting for a
// writer); the message tells why there is none.
kaz::LoadedBracket loadBracket(const QString& path);

// Writes `bytes` as the new content of `path`, so that a failure leaves an existing file as it
// was. The message for the cause, or an empty string on success.
QString saveFile(const QString& path, std::string_view bytes);
