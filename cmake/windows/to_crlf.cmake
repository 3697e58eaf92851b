# Writes INPUT to OUTPUT with CRLF line ends, for text files that Windows users open in
# Notepad. With CONFIGURE set, @VAR@ references in INPUT are replaced first (-DVAR=...).
#   cmake -DINPUT=in -DOUTPUT=out [-DCONFIGURE=ON -DVELMORA_VERSION=...] -P to_crlf.cmake
file(READ "${INPUT}" text)
if(CONFIGURE)
    string(CONFIGURE "${text}" text @ONLY)
endif()
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE "${OUTPUT}" "${text}")
