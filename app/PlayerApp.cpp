#include "app/PlayerApp.h"

#include "ui/MainWindow.h"

BOOL PlayerApp::InitInstance() {
    MainWindow window;
    window.SetCommandLine(m_lpCmdLine);
    window.HeadStartCommandLine();
    m_pMainWnd = &window;
    window.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
