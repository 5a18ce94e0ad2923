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

int CWinApp::Run() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (!CWnd::WalkPreTranslateTree(nullptr, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    return ExitInstance();
}

int CWinApp::ExitInstance() { return 0; }

int CWinApp::Start(HINSTANCE instance, char* commandLineTail, int showCommand) {
    m_hInstance = instance;
    m_lpCmdLine = commandLineTail;
    m_nCmdShow = showCommand;
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    if (!InitInstance()) return ExitInstance();
    return Run();
}
