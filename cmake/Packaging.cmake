# Installing Velmora the way a Linux desktop expects, and packing that install as a .deb.
#
# `cmake --install` puts the program under bin/, the default dictionary and its licence notices
# under share/velmora/, the larger word lists in folders of their own beside it (more/, game/),
# the icon into the hicolor theme and a desktop entry that starts the program in share/velmora/,
# since it reads dictionary.txt from its current directory, with an action per larger list that
# starts it in that list's folder; then the copyright file, changelog, manual page and AppStream
# metadata (below).
# `cpack` (or `make package`) turns the same install into velmora_<version>_<arch>.deb for /usr.
include(GNUInstallDirs)

set(VELMORA_DATA_DESTINATION ${CMAKE_INSTALL_DATADIR}/velmora)

install(TARGETS velmora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The word lists, each a dictionary.txt in a folder of its own with its sources' notices.
set(VELMORA_WORD_LISTS more game)
install(FILES data/dictionary.txt data/LICENSE.wamerican data/LICENSE.scowl-readme
        DESTINATION ${VELMORA_DATA_DESTINATION})
foreach(list ${VELMORA_WORD_LISTS})
    install(FILES data/${list}/dictionary.txt data/${list}/LICENSE.scowl
                  data/${list}/LICENSE.scowl-readme
            DESTINATION ${VELMORA_DATA_DESTINATION}/${list})
endforeach()
foreach(size 16 32 48)
    install(FILES res/icons/velmora-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME velmora.png)
endforeach()

# The desktop entry names the installed program and dictionary folder by full path. Those are
# only known when installing (`cmake --install --prefix`, CPack's /usr), so the entry is
# written then, straight to its destination (under DESTDIR when one is set), and recorded in
# the install manifest like the files installed by the rules above.
# A desktop action has no Path key, so each list's action starts the program through
# coreutils' `env --chdir=FOLDER PROGRAM`: a plain change of folder, with no shell to quote for.
set(desktop_template ${CMAKE_CURRENT_SOURCE_DIR}/res/velmora.desktop.in)
string(CONFIGURE [=[
    # Escapes a desktop entry string value: a backslash is written as two.
    function(velmora_desktop_string value out)
        string(REPLACE "\\" "\\\\" value "${value}")
        set(${out} "${value}" PARENT_SCOPE)
    endfunction()
    # Exec= of a command line: each argument quoted when it holds anything but plain path
    # characters, as desktop entries require.
    function(velmora_desktop_exec out)
        set(command "")
        foreach(argument IN LISTS ARGN)
            if(NOT argument MATCHES "^[A-Za-z0-9/._+=-]+$")
                string(REGEX REPLACE "([\\\"`$])" "\\\\\\1" argument "${argument}")
                string(REPLACE "%" "%%" argument "${argument}")
                set(argument "\"${argument}\"")
            endif()
            string(APPEND command " ${argument}")
        endforeach()
        string(STRIP "${command}" command)
        velmora_desktop_string("${command}" command)
        set(${out} "${command}" PARENT_SCOPE)
    endfunction()
    set(velmora_program [[@CMAKE_INSTALL_BINDIR@/velmora]])
    set(velmora_data [[@VELMORA_DATA_DESTINATION@]])
    set(velmora_applications [[@CMAKE_INSTALL_DATADIR@/applications]])
    foreach(path velmora_program velmora_data velmora_applications)
        cmake_path(ABSOLUTE_PATH ${path} BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" NORMALIZE)
    endforeach()
    velmora_desktop_exec(VELMORA_DESKTOP_EXEC "${velmora_program}")
    velmora_desktop_string("${velmora_data}" VELMORA_DESKTOP_PATH)
    foreach(list @VELMORA_WORD_LISTS@)
        string(TOUPPER ${list} name)
        velmora_desktop_exec(VELMORA_DESKTOP_EXEC_${name}
                             env "--chdir=${velmora_data}/${list}" "${velmora_program}")
    endforeach()
    set(velmora_entry "${velmora_applications}/velmora.desktop")
    message(STATUS "Installing: $ENV{DESTDIR}${velmora_entry}")
    # A folder made here is 0755 like those the install rules make, whatever the umask.
    get_filename_component(folder "$ENV{DESTDIR}${velmora_entry}" DIRECTORY)
    if(NOT EXISTS "${folder}")
        file(MAKE_DIRECTORY "${folder}")
        file(CHMOD "${folder}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
             GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    endif()
    configure_file([[@desktop_template@]] "$ENV{DESTDIR}${velmora_entry}" @ONLY
                   FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${velmora_entry}")
]=] desktop_code @ONLY)
install(CODE "${desktop_code}")

# What a Debian or freedesktop user expects beside the program: the machine-readable copyright
# file (its licence texts taken from LICENSE and data/LICENSE.wamerican), the changelog and the
# manual page compressed as Debian does (gzip -9n, no name or time stamp), the AppStream metadata
# that software centres read, and lintian's override for a tag that does not apply here. They
# are made when configuring, so `--target velmora` then `cpack` packs them too; configure_file
# reruns CMake when a source of them changes.
set(VELMORA_PACKAGE_MAINTAINER "Velmora developers <velmora@example.org>"
    CACHE STRING "Maintainer field of the Debian package")
set(VELMORA_SCREENSHOT_URL "https://example.org/velmora/screenshot.png"
    CACHE STRING "Where docs/screenshot.png is published, for the AppStream metadata")
set(VELMORA_HOMEPAGE_URL "https://example.org/velmora/"
    CACHE STRING "The program's home page, for the AppStream metadata")
set(VELMORA_APPSTREAM_ID org.example.velmora)
# The developer, in the form the AppStream of the release being built on reads: a <developer>
# element with an id from AppStream 1.0 on, which deprecates <developer_name>; before 1.0 (Debian
# 12's 0.16) <developer> is unknown. Without appstreamcli (a `make run` build) the current form.
set(VELMORA_APPSTREAM_DEVELOPER "<developer id=\"org.example\">
    <name>The Velmora developers</name>
  </developer>")
find_program(VELMORA_APPSTREAMCLI appstreamcli)
if(VELMORA_APPSTREAMCLI)
    execute_process(COMMAND ${VELMORA_APPSTREAMCLI} --version OUTPUT_VARIABLE appstream_version)
    if(appstream_version MATCHES "version: 0\\.")
        set(VELMORA_APPSTREAM_DEVELOPER "<developer_name>The Velmora developers</developer_name>")
    endif()
endif()
set(VELMORA_DOC_DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/velmora)
set(packaging_dir ${CMAKE_CURRENT_BINARY_DIR}/packaging)

# velmora_dep5_text(FILE FIRST OUT): the text of FILE from the first place that holds FIRST on
# (all of it when FIRST is empty), as the continuation lines of a copyright file field: each line
# indented by one space, an empty line written as " .", trailing blanks dropped.
function(velmora_dep5_text file first out)
    file(READ ${CMAKE_CURRENT_SOURCE_DIR}/${file} text)
    string(FIND "${text}" "${first}" start)
    if(start LESS 0)
        message(FATAL_ERROR "${file} does not hold \"${first}\"")
    endif()
    string(SUBSTRING "${text}" ${start} -1 text)
    string(REGEX REPLACE "[ \t]+\n" "\n" text "${text}")
    string(REGEX REPLACE "\n+$" "" text "${text}")
    # Twice, since one pass leaves every second line of a run of empty lines.
    string(REPLACE "\n\n" "\n.\n" text "${text}")
    string(REPLACE "\n\n" "\n.\n" text "${text}")
    string(REPLACE "\n" "\n " text " ${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()
velmora_dep5_text(LICENSE "Permission is hereby granted" VELMORA_EXPAT_TEXT)
velmora_dep5_text(data/LICENSE.wamerican "" VELMORA_SCOWL_TEXT)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/data/LICENSE.wamerican)
configure_file(cmake/debian/copyright.in ${packaging_dir}/copyright @ONLY)
configure_file(res/velmora.metainfo.xml.in
               ${packaging_dir}/${VELMORA_APPSTREAM_ID}.metainfo.xml @ONLY)
configure_file(cmake/debian/lintian-overrides ${packaging_dir}/lintian-overrides COPYONLY)
foreach(source cmake/debian/changelog docs/velmora.6)
    get_filename_component(name ${source} NAME)
    configure_file(${source} ${packaging_dir}/${name} COPYONLY)
    execute_process(COMMAND gzip -9nf ${packaging_dir}/${name} COMMAND_ERROR_IS_FATAL ANY)
endforeach()

# What built the downloads, and their date (cmake/BuildRecord.cmake), made at every build since
# a commit changes them without a new configure; the program waits for it, so that a
# `--target velmora` build has it too.
add_custom_target(velmora-build-record
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_CURRENT_SOURCE_DIR}
            -DOUTPUT_DIR=${CMAKE_BINARY_DIR} -DVERSION=${PROJECT_VERSION}
            -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/BuildRecord.cmake
    BYPRODUCTS ${CMAKE_BINARY_DIR}/build-record.txt ${CMAKE_BINARY_DIR}/source-date-epoch
    VERBATIM)
add_dependencies(velmora velmora-build-record)

install(FILES ${packaging_dir}/copyright ${packaging_dir}/changelog.gz
              ${CMAKE_BINARY_DIR}/build-record.txt
        DESTINATION ${VELMORA_DOC_DESTINATION})
install(FILES ${packaging_dir}/velmora.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${packaging_dir}/${VELMORA_APPSTREAM_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
install(FILES ${packaging_dir}/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides RENAME velmora)

# The Debian package. CPack's DEB generator installs with DESTDIR and /usr as the prefix, so
# the install-time code above writes an entry that names /usr/bin/velmora.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR "Velmora developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VELMORA_PACKAGE_MAINTAINER}")
# A helper for word games, not a game: Debian's games section expects programs in /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The dialog asks for "Courier New"; fontconfig maps it to Liberation Mono when that is there.
# Qt draws a native Wayland window only with its Wayland plugin; without it, XWayland is used.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "\
Velmora is a small desktop helper for word games. Type or paste a selection of
letters and it lists every dictionary word of four or more letters they can
spell, each letter used at most once, longest first. Quick solve takes the
letters from the clipboard and puts the longest words back on it in one click.
.
The program reads dictionary.txt from its current directory; the desktop entry
starts it in /usr/share/velmora, which holds a list of about 63,000 common
English words made from the wamerican word list. Its actions More words and
Word-game words start it with larger lists made from SCOWL's American and
British lists: about 119,000 words (size 70) and 255,000 words (size 80, with
the unusual words of word games).")
# The same .deb from every build of a commit: its files dated by the commit (CPack's DEB
# generator clamps to SOURCE_DATE_EPOCH, which the project file reads from the build record),
# its folders 0755 and its ar members 0644 whatever the builder's umask, its Installed-Size
# whatever the file system it was staged on.
configure_file(cmake/debian/cpack-project.cmake.in ${packaging_dir}/cpack-project.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${packaging_dir}/cpack-project.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/cmake/debian/deb_installed_size.cmake
                             ${CMAKE_CURRENT_SOURCE_DIR}/cmake/debian/deb_member_modes.cmake)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/" "/__pycache__/" "\\\\.swp$")
include(CPack)
