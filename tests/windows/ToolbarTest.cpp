#include <gtest/gtest.h>

#include "controls/MainToolBar.h"
#include "support/TestSupport.h"
#include "windows/ControlTestParent.h"

namespace {
const WPARAM kMenuClosed = 0xFFFF0000;

class ToolbarTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(bar.Create(&parent)); }

    POINT Centre(int index) const {
        RECT r = {};
        bar.GetItemRect(index, &r);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    void MoveOver(POINT p) { SendMessageW(bar.m_hWnd, WM_MOUSEMOVE, 0, ClientPoint(p.x, p.y)); }
    std::vector<WPARAM> Selections() const {
        std::vector<WPARAM> found;
        for (const ReceivedMessage& m : parent.Received(WM_MENUSELECT)) found.push_back(m.wParam);
        return found;
    }
    std::wstring TipText() const {
        wchar_t text[80] = {};
        TTTOOLINFOW info = {TTTOOLINFOW_V2_SIZE, TTF_IDISHWND, parent.m_hWnd, reinterpret_cast<UINT_PTR>(bar.m_hWnd),
                            {}, nullptr, text};
        SendMessageW(bar.ToolTip()->m_hWnd, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&info));
        return text;
    }

    ControlTestParent& parent = SharedTestParent();
    MainToolBar bar;
};
}  // namespace

TEST_F(ToolbarTest, SevenButtonsWithSeparatorsAndAnImageSwapKeepsTheRest) {
    // What the main window does to show the pause picture on a button it has disabled.
    SendMessageW(bar.m_hWnd, TB_ENABLEBUTTON, 32776, FALSE);
    bar.SetButtonInfo(4, 32776, TBSTYLE_BUTTON, 5);
    EXPECT_FALSE(SendMessageW(bar.m_hWnd, TB_ISBUTTONENABLED, 32776, 0));

    const UINT expectedIds[] = {0, 32791, 32789, 0, 32776, 32777, 0};
    const int expectedImages[] = {0, 0, 1, 0, 5, 3, 0};  // else the strip's cells in order
    ASSERT_EQ(7, bar.ButtonCount());
    for (int i = 0; i < 7; ++i) {
        UINT id = 99, style = 99;
        int image = -1;
        bar.GetButtonInfo(i, id, style, image);
        EXPECT_EQ(expectedIds[i], id) << i;
        EXPECT_EQ(static_cast<UINT>(id ? TBSTYLE_BUTTON : TBSTYLE_SEP), style) << i;
        if (id) { EXPECT_EQ(expectedImages[i], image) << i; }
    }
    // In the control's style the bar bits would mean custom erase and a customisable bar.
    EXPECT_EQ(0u, GetWindowLongW(bar.m_hWnd, GWL_STYLE) & (CBRS_ALIGN_TOP | CBRS_TOOLTIPS | CBRS_FLYBY));
}

TEST_F(ToolbarTest, ButtonMovesPromptAndTipWhileASeparatorClosesThePrompt) {
    MoveOver(Centre(1));
    EXPECT_EQ(1u, bar.PollTimerId());
    EXPECT_EQ(std::wstring(L"\u958b\u304f"), TipText());  // "開く", what follows the prompt's line feed
    MoveOver({Centre(1).x + 2, Centre(1).y + 1});
    EXPECT_EQ(std::vector<WPARAM>({32791, 32791}), Selections());

    parent.received.clear();
    MoveOver(Centre(3));
    EXPECT_EQ(std::vector<WPARAM>({0, kMenuClosed}), Selections());
    EXPECT_EQ(0u, bar.PollTimerId());
    EXPECT_EQ(std::wstring(), TipText());
}

TEST_F(ToolbarTest, PollTimerStartsOnceAndNoticesThePointerLeavingTheBar) {
    POINT open = Centre(1);
    ClientToScreen(bar.m_hWnd, &open);
    SetCursorPos(open.x, open.y);
    // Under Wine, pointer events queued before the warp (say, from mapping a new parent) would
    // briefly report the old position to a tick: let them pass before the timer starts.
    PumpMessages(100);
    MoveOver(Centre(1));
    PumpMessages(500);  // ticks while the pointer rests on the button change nothing
    EXPECT_EQ(1u, bar.PollTimerId());
    for (WPARAM selection : Selections()) EXPECT_EQ(32791u, selection);

    // Leaving the bar altogether brings no mouse move to it: only a tick can notice.
    SetCursorPos(5, 740);
    EXPECT_TRUE(PumpUntil([&] { return bar.PollTimerId() == 0; }, 3000));
    EXPECT_EQ(kMenuClosed, Selections().back());

    MoveOver(Centre(1));
    KillTimer(bar.m_hWnd, 1);  // behind the bar's back: only a restart could bring a tick now
    MoveOver(Centre(1));
    PumpMessages(600);
    EXPECT_EQ(1u, bar.PollTimerId());

    // The tooltip is a popup without an owner: the bar must take it down itself.
    HWND tip = bar.ToolTip()->m_hWnd;
    bar.DestroyWindow();
    EXPECT_EQ(0u, bar.PollTimerId());
    EXPECT_FALSE(IsWindow(tip));
}
