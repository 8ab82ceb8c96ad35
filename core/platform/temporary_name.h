#pragma once

#include <random>
#include <string>

// The name both platforms give a temporary file: hidden on POSIX and recognisable as ours.

namespace kaz::platform {

// A fresh name for a temporary file of `name` in `folder`; the caller creates it exclusively
// and tries another name if one exists.
inline std::string temporaryName(const std::string& folder, const std::string& name) {
    // One generator a thread: the editor's save, recovery writer and publisher write at once.
    thread_local std::mt19937 random{std::random_device{}()};
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string suffix(6, 'x');
    for (char& c : suffix) c = kLetters[random() % (sizeof kLetters - 1)];
    return folder + "/." + name + ".kaz-" + suffix;
}

}  // namespace kaz::platform
