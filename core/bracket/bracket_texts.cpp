#include "bracket/bracket_texts.h"

#include "text/document_text.h"
#include "text/text_limits.h"
#include "text/utf8.h"

namespace kaz {

Cp932Text classicField(TextKind kind, Utf8View text) {
    return kind == TextKind::Score ? cp932FormCut(text, kClassicScoreBytes) : cp932Form(text);
}

bool isExactFormOfField(TextKind kind, Utf8View exact, Cp932View field) {
    if (kind != TextKind::Score) return isExactFormOfCp932(exact, field);
    // A score's field may hold only its start; a field longer than the classic score field is
    // one a program that knows only the field wrote, and no cut of the exact text.
    return field.size() <= kClassicScoreBytes && isUtf8(exact) &&
           cp932FormCut(exact, kClassicScoreBytes) == field;
}

bool classicFieldHoldsExactly(TextKind kind, Utf8View text) {
    if (!cp932HoldsExactly(text)) return false;
    return kind != TextKind::Score || cp932Length(text) <= kClassicScoreBytes;
}

bool holdsTextBeyondClassicFields(const Bracket& bracket) {
    bool beyond = false;
    forEachText(bracket.content(), [&beyond](TextKind kind, size_t, const std::string& text) {
        beyond = beyond || !classicFieldHoldsExactly(kind, text);
    });
    return beyond;
}

}  // namespace kaz
