// A program on the framework's own entry point: InitInstance runs with the toolkit started,
// and returning FALSE ends the process with status 0.
#include <QApplication>
#include <cstdio>

#include "framework/afxwin.h"

namespace {

class CheckApp : public CWinApp {
public:
    BOOL InitInstance() override {
        CWinApp::InitInstance();
        const bool started = qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
        std::puts(started && AfxGetApp() == this ? "InitInstance ran" : "no toolkit");
        return FALSE;
    }
};

CheckApp theApp;

} // namespace
