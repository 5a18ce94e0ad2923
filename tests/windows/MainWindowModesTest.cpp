// Window modes, video size rates and the aspect-keeping frame, on a real main window.
#include <algorithm>
#include <vector>

#include "MainWindowFixture.h"
#include "controls/MainToolBar.h"
#include "controls/SeekSlider.h"
#include "controls/VideoHostWindow.h"
#include "framework/Scoped.h"

class MainWindowModesTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        SetWindowPos(window->m_hWnd, nullptr, 40, 30, 500, 420, SWP_NOZORDER);
    }
    HWND Host() const { return window->videoHost->m_hWnd; }
    bool At(const RECT& expected) const {
        RECT r = WindowRectOf(window->m_hWnd);
        return EqualRect(&expected, &r) != FALSE;
    }
};

TEST_F(MainWindowModesTest, ModesReturnToWhereTheWindowWasAndFullScreenCoversTheScreen) {
    RECT before = WindowRectOf(window->m_hWnd);
    Command(ID_VIEW_FULLSCREEN);
    EXPECT_TRUE(At(FullScreenRect(GetSystemMetrics(SM_CXFRAME), GetSystemMetrics(SM_CYFRAME),
                                  GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN))));
    EXPECT_FALSE(IsWindowVisible(window->toolBar->m_hWnd));
    Command(ID_VIEW_FULLSCREEN);
    EXPECT_TRUE(At(before));
    EXPECT_TRUE(IsWindowVisible(window->toolBar->m_hWnd));

    // Dragged while frameless, the frame is rebuilt where the picture went.
    Command(ID_VIEW_FRAMELESS);
    RECT video = WindowRectOf(window->m_hWnd);
    SetWindowPos(window->m_hWnd, nullptr, video.left + 50, video.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Command(ID_VIEW_FRAMELESS);
    OffsetRect(&before, 50, 0);
    EXPECT_TRUE(At(before));
}

// With nothing open the hostile corpus checks the greyed commands; here, what each mode excludes.
TEST_F(MainWindowModesTest, TopmostStyleFollowsTheFlagAndTheModesWhichGreyWhatTheyExclude) {
    const std::vector<UINT> none, full = {ID_VIEW_FRAMELESS, ID_VIEW_TOPMOST}, frameless = {ID_VIEW_FULLSCREEN};
    struct {
        UINT command;
        bool topmost;
        const std::vector<UINT>& greyed;
    } steps[] = {
        {ID_VIEW_TOPMOST, true, none},   {ID_VIEW_FULLSCREEN, true, full}, {ID_VIEW_FULLSCREEN, true, none},
        {ID_VIEW_TOPMOST, false, none},  {ID_VIEW_FULLSCREEN, true, full}, {ID_VIEW_FULLSCREEN, false, none},
        {ID_VIEW_TOPMOST, true, none},   {ID_VIEW_FRAMELESS, true, frameless}, {ID_VIEW_FRAMELESS, true, none},
    };
    for (size_t i = 0; i < sizeof(steps) / sizeof(steps[0]); ++i) {
        Command(steps[i].command);
        // Read back as another program would see it, not from our own flag.
        EXPECT_EQ(steps[i].topmost, (GetWindowLongW(window->m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) << i;
        HMENU context = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_CONTEXTMENU));
        window->UpdateUiState(0, context, false);
        for (UINT id : {ID_VIEW_FULLSCREEN, ID_VIEW_FRAMELESS, ID_VIEW_TOPMOST}) {
            bool greyed = std::find(steps[i].greyed.begin(), steps[i].greyed.end(), id) != steps[i].greyed.end();
            EXPECT_EQ(greyed, Grayed(id, context)) << i << " " << id;
        }
        DestroyMenu(context);
    }
}

class MainWindowVideoTest : public MainWindowModesTest {
protected:
    void SetUp() override {
        MainWindowModesTest::SetUp();
        ASSERT_EQ(1, window->OpenMedia(TestMediaPath("clip.avi").c_str(), false));
    }
};

