// The framework's own window-system call (see win_api.h); the rest are the system's.
#include "framework/winapi/win_api.h"

// Every resource of the program is in the executable.
HINSTANCE AfxFindResourceHandle(LPCSTR name, LPCSTR type) {
    HINSTANCE executable = ::GetModuleHandleA(nullptr);
    return ::FindResourceA(executable, name, type) ? executable : nullptr;
}
