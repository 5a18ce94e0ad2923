#include <gtest/gtest.h>

#include "controls/MainToolBar.h"
#include "resources/resource.h"
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

TEST_F(ToolbarTest, ButtonMovesPromptAndTipUntilASeparatorOrThePointerLeavingTheBarClosesThem) {
    POINT open = Centre(1);
    ClientToScreen(bar.m_hWnd, &open);
    SetCursorPos(open.x, open.y);
    PumpMessages(100);  // pointer events queued before the warp would report the old position
    MoveOver(Centre(1));
    EXPECT_EQ(std::wstring(L"\u958b\u304f"), TipText());  // "開く", what follows the prompt's line feed
    EXPECT_EQ(std::vector<WPARAM>({ID_FILE_OPEN_CMD}), Selections());
    PumpMessages(500);  // ticks while the pointer rests on the button change nothing
    EXPECT_EQ(1u, bar.PollTimerId());
    for (WPARAM selection : Selections()) EXPECT_EQ(static_cast<WPARAM>(ID_FILE_OPEN_CMD), selection);

    parent.received.clear();
    MoveOver(Centre(3));  // a separator
    EXPECT_EQ(std::vector<WPARAM>({0, kMenuClosed}), Selections());
    EXPECT_EQ(0u, bar.PollTimerId());
    EXPECT_EQ(std::wstring(), TipText());

    // Leaving the bar altogether brings no mouse move to it: only a tick can notice.
    MoveOver(Centre(1));
    SetCursorPos(5, 740);
    EXPECT_TRUE(PumpUntil([&] { return bar.PollTimerId() == 0; }, 3000));
    EXPECT_EQ(kMenuClosed, Selections().back());

    // The tooltip is a popup without an owner: the bar must take it down itself.
    HWND tip = bar.ToolTip()->m_hWnd;
    bar.DestroyWindow();
    EXPECT_EQ(0u, bar.PollTimerId());
    EXPECT_FALSE(IsWindow(tip));
}
