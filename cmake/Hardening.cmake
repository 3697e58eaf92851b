# The protections each platform expects of a program, for every build (make run, the tests'
# build, the .deb, both Windows programs), and the flags that keep build folders out of the
# binaries so two builds of one commit are byte for byte the same.
#
# Linux: what Debian's dpkg-buildflags gives with hardening=+all on amd64: a position-
# independent executable, stack protector and stack clash protection, control-flow protection
# (CET), checked libc calls (_FORTIFY_SOURCE, only where the optimiser runs: it needs -O1), fatal
# format-string misuse, and a read-only GOT bound at start (RELRO, BIND_NOW).
# Windows: ASLR with the relocations kept (without .reloc the loader cannot move the program),
# high-entropy ASLR on 64-bit, DEP, the stack protector with mingw-w64's libssp linked in
# statically, and mingw-w64's own _FORTIFY_SOURCE (level 2 is its highest). mingw's GCC has no
# Control Flow Guard.
# The sanitizer and fuzz builds leave out _FORTIFY_SOURCE: its checked calls hide the accesses
# from AddressSanitizer's interceptors, which check more.

# No folder of this machine in a binary: the sources and the build tree (generated sources,
# moc's output) are named relative to the folder they are built from. The build tree's map comes
# last, so it wins for a build folder inside the source folder.
add_compile_options(-ffile-prefix-map=${CMAKE_SOURCE_DIR}=.
                    -ffile-prefix-map=${CMAKE_BINARY_DIR}=.)

# WebAssembly in a browser has none of the native attacks these flags meet (the code cannot be
# written or jumped into, the call stack is not in addressable memory), and Emscripten's clang
# refuses CET: the page's build takes only the format checks.
if(EMSCRIPTEN)
    add_compile_options(-Wformat -Werror=format-security)
    return()
endif()

add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)

# _FORTIFY_SOURCE=3 (sizes known only at run time too) from GCC 12 and Clang 16 with glibc.
set(velmora_fortify 2)
if(NOT WIN32 AND ((CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12)
                  OR (CMAKE_CXX_COMPILER_ID STREQUAL "Clang" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 16)))
    set(velmora_fortify 3)
endif()
if(NOT VELMORA_SANITIZE AND NOT VELMORA_FUZZ)
    add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=${velmora_fortify}>")
endif()

if(WIN32)
    add_link_options(-fstack-protector-strong -Wl,--dynamicbase,--nxcompat
                     -Wl,--no-insert-timestamp)
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        add_link_options(-Wl,--high-entropy-va)
    endif()
    # Keeps the base relocations of an executable, which some binutils drop unless asked.
    add_link_options(-Wl,--enable-reloc-section)
else()
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    include(CheckPIESupported)
    check_pie_supported(LANGUAGES CXX)
    add_compile_options(-fstack-clash-protection -fcf-protection)
    add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()
