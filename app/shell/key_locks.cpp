#include "shell/key_locks.h"

#include <QGuiApplication>

#if defined(KAZ_HAVE_X11)
#include <X11/XKBlib.h>
#include <X11/keysym.h>
#endif

namespace kaz::app {

namespace {

#if defined(KAZ_HAVE_X11)
bool indicatorOn(Display* display, const char* name) {
    const Atom atom = XInternAtom(display, name, True);
    Bool on = False;
    if (atom == None) return false;
    if (!XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr)) return false;
    return on;
}
#endif

}  // namespace

std::optional<KeyLocks> queryKeyLocks() {
#if defined(KAZ_HAVE_X11)
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display()) return std::nullopt;
    Display* display = x11->display();
    XkbStateRec state{};
    if (XkbGetState(display, XkbUseCoreKbd, &state) != Success) return std::nullopt;
    // Caps and Num Lock are locked modifiers; Scroll Lock and Kana exist only as indicators.
    const unsigned numMask = XkbKeysymToModifiers(display, XK_Num_Lock);
    KeyLocks locks;
    locks.kana = indicatorOn(display, "Kana");
    locks.caps = (state.locked_mods & LockMask) != 0;
    locks.num = numMask != 0 && (state.locked_mods & numMask) != 0;
    locks.scroll = indicatorOn(display, "Scroll Lock");
    return locks;
#else
    return std::nullopt;
#endif
}

}  // namespace kaz::app
