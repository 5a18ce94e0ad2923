// Window modes, video size rates and the aspect-keeping frame, on a real main window.
#include "MainWindowFixture.h"
#include "controls/MainToolBar.h"
#include "controls/SeekSlider.h"
#include "controls/VideoHostWindow.h"

namespace {
RECT WindowRectOf(HWND hwnd) {
    RECT r = {};
    GetWindowRect(hwnd, &r);
    return r;
}
SIZE SizeOf(const RECT& r) { return {r.right - r.left, r.bottom - r.top}; }
bool SameRect(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }
}  // namespace

class MainWindowModesTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        SetWindowPos(window->m_hWnd, nullptr, 40, 30, 500, 420, SWP_NOZORDER);
    }
    HWND Host() const { return window->videoHost->m_hWnd; }
    void Command(UINT id) { SendMessageW(window->m_hWnd, WM_COMMAND, id, 0); }
};

TEST_F(MainWindowModesTest, FullScreenCoversTheScreenFromItsMetricsAndLeavesToTheSavedPlacement) {
    RECT before = WindowRectOf(window->m_hWnd);
    Command(ID_VIEW_FULLSCREEN);
    ASSERT_EQ(1, window->fullScreen);
    RECT expected = FullScreenRect(GetSystemMetrics(SM_CXFRAME), GetSystemMetrics(SM_CYFRAME),
                                   GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    EXPECT_TRUE(SameRect(expected, WindowRectOf(window->m_hWnd)));
    EXPECT_EQ(nullptr, GetMenu(window->m_hWnd));
    EXPECT_FALSE(GetWindowLongW(window->m_hWnd, GWL_STYLE) & WS_CAPTION);
    EXPECT_FALSE(IsWindowVisible(window->toolBar->m_hWnd));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(window->m_hWnd, IDC_STATUSBAR)));
    RECT client, host;
    GetClientRect(window->m_hWnd, &client);
    GetClientRect(Host(), &host);
    EXPECT_EQ(SizeOf(client).cx, SizeOf(host).cx);  // no sunken edge, whole client area
    EXPECT_EQ(SizeOf(client).cy, SizeOf(host).cy);

    Command(ID_VIEW_TOPMOST);  // not while in full screen
    EXPECT_EQ(0, window->topmost);

    Command(ID_VIEW_FULLSCREEN);
    EXPECT_EQ(0, window->fullScreen);
    EXPECT_TRUE(SameRect(before, WindowRectOf(window->m_hWnd)));
    EXPECT_NE(nullptr, GetMenu(window->m_hWnd));
    EXPECT_TRUE(GetWindowLongW(window->m_hWnd, GWL_STYLE) & WS_CAPTION);
    EXPECT_TRUE(GetWindowLongW(Host(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_TRUE(IsWindowVisible(window->toolBar->m_hWnd));

    ShowWindow(window->m_hWnd, SW_MAXIMIZE);  // Alt+Enter does nothing while maximized
    Command(ID_VIEW_FULLSCREEN);
    EXPECT_EQ(0, window->fullScreen);
}

TEST_F(MainWindowModesTest, FramelessTakesTheVideoAreaAndRebuildsTheFrameWhereverItWasDragged) {
    RECT before = WindowRectOf(window->m_hWnd);
    RECT video = WindowRectOf(Host());
    Command(ID_VIEW_FRAMELESS);
    ASSERT_EQ(1, window->frameless);
    EXPECT_TRUE(SameRect(video, WindowRectOf(window->m_hWnd)));
    window->UpdateUiState(0, nullptr, false);

    SetWindowPos(window->m_hWnd, nullptr, video.left + 50, video.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    // A double-click on the video leaves frameless mode.
    PostMessageW(Host(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    PumpUntil([&] { return window->frameless == 0; }, 2000);
    ASSERT_EQ(0, window->frameless);
    RECT after = WindowRectOf(window->m_hWnd);
    OffsetRect(&before, 50, 0);
    EXPECT_TRUE(SameRect(before, after));
}

class MainWindowVideoTest : public MainWindowModesTest {
protected:
    void SetUp() override {
        MainWindowModesTest::SetUp();
        ASSERT_EQ(1, window->OpenMedia(TestMediaPath("clip.avi").c_str(), false));
    }
};

TEST_F(MainWindowVideoTest, RatesSizeTheVideoAreaAndKeepTheTopLeftCorner) {
    RECT start = WindowRectOf(window->m_hWnd);
    struct {
        UINT command;
        SIZE video;
    } cases[] = {{ID_SIZE_50, {160, 120}}, {ID_SIZE_200, {640, 480}}, {ID_SIZE_100, {320, 240}}};
    for (const auto& c : cases) {
        Command(c.command);
        SIZE video = SizeOf(WindowRectOf(Host()));
        EXPECT_EQ(c.video.cx, video.cx) << c.command;
        EXPECT_EQ(c.video.cy, video.cy) << c.command;
        RECT now = WindowRectOf(window->m_hWnd);
        EXPECT_EQ(start.left, now.left);
        EXPECT_EQ(start.top, now.top);
    }
    window->fitToWindow = 1;
    ShowWindow(window->m_hWnd, SW_MAXIMIZE);
    Command(ID_SIZE_200);  // a rate command restores the window, clears fit and fits at once
    EXPECT_FALSE(IsZoomed(window->m_hWnd));
    EXPECT_EQ(0, window->fitToWindow);
    EXPECT_EQ(640, SizeOf(WindowRectOf(Host())).cx);
}

TEST_F(MainWindowVideoTest, DraggingAnEdgeKeepsTheVideoFourByThreeUnlessItFollowsTheWindow) {
    FrameMargins m;
    ASSERT_TRUE(window->GetFrameMargins(&m));
    RECT drag = WindowRectOf(window->m_hWnd);
    drag.right += 100;
    SendMessageW(window->m_hWnd, WM_SIZING, WMSZ_RIGHT, reinterpret_cast<LPARAM>(&drag));
    EXPECT_EQ((drag.right - drag.left - m.left - m.right) * 3 / 4, drag.bottom - drag.top - m.top - m.bottom);

    window->fitToWindow = 1;
    RECT free = WindowRectOf(window->m_hWnd);
    free.right += 77;
    RECT dragged = free;
    SendMessageW(window->m_hWnd, WM_SIZING, WMSZ_RIGHT, reinterpret_cast<LPARAM>(&dragged));
    EXPECT_TRUE(SameRect(free, dragged));
}

TEST_F(MainWindowVideoTest, EscapeInFullScreenStopsPlaybackAndKeepsTheMode) {
    Command(ID_PLAY_PAUSE);
    ASSERT_EQ(SessionRunning, window->session.QueryState());
    PumpMessages(300);
    Command(ID_VIEW_FULLSCREEN);
    ASSERT_EQ(1, window->fullScreen);
    MSG escape = {Host(), WM_KEYDOWN, VK_ESCAPE, 0x00010001, 0, {0, 0}};
    EXPECT_TRUE(window->PreTranslateMessage(&escape));
    EXPECT_EQ(SessionPaused, window->session.QueryState());
    EXPECT_LT(PlaybackSession::ToMilliseconds(window->session.GetPosition()), 100u);  // back at the start
    EXPECT_EQ(1, window->fullScreen);
    // A double-click on the video leaves it again.
    PostMessageW(Host(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_TRUE(PumpUntil([&] { return window->fullScreen == 0; }, 2000));
}

TEST_F(MainWindowVideoTest, PositionTimerMovesTheSliderAndWritesTheClock) {
    window->session.SeekTo(1700);
    SendMessageW(window->m_hWnd, UM_UPDATEPOSITION, 0, 0);
    EXPECT_NEAR(5666, window->seekSlider->GetPos(), 300);
    EXPECT_EQ(L" 0:00:02 / 0:00:03", PaneText(1));
}
