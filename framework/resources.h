// The resource table: how the executable's resource module hands its dialog templates, icon
// groups and version block to the framework.
//
// The resource module registers its data when the framework's start-up calls
// RegisterProgramResources; the framework looks it up by number when a dialog is created
// (CDialog::DoModal) or an icon loaded (LoadIconA).
// The table keeps pointers, so registered data must live as long as the program (static
// data). Registering a number again replaces the earlier entry. It is not a file format.
#pragma once

#include <span>

#include "framework/winapi/win_types.h"

namespace framework {

// One control of an extended dialog template; positions are in dialog units.
struct DialogItemTemplate {
    const char* className; // "button", "edit", "listbox" or "static"
    const char* text;      // null or "" for none
    int id;                // -1 for none
    short x, y, cx, cy;
    DWORD style;
    DWORD exStyle;
    // What a screen reader calls a control that has no text of its own to be named by (an
    // edit box, a list box); null for none, and then a button is called by its text. Never
    // drawn: on Qt it is the widget's accessible name, on Win32 the text of a hidden label
    // just before the control.
    const char* accessibleName = nullptr;
};

// An extended dialog template; position and size are in dialog units.
struct DialogTemplate {
    const char* caption;
    short x, y, cx, cy;
    const char* fontFace;
    int pointSize;
    int weight; // 400 normal, 700 bold
    bool italic;
    DWORD style;
    DWORD exStyle;
    std::span<const DialogItemTemplate> items; // in template order, which is the tab order
};

struct VersionInfo {
    WORD fileVersion[4];
    WORD productVersion[4];
    const char* productName;
    const char* fileDescription;
};

// Provided by the program's resource module, as a program provides its entry point: registers
// the program's dialog templates, icon groups and version block. The framework's start-up
// calls it once, before InitInstance; a test program with a main of its own calls it itself.
void RegisterProgramResources();

void RegisterDialogTemplate(UINT id, const DialogTemplate& dialog);
// `icoFile` holds a whole .ico file (its directory and images).
void RegisterIconGroup(UINT id, std::span<const unsigned char> icoFile);
void RegisterVersionInfo(const VersionInfo& version);

const DialogTemplate* FindDialogTemplate(UINT id);     // null when not registered
std::span<const unsigned char> FindIconGroup(UINT id); // empty when not registered
const VersionInfo* FindVersionInfo();                  // null when not registered

} // namespace framework
