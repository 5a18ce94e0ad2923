// Window modes, video size rates and the aspect-keeping frame, on a real main window.
#include <vector>

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

TEST_F(MainWindowModesTest, TopmostStyleFollowsTheFlagAndFullScreen) {
    // Read back as another program would see it, not from our own flag.
    auto styleTopmost = [&] { return (GetWindowLongW(window->m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
    struct {
        UINT command;
        bool topmost;
    } steps[] = {
        {ID_VIEW_TOPMOST, true},   {ID_VIEW_FULLSCREEN, true}, {ID_VIEW_FULLSCREEN, true},  // back to the flag
        {ID_VIEW_TOPMOST, false},  {ID_VIEW_FULLSCREEN, true}, {ID_VIEW_FULLSCREEN, false},
        {ID_VIEW_FRAMELESS, false}, {ID_VIEW_FRAMELESS, false}, {ID_VIEW_TOPMOST, true},
        {ID_VIEW_FRAMELESS, true},  {ID_VIEW_FRAMELESS, true},  {ID_VIEW_TOPMOST, false},
    };
    for (size_t i = 0; i < sizeof(steps) / sizeof(steps[0]); ++i) {
        Command(steps[i].command);
        EXPECT_EQ(steps[i].topmost, styleTopmost()) << "step " << i;
    }
}

TEST_F(MainWindowModesTest, EachModeGreysTheCommandsItExcludes) {
    struct {
        UINT enter;
        std::vector<UINT> greyed, enabled;
    } modes[] = {
        {ID_VIEW_FULLSCREEN, {ID_VIEW_FRAMELESS, ID_VIEW_TOPMOST}, {ID_VIEW_FULLSCREEN, ID_FILE_OPEN_CMD}},
        {ID_VIEW_FRAMELESS, {ID_VIEW_FULLSCREEN}, {ID_VIEW_FRAMELESS, ID_VIEW_TOPMOST, ID_FILE_OPEN_CMD}},
    };
    for (const auto& mode : modes) {
        Command(mode.enter);
        EXPECT_EQ(nullptr, GetMenu(window->m_hWnd));  // only the context menu is left
        HMENU context = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_CONTEXTMENU));
        window->UpdateUiState(0, context, false);
        for (UINT id : mode.greyed) EXPECT_TRUE(Grayed(id, context)) << mode.enter << " " << id;
        for (UINT id : mode.enabled) EXPECT_FALSE(Grayed(id, context)) << mode.enter << " " << id;
        DestroyMenu(context);
        Command(mode.enter);
        ASSERT_EQ(0, window->fullScreen + window->frameless);
    }
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
}

TEST_F(MainWindowVideoTest, PositionTimerMovesTheSliderAndWritesTheClock) {
    window->session.SeekTo(1700);
    SendMessageW(window->m_hWnd, UM_UPDATEPOSITION, 0, 0);
    EXPECT_NEAR(5666, window->seekSlider->GetPos(), 300);
    EXPECT_EQ(L" 0:00:02 / 0:00:03", PaneText(1));
}

TEST_F(MainWindowVideoTest, DoubleClickOnThePlayingPictureSwitchesFullScreenWhileADragStaysADrag) {
    Command(ID_PLAY_PAUSE);
    HWND picture = GetWindow(Host(), GW_CHILD);  // the renderer's window: no CS_DBLCLKS
    ASSERT_NE(nullptr, picture);
    SetForegroundWindow(window->m_hWnd);
    RECT r = WindowRectOf(picture);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    PumpMessages(100);
    auto pump = [] { PumpMessages(10); };

    RECT before = WindowRectOf(window->m_hWnd);
    PlayInput({MouseStep(MOUSEEVENTF_LEFTDOWN, 100), MouseStep(MOUSEEVENTF_MOVE, 50, 20), MouseStep(MOUSEEVENTF_MOVE, 50, 20),
               MouseStep(MOUSEEVENTF_LEFTUP), MouseStep(MOUSEEVENTF_LEFTDOWN), MouseStep(MOUSEEVENTF_LEFTUP)},
              pump);
    RECT dragged = WindowRectOf(window->m_hWnd);
    EXPECT_EQ(0, window->fullScreen);
    EXPECT_GT(dragged.left, before.left);
    EXPECT_EQ(before.top, dragged.top);

    const std::vector<InputStep> doubleClick = {MouseStep(MOUSEEVENTF_LEFTDOWN), MouseStep(MOUSEEVENTF_LEFTUP),
                                                MouseStep(MOUSEEVENTF_LEFTDOWN), MouseStep(MOUSEEVENTF_LEFTUP)};
    PlayInput(doubleClick, pump);
    ASSERT_EQ(1, window->fullScreen);
    // A 4:3 picture fills a 4:3 screen: no margin is left to click on.
    r = WindowRectOf(picture);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    PlayInput(doubleClick, pump);
    EXPECT_EQ(0, window->fullScreen);
    EXPECT_TRUE(SameRect(dragged, WindowRectOf(window->m_hWnd)));
}

TEST_F(MainWindowVideoTest, PictureWithoutAKnownSizeFillsTheHostInItsOwnCoordinates) {
    window->media.size.width = 0;  // as when the size probe fails
    window->LayoutChildren();
    IVideoWindow* video = nullptr;
    ASSERT_TRUE(SUCCEEDED(window->session.Graph()->QueryInterface(IID_IVideoWindow, reinterpret_cast<void**>(&video))));
    long left = -1, top = -1, width = 0, height = 0;
    video->GetWindowPosition(&left, &top, &width, &height);
    video->Release();
    RECT client;
    GetClientRect(Host(), &client);
    POINT origin = {0, 0};  // the renderer reports its window on screen
    ClientToScreen(Host(), &origin);
    EXPECT_EQ(origin.x, left);
    EXPECT_EQ(origin.y, top);  // not a toolbar's height lower, as in the main window's coordinates
    EXPECT_EQ(client.right, width);
    EXPECT_EQ(client.bottom, height);
}

TEST_F(MainWindowVideoTest, PlayPausePictureChangesOnlyAtTheNextUpdate) {
    auto image = [&] {
        UINT id = 0, style = 0;
        int picture = -1;
        window->toolBar->GetButtonInfo(window->toolBar->CommandToIndex(ID_PLAY_PAUSE), id, style, picture);
        return picture;
    };
    EXPECT_EQ(3, image());
    Command(ID_PLAY_PAUSE);
    EXPECT_EQ(3, image());
    window->UpdateUiState(0, nullptr, false);
    EXPECT_EQ(5, image());  // the pause picture while running
    Command(ID_PLAY_PAUSE);
    EXPECT_EQ(5, image());
    SendMessageW(window->m_hWnd, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(3, image());
}

TEST_F(MainWindowVideoTest, SliderHeldByTheUserIgnoresTheTimerAndSeeksOnlyOnReleaseShortOfTheEnd) {
    HWND slider = window->seekSlider->m_hWnd;
    RECT client;
    GetClientRect(slider, &client);
    int middle = client.bottom / 2;
    SendMessageW(slider, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.right / 4, middle));
    ASSERT_TRUE(window->seekSlider->IsTracking());
    int held = window->seekSlider->GetPos();
    EXPECT_LT(PlaybackSession::ToMilliseconds(window->session.GetPosition()), 100u);  // no seek while held
    SendMessageW(window->m_hWnd, UM_UPDATEPOSITION, 0, 0);
    EXPECT_EQ(held, window->seekSlider->GetPos());  // the timer leaves the thumb where the user holds it

    SendMessageW(slider, WM_LBUTTONUP, 0, MAKELPARAM(client.right + 50, middle));
    EXPECT_EQ(10000, window->seekSlider->GetPos());
    LONGLONG stop = 0;
    IMediaSeeking* seeking = nullptr;
    ASSERT_TRUE(SUCCEEDED(window->session.Graph()->QueryInterface(IID_IMediaSeeking, reinterpret_cast<void**>(&seeking))));
    seeking->GetStopPosition(&stop);
    seeking->Release();
    // A seek right onto the stop position would show nothing: it stops just short of it.
    LONGLONG position = window->session.GetPosition();
    EXPECT_LT(position, stop);
    EXPECT_GT(position, stop - 10000000);
}
