#pragma once
// A real main window, created modeless from its template, for tests that drive it with messages.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "resources/resource.h"
#include "support/TestSupport.h"
#include "ui/MainWindow.h"

// Each test starts as a first run, and never reads or writes the user's own settings.
const char kTestSettingsKey[] = "Software\\CorvantileTest\\MainWindow";

inline RECT WindowRectOf(HWND hwnd) {
    RECT r = {};
    GetWindowRect(hwnd, &r);
    return r;
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, kTestSettingsKey);
        Start();
    }
    void Start() {
        window = new MainWindow(kTestSettingsKey);
        window->SetCommandLine(commandLine.empty() ? nullptr : commandLine.c_str());
        window->HeadStartCommandLine();  // as the application does
        ASSERT_TRUE(window->Create(IDD_MAIN, nullptr));
        PumpMessages(50);  // the posted after-init step
    }
    // A next run of the program, on what this one leaves behind and what meanwhile() changes.
    template <class Meanwhile>
    void Restart(Meanwhile meanwhile) {
        window->DestroyWindow();
        delete window;
        meanwhile();
        Start();
    }
    void Restart() {
        Restart([] {});
    }
    void TearDown() override {
        if (window->m_hWnd) window->DestroyWindow();
        delete window;
        RegDeleteTreeA(HKEY_CURRENT_USER, kTestSettingsKey);
    }

    void Command(UINT id, int times = 1) {
        for (int i = 0; i < times; ++i) SendMessageW(window->m_hWnd, WM_COMMAND, id, 0);
    }
    UINT MenuState(UINT id, HMENU menu = nullptr) const {
        return GetMenuState(menu ? menu : GetMenu(window->m_hWnd), id, MF_BYCOMMAND);
    }
    bool Grayed(UINT id, HMENU menu = nullptr) const { return (MenuState(id, menu) & MF_GRAYED) != 0; }
    bool Checked(UINT id) const { return (MenuState(id) & MF_CHECKED) != 0; }
    std::wstring PaneText(int pane) const {
        wchar_t text[600] = {};
        SendMessageW(Child(IDC_STATUSBAR), SB_GETTEXTW, pane, reinterpret_cast<LPARAM>(text));
        return text;
    }
    std::wstring Title() const {
        wchar_t text[100] = {};
        GetWindowTextW(window->m_hWnd, text, 100);
        return text;
    }
    HWND Child(int id) const { return GetDlgItem(window->m_hWnd, id); }
    // The information panel: the main window's one dialog child.
    HWND Panel() const { return FindWindowExW(window->m_hWnd, nullptr, L"#32770", nullptr); }
    int ToolbarImage(UINT id) const {
        TBBUTTON button = {};
        LRESULT index = SendMessageW(Child(IDC_TOOLBAR), TB_COMMANDTOINDEX, id, 0);
        return SendMessageW(Child(IDC_TOOLBAR), TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button)) ? button.iBitmap : -1;
    }
    // The toolbar brought up to date, as the pointer leaving its buttons does.
    void RefreshToolbar() const { SendMessageW(window->m_hWnd, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0); }
    bool FileOpen() const {
        RefreshToolbar();
        return SendMessageW(Child(IDC_TOOLBAR), TB_ISBUTTONENABLED, ID_PLAY_PAUSE, 0) != 0;
    }
    // The play/pause button shows its pause picture while the file plays.
    bool Playing() const {
        RefreshToolbar();
        return ToolbarImage(ID_PLAY_PAUSE) == 5;
    }
    // The clock pane's position and length in seconds; false when it shows none.
    bool Clock(int* position, int* length) const {
        int h1, m1, s1, h2, m2, s2;
        if (swscanf(PaneText(1).c_str(), L" %d:%d:%d / %d:%d:%d", &h1, &m1, &s1, &h2, &m2, &s2) != 6) return false;
        *position = (h1 * 60 + m1) * 60 + s1;
        *length = (h2 * 60 + m2) * 60 + s2;
        return true;
    }
    int ClockPosition() const {
        int position = -1, length = -1;
        return Clock(&position, &length) ? position : -1;
    }
    // Full screen or frameless: the frame is gone.
    bool InWindowMode() const { return !(GetWindowLongW(window->m_hWnd, GWL_STYLE) & WS_CAPTION); }
    bool InFullScreen() const {
        RECT screen = FullScreenRect(GetSystemMetrics(SM_CXFRAME), GetSystemMetrics(SM_CYFRAME),
                                     GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
        RECT r = WindowRectOf(window->m_hWnd);
        return InWindowMode() && EqualRect(&r, &screen);
    }
    // Dispatches as the program's modal loop does: each message goes to PreTranslateMessage first.
    void PumpAsDialog(DWORD ms = 10) {
        DWORD start = GetTickCount();
        do {
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (CWnd::WalkPreTranslateTree(window->m_hWnd, &msg)) continue;
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        } while (GetTickCount() - start < ms);
    }
    // No name, no picture, no filters, and the commands that need a file greyed.
    bool NothingOpen() const {
        return PaneText(0).empty() && !FileOpen() && !GetWindow(Child(IDC_VIDEOHOST), GW_CHILD) &&
               SendDlgItemMessageW(Panel(), IDC_FILTER_LIST, LB_GETCOUNT, 0, 0) == 0;
    }

    MainWindow* window = nullptr;
    std::string commandLine;
};
