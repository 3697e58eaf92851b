# Writes the files PARTS (a list, in order) one after another into OUTPUT, rewritten only
# when that changes it.   cmake -DPARTS="a;b" -DOUTPUT=out -P join_files.cmake
set(joined "")
foreach(part IN LISTS PARTS)
    file(READ ${part} text)
    string(APPEND joined "${text}")
endforeach()
file(CONFIGURE OUTPUT ${OUTPUT} CONTENT "${joined}" @ONLY)
