// Requests to the X window manager (see x11_window_manager.h).
#include "framework/qt/private/x11_window_manager.h"

#include <QGuiApplication>
#include <QWindow>

#if VELMORA_HAVE_XCB
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include <xcb/xcb.h>
#endif

namespace framework::x11 {

#if VELMORA_HAVE_XCB
namespace {

constexpr uint32_t kIconicState = 3;    // ICCCM 4.1.3.1
constexpr uint32_t kStateHint = 1 << 1; // WM_HINTS flags: initial_state is set
constexpr int kHintsLength = 9;         // WM_HINTS: nine 32-bit fields

xcb_connection_t* Connection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// The window's WM_HINTS as they are (zeros where the window has none yet).
std::array<uint32_t, kHintsLength> ReadHints(xcb_connection_t* connection, xcb_window_t id) {
    std::array<uint32_t, kHintsLength> hints{};
    const xcb_get_property_cookie_t cookie = xcb_get_property(
        connection, 0, id, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 0, kHintsLength);
    if (xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr)) {
        if (reply->format == 32) {
            const int count = std::min(xcb_get_property_value_length(reply) / 4, kHintsLength);
            std::memcpy(hints.data(), xcb_get_property_value(reply), count * sizeof(uint32_t));
        }
        free(reply);
    }
    return hints;
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    free(reply);
    return atom;
}

xcb_window_t RootOf(xcb_connection_t* connection, xcb_window_t id) {
    xcb_query_tree_reply_t* tree =
        xcb_query_tree_reply(connection, xcb_query_tree(connection, id), nullptr);
    const xcb_window_t root = tree ? tree->root : xcb_window_t{XCB_WINDOW_NONE};
    free(tree);
    return root;
}

} // namespace

// ICCCM 4.1.2.4. Qt keeps the other hints (input, window group) and, as tried with Qt 6.4,
// leaves initial_state alone when it maps a window it does not itself take to be minimised.
bool AskToStartIconic(QWindow* window) {
    xcb_connection_t* connection = Connection();
    if (!connection || !window)
        return false;
    const auto id = static_cast<xcb_window_t>(window->winId());
    std::array<uint32_t, kHintsLength> hints = ReadHints(connection, id);
    hints[0] |= kStateHint;
    hints[2] = kIconicState;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_HINTS,
                        XCB_ATOM_WM_HINTS, 32, kHintsLength, hints.data());
    xcb_flush(connection);
    return true;
}

// ICCCM 4.1.4. Unlike QWidget::showMinimized(), this leaves Qt's idea of the state alone, so
// Qt reports the window minimised only once the manager has iconified it.
bool AskToIconify(QWindow* window) {
    xcb_connection_t* connection = Connection();
    if (!connection || !window)
        return false;
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t changeState = Atom(connection, "WM_CHANGE_STATE");
    const xcb_window_t root = RootOf(connection, id);
    if (changeState == XCB_ATOM_NONE || root == XCB_WINDOW_NONE)
        return false;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = changeState;
    message.data.data32[0] = kIconicState;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
    return true;
}

#else

bool AskToStartIconic(QWindow*) {
    return false;
}

bool AskToIconify(QWindow*) {
    return false;
}

#endif

} // namespace framework::x11
