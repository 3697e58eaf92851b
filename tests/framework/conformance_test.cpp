// What the program relies on from the framework, stated with its public API alone (afxwin.h
// and the program's dialog template 102), so that one source runs unchanged against every
// backend: Qt on the offscreen platform, Win32 under Wine or Windows, and the page in a
// browser.
//
// The tests run inside the framework's own start-up: the application object's InitInstance
// runs them, and each one works on a modal dialog from its OnInitDialog, when the window and
// its controls exist. The clipboard is reached only through the edit boxes (WM_COPY, WM_PASTE).
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <utility>

#include "framework/afxwin.h"
#include "res/resource.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>

// A page's text box holds one line (the browser drops the line breaks of its value), so there
// the tests put their texts on the clipboard themselves.
EM_ASYNC_JS(void, WriteClipboard, (const char* text), {
    await navigator.clipboard.writeText(UTF8ToString(text));
});
#endif

namespace {

constexpr int kEndedByTest = 4242;

// Template 102 with its controls bound as the program binds them. `steps` run inside
// OnInitDialog; then the dialog ends with kEndedByTest unless it was cancelled.
class SolverDialog : public CDialog {
public:
    using Steps = std::function<void(SolverDialog&)>;
    explicit SolverDialog(Steps steps) : CDialog(IDD_SOLVER_DIALOG), m_steps(std::move(steps)) {}

    CEdit m_selection;
    CEdit m_clipboard;
    CListBox m_solutions;
    int m_solves = 0;
    int m_cancels = 0;

    std::string Text(int id) const {
        CString text;
        GetDlgItemText(id, text);
        return static_cast<const char*>(text);
    }
    // The clipboard's text, read by pasting it over the whole selection box.
    std::string PastedClipboard() {
        SetDlgItemText(IDC_SELECTION, "");
        m_selection.Paste();
        return Text(IDC_SELECTION);
    }
    void PutOnClipboard(const char* text) {
#ifdef __EMSCRIPTEN__
        WriteClipboard(text);
#else
        SetDlgItemText(IDC_CLIPBOARD, text);
        m_clipboard.SetSel(0, -1);
        m_clipboard.Copy();
#endif
    }
    LRESULT Command(int id, WORD code = BN_CLICKED) {
        return SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), code), 0);
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_SELECTION, m_selection);
        DDX_Control(pDX, IDC_CLIPBOARD, m_clipboard);
        DDX_Control(pDX, IDC_SOLUTIONS, m_solutions);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_steps(*this);
        if (m_cancels == 0)
            EndDialog(kEndedByTest);
        return TRUE;
    }
    void OnCancel() override {
        ++m_cancels;
        CDialog::OnCancel();
    }
    afx_msg void OnSolve() { ++m_solves; }
    DECLARE_MESSAGE_MAP()

private:
    Steps m_steps;
};

BEGIN_MESSAGE_MAP(SolverDialog, CDialog)
ON_BN_CLICKED(IDC_SOLVE, &SolverDialog::OnSolve)
END_MESSAGE_MAP()

INT_PTR RunSolverDialog(const SolverDialog::Steps& steps) {
    SolverDialog dialog(steps);
    return dialog.DoModal();
}

TEST(EditBox, PasteReplacesTheSelectionWithCapitals) {
    RunSolverDialog([](SolverDialog& dialog) {
        dialog.SetDlgItemText(IDC_SELECTION, "quick");
        EXPECT_EQ(dialog.Text(IDC_SELECTION), "QUICK"); // set text takes capitals too

        dialog.PutOnClipboard("xy");
        dialog.SetDlgItemText(IDC_SELECTION, "ABCDEF");
        ::SendMessageA(dialog.m_selection.m_hWnd, EM_SETSEL, 2, 4);
        ::SendMessageA(dialog.m_selection.m_hWnd, WM_PASTE, 0, 0);
        EXPECT_EQ(dialog.Text(IDC_SELECTION), "ABXYEF");
        ::SendMessageA(dialog.m_selection.m_hWnd, EM_SETSEL, 0, -1);
        dialog.m_selection.Paste();
        EXPECT_EQ(dialog.Text(IDC_SELECTION), "XY");
    });
}

TEST(EditBox, EveryLineBreakOfAPasteBecomesOneSpace) {
    RunSolverDialog([](SolverDialog& dialog) {
        const struct {
            const char* copied;
            const char* pasted;
        } cases[] = {{"ab\r\ncd", "AB CD"}, {"ab\ncd\n", "AB CD "}, {"a\rb\rc", "A B C"},
                     {"a\r\n\nb", "A  B"}};
        for (const auto& c : cases) {
            dialog.PutOnClipboard(c.copied);
            EXPECT_EQ(dialog.PastedClipboard(), c.pasted) << "copied: " << c.copied;
        }
    });
}

