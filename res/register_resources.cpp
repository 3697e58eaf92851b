// Hands the program's resources to the framework during static initialisation, and holds
// the executable's version block.
//
// Nothing calls into this file, so a linker could leave it out of a program that takes it
// from a static library; the build passes --undefined=velmora_res_anchor to every program
// that links velmora_res (res/CMakeLists.txt), which keeps it in.
#include "res/resource.h"
#include "res/resource_data.h"
#include "res/version.h"

extern "C" {
int velmora_res_anchor;
}

namespace res {

const framework::VersionInfo kVersion = {
    .fileVersion = {VELMORA_VERSION_MAJOR, VELMORA_VERSION_MINOR, VELMORA_VERSION_PATCH,
                    VELMORA_VERSION_TWEAK},
    .productVersion = {VELMORA_VERSION_MAJOR, VELMORA_VERSION_MINOR, VELMORA_VERSION_PATCH,
                       VELMORA_VERSION_TWEAK},
    .productName = VELMORA_PRODUCT_NAME,
    .fileDescription = VELMORA_FILE_DESCRIPTION,
};

namespace {

[[maybe_unused]] const bool kRegistered = [] {
    framework::RegisterDialogTemplate(IDD_SOLVER_DIALOG, kSolverDialog);
    if (kMainIconSize > 0)
        framework::RegisterIconGroup(IDR_MAINFRAME, {kMainIconBytes, kMainIconSize});
    framework::RegisterVersionInfo(kVersion);
    return true;
}();

} // namespace
} // namespace res
