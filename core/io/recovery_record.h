#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What a recovery file keeps beside the bracket's own bytes: enough to offer the bracket again
// after a crash and to store it where it came from.

namespace kaz {

struct RecoveryRecord {
    std::string originalPath;  // the bracket's file as the system names it; empty for a new one
    std::string title;         // UTF-8, as the window showed it
    int64_t savedAt = 0;       // seconds since 1970, UTC
    int64_t processId = 0;     // the editor that wrote it

    bool operator==(const RecoveryRecord& o) const {
        return originalPath == o.originalPath && title == o.title && savedAt == o.savedAt &&
               processId == o.processId;
    }
};

// The record as text: one "key=value" line each, "\\" and line breaks in a value escaped.
std::string writeRecoveryRecord(const RecoveryRecord& record);

// The record from that text, or nothing when the text is not one. Unknown keys are passed
// over, so that a later editor may add some.
std::optional<RecoveryRecord> readRecoveryRecord(std::string_view text);

}  // namespace kaz
