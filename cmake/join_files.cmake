# Writes the files PARTS (a list, in order) one after another into OUTPUT, taken as they are,
# rewritten only when that changes it.   cmake -DPARTS="a;b" -DOUTPUT=out -P join_files.cmake
set(joined "")
foreach(part IN LISTS PARTS)
    file(READ ${part} text)
    string(APPEND joined "${text}")
endforeach()
set(old "")
if(EXISTS ${OUTPUT})
    file(READ ${OUTPUT} old)
endif()
if(NOT joined STREQUAL old)
    file(WRITE ${OUTPUT} "${joined}")
endif()
