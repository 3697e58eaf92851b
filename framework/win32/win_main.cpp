// The process entry point of a framework program (target velmora_winmain): registers the
// program's resources and runs the one application object's InitInstance. FALSE ends the
// process with status 0; TRUE runs the message loop until WM_QUIT. The program takes no command line: it is never read.
#include "framework/resources.h"
#include "framework/win_app.h"
#include "framework/win32/private/wine_focus.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CWinApp* application = AfxGetApp();
    if (!application)
        return 1; // a program without an application object has nothing to run
    int status = 0;
    if (framework::RestartedForWindowManagerFocus(status))
        return status;
    framework::RegisterProgramResources();
    if (!application->InitInstance())
        return 0;
    MSG message{};
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
