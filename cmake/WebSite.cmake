# The site of the web build (target web-site, in ${CMAKE_BINARY_DIR}/site): the program
# (velmora.js, velmora.wasm), the page around it, the service worker, the icons drawn from
# res/velmora.ico, and the word lists. The folder is the choice of list, as on the desktop:
# the site's root holds the default list, more/ and game/ each an index.html, their list and
# its notices, and they share the program one folder up.
set(site ${CMAKE_BINARY_DIR}/site)

# Asyncify takes every function that makes an indirect call to be one that may suspend, which
# slows the search's sort and the list's loading several times over; asyncify_remove.json
# names the code that never waits on the page (the word search core, the C++ library; a
# template function's name starts with its return type).
#
# The optimiser inlines every function that has a single caller, however large: the word
# list's loading loop would end up inside InitInstance, which runs once and is instrumented
# for Asyncify. The browser runs a function that is called once on its baseline compiler
# for good, so the loop, the heaviest work of the page's start, would run there slowed by
# the instrumentation; kept out, it and the functions it calls stay plain, and those called
# per line are optimised by the browser while the list loads.
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

# One folder's page and manifest; `root` is the way from it to the program's files.
function(velmora_site_folder folder root name)
    set(WEB_ROOT "${root}")
    set(WEB_NAME "${name}")
    configure_file(${web_sources}/site/index.html.in ${site}/${folder}index.html @ONLY)
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
    DEPENDS velmora
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
