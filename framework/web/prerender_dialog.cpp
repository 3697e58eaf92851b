// The build's prerenderer (target velmora_prerender, run under Node while the site is
// assembled): writes the page's HTML and CSS of one of the program's dialog templates
// (private/dialog_markup.h), so that the page shows the dialog before its program and word
// list have arrived. Linked with the program's resources, it reads the very template the
// program shows.
//   usage: velmora_prerender TEMPLATE-ID HTML-FILE CSS-FILE
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "framework/resources.h"
#include "framework/web/private/dialog_markup.h"

namespace {

bool WriteWhole(const char* path, const std::string& text) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    if (!file)
        std::fprintf(stderr, "velmora_prerender: cannot write %s\n", path);
    return static_cast<bool>(file);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fputs("usage: velmora_prerender TEMPLATE-ID HTML-FILE CSS-FILE\n", stderr);
        return 2;
    }
    framework::RegisterProgramResources();
    char* end = nullptr;
    const unsigned long id = std::strtoul(argv[1], &end, 10);
    const framework::DialogTemplate* dialog =
        *end == '\0' ? framework::FindDialogTemplate(static_cast<UINT>(id)) : nullptr;
    if (!dialog) {
        std::fprintf(stderr, "velmora_prerender: no dialog template %s\n", argv[1]);
        return 1;
    }
    const framework::page::DialogMarkup markup =
        framework::page::MarkupOfDialog(static_cast<UINT>(id), *dialog);
    return WriteWhole(argv[2], markup.html) && WriteWhole(argv[3], markup.css) ? 0 : 1;
}
