// SendMessageA (see win_api.h) and the result of a message to no window (see
// message_routing.h).
#include "framework/emulated/message_routing.h"

#include "framework/emulated/window_objects.h"
#include "framework/winapi/win_api.h"
#include "framework/winapi/win_messages.h"
#include "framework/wnd.h"

namespace framework {
namespace {
constexpr UINT kLastListBoxMessage = 0x01B3; // LB_ADDSTRING (0x0180) up to here
} // namespace

LRESULT FailureResult(UINT message) {
    const bool listBoxMessage = message >= LB_ADDSTRING && message <= kLastListBoxMessage;
    return listBoxMessage ? LB_ERR : 0;
}

} // namespace framework

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!framework::WindowExists(window))
        return framework::FailureResult(message);
    if (CWnd* object = framework::WindowObjectFromHwnd(window))
        return object->WindowProc(message, wParam, lParam);
    return framework::DefaultWindowProc(window, message, wParam, lParam);
}
