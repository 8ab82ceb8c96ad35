#pragma once

#include <string>

namespace kaz {

// The five colour strings of a bracket, in the fixed order in which the settings dialog
// shows them and the .kaz file stores them.
struct ColorSet {
    static constexpr int kCount = 5;

    std::string winLineColor = "#DC143C";
    std::string loseLineColor = "#808080";
    std::string backgroundColor = "#FFFFFF";
    std::string memberColor = "#000000";
    std::string scoreColor = "#FF9000";

    // Colour string number `row` (0 win line … 4 score).
    std::string& at(int row);
    const std::string& at(int row) const;

    bool operator==(const ColorSet& other) const;
    bool operator!=(const ColorSet& other) const { return !(*this == other); }
};

}  // namespace kaz
