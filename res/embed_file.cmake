# Writes a C++ source that holds the bytes of a file, for resources built into the program.
#   cmake -DINPUT=<file> -DOUTPUT=<source.cpp> -DSYMBOL=<name> -DNAMESPACE=<ns> -P embed_file.cmake
# A missing INPUT gives an empty array.
if(EXISTS "${INPUT}")
    file(READ "${INPUT}" hex HEX)
else()
    set(hex "")
endif()
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")

string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REPEAT "0x[0-9a-f][0-9a-f]," 16 sixteen_bytes)
string(REGEX REPLACE "(${sixteen_bytes})" "\\1\n    " bytes "${bytes}")
if(size EQUAL 0)
    set(bytes "0")  # an array cannot be empty; the size says there is nothing
endif()

get_filename_component(name "${INPUT}" NAME)
set(text "// Generated from ${name} by embed_file.cmake at build time; do not edit.
#include <cstddef>

namespace ${NAMESPACE} {
extern const unsigned char ${SYMBOL}Bytes[];
extern const std::size_t ${SYMBOL}Size;
const unsigned char ${SYMBOL}Bytes[] = {
    ${bytes}
};
const std::size_t ${SYMBOL}Size = ${size};
}  // namespace ${NAMESPACE}
")

file(WRITE "${OUTPUT}" "${text}")
