#include "platform/user_language.h"

#include <cstdlib>

namespace kaz::platform {

std::string_view environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string_view() : std::string_view(value);
}

namespace {

// The language part of a locale name: "ja" of "ja_JP.UTF-8@cjknarrow".
std::string_view languagePart(std::string_view name) {
    return name.substr(0, name.find_first_of("_.@"));
}

bool namesNoLanguage(std::string_view name) {
    return name.empty() || languagePart(name) == "C" || name == "POSIX";
}

bool isJapanese(std::string_view name) {
    const std::string_view part = languagePart(name);
    return part == "ja" || part == "Japanese" || part == "japanese";
}

}  // namespace

Language localeLanguage(std::string_view lcAll, std::string_view lcMessages, std::string_view lang,
                        std::string_view language) {
    const std::string_view locale = !lcAll.empty()        ? lcAll
                                    : !lcMessages.empty() ? lcMessages
                                                          : lang;
    if (namesNoLanguage(locale)) return Language::Japanese;
    const std::string_view first = language.substr(0, language.find(':'));
    const std::string_view named = first.empty() ? locale : first;
    return isJapanese(named) ? Language::Japanese : Language::English;
}

}  // namespace kaz::platform
