#pragma once

#include <string_view>

#include "text/messages.h"

// The language the command-line tools speak, by the rule the editor follows: Japanese where the
// locale names Japanese or no language at all, English where it names any other. One file per
// platform reads the system's setting (user_language_posix.cpp, user_language_windows.cpp).

namespace kaz::platform {

// The language of POSIX locale variables, given their values (empty for unset): the first set of
// LC_ALL, LC_MESSAGES and LANG names the locale; none, "C", "C.<codeset>" and "POSIX" name no
// language. Where the locale names one, the first entry of LANGUAGE (a list separated by ":")
// wins, as it does for gettext's programs.
Language localeLanguage(std::string_view lcAll, std::string_view lcMessages, std::string_view lang,
                        std::string_view language);

// The value of environment variable `name`, empty where it is not set.
std::string_view environmentValue(const char* name);

// The language of this process's user: the locale variables on POSIX; on Windows the same
// variables where one is set (a POSIX-like shell), otherwise the user's display language.
Language userLanguage();

}  // namespace kaz::platform
