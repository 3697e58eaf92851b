// Identifiers of the program's resources and of the solver dialog's controls.
#pragma once

#define IDD_SOLVER_DIALOG 102
#define IDR_MAINFRAME 128

#define IDC_SELECTION 1000
#define IDC_SOLVE 1001
#define IDC_SOLUTIONS 1002
#define IDC_CLIPBOARD 1003
#define IDC_QUICK_SOLVE 1004
