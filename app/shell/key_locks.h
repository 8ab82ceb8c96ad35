#pragma once

#include <optional>

namespace kaz::app {

// The keyboard's lock states, for the status bar's indicator panes.
struct KeyLocks {
    bool kana = false;
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

// The lock states as the platform tells them, or nothing where it cannot (Qt has no call for
// this; on X11 the keyboard's indicators are asked).
std::optional<KeyLocks> queryKeyLocks();

}  // namespace kaz::app
