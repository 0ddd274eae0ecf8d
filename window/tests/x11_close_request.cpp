// SPDX-License-Identifier: Apache-2.0
// Asks an X window to close as a window manager does when the user clicks the frame's close box
// (WM_DELETE_WINDOW): the test X server runs no window manager, so no frame draws one.
// Usage: x11_close_request WINDOW_ID (decimal, as xdotool prints it)
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
  const xcb_intern_atom_cookie_t cookie =
      xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
  const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
      xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
  return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fputs("usage: x11_close_request WINDOW_ID\n", stderr);
    return 2;
  }
  const auto window = static_cast<xcb_window_t>(std::stoul(argv[1]));
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection)) {
    std::fputs("x11_close_request: cannot open the display\n", stderr);
    return 1;
  }
  xcb_client_message_event_t event{};
  event.response_type = XCB_CLIENT_MESSAGE;
  event.format = 32;
  event.window = window;
  event.type = Atom(connection, "WM_PROTOCOLS");
  event.data.data32[0] = Atom(connection, "WM_DELETE_WINDOW");
  event.data.data32[1] = XCB_CURRENT_TIME;
  const xcb_void_cookie_t sent = xcb_send_event_checked(
      connection, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&event));
  std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> error(
      xcb_request_check(connection, sent), &std::free);
  xcb_disconnect(connection);
  if (error) {
    std::fprintf(stderr, "x11_close_request: no window %s\n", argv[1]);
    return 1;
  }
  return 0;
}
