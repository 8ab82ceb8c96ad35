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
    // The name proposed for `doc`: its file's name with ".html" for ".kaz", else the sheet's
    // title, else the window's title; characters a file name cannot hold become "_".
    static QString proposed(const gui::BracketDocument& doc);
    // Why no file can be named `name`, or an empty text when one can.
    static QString refusal(const QString& name);
    // `name` with ".html" added, unless it ends in ".html" or ".htm".
    static QString withSuffix(const QString& name);
};

}  // namespace kaz::app
