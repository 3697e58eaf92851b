// Helpers for the framework's widget tests: a modal dialog run with the test's steps inside
// its loop, a small dialog template and .ico files of the tests' own, and the widgets behind
// controls.
#pragma once

#include <QColor>
#include <QObject>
#include <QWidget>
#include <functional>
#include <vector>

#include "framework/afxwin.h"
#include "framework/qt/private/control_lookup.h"
#include "framework/resources.h"
#include "res/resource.h"

namespace fwtest {

// The base of the Qt Test classes that use the program's resources: QTEST_MAIN calls initMain
// before it makes the application, so they are registered first, as the framework's start-up
// registers them for the program.
class ProgramTest : public QObject {
public:
    static void initMain() { framework::RegisterProgramResources(); }
};

// What RunModal's DoModal returns when the steps left the dialog running.
inline constexpr int kEndedByTest = 4242;

// Runs dialog.DoModal(); `steps` run inside its modal loop (from a zero-delay timer), then the
// dialog is ended with kEndedByTest unless the steps ended it. Returns DoModal's result.
INT_PTR RunModal(CDialog& dialog, const std::function<void()>& steps);

// The program's dialog template 102 with its three controls bound as the program binds them.
class SolverTemplateDialog : public CDialog {
public:
    SolverTemplateDialog() : CDialog(IDD_SOLVER_DIALOG) {}
    CEdit m_selection;
    CEdit m_clipboard;
    CListBox m_solutions;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_SELECTION, m_selection);
        DDX_Control(pDX, IDC_CLIPBOARD, m_clipboard);
        DDX_Control(pDX, IDC_SOLUTIONS, m_solutions);
    }
};

// Runs template 102 modally with `steps` inside its loop.
void WithSolverTemplate(const std::function<void(SolverTemplateDialog&)>& steps);

// A test dialog (kTestDialogId): an upper-case edit box kTestEdit holding "paint me", push
// buttons kFirstButton (default) and kSecondButton, a static, all tab stops but the static.
inline constexpr UINT kTestDialogId = 9001;
inline constexpr int kTestEdit = 200;
inline constexpr int kFirstButton = 201;
inline constexpr int kSecondButton = 202;
void RegisterTestDialog();

// One image of an .ico file: a square of one colour, at 4, 8 or 24 bits per pixel.
struct IcoImage {
    int size;
    int bitCount;
    QColor colour;
};
std::vector<unsigned char> MakeIcoFile(const std::vector<IcoImage>& images);

// The widget of control `id` in the dialog window of `dialog`, as T.
template <class T = QWidget> T* Control(const CWnd& dialog, int id) {
    return qobject_cast<T*>(framework::ControlWidget(framework::WidgetFromHwnd(dialog.m_hWnd), id));
}

inline QWidget* Window(const CWnd& window) {
    return framework::WidgetFromHwnd(window.m_hWnd);
}

} // namespace fwtest
