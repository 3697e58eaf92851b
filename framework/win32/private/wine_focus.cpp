// The window manager sets the focus under Wine (see wine_focus.h).
#include "framework/win32/private/wine_focus.h"

#include <string>

#include "framework/winapi/win_types.h"

namespace framework {
namespace {

// Wine's ntdll exports its version; Windows' does not.
bool RunningOnWine() {
    const HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
    return ntdll && ::GetProcAddress(ntdll, "wine_get_version");
}

// The executable's file name, as Wine looks up its AppDefaults.
std::string ProgramFileName() {
    char path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    const std::string full(path, length);
    return full.substr(full.find_last_of("\\/") + 1);
}

// True when this call wrote the setting.
bool AskForWindowManagerFocus() {
    const std::string program = ProgramFileName();
    if (program.empty())
        return false;
    const std::string keyName = "Software\\Wine\\AppDefaults\\" + program + "\\X11 Driver";
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, keyName.c_str(), 0, nullptr, 0,
                          KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    bool written = false;
    if (::RegQueryValueExA(key, "UseTakeFocus", nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
        static constexpr char kNo[] = "N";
        written = ::RegSetValueExA(key, "UseTakeFocus", 0, REG_SZ,
                                   reinterpret_cast<const BYTE*>(kNo), sizeof kNo) == ERROR_SUCCESS;
    }
    ::RegCloseKey(key);
    return written;
}

// Runs this program again with the same command line and waits for it; false if it could not.
bool RunAgain(int& status) {
    char path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return false;
    std::string commandLine = ::GetCommandLineA();
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(path, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process))
        return false;
    ::CloseHandle(process.hThread);
    // Waits as an idle GUI process, so that whoever waits for this one to be ready for input
    // (WaitForInputIdle) is not held up.
    for (;;) {
        MSG message{};
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&message);
        if (::MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, INFINITE, QS_ALLINPUT) !=
            WAIT_OBJECT_0 + 1)
            break;
    }
    DWORD exitCode = 1;
    ::GetExitCodeProcess(process.hProcess, &exitCode);
    ::CloseHandle(process.hProcess);
    status = static_cast<int>(exitCode);
    return true;
}

} // namespace

bool RestartedForWindowManagerFocus(int& status) {
    return RunningOnWine() && AskForWindowManagerFocus() && RunAgain(status);
}

} // namespace framework
