// A dialog template as the page's own HTML and CSS, written at build time by the
// prerenderer (framework/web/prerender_dialog.cpp) so that the page shows the dialog before
// its program and word list have arrived. The program takes these elements over when it
// starts (page.js), and makes a control's element from the same markup where the page has
// none (control_kinds.h gives each kind its element), so the two cannot differ; in template
// order, each marked with its place in the template (data-item).
//
// Positions are CSS expressions of the shared dialog-unit rule (dialog_units.h) over the
// font's measures, which the page sets before it first draws (prerender.js). The page's
// security policy allows no inline style, hence the separate style sheet. Not for
// application code.
#pragma once

#include <cstddef>
#include <string>

#include "framework/resources.h"

namespace framework::page {

struct DialogMarkup {
    std::string html; // the <main> landmark holding the dialog's form
    std::string css;  // the dialog's size and each control's place
};

DialogMarkup MarkupOfDialog(UINT templateId, const DialogTemplate& dialog);

// The element of the control `item`, the `index`-th of its template, with its text, name,
// classes and state, not its place.
std::string ControlMarkup(const DialogItemTemplate& item, std::size_t index);

} // namespace framework::page
