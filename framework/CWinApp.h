#pragma once
// The application object: one global instance whose InitInstance runs the program.
#include <windows.h>

class CWnd;

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Start-up hook; returning false ends the process without a message loop of the application's own.
    virtual BOOL InitInstance();
    virtual int ExitInstance();

    HINSTANCE m_hInstance = nullptr;
    char* m_lpCmdLine = nullptr;  // command-line tail after the program's own name
    CWnd* m_pMainWnd = nullptr;

    // The process entry's work: record the arguments and run InitInstance. The program's only
    // message loop is its main window's modal loop, so nothing runs after InitInstance returns.
    int Start(HINSTANCE instance, char* commandLineTail);
};

CWinApp* AfxGetApp();
