#pragma once

#include <QString>

namespace kaz::app {

// The file name of a published document's page, which stays the same for as long as it is
// published, whatever the document is stored as meanwhile. The name proposed is the name its
// files are proposed under (its file's name, else the sheet's title, else the window's title)
// with ".html".
class PageName {
public:
    // Why no file can be named `name`, or an empty text when one can.
    static QString refusal(const QString& name);
    // `name` with ".html" added, unless it ends in ".html" or ".htm".
    static QString withSuffix(const QString& name);
};

}  // namespace kaz::app
