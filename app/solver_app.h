// CSolverApp: the application object. The framework starts it, it runs the solver dialog
// modally, and the program ends when the dialog closes. There is no main frame, no
// document, no command line and no stored setting.
#pragma once

#include "framework/afxwin.h"

class CSolverApp : public CWinApp {
public:
    CSolverApp();

    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};

extern CSolverApp theApp;
