// The process entry point of a framework program on a page (target velmora_winmain): puts
// the page's word list into the working folder, registers the program's resources, then
// runs the one application object's InitInstance, whose dialog is the page.
//
// A page cannot end: a program that ends after showing its dialog starts again, so the
// player never sees a dead page. One that never showed a dialog simply stops.
#include "framework/resources.h"
#include "framework/web/private/dialog_builder.h"
#include "framework/web/private/page_bridge.h"
#include "framework/win_app.h"

int main() {
    framework::page::FetchWordList();
    CWinApp* application = AfxGetApp();
    if (!application)
        return 1; // a program without an application object has nothing to run
    framework::RegisterProgramResources();
    if (!application->InitInstance() && framework::DialogWasShown())
        framework::page::Restart();
    return 0;
}