TEST(EditBox, CopyWithNothingSelectedAndPasteIntoReadOnlyChangeNothing) {
    RunSolverDialog([](SolverDialog& dialog) {
        dialog.PutOnClipboard("KEEP");
        dialog.SetDlgItemText(IDC_CLIPBOARD, "OTHER");
        dialog.m_clipboard.SetSel(-1, 0);
        dialog.m_clipboard.Copy();
        dialog.SetDlgItemText(IDC_CLIPBOARD, "");
        dialog.m_clipboard.SetSel(0, -1);
        dialog.m_clipboard.Copy();
        EXPECT_EQ(dialog.PastedClipboard(), "KEEP");

        dialog.SetDlgItemText(IDC_CLIPBOARD, "MINE"); // the read-only box
        dialog.m_clipboard.SetSel(0, -1);
        dialog.m_clipboard.Paste();
        EXPECT_EQ(dialog.Text(IDC_CLIPBOARD), "MINE");
    });
}

TEST(EditBox, TextIsReadInBytesAndAMissingControlReadsEmpty) {
    RunSolverDialog([](SolverDialog& dialog) {
        dialog.SetDlgItemText(IDC_SELECTION, "STAINER");
        CString text;
        EXPECT_EQ(dialog.GetDlgItemText(IDC_SELECTION, text), 7);
        EXPECT_STREQ(static_cast<const char*>(text), "STAINER");
        EXPECT_EQ(dialog.GetDlgItemText(4711, text), 0);
        EXPECT_TRUE(text.IsEmpty());
    });
}

TEST(ListBox, KeepsRowsInTheOrderAddedUntilReset) {
    RunSolverDialog([](SolverDialog& dialog) {
        const HWND list = dialog.m_solutions.m_hWnd;
        const char* words[] = {"SCAT", "ACTS", "RETAINS", "ACTS"};
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(words[i])), i);
        ASSERT_EQ(dialog.m_solutions.GetCount(), 4);
        CString text;
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(dialog.m_solutions.GetText(i, text), static_cast<int>(std::strlen(words[i])));
            EXPECT_STREQ(static_cast<const char*>(text), words[i]);
        }
        EXPECT_EQ(dialog.m_solutions.GetText(4, text), LB_ERR);

        ::SendMessageA(list, LB_RESETCONTENT, 0, 0);
        EXPECT_EQ(dialog.m_solutions.GetCount(), 0);
        for (int i = 0; i < 5000; ++i) // the list is filled one row at a time
            ASSERT_EQ(dialog.m_solutions.AddString(std::to_string(i).c_str()), i);
        EXPECT_EQ(dialog.m_solutions.GetText(4999, text), 4);
        EXPECT_STREQ(static_cast<const char*>(text), "4999");
    });
}

