// Hands the program's resources to the framework during static initialisation, and holds
// the executable's version block.
//
// Nothing calls into this file, so a linker could leave it out of a program that takes it
// from a static library; the build passes --undefined=velmora_res_anchor to every program
// that links velmora_res (res/CMakeLists.txt), which keeps it in.
#include "res/resource.h"
#include "res/resource_data.h"

extern "C" {
int velmora_res_anchor;
}

namespace res {

const framework::VersionInfo kVersion = {
    .fileVersion = {1, 0, 0, 1},
    .productVersion = {1, 0, 0, 1},
    .productName = "Velmora",
    .fileDescription = "Velmora word game solver",
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
