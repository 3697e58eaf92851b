// The window-system calls with null, unknown and stale handles (they must do nothing and
// return the classic error value), and with live ones where they report sizes.
#include <QtTest>

#include "tests/framework/test_support.h"

namespace {

// Handles to try: null, never issued, and one whose window has gone.
QList<HWND> BadHandles() {
    fwtest::SolverTemplateDialog dialog;
    HWND stale = nullptr;
    fwtest::RunModal(dialog, [&] { stale = dialog.m_hWnd; });
    return {nullptr, reinterpret_cast<HWND>(0x4711), stale};
}

} // namespace

class WinApiTest : public fwtest::ProgramTest {
    Q_OBJECT

private slots:
    void badWindowHandlesAreHarmless() {
        for (HWND bad : BadHandles()) {
            QCOMPARE(::SendMessageA(bad, WM_PASTE, 0, 0), LRESULT{0});
            QCOMPARE(::SendMessageA(bad, WM_SETICON, ICON_BIG, 0), LRESULT{0});
            QCOMPARE(::SendMessageA(bad, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("X")),
                     LRESULT{LB_ERR});
            QCOMPARE(::IsIconic(bad), FALSE);
            RECT rect{1, 2, 3, 4};
            QCOMPARE(::GetClientRect(bad, &rect), FALSE);
            QCOMPARE(rect.right + rect.bottom + rect.left + rect.top, 0);

            CWnd window;
            window.m_hWnd = bad;
            CString text("old");
            QCOMPARE(window.GetDlgItemText(IDC_SELECTION, text), 0);
            window.SetDlgItemText(IDC_SELECTION, "ignored");
            QCOMPARE(window.ShowWindow(SW_MINIMIZE), FALSE);
            QCOMPARE(window.IsIconic(), FALSE);
            CPaintDC dc(&window);
            QVERIFY(!dc.GetSafeHdc());
        }
    }

    void paintingOutsideAPaintEventDoesNothing() {
        fwtest::WithSolverTemplate([](fwtest::SolverTemplateDialog& dialog) {
            const HICON icon = ::LoadIconA(AfxFindResourceHandle(nullptr, nullptr),
                                           MAKEINTRESOURCE(IDR_MAINFRAME));
            CPaintDC dc(&dialog);
            QVERIFY(!dc.GetSafeHdc());
            QCOMPARE(dc.DrawIcon(0, 0, icon), FALSE);
            QCOMPARE(dialog.SendMessage(WM_ICONERASEBKGND, 0, 0), LRESULT{0});
            QCOMPARE(::DrawIcon(reinterpret_cast<HDC>(0x4711), 0, 0, icon), FALSE);
        });
        CPaintDC noWindow(nullptr);
        QVERIFY(!noWindow.GetSafeHdc());
    }

    void clientRectAndIconMetricsReportSizes() {
        fwtest::WithSolverTemplate([](fwtest::SolverTemplateDialog& dialog) {
            CRect rect;
            dialog.GetClientRect(&rect);
            QCOMPARE(QSize(rect.Width(), rect.Height()), fwtest::Window(dialog)->size());
        });
        QCOMPARE(GetSystemMetrics(SM_CXICON), 32);
        QCOMPARE(GetSystemMetrics(SM_CYICON), 32);
        QCOMPARE(GetSystemMetrics(0), 0);
    }
};

QTEST_MAIN(WinApiTest)
#include "win_api_test.moc"
