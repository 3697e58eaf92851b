// The paint handler's device context (see paint_dc.h). The program never paints on a page:
// it only draws while minimised, which a page never is, so the HDC is always null.
#include "framework/paint_dc.h"

CPaintDC::CPaintDC(CWnd*) {}

CPaintDC::~CPaintDC() = default;

BOOL CPaintDC::DrawIcon(int, int, HICON) {
    return FALSE;
}
