// The Windows program's controls as a screen reader in another process reads them through
// Windows' accessibility layer: oleacc's AccessibleObjectFromWindow on each control of a
// running velmora.exe, which this test starts (the program's path is its one argument). No
// code of the program runs in this process: the names come from the system's own rule, an
// edit box or a list box is named after the static just before it in the window order, and
// the framework puts a hidden label there.
//
// Wine 8's oleacc names edit boxes by that rule but gives a list box no name at all, and it
// knows the role of an edit box only (a button or list box is a plain "client"). Windows
// names the list box "Solutions" too, and reports push buttons and the list as such; here
// that is checked as far as Wine allows: the list reads no name or that one, the hidden label
// "Solutions" is right before it, and a role is either the real one or Wine's "client".
#include <windows.h>
// clang-format off
#include <initguid.h> // defines IID_IAccessible, which mingw's oleacc library lacks
#include <oleacc.h>
#include <tlhelp32.h>
// clang-format on

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "res/resource.h"

namespace {

std::string g_program; // the program under test, a Windows path

// What oleacc reports of a control: its name (empty for none) and role.
struct Reported {
    std::wstring name;
    long role = 0;
};

Reported ReportedFor(HWND control) {
    Reported reported;
    IAccessible* accessible = nullptr;
    if (FAILED(::AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                            IID_IAccessible,
                                            reinterpret_cast<void**>(&accessible))))
        return reported;
    VARIANT self, role;
    ::VariantInit(&self);
    ::VariantInit(&role);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    if (accessible->get_accName(self, &name) == S_OK && name)
        reported.name = name;
    ::SysFreeString(name);
    if (accessible->get_accRole(self, &role) == S_OK && role.vt == VT_I4)
        reported.role = role.lVal;
    accessible->Release();
    return reported;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    ::GetClassNameA(window, name, sizeof name);
    return name;
}

// The process that started `process` (0 when unknown).
DWORD ParentOf(DWORD process) {
    DWORD parent = 0;
    const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32First(snapshot, &entry); more; more = ::Process32Next(snapshot, &entry))
        parent = entry.th32ProcessID == process ? entry.th32ParentProcessID : parent;
    ::CloseHandle(snapshot);
    return parent;
}

