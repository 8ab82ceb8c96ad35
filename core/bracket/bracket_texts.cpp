#include "bracket/bracket_texts.h"

#include "text/document_text.h"

namespace kaz {

bool holdsTextBeyondCp932(const Bracket& bracket) {
    bool beyond = false;
    forEachText(bracket.content(), [&beyond](TextKind, size_t, const std::string& text) {
        beyond = beyond || !cp932HoldsExactly(text);
    });
    return beyond;
}

}  // namespace kaz
