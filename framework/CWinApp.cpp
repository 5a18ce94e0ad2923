#include "framework/CWinApp.h"

#include <commctrl.h>

#include "framework/CDialog.h"

namespace {
CWinApp* theOneApp = nullptr;
}

CWinApp::CWinApp() { theOneApp = this; }

CWinApp::~CWinApp() {
    if (theOneApp == this) theOneApp = nullptr;
}

CWinApp* AfxGetApp() { return theOneApp; }

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return 0; }

int CWinApp::Start(HINSTANCE instance, char* commandLineTail) {
    m_hInstance = instance;
    m_lpCmdLine = commandLineTail;
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    InitInstance();
    return ExitInstance();
}
