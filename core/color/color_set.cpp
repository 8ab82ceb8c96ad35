#include "color/color_set.h"

namespace kaz {

std::string& ColorSet::at(int row) {
    switch (row) {
        case 0: return winLineColor;
        case 1: return loseLineColor;
        case 2: return backgroundColor;
        case 3: return memberColor;
        default: return scoreColor;
    }
}

const std::string& ColorSet::at(int row) const { return const_cast<ColorSet*>(this)->at(row); }

bool ColorSet::operator==(const ColorSet& other) const {
    for (int row = 0; row < kCount; ++row) {
        if (at(row) != other.at(row)) return false;
    }
    return true;
}

}  // namespace kaz