bool IsShown(HWND window) {
    return (::GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

// The program, started once for all tests and ended after them.
class AccessibleNames : public testing::Test {
protected:
    static void SetUpTestSuite() {
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        std::string command = "\"" + g_program + "\"";
        ASSERT_TRUE(::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                     nullptr, &startup, &s_process))
            << "cannot start " << g_program;
        ::WaitForInputIdle(s_process.hProcess, 60000);
        for (DWORD waited = 0; !(s_dialog = DialogOfProgram()) && waited < 60000; waited += 50)
            ::Sleep(50); // polls for the window, for at most a minute
        ASSERT_TRUE(s_dialog) << "no Velmora window";
    }

    static void TearDownTestSuite() {
        if (s_dialog)
            ::PostMessageA(s_dialog, WM_CLOSE, 0, 0);
        if (::WaitForSingleObject(s_process.hProcess, 30000) != WAIT_OBJECT_0)
            ::TerminateProcess(s_process.hProcess, 1);
        ::CloseHandle(s_process.hThread);
        ::CloseHandle(s_process.hProcess);
    }

    static HWND DialogOfProgram() {
        HWND window = nullptr;
        while ((window = ::FindWindowExA(nullptr, window, nullptr, "Velmora"))) {
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            // Under Wine the program's first start in a prefix runs it once more (framework/README.md).
            // The window is there while its controls are still being made; it is shown (as a
            // taskbar button) only once they are all made and set up.
            if ((owner == s_process.dwProcessId || ParentOf(owner) == s_process.dwProcessId) &&
                ::IsWindowVisible(window))
                return window;
        }
        return nullptr;
    }

    static HWND Control(int id) { return ::GetDlgItem(s_dialog, id); }

    static inline PROCESS_INFORMATION s_process = {};
    static inline HWND s_dialog = nullptr;
};

TEST_F(AccessibleNames, EditBoxesAndButtonsAreNamedWithTheirRoles) {
    const struct {
        int id;
        const wchar_t* name;
        long role;
    } expected[] = {{IDC_SELECTION, L"Selection", ROLE_SYSTEM_TEXT},
                    {IDC_SOLVE, L"Solve", ROLE_SYSTEM_PUSHBUTTON},
                    {IDC_CLIPBOARD, L"Answer for the clipboard", ROLE_SYSTEM_TEXT},
                    {IDC_QUICK_SOLVE, L"Quick solve", ROLE_SYSTEM_PUSHBUTTON}};
    for (const auto& control : expected) {
        const Reported reported = ReportedFor(Control(control.id));
        EXPECT_EQ(reported.name, control.name) << "control " << control.id;
        EXPECT_TRUE(reported.role == control.role ||
                    (control.role != ROLE_SYSTEM_TEXT && reported.role == ROLE_SYSTEM_CLIENT))
            << "control " << control.id << " has role " << reported.role;
    }
}

TEST_F(AccessibleNames, TheListBoxHasItsLabelJustBeforeIt) {
    const HWND list = Control(IDC_SOLUTIONS);
    const Reported reported = ReportedFor(list);
    EXPECT_TRUE(reported.role == ROLE_SYSTEM_LIST || reported.role == ROLE_SYSTEM_CLIENT)
        << reported.role;
    EXPECT_TRUE(reported.name.empty() || reported.name == L"Solutions");
    const HWND label = ::GetWindow(list, GW_HWNDPREV);
    char text[16] = {};
    ::GetWindowTextA(label, text, sizeof text);
    EXPECT_EQ(ClassOf(label), "Static");
    EXPECT_STREQ(text, "Solutions");
    EXPECT_FALSE(IsShown(label));
}

// The labels change nothing else: the same ten controls show, Tab goes through the same five
// in template order, Solve is the default button.
TEST_F(AccessibleNames, LabelsLeaveTheWindowTabOrderAndDefaultButtonAsTheyWere) {
    int shown = 0, hidden = 0;
    for (HWND child = ::GetWindow(s_dialog, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        ++(IsShown(child) ? shown : hidden);
        if (!IsShown(child)) {
            EXPECT_EQ(ClassOf(child), "Static");
        }
    }
    EXPECT_EQ(shown, 10);
    EXPECT_EQ(hidden, 3);

    std::vector<int> tabOrder;
    HWND control = Control(IDC_SELECTION);
    for (int i = 0; i < 5; ++i) {
        control = ::GetNextDlgTabItem(s_dialog, control, FALSE);
        tabOrder.push_back(::GetDlgCtrlID(control));
    }
    EXPECT_EQ(tabOrder, std::vector<int>({IDC_SOLVE, IDC_SOLUTIONS, IDC_CLIPBOARD, IDC_QUICK_SOLVE,
                                          IDC_SELECTION}));
    const LRESULT defaultId = ::SendMessageA(s_dialog, DM_GETDEFID, 0, 0);
    EXPECT_EQ(HIWORD(defaultId), DC_HASDEFID);
    EXPECT_EQ(LOWORD(defaultId), IDC_SOLVE);
}

} // namespace

// accessible_names_test PROGRAM: PROGRAM is velmora.exe, as a Windows or a Unix path (Wine
// maps / to drive Z:).
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: accessible_names_test PROGRAM\n");
        return 2;
    }
    g_program = argv[1];
    if (g_program.front() == '/') {
        g_program.insert(0, "Z:");
        for (char& c : g_program)
            c = c == '/' ? '\\' : c;
    }
    ::CoInitialize(nullptr);
    const int result = RUN_ALL_TESTS();
    ::CoUninitialize();
    return result;
}
