#pragma once

class QSettings;

namespace kaz::gui {

// What the draw dialog remembers from one draw to the next: its options, never the list or the
// draw number (each opening draws a fresh lot).
struct DrawChoices {
    int size = 0;  // 4 … 128 members; 0 for the smallest that holds everyone
    bool byLot = true;
    bool keepClubsApart = true;
    bool clubInName = false;
    // A pool stage (予選リーグ) instead of a bracket: its pools by their size or their number,
    // and how many of each go through.
    bool pools = false;
    bool poolsBySize = true;
    int poolNumber = 4;  // the pool size (3 … 8) or the number of pools (1 … 32)
    int through = 1;

    bool operator==(const DrawChoices& o) const {
        return size == o.size && byLot == o.byLot && keepClubsApart == o.keepClubsApart &&
               clubInName == o.clubInName && pools == o.pools && poolsBySize == o.poolsBySize &&
               poolNumber == o.poolNumber && through == o.through;
    }
};

// The choices kept in `settings`; the defaults for what is missing, and a size that is not a
// bracket size (a hand-edited file) as automatic.
DrawChoices loadDrawChoices(QSettings& settings);
void saveDrawChoices(QSettings& settings, const DrawChoices& choices);

}  // namespace kaz::gui
