// other_program_restore.exe HOW: does to the Velmora window what another program does
// to restore it (a task switcher, an automation tool), then reports what Windows says of it.
// HOW is "show" (ShowWindow SW_RESTORE), "switch" (SwitchToThisWindow), or "check" (no
// restore). Prints IsIconic and IsWindowVisible; exits 0 when the window was found and is
// restored (not iconic, visible), 1 when it is not, 2 on bad use.
#include <windows.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    const HWND window = ::FindWindowA(nullptr, "Velmora");
    if (!window) {
        std::fputs("no window titled Velmora\n", stderr);
        return 1;
    }
    if (std::strcmp(argv[1], "show") == 0)
        ::ShowWindow(window, SW_RESTORE);
    else if (std::strcmp(argv[1], "switch") == 0)
        ::SwitchToThisWindow(window, TRUE);
    else if (std::strcmp(argv[1], "check") != 0)
        return 2;
    const BOOL iconic = ::IsIconic(window);
    const BOOL visible = ::IsWindowVisible(window);
    std::printf("IsIconic %d IsWindowVisible %d\n", iconic, visible);
    return !iconic && visible ? 0 : 1;
}
