#include <dlfcn.h>

#include "venue/microhttpd.h"

namespace kaz::serve {

namespace {

template <typename Function>
bool take(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(::dlsym(library, name));
    return function != nullptr;
}

const Microhttpd* load() {
    // The soname of the version built against (KAZ_MICROHTTPD_SONAME, from CMake).
    void* library = ::dlopen(KAZ_MICROHTTPD_SONAME, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) return nullptr;
    static Microhttpd functions;
    const bool complete =
        take(library, "MHD_start_daemon", functions.startDaemon) &&
        take(library, "MHD_stop_daemon", functions.stopDaemon) &&
        take(library, "MHD_create_response_from_buffer", functions.createResponse) &&
        take(library, "MHD_create_response_from_buffer_with_free_callback_cls",
             functions.createResponseHeld) &&
        take(library, "MHD_add_response_header", functions.addHeader) &&
        take(library, "MHD_queue_response", functions.queueResponse) &&
        take(library, "MHD_destroy_response", functions.destroyResponse) &&
        take(library, "MHD_lookup_connection_value", functions.lookupValue) &&
        take(library, "MHD_get_connection_info", functions.connectionInfo);
    // Kept loaded for the process's life: its threads may outlive no server, but its
    // destructors run at exit.
    return complete ? &functions : nullptr;
}

}  // namespace

const Microhttpd* microhttpd() {
    static const Microhttpd* const loaded = load();
    return loaded;
}

}  // namespace kaz::serve
