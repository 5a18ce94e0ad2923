// A movie watcher's hands on the real window: keys, wheel notches and media keys sent as real input.
#include "MainWindowFixture.h"
#include "audio/MasterVolume.h"
#include "audio/WinmmLibrary.h"
#include "framework/CWinApp.h"
#include "media/directshow/DirectShowServices.h"

namespace {
// A wheel notch with the pointer in the middle of a window, as the wheel sends it.
void WheelOver(HWND over, int notches) {
    RECT r = WindowRectOf(over);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    INPUT input = {INPUT_MOUSE};
    input.mi.dwFlags = MOUSEEVENTF_WHEEL;
    input.mi.mouseData = static_cast<DWORD>(notches * WHEEL_DELTA);
    SendInput(1, &input, sizeof(input));
}

class PlayerKeysTest : public MainWindowTest {
protected:
    void Open(const std::string& path) {
        ASSERT_EQ(1, window->OpenMedia(path.c_str(), true));
        SetForegroundWindow(window->m_hWnd);
        SetFocus(Child(IDC_VIDEOHOST));
        PumpAsDialog(300);
    }
    void Press(WORD key) { PlayInput({KeyStep(key, false), KeyStep(key, true)}, [&] { PumpAsDialog(); }); }
    bool ClockReads(int seconds) { return PumpUntil([&] { return ClockPosition() == seconds; }, 3000); }
    void Wheel(HWND over, int notches) {
        WheelOver(over, notches);
        PumpAsDialog(200);
    }
    unsigned short Volume() {
        unsigned short level = 0;
        return MasterVolume().GetVolume(&level, 0) ? level : 0;
    }
    std::vector<BYTE> Picture() { return ScreenPixels(WindowRectOf(GetWindow(Child(IDC_VIDEOHOST), GW_CHILD))); }
};
}  // namespace

TEST_F(PlayerKeysTest, FrameStepsArrowsAndMediaKeysMoveTheClockAndThePictureWithinTheClip) {
    Open(TestMediaPath("long.avi"));
    Press(VK_OEM_PERIOD);
    EXPECT_FALSE(Playing());  // a step while playing pauses first
    window->SeekToPosition(9500);  // the clock rounds: the last frame that reads 0:00:09
    EXPECT_TRUE(ClockReads(9));
    std::vector<BYTE> ninth;
    PumpUntil([&] {  // drawn and standing still
        std::vector<BYTE> now = Picture();
        bool still = now == ninth;
        ninth = now;
        return still;
    }, 3000);
    Press(VK_OEM_PERIOD);
    EXPECT_TRUE(ClockReads(10));
    EXPECT_TRUE(PumpUntil([&] { return Picture() != ninth; }, 2000));
    Press(VK_OEM_COMMA);
    EXPECT_TRUE(ClockReads(9));
    EXPECT_TRUE(PumpUntil([&] { return Picture() == ninth; }, 2000));  // the same frame again

    Command(ID_PLAY_PAUSE);
    window->SeekToPosition(10000);
    Press(VK_RIGHT);
    EXPECT_TRUE(ClockPosition() == 15 || ClockPosition() == 16);  // playing on from 0:00:15
    EXPECT_TRUE(Playing());
    Press(VK_MEDIA_PLAY_PAUSE);  // once per press, and the app command alike
    EXPECT_FALSE(Playing());
    Press(VK_MEDIA_PLAY_PAUSE);
    EXPECT_TRUE(Playing());
    SendMessageW(window->m_hWnd, WM_APPCOMMAND, 0, MAKELPARAM(0, APPCOMMAND_MEDIA_PLAY_PAUSE | FAPPCOMMAND_KEY));
    EXPECT_FALSE(Playing());
    window->SeekToPosition(10000);
    Press(VK_RIGHT);
    EXPECT_TRUE(ClockReads(15));  // exact, not a key frame nearby
    window->SeekToPosition(7000);
    Press(VK_LEFT);
    EXPECT_TRUE(ClockReads(2));  // the short step, as the right arrow's
    Press(VK_UP);
    EXPECT_TRUE(ClockReads(62));
    EXPECT_FALSE(Playing());
    Command(ID_VIEW_INFOPANEL);
    SetFocus(GetDlgItem(Panel(), IDC_FILTER_LIST));  // the panel hands its keys over
    Press(VK_DOWN);
    EXPECT_TRUE(ClockReads(2));
    SetFocus(Child(IDC_VIDEOHOST));

    Command(ID_PLAY_PAUSE);
    window->SeekToPosition(100000);
    Press(VK_UP);  // held to the length; the end pauses as ever
    EXPECT_TRUE(PumpUntil([&] { return PaneText(1) == L" 0:02:00 / 0:02:00" && !Playing(); }, 5000));
    Press(VK_MEDIA_STOP);
    EXPECT_TRUE(ClockReads(0));
}

