# Run at build time (cmake -P), before anything is packed:
#   cmake -DSOURCE_DIR=... -DOUTPUT_DIR=... -DVERSION=... -P cmake/BuildRecord.cmake
# Writes into OUTPUT_DIR
#   source-date-epoch  the date every download carries: SOURCE_DATE_EPOCH when the caller sets
#                      it, else the commit's date (git), else the SOURCE_DATE_EPOCH file of a
#                      source tree that is not a git checkout, else CMakeLists.txt's time;
#   build-record.txt   what built the downloads: the commit, that date, the Debian release and
#                      the toolchain's package versions, so that anyone can rebuild with the same.
# Both only when their text changes, so an unchanged commit repacks nothing. The record holds no
# time of the build and no folder: it is the same for every build of the commit.

function(velmora_git out)
    execute_process(COMMAND git -C ${SOURCE_DIR} ${ARGN} OUTPUT_VARIABLE text
                    RESULT_VARIABLE status OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(NOT status EQUAL 0)
        set(text "")
    endif()
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Only a checkout of these sources counts, not one of a folder around them.
velmora_git(top rev-parse --show-toplevel)
file(REAL_PATH "${SOURCE_DIR}" source)
set(commit "")
if(top STREQUAL source)
    velmora_git(commit rev-parse HEAD)
endif()
if(commit)
    velmora_git(changes status --porcelain --untracked-files=no)
    if(changes)
        string(APPEND commit " with local changes")
    endif()
endif()

if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(epoch "$ENV{SOURCE_DATE_EPOCH}")
elseif(commit)
    velmora_git(epoch log -1 --format=%ct)
elseif(EXISTS ${SOURCE_DIR}/SOURCE_DATE_EPOCH)
    file(STRINGS ${SOURCE_DIR}/SOURCE_DATE_EPOCH epoch LIMIT_COUNT 1)
    set(commit "none: built from a source tree dated by its SOURCE_DATE_EPOCH file")
endif()
if(NOT epoch MATCHES "^[0-9]+$")
    # Still a build (make run needs none of this), dated by a file of the sources.
    file(TIMESTAMP ${SOURCE_DIR}/CMakeLists.txt epoch %s UTC)
    set(commit "unknown: no git checkout and no SOURCE_DATE_EPOCH")
    message(WARNING "${SOURCE_DIR} is no git checkout and has no SOURCE_DATE_EPOCH file: the "
                    "downloads are dated by CMakeLists.txt; set SOURCE_DATE_EPOCH to date them.")
endif()

# The Debian release, from os-release.
file(STRINGS /etc/os-release os_release REGEX "^PRETTY_NAME=")
string(REGEX REPLACE "^PRETTY_NAME=\"?([^\"]*)\"?$" "\\1" os_release "${os_release}")
if(EXISTS /etc/debian_version)
    file(STRINGS /etc/debian_version debian_version LIMIT_COUNT 1)
    string(APPEND os_release " (${debian_version})")
endif()

# The toolchain, as Debian package versions: what `apt-get install PACKAGE=VERSION` takes.
# GCC's own package is named by its major version (gcc-12 on Debian 12, gcc-14 on 13).
execute_process(COMMAND g++ -dumpversion OUTPUT_VARIABLE gcc_major
                OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
string(REGEX REPLACE "[.].*" "" gcc_major "${gcc_major}")
set(packages g++ gcc-${gcc_major} binutils libc6-dev cmake qt6-base-dev dpkg-dev
             g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-i686
             binutils-mingw-w64-x86-64 mingw-w64-i686-dev mingw-w64-x86-64-dev nsis)
set(tools "")
foreach(package ${packages})
    execute_process(COMMAND dpkg-query -W -f=\${Version} ${package}
                    OUTPUT_VARIABLE version RESULT_VARIABLE status ERROR_QUIET)
    if(NOT status EQUAL 0 OR version STREQUAL "")
        set(version "(not installed)")
    endif()
    string(APPEND tools "  ${package} ${version}\n")
endforeach()

# string(TIMESTAMP) reads the time from SOURCE_DATE_EPOCH when that is set.
set(ENV{SOURCE_DATE_EPOCH} ${epoch})
string(TIMESTAMP date "%Y-%m-%d %H:%M:%S UTC" UTC)
set(record "Velmora ${VERSION}: how these downloads were built
commit: ${commit}
SOURCE_DATE_EPOCH: ${epoch} (${date})
system: ${os_release}
toolchain (Debian packages):
${tools}")

function(velmora_write_if_changed name text)
    set(old "")
    if(EXISTS ${OUTPUT_DIR}/${name})
        file(READ ${OUTPUT_DIR}/${name} old)
    endif()
    if(NOT old STREQUAL text)
        file(WRITE ${OUTPUT_DIR}/${name} "${text}")
    endif()
endfunction()
velmora_write_if_changed(source-date-epoch "${epoch}\n")
velmora_write_if_changed(build-record.txt "${record}")
