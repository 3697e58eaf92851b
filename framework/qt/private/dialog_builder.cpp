// The dialog window from its template (see dialog_builder.h).
#include "framework/qt/private/dialog_builder.h"

#include <QApplication>
#include <QGroupBox>
#include <QScreen>
#include <algorithm>

#include "framework/qt/private/control_factory.h"
#include "framework/qt/private/convert.h"
#include "framework/qt/private/dialog_window.h"
#include "framework/qt/private/handles.h"
#include "framework/resources.h"
#include "framework/winapi/win_styles.h"

namespace framework {
namespace {

// Caption, system menu (with the close box) and minimise box as the style asks; a dialog
// frame never gets a maximise box unless asked. A top-level window of its own, so it has its
// own taskbar button (WS_EX_APPWINDOW) even with a parent.
Qt::WindowFlags WindowFlagsOf(DWORD style) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint;
    if ((style & WS_CAPTION) == WS_CAPTION)
        flags |= Qt::WindowTitleHint;
    if (style & WS_SYSMENU) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (style & WS_MINIMIZEBOX)
            flags |= Qt::WindowMinimizeButtonHint;
        if (style & WS_MAXIMIZEBOX)
            flags |= Qt::WindowMaximizeButtonHint;
    }
    return flags;
}

// The template's face at its size and weight. Fixed-pitch faces of the original system ask
// for the typewriter hint, so where the face is missing the monospace face stands in.
QFont FontOf(const DialogTemplate& dialog) {
    QFont font = QApplication::font();
    if (!dialog.fontFace || !*dialog.fontFace)
        return font;
    const QString face = ToQString(dialog.fontFace);
    font.setFamilies({face});
    if (face.startsWith(QLatin1String("Courier"), Qt::CaseInsensitive))
        font.setStyleHint(QFont::TypeWriter);
    if (dialog.pointSize > 0)
        font.setPointSize(dialog.pointSize);
    font.setWeight(
        static_cast<QFont::Weight>(dialog.weight > 0 ? std::clamp(dialog.weight, 1, 1000) : 400));
    font.setItalic(dialog.italic);
    return font;
}

void PlaceOnScreen(DialogWindow& window, const DialogTemplate& dialog, DialogBaseUnits baseUnits) {
    const QWidget* parent = window.parentWidget();
    QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    if (dialog.style & DS_CENTER) {
        window.move(area.center() - QPoint(window.width() / 2, window.height() / 2));
        return;
    }
    const QRect units = DialogUnitsToPixels(QRect(dialog.x, dialog.y, 0, 0), baseUnits);
    const QPoint origin = parent ? parent->mapToGlobal(QPoint(0, 0)) : area.topLeft();
    window.move(origin + units.topLeft());
}

// Tab follows the template order through the controls that take keyboard focus; group
// boxes go below the controls they frame.
void ArrangeControls(const QList<QWidget*>& controls) {
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (!(control->focusPolicy() & Qt::TabFocus))
            continue;
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
    for (QWidget* control : controls) {
        if (qobject_cast<QGroupBox*>(control))
            control->lower();
    }
}

} // namespace

std::unique_ptr<DialogWindow> BuildDialog(const DialogTemplate& dialog, QWidget* parent) {
    auto window = std::make_unique<DialogWindow>(parent);
    window->setWindowFlags(WindowFlagsOf(dialog.style));
    window->setWindowTitle(ToQString(dialog.caption));
    window->setFont(FontOf(dialog));
    RegisterWindow(window.get());

    const DialogBaseUnits baseUnits = BaseUnitsOf(window->font());
    window->SetBaseUnits(baseUnits);
    const QSize size = DialogUnitsToPixels(QRect(0, 0, dialog.cx, dialog.cy), baseUnits).size();
    if (dialog.style & WS_THICKFRAME)
        window->resize(size);
    else
        window->setFixedSize(size);

    QList<QWidget*> controls;
    for (const DialogItemTemplate& item : dialog.items) {
        QWidget* control = CreateControl(item, window.get());
        control->setGeometry(
            DialogUnitsToPixels(QRect(item.x, item.y, item.cx, item.cy), baseUnits));
        controls.append(control);
    }
    ArrangeControls(controls);
    window->SetControls(controls);
    PlaceOnScreen(*window, dialog, baseUnits);
    return window;
}

} // namespace framework
