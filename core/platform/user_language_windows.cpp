// The tools' language on Windows: the locale variables where a POSIX-like shell (MSYS2, Git Bash,
// Cygwin) sets them, as gettext's programs there read them; otherwise the user's display
// language.

#include <windows.h>

#include "platform/user_language.h"

namespace kaz::platform {

Language userLanguage() {
    const std::string_view lcAll = environmentValue("LC_ALL");
    const std::string_view lcMessages = environmentValue("LC_MESSAGES");
    const std::string_view lang = environmentValue("LANG");
    if (!lcAll.empty() || !lcMessages.empty() || !lang.empty()) {
        return localeLanguage(lcAll, lcMessages, lang, environmentValue("LANGUAGE"));
    }
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE ? Language::Japanese
                                                                      : Language::English;
}

}  // namespace kaz::platform
