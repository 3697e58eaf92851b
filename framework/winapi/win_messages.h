// Message numbers, notification codes, command identifiers and other constants of the
// window system, with their real Win32 values.
//
// Only the ones the program and the framework use are here; this is not a full catalogue.
// On Windows <windows.h> defines them all but the framework's own command ID_HELP.
#pragma once

#include "framework/winapi/win_types.h"

// The framework's command for help (the original framework's number).
inline constexpr UINT ID_HELP = 0xE146;

#ifndef _WIN32
// Window messages.
inline constexpr UINT WM_SETREDRAW = 0x000B;
inline constexpr UINT WM_PAINT = 0x000F;
inline constexpr UINT WM_ICONERASEBKGND = 0x0027;
inline constexpr UINT WM_QUERYDRAGICON = 0x0037;
inline constexpr UINT WM_SETICON = 0x0080;
inline constexpr UINT WM_COMMAND = 0x0111;
inline constexpr UINT WM_COPY = 0x0301;
inline constexpr UINT WM_PASTE = 0x0302;

// Edit box messages.
inline constexpr UINT EM_SETSEL = 0x00B1;
inline constexpr UINT EM_SCROLLCARET = 0x00B7;

// List box messages and their error value.
inline constexpr UINT LB_ADDSTRING = 0x0180;
inline constexpr UINT LB_RESETCONTENT = 0x0184;
inline constexpr UINT LB_GETTEXT = 0x0189;
inline constexpr UINT LB_GETTEXTLEN = 0x018A;
inline constexpr UINT LB_GETCOUNT = 0x018B;
inline constexpr int LB_ERR = -1;

// Notification codes carried in the high word of WM_COMMAND's wParam.
inline constexpr WORD BN_CLICKED = 0;

// WM_SETICON's wParam.
inline constexpr int ICON_SMALL = 0;
inline constexpr int ICON_BIG = 1;

// Command identifiers.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

// ShowWindow commands.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOW = 5;
inline constexpr int SW_MINIMIZE = 6;
inline constexpr int SW_RESTORE = 9;

// GetSystemMetrics indexes.
inline constexpr int SM_CXICON = 11;
inline constexpr int SM_CYICON = 12;
#endif // !_WIN32
