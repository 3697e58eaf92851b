// CWinApp: the application object. Exactly one exists, usually a global; the framework's
// start-up code (velmora_winmain, which owns main) starts the toolkit and calls its
// InitInstance, and ends the process when that returns FALSE.
//
// It also receives the commands a window does not handle (ID_HELP). It keeps no settings:
// the registry key is only stored.
#pragma once

#include <string>

#include "framework/message_map.h"

class CWnd;

class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;

    // Called once after start-up; FALSE ends the application without an event loop.
    virtual BOOL InitInstance();

    void SetRegistryKey(LPCSTR key);
    const char* GetRegistryKey() const { return m_registryKey.c_str(); }
    const char* GetAppName() const { return m_appName.c_str(); }

    // There is no help file, so help does nothing.
    afx_msg void OnHelp();

    CWnd* m_pMainWnd = nullptr;

    DECLARE_MESSAGE_MAP()

private:
    std::string m_appName;
    std::string m_registryKey;
};

// The one application object, or null before it is constructed.
CWinApp* AfxGetApp();

// Kept for the program's start-up sequence; nothing relies on an effect of theirs. On
// Windows InitCommonControls is the system's (comctl32).
#ifdef _WIN32
#include <commctrl.h>
#else
void InitCommonControls();
#endif
void AfxEnableControlContainer();
