# The two Windows downloads, made by the `windows-package` target of a Windows build, ARCH
# being win32 for the 32-bit build and win64 for the 64-bit one:
#   velmora-<version>-ARCH.zip         the program, the default word list, two more lists in
#                                      folders of their own, the licences and a README.txt, to
#                                      unpack anywhere and run in place;
#   velmora-<version>-ARCH-setup.exe   an NSIS installer of the same files (makensis, from
#                                      Debian's nsis package), with a Start-menu shortcut per
#                                      list and an uninstaller registered with Add/Remove
#                                      Programs. It is a program of the same width as the one
#                                      it installs (NSIS's x86 or amd64 stubs), so that each
#                                      goes into its own Program Files folder and registry view.
# Both are written into the build folder, from one staged copy of the files, with SHA256SUMS
# and the build record beside them. Every staged file has the commit's date and fixed modes,
# and the zip is packed in UTC without access times or owners, so every build of a commit gives
# the same bytes.
find_program(VELMORA_MAKENSIS makensis)
# Info-ZIP's zip, which can leave out the access and change times (-X) that differ between builds.
find_program(VELMORA_ZIP zip REQUIRED)
set(win_dir ${CMAKE_CURRENT_SOURCE_DIR}/cmake/windows)
set(stage ${CMAKE_BINARY_DIR}/windows-package/stage)
# The staged files as they are packed: stripped, dated and with fixed modes (date_stage.cmake). A
# copy, since make tracks the staged files by their times.
set(packed ${CMAKE_BINARY_DIR}/windows-package/packed)
set(packed_stamp ${CMAKE_BINARY_DIR}/windows-package/packed.stamp)
set(VELMORA_VERSION ${PROJECT_VERSION})
# The width of the program decides the download's name and the installer's stub, install
# folder and registry view. On 64-bit Windows $PROGRAMFILES of a 32-bit installer is
# "Program Files (x86)"; $PROGRAMFILES64 is "Program Files".
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(windows_arch win64)
    set(VELMORA_NSIS_TARGET amd64-unicode)
    set(VELMORA_NSIS_PROGRAM_FILES "$PROGRAMFILES64")
    set(VELMORA_NSIS_REGISTRY_VIEW 64)
else()
    set(windows_arch win32)
    set(VELMORA_NSIS_TARGET x86-unicode)
    set(VELMORA_NSIS_PROGRAM_FILES "$PROGRAMFILES")
    set(VELMORA_NSIS_REGISTRY_VIEW 32)
endif()
set(zip ${CMAKE_BINARY_DIR}/velmora-${VELMORA_VERSION}-${windows_arch}.zip)
set(setup ${CMAKE_BINARY_DIR}/velmora-${VELMORA_VERSION}-${windows_arch}-setup.exe)

# What both downloads hold, by their names there. The text files get CRLF line ends;
# each dictionary.txt ships as it is (the program reads either kind of line end).
set(text_files README.txt BUILD-RECORD.txt LICENSE.txt LICENSE.wamerican.txt
               LICENSE.scowl-readme.txt)
set(text_sources ${win_dir}/README.txt.in ${CMAKE_BINARY_DIR}/build-record.txt
                 ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE
                 ${CMAKE_CURRENT_SOURCE_DIR}/data/LICENSE.wamerican
                 ${CMAKE_CURRENT_SOURCE_DIR}/data/LICENSE.scowl-readme)
set(dictionaries dictionary.txt)
set(dictionary_sources ${CMAKE_CURRENT_SOURCE_DIR}/data/dictionary.txt)
# The further word lists, each a dictionary.txt and its licence notices in a folder of its
# own beside the program; the folder's name is the list's name in the Start menu too.
set(word_lists "More words" "Word-game words")
set(word_list_data more game)
foreach(name data IN ZIP_LISTS word_lists word_list_data)
    list(APPEND dictionaries "${name}/dictionary.txt")
    list(APPEND dictionary_sources ${CMAKE_CURRENT_SOURCE_DIR}/data/${data}/dictionary.txt)
    list(APPEND text_files "${name}/LICENSE.scowl.txt" "${name}/LICENSE.scowl-readme.txt")
    list(APPEND text_sources ${CMAKE_CURRENT_SOURCE_DIR}/data/${data}/LICENSE.scowl
                             ${CMAKE_CURRENT_SOURCE_DIR}/data/${data}/LICENSE.scowl-readme)
endforeach()
set(package_files velmora.exe ${dictionaries} ${text_files})

set(stage_commands)
foreach(name source IN ZIP_LISTS dictionaries dictionary_sources)
    get_filename_component(folder "${stage}/${name}" DIRECTORY)
    list(APPEND stage_commands COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
         COMMAND ${CMAKE_COMMAND} -E copy ${source} ${stage}/${name})
