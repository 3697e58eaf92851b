// The clipboard's text as one line (see paste_text.h).
#include "framework/private/paste_text.h"

namespace framework {

std::string PastedLine(std::string_view clipboardText) {
    const std::string_view text = clipboardText.substr(0, clipboardText.find('\0'));
    std::string line;
    line.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        line += text[i] == '\r' || text[i] == '\n' ? ' ' : text[i];
    }
    return line;
}

} // namespace framework
