#include "bracket/line_style.h"

namespace kaz {

LineColors lineColors(LineState state) {
    switch (state) {
        case LineState::Open: return {LineColor::Lose, LineColor::Lose};
        case LineState::Won: return {LineColor::Win, LineColor::Win};
        case LineState::Reached:
        case LineState::Advanced:
        case LineState::Beaten: return {LineColor::Win, LineColor::Lose};
    }
    return {LineColor::None, LineColor::None};
}

LineColors lastMatchLineColors(LineState state, bool decided) {
    if (decided && state != LineState::Won) return {LineColor::Lose, LineColor::Lose};
    return lineColors(state);
}

}  // namespace kaz
