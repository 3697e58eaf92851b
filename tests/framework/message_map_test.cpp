// Message map dispatch: entries found in the class's own map and its bases', BN_CLICKED by
// control id, WM_PAINT and WM_QUERYDRAGICON handlers, and commands a dialog does not handle
// reaching the application object (ID_HELP).
#include <QPushButton>
#include <QtTest>

#include "tests/framework/test_support.h"

namespace {

QStringList calls;

// The application object of this test program; its map is the program's, plus a recorder.
class TestApp : public CWinApp {
public:
    afx_msg void OnRecordedCommand() { calls << "app"; }
    DECLARE_MESSAGE_MAP()
};

constexpr UINT kRecordedCommand = 0x8001;

BEGIN_MESSAGE_MAP(TestApp, CWinApp)
ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
ON_COMMAND(kRecordedCommand, &TestApp::OnRecordedCommand)
END_MESSAGE_MAP()

TestApp theTestApp;

class BaseDialog : public CDialog {
public:
    BaseDialog() : CDialog(fwtest::kTestDialogId) {}

protected:
    afx_msg void OnFirstInBase() { calls << "base first"; }
    afx_msg void OnSecondInBase() { calls << "base second"; }
    afx_msg void OnPaint() { calls << "base paint"; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseDialog, CDialog)
ON_BN_CLICKED(fwtest::kFirstButton, &BaseDialog::OnFirstInBase)
ON_BN_CLICKED(fwtest::kSecondButton, &BaseDialog::OnSecondInBase)
ON_WM_PAINT()
END_MESSAGE_MAP()

// Overrides one button of its base and adds a drag icon; the other button and painting come
// from the base's map.
class DerivedDialog : public BaseDialog {
protected:
    afx_msg void OnSecondInDerived() { calls << "derived second"; }
    afx_msg HCURSOR OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(0x1234); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedDialog, BaseDialog)
ON_BN_CLICKED(fwtest::kSecondButton, &DerivedDialog::OnSecondInDerived)
ON_WM_QUERYDRAGICON()
END_MESSAGE_MAP()

} // namespace

class MessageMapTest : public fwtest::ProgramTest {
    Q_OBJECT

private slots:
    void initTestCase() { fwtest::RegisterTestDialog(); }
    void init() { calls.clear(); }

    void clicksReachTheMostDerivedHandlerOfTheirId() {
        DerivedDialog dialog;
        fwtest::RunModal(dialog, [&] {
            fwtest::Control<QPushButton>(dialog, fwtest::kFirstButton)->click();
            fwtest::Control<QPushButton>(dialog, fwtest::kSecondButton)->click();
        });
        QCOMPARE(calls, QStringList({"base first", "derived second"}));
    }

    void wmCommandMatchesIdAndNotificationCode() {
        DerivedDialog dialog;
        fwtest::RunModal(dialog, [&] {
            dialog.SendMessage(WM_COMMAND, MAKEWPARAM(fwtest::kFirstButton, BN_CLICKED), 0);
            dialog.SendMessage(WM_COMMAND, MAKEWPARAM(fwtest::kFirstButton, 5), 0); // other code
            dialog.SendMessage(WM_COMMAND, MAKEWPARAM(4711, BN_CLICKED), 0);        // no entry
        });
        QCOMPARE(calls, QStringList({"base first"}));
    }

    void paintAndDragIconMessagesReachTheirHandlers() {
        DerivedDialog dialog;
        fwtest::RunModal(dialog, [&] {
            fwtest::Window(dialog)->grab(); // a paint event, delivered as WM_PAINT
            QCOMPARE(dialog.SendMessage(WM_QUERYDRAGICON), LRESULT{0x1234});
            QCOMPARE(dialog.SendMessage(0x7FFF), LRESULT{0}); // unhandled: the default, 0
        });
        QVERIFY(calls.contains("base paint"));
    }

    void commandsTheDialogDoesNotHandleReachTheApplication() {
        QCOMPARE(AfxGetApp(), static_cast<CWinApp*>(&theTestApp));
        DerivedDialog dialog;
        fwtest::RunModal(dialog, [&] {
            dialog.SendMessage(WM_COMMAND, MAKEWPARAM(kRecordedCommand, 0), 0);
            dialog.SendMessage(WM_COMMAND, MAKEWPARAM(ID_HELP, 0), 0);
        });
        QCOMPARE(calls, QStringList({"app"}));
        QCOMPARE(theTestApp.OnCmdMsg(ID_HELP, 0), TRUE); // CWinApp::OnHelp, which does nothing
        QCOMPARE(theTestApp.OnCmdMsg(4711, 0), FALSE);
    }
};

QTEST_MAIN(MessageMapTest)
#include "message_map_test.moc"
