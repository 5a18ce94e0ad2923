#pragma once
// A real main window, created modeless from its template, for tests that drive it with messages.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

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
        window = new MainWindow;
        window->settingsKeyPath = kTestSettingsKey;
        window->commandLine = commandLine.empty() ? nullptr : commandLine.c_str();
        ASSERT_TRUE(window->Create(IDD_MAIN, nullptr));
        PumpMessages(50);  // the posted after-init step
    }
    void TearDown() override {
        if (window->m_hWnd) window->DestroyWindow();
        delete window;
        RegDeleteTreeA(HKEY_CURRENT_USER, kTestSettingsKey);
    }

    void Command(UINT id, int times = 1) {
        for (int i = 0; i < times; ++i) SendMessageW(window->m_hWnd, WM_COMMAND, id, 0);
    }
    bool Grayed(UINT id, HMENU menu = nullptr) const {
        return (GetMenuState(menu ? menu : GetMenu(window->m_hWnd), id, MF_BYCOMMAND) & MF_GRAYED) != 0;
    }
    bool Checked(UINT id) const { return (GetMenuState(GetMenu(window->m_hWnd), id, MF_BYCOMMAND) & MF_CHECKED) != 0; }
    std::wstring PaneText(int pane) const {
        wchar_t text[600] = {};
        SendMessageW(GetDlgItem(window->m_hWnd, IDC_STATUSBAR), SB_GETTEXTW, pane, reinterpret_cast<LPARAM>(text));
        return text;
    }
    std::wstring Title() const {
        wchar_t text[100] = {};
        GetWindowTextW(window->m_hWnd, text, 100);
        return text;
    }
    bool ToolbarButtonEnabled(UINT id) const {
        return SendMessageW(GetDlgItem(window->m_hWnd, IDC_TOOLBAR), TB_ISBUTTONENABLED, id, 0) != 0;
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
    bool NothingOpen() const {
        return window->media.path == nullptr && window->session.State() == SessionClosed &&
               window->session.Graph() == nullptr && window->positionTimerId == 0 && window->filterList.Count() == 0;
    }

    MainWindow* window = nullptr;
    std::string commandLine;
};