TEST_F(PlayerKeysTest, WheelNotchesOverTheWindowMoveTheVolumeTwoPercentWhileTheFilterListScrolls) {
    ASSERT_TRUE(MasterVolume().SetVolume(65535, 0)) << "no mixer";
    Command(ID_VIEW_INFOPANEL);
    SetForegroundWindow(window->m_hWnd);
    SetFocus(Child(IDC_VIDEOHOST));
    Wheel(Child(IDC_VIDEOHOST), -2);
    Wheel(Child(IDC_TOOLBAR), -1);
    Wheel(Child(IDC_SEEKSLIDER), -1);
    SetFocus(GetDlgItem(Panel(), IDC_FILTER_LIST));  // the wheel follows the pointer, not the focus
    Wheel(Child(IDC_STATUSBAR), -1);
    EXPECT_NEAR(65535 * 0.9, Volume(), 5);
    Wheel(GetDlgItem(Panel(), IDC_FILTER_LIST), 3);
    EXPECT_NEAR(65535 * 0.9, Volume(), 5);

    // The volume command's dialog runs modally over the window; closed, it leaves the rest alone.
    static HWND main;
    static bool disabled;
    main = window->m_hWnd, disabled = false;
    CWinApp app;  // whose main window owns the dialog
    app.m_pMainWnd = window;
    UINT_PTR timer = SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR, DWORD) {
        HWND dialog = FindVisibleWindow(L"#32770", main);
        if (!dialog) return;  // not up yet, or already gone while it closes
        disabled = !IsWindowEnabled(main);
        PostMessageW(dialog, WM_CLOSE, 0, 0);
    });
    Command(ID_VOLUME);
    KillTimer(nullptr, timer);
    EXPECT_TRUE(disabled && IsWindowEnabled(main));
    EXPECT_TRUE(IsWindowVisible(Child(IDC_TOOLBAR)) && IsWindowVisible(Child(IDC_STATUSBAR)));
    window->DestroyWindow();  // the library is bound for the window's life
    EXPECT_EQ(nullptr, WinmmLibrary::Instance().Handle());
}

namespace {
// Graphs that cannot be made, count times: a file then probes well and still does not open.
struct FailingGraphs : DirectShowServices {
    int count;
    explicit FailingGraphs(int count) : count(count) {}
    HRESULT CreateFilterGraph(IGraphBuilder** graph) override {
        return count-- > 0 ? E_FAIL : DirectShowServices::CreateFilterGraph(graph);
    }
};
}  // namespace

TEST_F(PlayerKeysTest, PageKeysOpenTheNeighboursInNaturalOrderSkippingWhatDoesNotOpen) {
    std::string folder = TestScratchFolder("neighbours");
    for (const wchar_t* name : {L"1.avi", L"2.avi", L"10 \u8a71.avi"})
        CopyFileA(TestMediaPath("long.avi").c_str(), (folder + "\\" + AnsiOf(name)).c_str(), FALSE);
    WriteTestFile(folder + "\\broken.avi", "RIFF but nothing a splitter reads");
    WriteTestFile(folder + "\\notes.txt", "notes\r\n");
    window->SetWindowMode(ModeFullScreen);
    for (WORD key : {VK_NEXT, VK_RIGHT, VK_OEM_PERIOD, VK_MEDIA_NEXT_TRACK}) Press(key);
    EXPECT_TRUE(NothingOpen() && InFullScreen());  // no file: no key does a thing
    window->SetWindowMode(ModeFullScreen);

    Open(folder + "\\2.avi");
    Press(VK_NEXT);
    EXPECT_EQ(L"10 \u8a71.avi", PaneText(0));
    Press(VK_NEXT);  // broken.avi does not open, notes.txt is no movie: 10 話.avi plays on
    EXPECT_EQ(L"10 \u8a71.avi", PaneText(0));
    EXPECT_TRUE(Playing());
    Press(VK_MEDIA_PREV_TRACK);
    EXPECT_EQ(L"2.avi", PaneText(0));

    // 1.avi probes well but its graph fails (the size probe's and the build's): 2.avi comes back.
    window->SeekToPosition(30000);
    FailingGraphs failing(2);
    SetDirectShowServices(&failing);
    Press(VK_PRIOR);
    SetDirectShowServices(nullptr);
    EXPECT_EQ(L"2.avi", PaneText(0));
    EXPECT_TRUE(Playing());
    EXPECT_GE(ClockPosition(), 30);
    Press(VK_PRIOR);
    EXPECT_EQ(L"1.avi", PaneText(0));
    Press(VK_PRIOR);  // the first name: nothing before it
    EXPECT_EQ(L"1.avi", PaneText(0));
    EXPECT_TRUE(Playing());
}
