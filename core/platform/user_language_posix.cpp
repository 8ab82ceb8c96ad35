// The tools' language on Linux and other POSIX systems: the locale variables.

#include "platform/user_language.h"

namespace kaz::platform {

Language userLanguage() {
    return localeLanguage(environmentValue("LC_ALL"), environmentValue("LC_MESSAGES"),
                          environmentValue("LANG"), environmentValue("LANGUAGE"));
}

}  // namespace kaz::platform
