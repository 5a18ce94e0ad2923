// What the screen shows of a paused picture and the bars once something covered or moved them.
#include <vector>

#include "MainWindowFixture.h"

namespace {
size_t DifferingPixels(const std::vector<BYTE>& a, const std::vector<BYTE>& b) {
    size_t count = 0;
    for (size_t i = 0; i + 2 < a.size() && i + 2 < b.size(); i += 3)
        count += a[i] != b[i] || a[i + 1] != b[i + 1] || a[i + 2] != b[i + 2];
    return count;
}
}  // namespace

class MainWindowRepaintTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        SetWindowPos(window->m_hWnd, nullptr, 40, 30, 360, 360, SWP_NOZORDER);
        ASSERT_EQ(1, window->OpenMedia(TestMediaPath("still160.avi").c_str(), true));
    }
    std::vector<BYTE> Video() const { return ScreenPixels(WindowRectOf(Child(IDC_VIDEOHOST))); }
    // A menu opened and closed with the keys, then the window minimized and restored: the picture
    // must be as it was, still paused at the same position.
    void CoverAndCompare(const char* when) {
        PumpAsDialog(500);
        std::wstring clock = PaneText(1);
        std::vector<BYTE> before = Video();
        SetForegroundWindow(window->m_hWnd);
        SetFocus(Child(IDC_VIDEOHOST));
        PlayInput({KeyStep(VK_F10, false), KeyStep(VK_F10, true), KeyStep(VK_DOWN, false), KeyStep(VK_DOWN, true, 300),
                   KeyStep(VK_ESCAPE, false), KeyStep(VK_ESCAPE, true, 100), KeyStep(VK_ESCAPE, false), KeyStep(VK_ESCAPE, true)},
                  [&] { PumpAsDialog(); }, 500);
        EXPECT_EQ(0u, DifferingPixels(before, Video())) << when << ", after the menu";
        ShowWindow(window->m_hWnd, SW_MINIMIZE);
        PumpAsDialog(300);
        ShowWindow(window->m_hWnd, SW_RESTORE);
        PumpAsDialog(800);
        EXPECT_EQ(0u, DifferingPixels(before, Video())) << when << ", after minimizing";
        EXPECT_FALSE(Playing()) << when;
        SendMessageW(window->m_hWnd, UM_UPDATEPOSITION, 0, 0);
        EXPECT_EQ(clock, PaneText(1)) << when;
    }
};

// At the end of the stream the renderer holds no frame to give back; the picture comes back
// through the graph itself, and neither the state nor the position may show it.
TEST_F(MainWindowRepaintTest, PausedPictureComesBackAfterAMenuOrAMinimizeCoveredItMidClipAndAtTheEnd) {
    PumpAsDialog(1000);
    Command(ID_PLAY_PAUSE);
    CoverAndCompare("paused mid-clip");
    Command(ID_PLAY_PAUSE);
    ASSERT_TRUE(PumpUntil([&] { return !Playing(); }, 6000));
    CoverAndCompare("paused at the end");
}

// The window narrows to the picture while paused, the menu bar wraps onto a second line and the
// bar moves down by that line: where it was, inside the picture, no copy of it may stay.
TEST_F(MainWindowRepaintTest, StatusBarIsDrawnOnceWhenTheMenuBarWrapsAroundAPausedPicture) {
    Command(ID_PLAY_PAUSE);
    Command(ID_SIZE_200);
    PumpAsDialog(300);
    Command(ID_SIZE_100);
    PumpAsDialog(800);
    MENUBARINFO menuBar = {sizeof(menuBar)};
    ASSERT_TRUE(GetMenuBarInfo(window->m_hWnd, OBJID_MENU, 0, &menuBar));
    ASSERT_GT(menuBar.rcBar.bottom - menuBar.rcBar.top, GetSystemMetrics(SM_CYMENU) + 4);  // two lines

    RECT bar = WindowRectOf(Child(IDC_STATUSBAR));
    RECT texts = bar;  // the panes' texts, without the edges that a copy inside the picture loses
    InflateRect(&texts, -8, -3);
    std::vector<BYTE> own = ScreenPixels(texts);
    size_t fewest = own.size() / 3;
    int at = 0;
    for (int up = bar.bottom - bar.top; up <= 2 * (bar.bottom - bar.top); ++up) {
        RECT above = texts;
        OffsetRect(&above, 0, -up);
        size_t differing = DifferingPixels(own, ScreenPixels(above));
        if (differing < fewest) fewest = differing, at = up;
    }
    EXPECT_GT(fewest, own.size() / 3 / 4) << "a copy of the bar " << at << " pixels above it";
}
