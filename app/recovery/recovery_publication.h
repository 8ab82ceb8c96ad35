#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace kaz::app {

// Where a kept bracket was published live: the folder and the page's file name, both empty
// while it was not. Kept as two more lines of the recovery record, which editors that do not
// know them pass over, as a record without them (from an earlier editor) is read as one of a
// bracket that was not published.
struct RecoveryPublication {
    QString folder;
    QString pageName;

    bool isEmpty() const { return folder.isEmpty() || pageName.isEmpty(); }
    bool operator==(const RecoveryPublication& o) const {
        return folder == o.folder && pageName == o.pageName;
    }

    // `record` (the record's text) with this publication's lines added.
    std::string addedTo(std::string record) const;
    // The publication a record's text holds.
    static RecoveryPublication readFrom(std::string_view record);
};

}  // namespace kaz::app
