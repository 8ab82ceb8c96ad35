#pragma once

#include <string>

namespace kaz {

// The five colour strings of a bracket, in the fixed order in which the settings dialog
// shows them and the .kaz file stores them.
struct ColorSet {
    static constexpr int kCount = 5;

    std::string m_strWinLineColor = "#DC143C";
    std::string m_strLoseLineColor = "#808080";
    std::string m_strBackColor = "#FFFFFF";
    std::string m_strMemberColor = "#000000";
    std::string m_strScoreColor = "#FF9000";

    // Colour string number `row` (0 win line … 4 score).
    std::string& At(int row);
    const std::string& At(int row) const;

    bool operator==(const ColorSet& other) const;
    bool operator!=(const ColorSet& other) const { return !(*this == other); }
};

}  // namespace kaz
