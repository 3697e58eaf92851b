// The framework's one header for application and window code: the byte string, the window
// system's types and constants, the message map, the application object, windows, dialogs,
// control wrappers, the paint context and the window-system calls. It includes no toolkit
// header.
#pragma once

#include "framework/cstring.h"
#include "framework/dialog.h"
#include "framework/edit.h"
#include "framework/list_box.h"
#include "framework/message_map.h"
#include "framework/paint_dc.h"
#include "framework/winapi/win_api.h"
#include "framework/win_app.h"
#include "framework/winapi/win_messages.h"
#include "framework/winapi/win_styles.h"
#include "framework/winapi/win_types.h"
#include "framework/wnd.h"
