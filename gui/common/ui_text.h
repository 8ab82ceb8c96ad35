#pragma once

#include <QString>

#include "text/messages.h"

namespace kaz::gui {

// The language the editor speaks, for the core's texts: Japanese until the application chooses
// (shell/ui_language), at the same time as it installs the widgets' translations.
void setUiLanguage(kaz::Language language);
kaz::Language uiLanguage();

// A message of the core (a failure, a note on the entrant list, a round's name) as the user
// reads it: in the editor's language, its values filled in, nested messages in it too.
QString uiText(const kaz::Message& message);

// The text of `id` in the editor's language, with %1, %2, … left for its values.
QString uiText(kaz::MessageId id);

}  // namespace kaz::gui
