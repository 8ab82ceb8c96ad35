#include "bracket/sheet_info.h"

namespace kaz {

const SheetInfo& emptySheet() {
    static const SheetInfo empty;
    return empty;
}

bool SheetInfo::isEmpty() const { return *this == emptySheet(); }

bool SheetInfo::operator==(const SheetInfo& o) const {
    return title == o.title && subtitle == o.subtitle && roundNames == o.roundNames &&
           matchNumbers == o.matchNumbers && clubColumn == o.clubColumn &&
           drawNumber == o.drawNumber && thirdPlace == o.thirdPlace && twoSided == o.twoSided &&
           language == o.language && poolFile == o.poolFile && venueQrCode == o.venueQrCode;
}

}  // namespace kaz
