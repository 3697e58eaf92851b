# Tests of a Windows build: GoogleTest built from Debian's sources (package googletest) with
# the cross compiler, and every test program run under Wine, each in a Wine prefix of its own
# (tests/support/wine/in_wine_prefix.sh). Included by tests/CMakeLists.txt when the target is
# Windows.
set(VELMORA_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources, for Windows builds")
if(NOT EXISTS ${VELMORA_GTEST_SOURCE}/CMakeLists.txt)
    message(FATAL_ERROR "No GoogleTest sources in ${VELMORA_GTEST_SOURCE} (Debian package googletest)")
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${VELMORA_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Replaces the toolchain's plain wine: each test program gets a fresh prefix and its own
# wineserver, ended with it. Targets made from here on take it as their emulator.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
    message(WARNING "Wine was not found: the Windows tests are registered but cannot run")
endif()
set(VELMORA_IN_WINE_PREFIX bash ${CMAKE_CURRENT_LIST_DIR}/../support/wine/in_wine_prefix.sh)
set(CMAKE_CROSSCOMPILING_EMULATOR ${VELMORA_IN_WINE_PREFIX})
