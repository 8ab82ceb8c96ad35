#pragma once

#include <microhttpd.h>

namespace kaz::serve {

// The functions of libmicrohttpd the server calls. On Linux the library is loaded when a
// server first starts, so that a program that never serves (the editor, until the organiser
// starts 会場配信) never loads it, nor the TLS libraries it needs; for Windows it is linked in.
struct Microhttpd {
    decltype(&MHD_start_daemon) startDaemon;
    decltype(&MHD_stop_daemon) stopDaemon;
    decltype(&MHD_create_response_from_buffer) createResponse;
    decltype(&MHD_create_response_from_buffer_with_free_callback_cls) createResponseHeld;
    decltype(&MHD_add_response_header) addHeader;
    decltype(&MHD_queue_response) queueResponse;
    decltype(&MHD_destroy_response) destroyResponse;
    decltype(&MHD_lookup_connection_value) lookupValue;
    decltype(&MHD_get_connection_info) connectionInfo;
};

// The library's functions, or nullptr where it cannot be loaded.
const Microhttpd* microhttpd();

}  // namespace kaz::serve
