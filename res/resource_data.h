// The program's resource data, defined in this folder and registered with the framework's
// resource table by register_resources.cpp. Nothing outside res/ needs these names: the
// program finds its resources by number (resource.h) through the framework.
#pragma once

#include <cstddef>

#include "framework/resources.h"

namespace res {

// Dialog template IDD_SOLVER_DIALOG (102).
extern const framework::DialogTemplate kSolverDialog;

// Icon group IDR_MAINFRAME (128): the bytes of res/velmora.ico, embedded at build time.
extern const unsigned char kMainIconBytes[];
extern const std::size_t kMainIconSize;

// The executable's version block.
extern const framework::VersionInfo kVersion;

} // namespace res
