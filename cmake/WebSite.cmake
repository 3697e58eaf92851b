# The site of the web build (target web-site, in ${CMAKE_BINARY_DIR}/site): the program
# (velmora.js, velmora.wasm), the page around it, the service worker, the icons drawn from
# res/velmora.ico, and the word lists. The folder is the choice of list, as on the desktop:
# the site's root holds the default list, more/ and game/ each an index.html, their list and
# its notices, and they share the program one folder up.
set(site ${CMAKE_BINARY_DIR}/site)

# Asyncify takes every function that makes an indirect call to be one that may suspend, which
# slows the search's sort and the list's loading several times over; asyncify_remove.json
# names the code that never waits on the page (the word search, the C++ library; a template
# function's name starts with its return type). The list's loading does wait, for the next
# part of the list to arrive, only in the line reader's read of its next block.
#
# The optimiser inlines every function that has a single caller, however large: the word
# list's loading loop would end up inside InitInstance, which runs once and is instrumented
# for Asyncify. The browser runs a function that is called once on its baseline compiler
# for good, so the loop, the heaviest work of the page's start, would run there; kept out,
# the functions it calls per line are optimised by the browser while the list loads.
set(asyncify_remove ${CMAKE_SOURCE_DIR}/framework/web/asyncify_remove.json)
target_link_options(velmora PRIVATE
    "SHELL:-s ASYNCIFY_REMOVE=@${asyncify_remove}"
    "SHELL:-s BINARYEN_EXTRA_PASSES=--one-caller-inline-max-function-size=0")
set_property(TARGET velmora APPEND PROPERTY LINK_DEPENDS ${asyncify_remove})

# Emscripten's mmap is a malloc and a memset of the whole mapping, and the word list's
# blocks are megabytes: without __unix__ the core takes them from the aligned operator new,
# whose memory the page's heap hands out as it is.
target_compile_options(velmora_core PRIVATE -U__unix__)
set(web_sources ${CMAKE_SOURCE_DIR}/framework/web)
set(WEB_NAME "Velmora")
set(WEB_SHORT_NAME "Velmora")
set(WEB_DESCRIPTION "${PROJECT_DESCRIPTION}")

# The page's HTML already holds the solver dialog, IDD_SOLVER_DIALOG (102, res/resource.h),
# so that it is drawn before the program and its word list arrive: the prerenderer writes it
# from the program's own template and the framework's layout rule, run under Node.
add_executable(velmora_prerender ${web_sources}/prerender_dialog.cpp)
target_link_libraries(velmora_prerender PRIVATE velmora_res velmora_framework)
# Compiled at once from the file: Node 18 and later have a fetch of their own, which
# Emscripten 3.1.6 would use on a file path.
target_link_options(velmora_prerender PRIVATE "SHELL:-s ENVIRONMENT=node" "SHELL:-s NODERAWFS=1"
                    "SHELL:-s WASM_ASYNC_COMPILATION=0")
set(dialog_markup ${CMAKE_BINARY_DIR}/prerendered/dialog.html)
add_custom_command(
    OUTPUT ${dialog_markup} ${site}/dialog.css
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/prerendered ${site}
    COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:velmora_prerender> 102
            ${dialog_markup} ${site}/dialog.css
    DEPENDS velmora_prerender
    COMMENT "Prerendering the solver dialog"
    VERBATIM)
# The page's first script: the prerendered dialog made ready, and the player's early input.
set(prerender_parts ${web_sources}/dialog_elements.js ${web_sources}/early_input.js
    ${web_sources}/prerender.js)
add_custom_command(
    OUTPUT ${site}/prerender.js
    COMMAND ${CMAKE_COMMAND} "-DPARTS=${prerender_parts}" -DOUTPUT=${site}/prerender.js
            -P ${CMAKE_SOURCE_DIR}/cmake/join_files.cmake
    DEPENDS ${prerender_parts} ${CMAKE_SOURCE_DIR}/cmake/join_files.cmake
    VERBATIM)
