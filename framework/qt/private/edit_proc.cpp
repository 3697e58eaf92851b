// The edit box's procedure: paste, copy, selection and caret (see window_proc.h).
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <algorithm>

#include "framework/private/paste_text.h"
#include "framework/qt/private/window_proc.h"
#include "framework/winapi/win_messages.h"

namespace framework {
namespace {

void Paste(QLineEdit* edit) {
    if (edit->isReadOnly() || !QGuiApplication::clipboard())
        return;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText())
        return;
    const QByteArray text = data->text().toUtf8();
    const std::string line = PastedLine(std::string_view(text.constData(), text.size()));
    if (line.empty())
        return;
    // insert() replaces the selection at the caret and runs the box's validator, which turns
    // letters into capitals in an upper-case box.
    edit->insert(QString::fromStdString(line));
}

// EM_SETSEL: start -1 removes the selection; an end of -1 (or past the text) means the end.
void SetSelection(QLineEdit* edit, WPARAM wParam, LPARAM lParam) {
    const int length = static_cast<int>(edit->text().size());
    const int start = static_cast<int>(static_cast<LPARAM>(wParam));
    int end = static_cast<int>(lParam);
    if (start < 0) {
        edit->deselect();
        return;
    }
    if (end < 0 || end > length)
        end = length;
    const int from = std::min(start, length);
    edit->setSelection(from, end - from); // the caret ends at `end`, as on the original
}

// The line edit scrolls its text to the caret whenever it paints; paint now so the caret is
// in view when the message returns.
void ScrollCaretIntoView(QLineEdit* edit) {
    if (edit->isVisible())
        edit->repaint();
    else
        edit->update();
}

} // namespace

LRESULT EditProc(QLineEdit* edit, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PASTE:
        Paste(edit);
        return 0;
    case WM_COPY:
        edit->copy(); // copies nothing, and leaves the clipboard alone, without a selection
        return 0;
    case EM_SETSEL:
        SetSelection(edit, wParam, lParam);
        return 0;
    case EM_SCROLLCARET:
        ScrollCaretIntoView(edit);
        return TRUE;
    default:
        return 0;
    }
}

} // namespace framework
