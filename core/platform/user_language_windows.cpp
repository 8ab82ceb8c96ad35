// The tools' language on Windows: the locale variables where a POSIX-like shell (MSYS2, Git Bash,
// Cygwin) sets them, as gettext's programs there read them; otherwise the user's display
// language.

#include <windows.h>

#include <cstdlib>

#include "platform/user_language.h"

namespace kaz::platform {

namespace {

std::string_view variable(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string_view() : std::string_view(value);
}

}  // namespace

Language userLanguage() {
    const std::string_view lcAll = variable("LC_ALL");
    const std::string_view lcMessages = variable("LC_MESSAGES");
    const std::string_view lang = variable("LANG");
    if (!lcAll.empty() || !lcMessages.empty() || !lang.empty()) {
        return localeLanguage(lcAll, lcMessages, lang, variable("LANGUAGE"));
    }
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE ? Language::Japanese
                                                                      : Language::English;
}

}  // namespace kaz::platform
