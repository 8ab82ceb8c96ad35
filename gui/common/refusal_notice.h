#pragma once

#include <cstddef>
#include <optional>

#include "bracket/refusal.h"

class QString;

namespace kaz::gui {

// Why a field refused typed or pasted text: the field's own limits, checked where the text is
// typed (the bracket's refusals come from the core as kaz::Refusal). Either is told as a
// Notice::Refused (common/notice.h).
enum class InputRefusal {
    UnusableCharacter,  // a control character, or one a field of CP932 alone cannot hold
    TooLong,            // the field's byte limit is reached
};

// "この文字は使えません。"; for a text too long "点数は 32 文字までです。", naming the field
// and its limit ("これ以上入力できません。" for a field without a name).
QString refusalText(InputRefusal why, const QString& field, size_t maxCharacters);

// The refusal's text in the user's language, or an empty text for none.
QString refusalText(const std::optional<kaz::Refusal>& refusal);

}  // namespace kaz::gui
