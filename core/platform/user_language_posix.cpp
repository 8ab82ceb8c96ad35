// The tools' language on Linux and other POSIX systems: the locale variables.

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
    return localeLanguage(variable("LC_ALL"), variable("LC_MESSAGES"), variable("LANG"),
                          variable("LANGUAGE"));
}

}  // namespace kaz::platform