TEST_F(MainWindowVideoTest, RatesSizeTheVideoAreaAndEdgeDragsKeepFourByThree) {
    for (auto [command, width] : {std::pair<UINT, LONG>{ID_SIZE_50, 160}, {ID_SIZE_200, 640}}) {
        Command(command);
        RECT video = WindowRectOf(Host());
        EXPECT_EQ(width, video.right - video.left) << command;
        EXPECT_EQ(width * 3 / 4, video.bottom - video.top) << command;
    }
    FrameMargins m;
    ASSERT_TRUE(window->GetFrameMargins(&m));
    RECT drag = WindowRectOf(window->m_hWnd);
    drag.right += 100;
    SendMessageW(window->m_hWnd, WM_SIZING, WMSZ_RIGHT, reinterpret_cast<LPARAM>(&drag));
    EXPECT_EQ((drag.right - drag.left - m.left - m.right) * 3 / 4, drag.bottom - drag.top - m.top - m.bottom);
}

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
    PlayInput({MouseStep(MOUSEEVENTF_LEFTDOWN, 100), MouseStep(MOUSEEVENTF_MOVE, 50, 20), MouseStep(MOUSEEVENTF_MOVE, 50, 20),
               MouseStep(MOUSEEVENTF_LEFTUP), MouseStep(MOUSEEVENTF_LEFTDOWN), MouseStep(MOUSEEVENTF_LEFTUP)},
              pump);
    RECT dragged = WindowRectOf(window->m_hWnd);
    EXPECT_EQ(0, window->fullScreen);
    EXPECT_GT(dragged.left, before.left);

    const std::vector<InputStep> doubleClick = {MouseStep(MOUSEEVENTF_LEFTDOWN), MouseStep(MOUSEEVENTF_LEFTUP),
                                                MouseStep(MOUSEEVENTF_LEFTDOWN), MouseStep(MOUSEEVENTF_LEFTUP)};
    PlayInput(doubleClick, pump);
    ASSERT_EQ(1, window->fullScreen);
    pointAtPicture();  // a 4:3 picture fills a 4:3 screen: no margin is left to click on
    PlayInput(doubleClick, pump);
    EXPECT_EQ(0, window->fullScreen);
    EXPECT_TRUE(At(dragged));
}

TEST_F(MainWindowVideoTest, PictureWithoutAKnownSizeFillsTheHostInItsOwnCoordinates) {
    window->media.size.width = 0;  // as when the size probe fails
    window->LayoutChildren();
    ScopedCom<IVideoWindow> video;
    ASSERT_TRUE(SUCCEEDED(window->session.Graph()->QueryInterface(IID_IVideoWindow, video.OutVoid())));
    long left = -1, top = -1, width = 0, height = 0;
    video->GetWindowPosition(&left, &top, &width, &height);
    RECT client;
    GetClientRect(Host(), &client);
    POINT origin = {0, 0};  // the renderer reports its window on screen
    ClientToScreen(Host(), &origin);
    EXPECT_EQ(origin.y, top);  // not a toolbar's height lower, as in the main window's coordinates
    EXPECT_EQ(client.bottom, height);
}

TEST_F(MainWindowVideoTest, SliderHeldByTheUserIgnoresTheTimerAndSeeksOnlyOnRelease) {
    HWND slider = window->seekSlider->m_hWnd;
    RECT client;
    GetClientRect(slider, &client);
    int middle = client.bottom / 2;
    SendMessageW(slider, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.right / 4, middle));
    int held = window->seekSlider->GetPos();
    window->session.SeekTo(1700);
    SendMessageW(window->m_hWnd, UM_UPDATEPOSITION, 0, 0);
    EXPECT_EQ(held, window->seekSlider->GetPos());  // the timer leaves the thumb where the user holds it
    EXPECT_EQ(L" 0:00:02 / 0:00:03", PaneText(1));  // while the clock runs on

    // Released past the end: the session's own tests keep the seek just short of it.
    SendMessageW(slider, WM_LBUTTONUP, 0, MAKELPARAM(client.right + 50, middle));
    EXPECT_GT(PlaybackSession::ToMilliseconds(window->session.GetPosition()), 2500u);
}
