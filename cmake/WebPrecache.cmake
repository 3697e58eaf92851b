# Writes the site's service worker (cmake -DSITE=... -DTEMPLATE=... -P WebPrecache.cmake), run
# once the rest of the site is in place: its list of the files the worker keeps for a build,
# each with the SHA-256 of its bytes. That is every file of the site but the word lists (data,
# which the worker keeps per folder as they are asked for), the compressed copies beside the
# files (the same bytes as the browser sees them) and the worker itself.
get_filename_component(SITE ${SITE} ABSOLUTE)
file(GLOB_RECURSE files RELATIVE ${SITE} ${SITE}/*)
list(FILTER files EXCLUDE REGEX "(^|/)dictionary\\.txt$|\\.(br|gz)$|^service-worker\\.js$")
list(SORT files)
set(WEB_PRECACHE "")
foreach(file IN LISTS files)
    file(SHA256 ${SITE}/${file} hash)
    string(APPEND WEB_PRECACHE "  '${file}': '${hash}',\n")
endforeach()
# Rewritten only when the list changed, so that the compressed copies are remade only then.
configure_file(${TEMPLATE} ${SITE}/service-worker.js @ONLY)
