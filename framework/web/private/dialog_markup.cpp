// The page's HTML and CSS of a dialog template (see dialog_markup.h).
#include "framework/web/private/dialog_markup.h"

#include <cstddef>
#include <string_view>

#include "framework/emulated/dialog_units.h"
#include "framework/web/private/control_kinds.h"

namespace framework::page {
namespace {

std::string Escaped(std::string_view text) {
    std::string escaped;
    for (const char character : text) {
        switch (character) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        default: escaped += character;
        }
    }
    return escaped;
}

std::string Attribute(const char* name, std::string_view value) {
    return std::string(" ") + name + "=\"" + Escaped(value) + "\"";
}

// The opening tag's element and the attributes only its kind has.
std::string OpeningOf(std::string_view kind, const ControlFlags& flags) {
    if (kind == "group")
        return "<fieldset";
    if (kind == "button" || kind == "default")
        return std::string("<button") + Attribute("type", kind == "default" ? "submit" : "button");
    if (kind == "edit") {
        std::string tag = "<input type=\"text\" autocomplete=\"off\" spellcheck=\"false\"";
        if (flags.readOnly)
            tag += " readonly";
        if (flags.upperCase)
            tag += " autocapitalize=\"characters\"";
        return tag;
    }
    if (kind == "listbox")
        return "<div role=\"listbox\"";
    return "<div";
}

// A text box may be laid out larger and scaled back (--shrink, page.js), as the program
// lays it out.
std::string PlaceOf(const DialogItemTemplate& item) {
    return "left: " + HorizontalPixelsCss(item.x) + "; top: " + VerticalPixelsCss(item.y) +
           "; width: calc(" + HorizontalPixelsCss(item.cx) + " / var(--shrink, 1)); height: calc(" +
           VerticalPixelsCss(item.cy) + " / var(--shrink, 1));";
}

} // namespace

std::string ControlMarkup(const DialogItemTemplate& item, std::size_t index) {
    const WindowKind windowKind = KindOf(item);
    const std::string kind = PageKind(windowKind, item.style);
    const ControlFlags flags = FlagsOf(windowKind, item.style);
    std::string classes = "control " + kind;
    if (flags.border)
        classes += " bordered";
    if (*flags.align)
        classes += std::string(" align-") + flags.align;

    std::string html = OpeningOf(kind, flags) + Attribute("class", classes) +
                       Attribute("data-item", std::to_string(index));
    if (const char* name = AccessibleName(item))
        html += Attribute("aria-label", name);
    if (kind != "group" && kind != "static")
        html += Attribute("tabindex", flags.tabStop ? "0" : "-1");
    if (flags.disabled && kind != "static" && kind != "listbox")
        html += " disabled";
    if (!flags.visible)
        html += " hidden";
    html += ">";
    const std::string text = Escaped(item.text ? item.text : "");
    if (kind == "group")
        html += "<legend>" + text + "</legend></fieldset>";
    else if (kind == "button" || kind == "default")
        html += text + "</button>";
    else if (kind == "static")
        html += text + "</div>";
    else if (kind == "listbox")
        html += "</div>";
    return html + "\n";
}

DialogMarkup MarkupOfDialog(UINT templateId, const DialogTemplate& dialog) {
    const std::string caption = dialog.caption ? dialog.caption : "";
    const std::string id = std::to_string(templateId);
    DialogMarkup markup;
    markup.html = "<main class=\"velmora-frame\"><h1 class=\"visually-hidden\">" + Escaped(caption) +
                  "</h1>\n<form class=\"velmora-dialog\"" + Attribute("aria-label", caption) +
                  Attribute("data-template", id) +
                  Attribute("data-face", dialog.fontFace ? dialog.fontFace : "") +
                  Attribute("data-point-size", std::to_string(PointSizeOf(dialog))) +
                  Attribute("data-weight", std::to_string(WeightOf(dialog))) +
                  (dialog.italic ? " data-italic" : "") + ">\n";
    const std::string form = ".velmora-dialog[data-template=\"" + id + "\"]";
    markup.css = "/* Made by the build from dialog template " + id + ": do not edit. */\n" + form +
                 " { " + BaseUnitsCss() + " width: " + HorizontalPixelsCss(dialog.cx) +
                 "; height: " + VerticalPixelsCss(dialog.cy) + "; }\n" +
                 // Drawn only once the page has measured its font (prerender.js), never
                 // first in the wrong places.
                 form + ":not([data-measured]) { display: none; }\n";
    std::size_t index = 0;
    for (const DialogItemTemplate& item : dialog.items) {
        markup.html += ControlMarkup(item, index);
        markup.css += form + " > [data-item=\"" + std::to_string(index) + "\"] { " +
                      PlaceOf(item) + " }\n";
        ++index;
    }
    markup.html += "</form></main>";
    return markup;
}

} // namespace framework::page
