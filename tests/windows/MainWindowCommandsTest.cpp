// The main window's commands, menu states, prompts, keys and dialogs, with real messages.
#include <functional>
#include <vector>

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
    // The pointer resting on a toolbar button keeps its prompt up across the bar's ticks.
    HWND toolbar = Child(IDC_TOOLBAR);
    RECT button = {};
    SendMessageW(toolbar, TB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&button));
    POINT at = {(button.left + button.right) / 2, (button.top + button.bottom) / 2};
    ClientToScreen(toolbar, &at);
    SetCursorPos(at.x, at.y);
    PumpMessages(600);  // a real move reaches the bar, then a few ticks
    EXPECT_EQ(L"ファイルを開きます", PaneText(0));
    SetCursorPos(5, 740);  // away, so no later step meets a prompt
    PumpMessages(600);
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

namespace {
HWND mainWindow;
std::string savedName;
std::wstring fileTypes;

// Runs inside the save dialog's modal loop: reads its file types, types the name and confirms.
// Any later dialog is cancelled, so a wrong key cannot leave the test waiting on one.
void CALLBACK AnswerSaveDialog(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = FindVisibleWindow(L"#32770", mainWindow);
    if (!dialog) return;
    if (!fileTypes.empty()) {
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    wchar_t types[200] = {};
    GetDlgItemTextW(dialog, 0x470 /* cmb1 */, types, 200);
    fileTypes = types;
    // Explorer-style dialogs keep the name in cmb13, older ones in edt1.
    if (!SetDlgItemTextA(dialog, 0x47C, savedName.c_str())) SetDlgItemTextA(dialog, 0x480, savedName.c_str());
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}

// A shortcut as real keys. The modifier is let go before the key: default processing then takes
// the release for a lone Alt, which once opened the menu bar and swallowed the next shortcut.
std::vector<InputStep> Chord(WORD modifier, WORD key) {
    if (!modifier) return {KeyStep(key, false), KeyStep(key, true)};
    return {KeyStep(modifier, false), KeyStep(key, false), KeyStep(modifier, true), KeyStep(key, true)};
}
}  // namespace

// Each shortcut of the accelerator table runs its own command: every step shows an effect that no
// other command has (a bound to the wrong command, or swallowed by menu mode, leaves it unseen).
TEST_F(MainWindowTest, EachShortcutRunsItsOwnCommandAsTheUserSeesIt) {
    ASSERT_EQ(1, window->OpenMedia(TestMediaPath("bars30.avi").c_str(), false));
    SetForegroundWindow(window->m_hWnd);
    SetFocus(Child(IDC_VIDEOHOST));
    std::string folder = TestScratchFolder("shortcuts");
    mainWindow = window->m_hWnd;
    savedName = folder + "\\frame";  // the dialog adds the extension
    fileTypes.clear();
    auto pump = [&] { PumpAsDialog(); };
    auto video = [&](LONG width) {
        RECT r = WindowRectOf(Child(IDC_VIDEOHOST));
        return r.right - r.left == width && r.bottom - r.top == width * 3 / 4;
    };
    auto saved = [&] {
        std::string bytes = ReadTestFile(folder + "\\frame.bmp");
        return bytes.size() > 54 && bytes.size() == *reinterpret_cast<const DWORD*>(bytes.data() + 2) &&
               *reinterpret_cast<const LONG*>(bytes.data() + 18) == 320;  // the clip's own width
    };
    const struct { WORD modifier, key; const char* what; std::function<bool()> shows; } steps[] = {
        {VK_MENU, '1', "Alt+1: 50 %", [&] { return video(160); }},
        {VK_MENU, '3', "Alt+3: 200 %", [&] { return video(640); }},
        {VK_MENU, '2', "Alt+2: 100 %", [&] { return video(320); }},
        {0, VK_SPACE, "Space: plays", [&] { return Playing() && ClockPosition() >= 1; }},
        {VK_CONTROL, 'C', "Ctrl+C: the frame saved, playing on", [&] { return saved() && Playing(); }},
        {0, VK_ESCAPE, "Esc: paused at the start", [&] { return !Playing() && ClockPosition() == 0; }},
        {VK_CONTROL, VK_RETURN, "Ctrl+Enter: frameless", [&] { return InWindowMode() && !InFullScreen(); }},
        {VK_CONTROL, VK_RETURN, "Ctrl+Enter: framed again", [&] { return !InWindowMode(); }},
        {VK_MENU, VK_RETURN, "Alt+Enter: full screen", [&] { return InFullScreen(); }},
        {VK_MENU, VK_RETURN, "Alt+Enter: framed again", [&] { return !InWindowMode(); }},
    };
    UINT_PTR timer = SetTimer(nullptr, 0, 100, AnswerSaveDialog);
    for (const auto& step : steps) {
        PlayInput(Chord(step.modifier, step.key), pump);
        EXPECT_TRUE(PumpUntil([&] { pump(); return step.shows(); }, 5000)) << step.what;
    }
    KillTimer(nullptr, timer);
    EXPECT_EQ(L"\uff8b\uff9e\uff6f\uff84\uff8f\uff6f\uff8c\uff9f(*.bmp)", fileTypes);  // ﾋﾞｯﾄﾏｯﾌﾟ

    // Maximized, Alt+Enter does nothing; a lone Alt opens the menu bar, and Esc then only leaves it.
    ShowWindow(window->m_hWnd, SW_MAXIMIZE);
    PlayInput(Chord(VK_MENU, VK_RETURN), pump);
    EXPECT_TRUE(IsZoomed(window->m_hWnd) && !InWindowMode());
    PlayInput(Chord(0, VK_SPACE), pump);
    PlayInput({KeyStep(VK_MENU, false), KeyStep(VK_MENU, true, 300), KeyStep(VK_ESCAPE, false), KeyStep(VK_ESCAPE, true)},
              pump);
    EXPECT_TRUE(Playing());
}

// The window runs as a modal dialog: Esc and Enter must never reach the dialog manager, which
// would end it, while Esc still reaches the stop command.
TEST_F(MainWindowTest, EscapeAndEnterNeverEndTheDialogWhileEscapeReachesStop) {
    ASSERT_EQ(1, window->OpenMedia(TestMediaPath("clip.avi").c_str(), true));
    ASSERT_TRUE(IsWindowVisible(window->m_hWnd));
    for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        MSG msg = {Child(IDC_VIDEOHOST), WM_KEYDOWN, key, 0x00010001, GetTickCount(), {0, 0}};
        if (!CWnd::WalkPreTranslateTree(window->m_hWnd, &msg)) DispatchMessageW(&msg);
    }
    EXPECT_TRUE(IsWindowVisible(window->m_hWnd));
    EXPECT_TRUE(PumpUntil([&] { return PaneText(1) == L" 0:00:00 / 0:00:03" && !Playing(); }, 1000));
}
