// A program that reaches res/ only through a static library, as the real program reaches it
// through velmora_ui: nothing here names the resources, yet they must be registered.
#include <cstdio>

#include "framework/resources.h"
#include "res/resource.h"

int main() {
    const bool registered = framework::FindDialogTemplate(IDD_SOLVER_DIALOG) &&
                            !framework::FindIconGroup(IDR_MAINFRAME).empty() &&
                            framework::FindVersionInfo();
    std::puts(registered ? "resources registered" : "resources missing: the linker dropped res/");
    return registered ? 0 : 1;
}
