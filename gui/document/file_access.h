#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "io/bracket_file.h"
#include "pools/document_file.h"

class QWidget;

namespace kaz::gui {

// The editor's edge of the one load path and the one crash-safe write path: Qt path names in,
// the core's results out, and the one way a failure reaches the user.

// A path as the core's file calls take it: UTF-8, with the system's separators, so that the
// core's messages show it as the system does. (Not QFile::encodeName, which on Windows is the
// ANSI code page and loses every name it cannot hold.)
std::string corePath(const QString& path);

// Reads the bracket at `path`, a regular file only (a FIFO is refused without waiting for a
// writer).
kaz::Result<kaz::Bracket> loadBracket(const QString& path);
// Reads the bracket or pool stage at `path`, a regular file only.
kaz::Result<kaz::LoadedDocument> loadDocument(const QString& path);

// Writes `bytes` as the new content of `path`, so that a failure leaves an existing file as it
// was.
kaz::Status saveFile(const QString& path, std::string_view bytes);

// Tells the user of `failure` in a message box in the system's words.
void showFailure(QWidget* parent, const kaz::Failure& failure);

}  // namespace kaz::gui
