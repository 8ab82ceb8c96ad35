#pragma once

#include <QString>

namespace kaz::gui {
class BracketDocument;
}

namespace kaz::app {

// The file name of a published bracket's page, which stays the same for as long as it is
// published, whatever the bracket is stored as meanwhile.
class PageName {
public:
    // The name proposed for `doc`: the name its files are proposed under (its file's name, else
    // the sheet's title, else the window's title) with ".html".
    static QString proposed(const gui::BracketDocument& doc);
    // Why no file can be named `name`, or an empty text when one can.
    static QString refusal(const QString& name);
    // `name` with ".html" added, unless it ends in ".html" or ".htm".
    static QString withSuffix(const QString& name);
};

}  // namespace kaz::app