endforeach()
foreach(name source IN ZIP_LISTS text_files text_sources)
    set(configure OFF)
    if(name STREQUAL "README.txt")
        set(configure ON)
    endif()
    list(APPEND stage_commands COMMAND ${CMAKE_COMMAND} -DINPUT=${source} -DOUTPUT=${stage}/${name}
         -DCONFIGURE=${configure} -DVELMORA_VERSION=${VELMORA_VERSION} -P ${win_dir}/to_crlf.cmake)
endforeach()
list(TRANSFORM package_files PREPEND ${stage}/ OUTPUT_VARIABLE staged_files)
add_custom_command(
    OUTPUT ${staged_files}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:velmora> ${stage}/velmora.exe
    ${stage_commands}
    DEPENDS velmora ${dictionary_sources} ${text_sources}
            ${win_dir}/to_crlf.cmake
    COMMENT "Staging the files of the Windows downloads"
    VERBATIM)
add_custom_command(
    OUTPUT ${packed_stamp}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${packed}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${stage} ${packed}
    COMMAND ${CMAKE_COMMAND} -DSTAGE=${packed} -DEPOCH_FILE=${CMAKE_BINARY_DIR}/source-date-epoch
            -DSTRIP=${CMAKE_STRIP} -DPROGRAM=${packed}/velmora.exe -P ${win_dir}/date_stage.cmake
    COMMAND ${CMAKE_COMMAND} -E touch ${packed_stamp}
    DEPENDS ${staged_files} ${win_dir}/date_stage.cmake ${CMAKE_BINARY_DIR}/source-date-epoch
    COMMENT "Dating the files of the Windows downloads"
    VERBATIM)

add_custom_command(
    OUTPUT ${zip}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${zip}
    COMMAND ${CMAKE_COMMAND} -E env --unset=ZIPOPT --unset=ZIP TZ=UTC
            ${VELMORA_ZIP} -q -X -D ${zip} ${package_files}
    WORKING_DIRECTORY ${packed}
    DEPENDS ${packed_stamp}
    COMMENT "Packing ${zip}"
    VERBATIM)

# The installer script names each file of the program's folder once to install it and once
# to remove it, and each further word list once to install it and once to remove it.
set(VELMORA_NSIS_FILES)
set(VELMORA_NSIS_DELETES)
foreach(name ${package_files})
    if(NOT name MATCHES "/")
        string(APPEND VELMORA_NSIS_FILES "    File \"\${STAGE}/${name}\"\n")
        string(APPEND VELMORA_NSIS_DELETES "    Delete \"$INSTDIR\\${name}\"\n")
    endif()
endforeach()
set(VELMORA_NSIS_LISTS)
set(VELMORA_NSIS_LIST_DELETES)
foreach(name ${word_lists})
    string(APPEND VELMORA_NSIS_LISTS "    !insertmacro InstallWordList \"${name}\"\n")
    string(APPEND VELMORA_NSIS_LIST_DELETES "    !insertmacro RemoveWordList \"${name}\"\n")
endforeach()
set(VELMORA_STAGE_DIR ${packed})
set(VELMORA_SETUP ${setup})
set(VELMORA_ICON ${CMAKE_CURRENT_SOURCE_DIR}/res/velmora.ico)
set(nsi ${CMAKE_BINARY_DIR}/windows-package/velmora.nsi)
configure_file(${win_dir}/velmora.nsi.in ${nsi} @ONLY)

if(VELMORA_MAKENSIS)
    set(makensis_command ${VELMORA_MAKENSIS} -V2 -NOCD ${nsi})
else()
    set(makensis_command ${CMAKE_COMMAND} -E echo "makensis not found: install Debian's nsis"
                         COMMAND ${CMAKE_COMMAND} -E false)
endif()
add_custom_command(
    OUTPUT ${setup}
    COMMAND ${makensis_command}
    DEPENDS ${packed_stamp} ${nsi} ${VELMORA_ICON}
    COMMENT "Making ${setup} with NSIS"
    VERBATIM)

# Checkable with `sha256sum -c SHA256SUMS` in the build folder.
get_filename_component(zip_name ${zip} NAME)
get_filename_component(setup_name ${setup} NAME)
set(sums ${CMAKE_BINARY_DIR}/SHA256SUMS)
add_custom_command(
    OUTPUT ${sums}
    COMMAND sha256sum ${zip_name} ${setup_name} build-record.txt > SHA256SUMS
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    DEPENDS ${zip} ${setup} ${CMAKE_BINARY_DIR}/build-record.txt
    COMMENT "Writing ${sums}"
    VERBATIM)

add_custom_target(windows-package DEPENDS ${zip} ${setup} ${sums})
