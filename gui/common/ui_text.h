#pragma once

#include <QString>
#include <string_view>

namespace kaz::gui {

// A text of the core (a failure, a note on the entrant list, a round's name), in UTF-8, as the
// user reads it: in the editor's language, its filled-in values kept.
QString uiText(std::string_view coreText);

}  // namespace kaz::gui
