// The clipboard's text as an edit box takes it in a paste, on every backend: one line, so
// that no letter of a text copied over several lines is lost (a single-line box would keep
// only its first line). CR LF, LF and CR each become one space, and a NUL ends the text as it
// ends a C string; every other byte passes unchanged, so the text may be in any encoding in
// which those three are single bytes (the narrow code page, UTF-8). Not for application code.
#pragma once

#include <string>
#include <string_view>

namespace framework {

std::string PastedLine(std::string_view clipboardText);

} // namespace framework
