// DialogWindow: the top-level widget behind a CDialog while DoModal runs.
//
// Its toolkit events become messages for the dialog's message map (paint -> WM_PAINT,
// Escape and the close box -> IDCANCEL; see message_bridge.cpp). It also carries the
// window-state duties of the original dialog: starting minimised for real under an X window
// manager, showing only the icon while minimised (the controls are hidden, so nothing but
// OnPaint's drawing shows) and giving the focus back to the same control when restored.
// It knows nothing of templates (dialog_builder.cpp) or of any particular dialog.
#pragma once

#include <QDialog>
#include <QList>
#include <QPointer>

#include "framework/emulated/dialog_units.h"

namespace framework {

class DialogWindow : public QDialog {
public:
    explicit DialogWindow(QWidget* parent = nullptr);

    // The template's controls in template order, for focus and minimised painting.
    void SetControls(const QList<QWidget*>& controls);
    const QList<QPointer<QWidget>>& Controls() const { return m_controls; }

    // The base units of the dialog's font, by which its template was placed.
    void SetBaseUnits(DialogBaseUnits baseUnits) { m_baseUnits = baseUnits; }
    DialogBaseUnits BaseUnits() const { return m_baseUnits; }

    // SW_MINIMIZE: minimises now, or, before the window is first shown, makes it start
    // minimised (on X: asks the window manager; see dialog_window.cpp).
    void RequestMinimised();
    // Puts the focus on the first enabled tab stop, now or when the window is restored.
    void FocusFirstTabStop();

    // True while a paint event is being delivered as WM_PAINT: the one time a CPaintDC may
    // paint on the window.
    bool IsPainting() const { return m_painting; }

protected:
    void paintEvent(QPaintEvent* event) override; // message_bridge.cpp
    void reject() override;                       // message_bridge.cpp
    void accept() override;                       // message_bridge.cpp
    void changeEvent(QEvent* event) override;

private:
    void SetControlsShown(bool shown);

    QList<QPointer<QWidget>> m_controls;
    QList<QPointer<QWidget>> m_hiddenWhileMinimised;
    QPointer<QWidget> m_focusAfterRestore;
    bool m_painting = false;
    DialogBaseUnits m_baseUnits;
};

} // namespace framework
