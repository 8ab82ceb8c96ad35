#include "color/color_set.h"

namespace kaz {

std::string& ColorSet::At(int row) {
    switch (row) {
        case 0: return m_strWinLineColor;
        case 1: return m_strLoseLineColor;
        case 2: return m_strBackColor;
        case 3: return m_strMemberColor;
        default: return m_strScoreColor;
    }
}

const std::string& ColorSet::At(int row) const { return const_cast<ColorSet*>(this)->At(row); }

bool ColorSet::operator==(const ColorSet& other) const {
    for (int row = 0; row < kCount; ++row) {
        if (At(row) != other.At(row)) return false;
    }
    return true;
}

}  // namespace kaz
