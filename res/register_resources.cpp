// Hands the program's resources to the framework when its start-up asks for them, and holds
// the executable's version block.
#include "res/resource.h"
#include "res/resource_data.h"
#include "res/version.h"

namespace res {

const framework::VersionInfo kVersion = {
    .fileVersion = {VELMORA_VERSION_MAJOR, VELMORA_VERSION_MINOR, VELMORA_VERSION_PATCH,
                    VELMORA_VERSION_TWEAK},
    .productVersion = {VELMORA_VERSION_MAJOR, VELMORA_VERSION_MINOR, VELMORA_VERSION_PATCH,
                       VELMORA_VERSION_TWEAK},
    .productName = VELMORA_PRODUCT_NAME,
    .fileDescription = VELMORA_FILE_DESCRIPTION,
};

} // namespace res

void framework::RegisterProgramResources() {
    RegisterDialogTemplate(IDD_SOLVER_DIALOG, res::kSolverDialog);
    if (res::kMainIconSize > 0)
        RegisterIconGroup(IDR_MAINFRAME, {res::kMainIconBytes, res::kMainIconSize});
    RegisterVersionInfo(res::kVersion);
}