TEST(Dialog, CommandsGoThroughTheMessageMap) {
    SolverDialog dialog([](SolverDialog& d) {
        EXPECT_EQ(d.Command(IDC_SOLVE), 0);
        EXPECT_EQ(d.Command(IDC_QUICK_SOLVE), 0); // not in this map
        EXPECT_EQ(d.Command(IDC_SOLVE, 1), 0);    // not a click
        EXPECT_EQ(d.m_solves, 1);
        d.Command(IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.m_cancels, 1);
}

TEST(Dialog, DoModalBindsTheControlsAndReturnsTheEndCode) {
    SolverDialog dialog([](SolverDialog& d) {
        EXPECT_TRUE(d.m_hWnd);
        EXPECT_TRUE(d.m_selection.m_hWnd && d.m_clipboard.m_hWnd && d.m_solutions.m_hWnd);
        EXPECT_NE(d.m_selection.m_hWnd, d.m_clipboard.m_hWnd);
        CRect client;
        d.GetClientRect(&client);
        EXPECT_GT(client.Width(), 0);
        EXPECT_GT(client.Height(), client.Width()); // a tall window
    });
    EXPECT_EQ(dialog.DoModal(), kEndedByTest);
    EXPECT_FALSE(dialog.m_hWnd || dialog.m_selection.m_hWnd || dialog.m_solutions.m_hWnd);

    CDialog missing(4711);
    EXPECT_EQ(missing.DoModal(), -1);
}

TEST(Dialog, MinimisesAndRestores) {
#ifdef __EMSCRIPTEN__
    GTEST_SKIP() << "a page is shown at once and never minimised";
#endif
    RunSolverDialog([](SolverDialog& dialog) {
        EXPECT_FALSE(dialog.IsIconic());
        dialog.ShowWindow(SW_MINIMIZE); // as the program does while it starts
        EXPECT_TRUE(dialog.IsIconic());
        EXPECT_TRUE(::IsIconic(dialog.m_hWnd));
        dialog.ShowWindow(SW_RESTORE);
        EXPECT_FALSE(dialog.IsIconic());
    });
}

// The window system's MulDiv, by which dialog units become pixels: the product in 64 bits,
// rounded half away from zero; -1 for a zero denominator or a result that does not fit.
TEST(WindowSystem, MulDivRoundsHalfAwayFromZero) {
    const struct {
        int number, numerator, denominator, result;
    } cases[] = {{8, 7, 4, 14},     {143, 7, 4, 250},  {294, 14, 8, 515}, {1, 7, 4, 2},
                 {-3, 5, 2, -8},    {3, 5, -2, -8},    {-3, -5, -2, -8},  {5, 1, 0, -1},
                 {INT_MAX, 2, 1, -1}, {INT_MAX, INT_MAX, INT_MAX, INT_MAX}};
    for (const auto& c : cases)
        EXPECT_EQ(::MulDiv(c.number, c.numerator, c.denominator), c.result)
            << c.number << " * " << c.numerator << " / " << c.denominator;
}

// A dialog places its controls by its font's base units: x and width in dialog units by
// base.x / 4, y and height by base.y / 8, each rounded as MulDiv rounds; its client area is
// its template's size so converted.
TEST(Dialog, MapsDialogUnitsByItsFontsBaseUnits) {
    RunSolverDialog([](SolverDialog& dialog) {
        CRect base(0, 0, 4, 8);
        dialog.MapDialogRect(&base);
        ASSERT_GT(base.right, 0);
        ASSERT_GT(base.bottom, 0);
        const CRect rects[] = {{7, 6, 132, 39}, {1, 1, 2, 3}, {-3, -5, 3, 5}, {0, 0, 143, 294}};
        for (const CRect& units : rects) {
            CRect pixels = units;
            dialog.MapDialogRect(&pixels);
            EXPECT_EQ(pixels.left, ::MulDiv(units.left, base.right, 4));
            EXPECT_EQ(pixels.right, ::MulDiv(units.right, base.right, 4));
            EXPECT_EQ(pixels.top, ::MulDiv(units.top, base.bottom, 8));
            EXPECT_EQ(pixels.bottom, ::MulDiv(units.bottom, base.bottom, 8));
        }
        CRect size(0, 0, 143, 294); // the template's
        dialog.MapDialogRect(&size);
        CRect client;
        dialog.GetClientRect(&client);
        EXPECT_EQ(client.Width(), size.Width());
        EXPECT_EQ(client.Height(), size.Height());
    });
}

TEST(Resources, TheMainIconLoadsOnceFromTheModule) {
    const HINSTANCE module =
        AfxFindResourceHandle(MAKEINTRESOURCE(IDR_MAINFRAME), RT_GROUP_ICON);
    const HICON icon = ::LoadIconA(module, MAKEINTRESOURCE(IDR_MAINFRAME));
    ASSERT_TRUE(icon);
    EXPECT_EQ(::LoadIconA(module, MAKEINTRESOURCE(IDR_MAINFRAME)), icon);
    EXPECT_FALSE(::LoadIconA(module, MAKEINTRESOURCE(4711)));
    RunSolverDialog([icon](SolverDialog& dialog) {
        const LPARAM handle = reinterpret_cast<LPARAM>(icon);
        EXPECT_EQ(dialog.SendMessage(WM_SETICON, ICON_BIG, handle), 0);
        EXPECT_EQ(dialog.SendMessage(WM_SETICON, ICON_BIG, handle), handle);
    });
}

// Runs the tests once the toolkit is up. The framework ends the process with status 0 when
// InitInstance returns FALSE, so a failed run ends it here with status 1.
class ConformanceApp : public CWinApp {
public:
    BOOL InitInstance() override {
        CWinApp::InitInstance();
        testing::InitGoogleTest();
        const int status = RUN_ALL_TESTS() == 0 ? 0 : 1;
#ifdef __EMSCRIPTEN__
        // A page does not end: this line tells the browser tests the outcome.
        std::printf("conformance exit status: %d\n", status);
        std::fflush(nullptr);
        std::_Exit(status);
#endif
        if (status != 0) {
            std::fflush(nullptr);
            std::_Exit(1);
        }
        return FALSE;
    }
};

ConformanceApp theApp;

} // namespace
