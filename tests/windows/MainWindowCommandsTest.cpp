// The main window's commands, menu states, prompts, keys and dialogs, with real messages.
#include "MainWindowFixture.h"
#include "controls/MainStatusBar.h"

TEST_F(MainWindowTest, StatusPanesCutTextsSafelyShowPromptsAndOnlyTheTextPaneWidens) {
    EXPECT_EQ(0, window->SetStatusText(2, "x", true));
    EXPECT_EQ(1, window->SetStatusText(0, std::string(700, 'a').c_str(), true));
    EXPECT_EQ(std::wstring(519, L'a'), PaneText(0));
    EXPECT_EQ(L"", PaneText(1));  // the neighbour pane's text is untouched

    window->SetStatusText(0, "clip.avi", true);
    SendMessageW(window->m_hWnd, WM_MENUSELECT, MAKEWPARAM(ID_FILE_OPEN_CMD, MF_HILITE),
                 reinterpret_cast<LPARAM>(GetMenu(window->m_hWnd)));
    EXPECT_EQ(L"ファイルを開きます", PaneText(0));
    SendMessageW(window->m_hWnd, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);  // the menu closes
    EXPECT_EQ(L"clip.avi", PaneText(0));

    HWND bar = GetDlgItem(window->m_hWnd, IDC_STATUSBAR);
    RECT text = {}, wider = {}, position = {};
    SendMessageW(bar, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
    RECT r = WindowRectOf(window->m_hWnd);
    SetWindowPos(window->m_hWnd, nullptr, 0, 0, r.right - r.left + 100, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER);
    SendMessageW(bar, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&wider));
    SendMessageW(bar, SB_GETRECT, 1, reinterpret_cast<LPARAM>(&position));
    EXPECT_EQ(text.right + 100, wider.right);
    EXPECT_EQ(kPositionPaneWidth, position.right - position.left);

    std::string a = AnsiOf(L"あ");
    std::string japanese = "aa";
    for (int i = 0; i < 300; ++i) japanese += a;
    window->SetStatusText(1, japanese.c_str(), true);
    EXPECT_EQ(L"aa" + std::wstring(517 / a.size(), L'あ'), PaneText(1));  // half of a character is not kept
}

TEST_F(MainWindowTest, ContextMenuOpensAtThePointerOrFromTheKeyboardAtClientPointThreeThree) {
    static RECT menuRect;
    POINT keyboard = {3, 3};
    ClientToScreen(window->m_hWnd, &keyboard);
    // A monitor left of the primary gives a negative x: still the pointer, kept on screen here.
    for (auto [lParam, at] : {std::pair<LPARAM, POINT>{-1, keyboard}, {MAKELPARAM(static_cast<WORD>(-40), 300), {0, 300}}}) {
        menuRect = {-1, -1, -1, -1};
        UINT_PTR timer = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR, DWORD) {
            HWND menu = FindWindowW(L"#32768", nullptr);
            if (!menu || !IsWindowVisible(menu)) return;
            GetWindowRect(menu, &menuRect);
            EndMenu();
        });
        SendMessageW(window->m_hWnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window->m_hWnd), lParam);
        KillTimer(nullptr, timer);
        EXPECT_EQ(at.x, menuRect.left) << lParam;
        EXPECT_EQ(at.y, menuRect.top) << lParam;
    }
}

// Menu mode would swallow Ctrl+Enter and Esc: their commands show whether a menu held the keyboard.
TEST_F(MainWindowTest, AltReleasedBeforeTheKeyOfItsAcceleratorLeavesNoMenuModeWhileALoneAltOpensTheMenuBar) {
    EXPECT_EQ(Child(IDC_VIDEOHOST), GetFocus());  // where start-up leaves the keyboard
    ASSERT_EQ(1, window->OpenMedia(TestMediaPath("bars30.avi").c_str(), true));
    SetForegroundWindow(window->m_hWnd);
    SetFocus(Child(IDC_VIDEOHOST));
    auto pump = [&] { PumpAsDialog(); };
    PlayInput({KeyStep(VK_MENU, false), KeyStep('2', false), KeyStep(VK_MENU, true), KeyStep('2', true),
               KeyStep(VK_CONTROL, false), KeyStep(VK_RETURN, false), KeyStep(VK_RETURN, true), KeyStep(VK_CONTROL, true),
               KeyStep(VK_ESCAPE, false), KeyStep(VK_ESCAPE, true)},
              pump);
    EXPECT_TRUE(InWindowMode() && !InFullScreen());  // Ctrl+Enter: frameless
    EXPECT_FALSE(Playing());                         // Esc: stopped
    EXPECT_TRUE(PumpUntil([&] { return ClockPosition() == 0; }, 1000));

    window->SetWindowMode(ModeFrameless);
    Command(ID_PLAY_PAUSE);
    PlayInput({KeyStep(VK_MENU, false), KeyStep(VK_MENU, true, 300), KeyStep(VK_ESCAPE, false), KeyStep(VK_ESCAPE, true)},
              pump);
    EXPECT_TRUE(Playing());  // Esc only left the menu bar
}

TEST_F(MainWindowTest, AboutBoxDisablesTheMainWindowUntilItCloses) {
    static HWND main;
    static int enabledWhileShown;
    main = window->m_hWnd;
    enabledWhileShown = -1;
    UINT_PTR timer = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR, DWORD) {
        HWND box = FindVisibleWindow(nullptr, L"#32770", main);
        if (!box) return;
        enabledWhileShown = IsWindowEnabled(main) ? 1 : 0;
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    Command(ID_APP_ABOUT_CMD);
    KillTimer(nullptr, timer);
    EXPECT_EQ(0, enabledWhileShown);
    EXPECT_TRUE(IsWindowEnabled(main));
}

// The real modal loop: keys are posted as the user would type them.
TEST(MainWindowModalLoop, EscapeAndEnterNeverEndTheDialogWhileEscapeReachesStop) {
    static MainWindow* modal;
    static int typed;
    static bool stoppedBeforeClose;
    MainWindow window(kTestSettingsKey);
    modal = &window;
    typed = 0;
    stoppedBeforeClose = false;
    std::string clip = TestMediaPath("clip.avi");  // with nothing open the stop accelerator is greyed
    window.SetCommandLine(clip.c_str());
    UINT_PTR timer = SetTimer(nullptr, 0, 150, [](HWND, UINT, UINT_PTR, DWORD) {
        HWND target = GetFocus() ? GetFocus() : modal->m_hWnd;
        if (typed < 2) PostMessageW(target, WM_KEYDOWN, typed == 0 ? VK_ESCAPE : VK_RETURN, 0x00010001);
        if (typed == 2) {
            wchar_t clock[64] = {};
            SendMessageW(GetDlgItem(modal->m_hWnd, IDC_STATUSBAR), SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(clock));
            stoppedBeforeClose = std::wstring(clock) == L" 0:00:00 / 0:00:03";
            PostMessageW(modal->m_hWnd, WM_CLOSE, 0, 0);
        }
        ++typed;
    });
    INT_PTR result = window.DoModal();
    KillTimer(nullptr, timer);
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_GT(typed, 2);  // ended by WM_CLOSE only
    EXPECT_TRUE(stoppedBeforeClose);
}
