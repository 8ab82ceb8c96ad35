#include "venue/microhttpd.h"

namespace kaz::serve {

const Microhttpd* microhttpd() {
    static const Microhttpd functions{&MHD_start_daemon,
                                      &MHD_stop_daemon,
                                      &MHD_create_response_from_buffer,
                                      &MHD_create_response_from_buffer_with_free_callback_cls,
                                      &MHD_add_response_header,
                                      &MHD_queue_response,
                                      &MHD_destroy_response,
                                      &MHD_lookup_connection_value,
                                      &MHD_get_connection_info};
    return &functions;
}

}  // namespace kaz::serve
