# Tests of the web build: GoogleTest built from Debian's sources with Emscripten, and the core
# tests run under Node, on the core as the page compiles it (wasm32, SIMD, no mmap). Included
# by tests/CMakeLists.txt when the target is the web.
set(VELMORA_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources, for cross builds")
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${VELMORA_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# How a test program that runs under Node is linked: its files live in Emscripten's
# in-memory file system, where a 40 MB block needs room.
set(VELMORA_NODE_TEST_LINK_OPTIONS "SHELL:-s ENVIRONMENT=node" "SHELL:-s ALLOW_MEMORY_GROWTH=1"
    "SHELL:-s MAXIMUM_MEMORY=2147483648"
    # compiled at once: 3.1.6 would fetch() the .wasm, which Node 18+ refuses for a path
    "SHELL:-s WASM_ASYNC_COMPILATION=0")
find_program(VELMORA_NODE node REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${VELMORA_NODE})
