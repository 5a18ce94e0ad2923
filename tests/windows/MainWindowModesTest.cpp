// Window modes, video size rates and the aspect-keeping frame, on a real main window.
#include <functional>
#include <vector>

#include "MainWindowFixture.h"
#include "controls/SeekSlider.h"
#include "media/FakeGraph.h"

class MainWindowModesTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        SetWindowPos(window->m_hWnd, nullptr, 40, 30, 500, 420, SWP_NOZORDER);
    }
    HWND Host() const { return Child(IDC_VIDEOHOST); }
    bool At(const RECT& expected) const {
        RECT r = WindowRectOf(window->m_hWnd);
        return EqualRect(&expected, &r) != FALSE;
    }
};

// The topmost style is read back as another program would see it, not from our own flag.
TEST_F(MainWindowModesTest, ModesReturnToWhereTheWindowWasKeepTheTopmostFlagAndGreyWhatTheyExclude) {
    auto topmost = [&] { return (GetWindowLongW(window->m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
    auto greyed = [&](UINT id) {
        HMENU context = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_CONTEXTMENU));
        window->UpdateUiState(0, context, false);
        bool result = Grayed(id, context);
        DestroyMenu(context);
        return result;
    };
    RECT before = WindowRectOf(window->m_hWnd);
    Command(ID_VIEW_FULLSCREEN);
    EXPECT_TRUE(At(FullScreenRect(GetSystemMetrics(SM_CXFRAME), GetSystemMetrics(SM_CYFRAME),
                                  GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN))));
    EXPECT_FALSE(IsWindowVisible(Child(IDC_TOOLBAR)) || IsWindowVisible(Child(IDC_STATUSBAR)));
    EXPECT_TRUE(topmost() && greyed(ID_VIEW_FRAMELESS) && greyed(ID_VIEW_TOPMOST));
    Command(ID_VIEW_FULLSCREEN);
    EXPECT_TRUE(At(before));
    EXPECT_TRUE(IsWindowVisible(Child(IDC_TOOLBAR)) && IsWindowVisible(Child(IDC_STATUSBAR)));
    EXPECT_FALSE(topmost() || greyed(ID_VIEW_FRAMELESS) || greyed(ID_VIEW_TOPMOST));
    // The slider starts right after the toolbar's four buttons and three flat separators.
    POINT client = {0, 0};
    ClientToScreen(window->m_hWnd, &client);
    EXPECT_EQ(4 * 23 + 3 * 6 + 1, WindowRectOf(Child(IDC_SEEKSLIDER)).left - client.x);

    // Dragged while frameless, the frame is rebuilt where the picture went.
    Command(ID_VIEW_TOPMOST);
    Command(ID_VIEW_FRAMELESS);
    EXPECT_TRUE(topmost() && greyed(ID_VIEW_FULLSCREEN) && !greyed(ID_VIEW_TOPMOST));
    RECT video = WindowRectOf(window->m_hWnd);
    SetWindowPos(window->m_hWnd, nullptr, video.left + 50, video.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Command(ID_VIEW_FRAMELESS);
    OffsetRect(&before, 50, 0);
    EXPECT_TRUE(At(before));
    EXPECT_TRUE(topmost() && !greyed(ID_VIEW_FULLSCREEN));
    Command(ID_VIEW_TOPMOST);
    EXPECT_FALSE(topmost());
}

class MainWindowVideoTest : public MainWindowModesTest {
protected:
    void SetUp() override {
        MainWindowModesTest::SetUp();
        ASSERT_EQ(1, window->OpenMedia(TestMediaPath("clip.avi").c_str(), false));
    }
};

TEST_F(MainWindowVideoTest, DoubleClickOnThePlayingPictureSwitchesFullScreenWhileADragStaysADrag) {
    Command(ID_PLAY_PAUSE);
    HWND picture = GetWindow(Host(), GW_CHILD);  // the renderer's window: no CS_DBLCLKS
    ASSERT_NE(nullptr, picture);
    SetForegroundWindow(window->m_hWnd);
    auto pointAtPicture = [&] {
        RECT r = WindowRectOf(picture);
        SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        PumpMessages(100);
    };
    auto pump = [] { PumpMessages(10); };
    pointAtPicture();

    RECT before = WindowRectOf(window->m_hWnd);
    // The press reaches the window from the renderer's thread: the button is still held when it arrives.
    PlayInput({MouseStep(MOUSEEVENTF_LEFTDOWN, 400), MouseStep(MOUSEEVENTF_MOVE, 100, 20), MouseStep(MOUSEEVENTF_MOVE, 100, 20),
               MouseStep(MOUSEEVENTF_LEFTUP), MouseStep(MOUSEEVENTF_LEFTDOWN), MouseStep(MOUSEEVENTF_LEFTUP)},
              pump);
    RECT dragged = WindowRectOf(window->m_hWnd);
    EXPECT_FALSE(InWindowMode());
    EXPECT_GT(dragged.left, before.left);

    const std::vector<InputStep> doubleClick = {MouseStep(MOUSEEVENTF_LEFTDOWN), MouseStep(MOUSEEVENTF_LEFTUP),
                                                MouseStep(MOUSEEVENTF_LEFTDOWN), MouseStep(MOUSEEVENTF_LEFTUP)};
    // The renderer's thread stamps the presses it passes on: under load two quick ones can reach us
    // further apart than a double click, so a pair is tried again once a lone press has expired.
    auto doubleClickUntil = [&](std::function<bool()> done) {
        for (int attempt = 0; attempt < 3 && !done(); ++attempt) {
            if (attempt) PumpMessages(GetDoubleClickTime() + 100);
            PlayInput(doubleClick, pump);
        }
        return done();
    };
    ASSERT_TRUE(doubleClickUntil([&] { return InFullScreen(); }));
    pointAtPicture();  // a 4:3 picture fills a 4:3 screen: no margin is left to click on
    EXPECT_TRUE(doubleClickUntil([&] { return !InWindowMode(); }));
    EXPECT_TRUE(At(dragged));
}

TEST_F(MainWindowModesTest, PictureWithoutAKnownSizeFillsTheHostInItsOwnCoordinates) {
    FakeGraph graph;  // it answers no IBasicVideo, so the size probe learns nothing
    graph.detector.streams = {{MEDIATYPE_Video, FORMAT_VideoInfo, 88, 3.0, 30.0}};
    SetDirectShowServices(&graph);
    ASSERT_EQ(1, window->OpenMedia(TestMediaPath("clip.avi").c_str(), false));
    TakeLog();
    SetWindowPos(window->m_hWnd, nullptr, 0, 0, 520, 400, SWP_NOMOVE | SWP_NOZORDER);  // a layout
    Calls placed = TakeLog({"SetWindowPosition"});
    window->CloseMedia();
    SetDirectShowServices(nullptr);
    RECT client;
    GetClientRect(Host(), &client);
    // Not a toolbar's height lower, as in the main window's coordinates.
    ASSERT_FALSE(placed.empty());
    EXPECT_EQ("SetWindowPosition(0,0," + std::to_string(client.right) + "," + std::to_string(client.bottom) + ")",
              placed.back());
}

// The rates themselves are the shortcut test's; here the frame dragged by its edge.
TEST_F(MainWindowVideoTest, EdgeDragsKeepFourByThreeWhileTheSliderHeldIgnoresTheTimerAndSeeksOnRelease) {
    FrameMargins m;
    ASSERT_TRUE(window->GetFrameMargins(&m));
    RECT drag = WindowRectOf(window->m_hWnd);
    drag.right += 100;
    SendMessageW(window->m_hWnd, WM_SIZING, WMSZ_RIGHT, reinterpret_cast<LPARAM>(&drag));
    EXPECT_EQ((drag.right - drag.left - m.left - m.right) * 3 / 4, drag.bottom - drag.top - m.top - m.bottom);

    HWND slider = Child(IDC_SEEKSLIDER);
    auto thumb = [&] { return static_cast<SeekSlider*>(CWnd::FromHandle(slider))->GetPos(); };
    RECT client;
    GetClientRect(slider, &client);
    int middle = client.bottom / 2;
    SendMessageW(slider, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.right / 4, middle));
    int held = thumb();
    Command(ID_PLAY_PAUSE);
    Sleep(1600);  // playing, with no pointer message in between that would move the thumb itself
    SendMessageW(window->m_hWnd, UM_UPDATEPOSITION, 0, 0);
    EXPECT_GE(ClockPosition(), 1);  // the clock runs on
    EXPECT_EQ(held, thumb());  // while the timer leaves the thumb where the user holds it

    // Released past the end: the session's own tests keep the seek just short of it.
    SendMessageW(slider, WM_LBUTTONUP, 0, MAKELPARAM(client.right + 50, middle));
    EXPECT_TRUE(PumpUntil([&] { return ClockPosition() == 3; }, 1000));
}
