// The application object (see win_app.h).
#include "framework/win_app.h"

namespace {
CWinApp* theApplication = nullptr;
} // namespace

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

CWinApp::CWinApp(const char* appName) : m_appName(appName ? appName : "") {
    // The first one constructed is the application; the framework has room for one.
    if (!theApplication)
        theApplication = this;
}

CWinApp::~CWinApp() {
    if (theApplication == this)
        theApplication = nullptr;
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

void CWinApp::SetRegistryKey(LPCSTR key) {
    m_registryKey = key ? key : "";
}

void CWinApp::OnHelp() {}

CWinApp* AfxGetApp() {
    return theApplication;
}

#ifndef _WIN32
void InitCommonControls() {}
#endif

void AfxEnableControlContainer() {}
