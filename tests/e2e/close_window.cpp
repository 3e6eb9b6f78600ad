// Asks a window to close the way a window manager does: a WM_DELETE_WINDOW client message.
// Bare Xvfb runs no window manager, so the end-to-end test sends it with this.
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
xcb_atom_t Atom(xcb_connection_t* connection, const char* name)
{
    auto* reply = xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : 0;
    std::free(reply);
    return atom;
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: close_window WINDOW-ID\n");
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "close_window: cannot open the display\n");
        return 1;
    }
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = xcb_window_t(std::strtoul(argv[1], nullptr, 0));
    message.type = Atom(connection, "WM_PROTOCOLS");
    message.data.data32[0] = Atom(connection, "WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    // A checked request waits for the server's answer: after a bare flush, a disconnect under load
    // can reach the server before the event is delivered, and the window never hears of it.
    const auto cookie = xcb_send_event_checked(connection, 0, message.window, XCB_EVENT_MASK_NO_EVENT,
                                               reinterpret_cast<const char*>(&message));
    xcb_generic_error_t* error = xcb_request_check(connection, cookie);
    xcb_disconnect(connection);
    if (error) {
        std::fprintf(stderr, "close_window: the server refused the message (error %d)\n", error->error_code);
        std::free(error);
        return 1;
    }
    return 0;
}
