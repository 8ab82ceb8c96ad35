#pragma once

#include <cstdint>
#include <string>

namespace kaz {

// A line's result. A file may hold any 32-bit value; the editor makes only these five.
enum class LineState : int32_t {
    Open = 0,      // no result on this line
    Won = 1,       // this line's member won the match of this round
    Reached = 2,   // a member stands here, no win marked
    Advanced = 3,  // a member has just advanced onto this line
    Beaten = 4,    // had won, but the opponent has since been marked the winner
};

// One bracket line's result: its state and the score text shown beside it.
struct LineResult {
    LineState state = LineState::Open;
    std::string score;  // document text (text/document_text.h)

    bool operator==(const LineResult& o) const { return state == o.state && score == o.score; }
    bool operator!=(const LineResult& o) const { return !(*this == o); }
};

}  // namespace kaz