set(site_pages ${site}/prerender.js ${site}/dialog.css)

# One folder's page and manifest; `root` is the way from it to the program's files.
function(velmora_site_folder folder root name)
    set(WEB_ROOT "${root}")
    set(WEB_NAME "${name}")
    add_custom_command(
        OUTPUT ${site}/${folder}index.html
        COMMAND ${CMAKE_COMMAND} -DINPUT=${web_sources}/site/index.html.in
                -DOUTPUT=${site}/${folder}index.html -DDIALOG=${dialog_markup}
                -DWEB_ROOT=${root} -DWEB_NAME=${name} -DWEB_DESCRIPTION=${WEB_DESCRIPTION}
                -P ${CMAKE_SOURCE_DIR}/cmake/web_page.cmake
        DEPENDS ${web_sources}/site/index.html.in ${dialog_markup}
                ${CMAKE_SOURCE_DIR}/cmake/web_page.cmake
        VERBATIM)
    set(site_pages ${site_pages} ${site}/${folder}index.html PARENT_SCOPE)
    configure_file(${web_sources}/site/manifest.webmanifest.in ${site}/${folder}manifest.webmanifest @ONLY)
endfunction()
velmora_site_folder("" "" "Velmora")
velmora_site_folder("more/" "../" "Velmora (more words)")
velmora_site_folder("game/" "../" "Velmora (word games)")

set(list_files
    ${CMAKE_SOURCE_DIR}/data/dictionary.txt ${CMAKE_SOURCE_DIR}/data/LICENSE.wamerican
    ${CMAKE_SOURCE_DIR}/data/LICENSE.scowl-readme)
set(copy_lists
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${list_files} ${site}/)
foreach(list more game)
    list(APPEND copy_lists COMMAND ${CMAKE_COMMAND} -E copy_if_different
         ${CMAKE_SOURCE_DIR}/data/${list}/dictionary.txt ${CMAKE_SOURCE_DIR}/data/${list}/LICENSE.scowl
         ${CMAKE_SOURCE_DIR}/data/${list}/LICENSE.scowl-readme ${site}/${list}/)
endforeach()

find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_custom_target(web-site ALL
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE_DIR:velmora>/velmora.js
            $<TARGET_FILE_DIR:velmora>/velmora.wasm ${web_sources}/site/start.js
            ${web_sources}/site/worker-registration.js ${web_sources}/page.css
            ${CMAKE_SOURCE_DIR}/res/velmora.ico ${site}/
    ${copy_lists}
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/make_web_icons.py
            ${CMAKE_SOURCE_DIR}/res/velmora.ico ${site} 192 512
    # The service worker last, as it lists every other file with its hash.
    COMMAND ${CMAKE_COMMAND} -DSITE=${site} -DTEMPLATE=${web_sources}/site/service-worker.js.in
            -P ${CMAKE_SOURCE_DIR}/cmake/WebPrecache.cmake
    # Each text file and the program also gzipped and brotli-compressed beside itself, for
    # the hosts that serve such copies (tools/serve_site.py, nginx's gzip_static). The files
    # are copied only when they changed, so a copy is remade only for a file that changed.
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/precompress_site.py ${site}
    DEPENDS velmora ${site_pages}
    COMMENT "Assembling the web site in ${site}"
    VERBATIM)

# The site as one zip to copy to any static host: fixed order, times and modes.
add_custom_target(web-package
    COMMAND ${CMAKE_COMMAND} -E rm -f ${CMAKE_BINARY_DIR}/velmora-${PROJECT_VERSION}-web.zip
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/zip_folder.py ${site}
            ${CMAKE_BINARY_DIR}/velmora-${PROJECT_VERSION}-web.zip velmora-${PROJECT_VERSION}-web
    DEPENDS web-site
    COMMENT "Writing velmora-${PROJECT_VERSION}-web.zip"
    VERBATIM)
