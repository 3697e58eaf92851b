// Dialog template IDD_SOLVER_DIALOG (102): the solver window, a small, tall, fixed-size
// dialog. Controls are in template order, which is also the tab order; positions are in
// dialog units. The boxes without text of their own carry the name a screen reader gives
// them (the last field).
#include "framework/winapi/win_styles.h"
#include "res/resource.h"
#include "res/resource_data.h"

namespace res {
namespace {

constexpr int kNoId = -1;
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kEditBox = kChild | ES_UPPERCASE | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;

const framework::DialogItemTemplate kSolverControls[] = {
    {"button", "Selection", kNoId, 7, 6, 125, 33, kChild | BS_GROUPBOX, 0},
    {"edit", "", IDC_SELECTION, 14, 19, 56, 12, kEditBox, 0, "Selection"},
    {"button", "Solutions", kNoId, 7, 45, 129, 160, kChild | BS_GROUPBOX, 0},
    {"button", "Solve", IDC_SOLVE, 75, 17, 51, 16, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP, 0},
    {"listbox", "", IDC_SOLUTIONS, 14, 57, 112, 140,
     kChild | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP, 0,
     "Solutions"},
    {"edit", "", IDC_CLIPBOARD, 7, 275, 6, 12, kEditBox | ES_READONLY, 0,
     "Answer for the clipboard"},
    {"button", "Quick solve", kNoId, 7, 208, 129, 61, kChild | BS_GROUPBOX, 0},
    {"button", "Quick solve", IDC_QUICK_SOLVE, 14, 219, 112, 14,
     kChild | BS_PUSHBUTTON | WS_TABSTOP, 0},
    {"static", "by Zendrik\ndictionary by Morvell", kNoId, 17, 271, 119, 16,
     kChild | SS_RIGHT | WS_GROUP, 0},
    {"static", "Pastes clipboard into selection box and copies solutions back onto clipboard",
     kNoId, 11, 238, 121, 26, kChild | SS_CENTER | WS_GROUP, 0},
};

} // namespace

const framework::DialogTemplate kSolverDialog = {
    .caption = "Velmora",
    .x = 0,
    .y = 0,
    .cx = 143,
    .cy = 294,
    .fontFace = "Courier New",
    .pointSize = 9,
    .weight = 400,
    .italic = false,
    .style = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME |
             DS_CENTER | DS_SETFONT,
    .exStyle = WS_EX_APPWINDOW,
    .items = kSolverControls,
};

} // namespace res
