#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "controls/MainStatusBar.h"
#include "support/TestSupport.h"
#include "windows/ControlTestParent.h"

namespace {
class MainStatusBarTest : public ::testing::Test {
protected:
    bool CreateBar(DWORD parentStyle) {
        parent = &SharedTestParent(parentStyle);
        RECT client;
        GetClientRect(parent->m_hWnd, &client);
        barRect = {0, client.bottom - 19, client.right, client.bottom};
        return bar.Create(parent, barRect);
    }
    int PaneWidth(int index) const {
        RECT r = {};
        EXPECT_TRUE(bar.GetItemRect(index, &r));
        return r.right - r.left;
    }
    RECT PaneRect(int index) const {
        RECT r = {};
        EXPECT_TRUE(bar.GetItemRect(index, &r));
        return r;
    }
    int BarWidth() const {
        RECT r;
        GetClientRect(bar.m_hWnd, &r);
        return r.right;
    }
    std::wstring ControlText(int index) const {
        wchar_t text[256] = {};
        LRESULT length = SendMessageW(bar.m_hWnd, SB_GETTEXTLENGTHW, index, 0);
        if (LOWORD(length) >= 256) return L"(too long)";
        SendMessageW(bar.m_hWnd, SB_GETTEXTW, index, reinterpret_cast<LPARAM>(text));
        return text;
    }
    WORD ControlTextType(int index) const { return HIWORD(SendMessageW(bar.m_hWnd, SB_GETTEXTLENGTHW, index, 0)); }

    ControlTestParent* parent = nullptr;
    MainStatusBar bar;
    RECT barRect = {};
};
}  // namespace

TEST_F(MainStatusBarTest, CreatedWhereTheLayoutSaysWithGripAndWithoutBarBits) {
    ASSERT_TRUE(CreateBar(WS_OVERLAPPEDWINDOW));
    EXPECT_EQ(1004, GetDlgCtrlID(bar.m_hWnd));
    LONG style = GetWindowLongW(bar.m_hWnd, GWL_STYLE);
    EXPECT_TRUE(style & SBARS_SIZEGRIP);
    EXPECT_EQ(0, style & 0x8000);  // CBRS_ALIGN_BOTTOM stays with the bar object
    EXPECT_EQ(static_cast<DWORD>(0x8200), bar.BarStyle());
    EXPECT_TRUE(IsWindowVisible(bar.m_hWnd));

    RECT placed;
    GetWindowRect(bar.m_hWnd, &placed);
    MapWindowPoints(nullptr, parent->m_hWnd, reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_EQ(barRect.left, placed.left);
    EXPECT_EQ(barRect.top, placed.top);
    EXPECT_EQ(barRect.right, placed.right);
    EXPECT_EQ(barRect.bottom, placed.bottom);
}

TEST_F(MainStatusBarTest, NoGripWithoutSizingFrame) {
    ASSERT_TRUE(CreateBar(WS_POPUP));
    EXPECT_FALSE(GetWindowLongW(bar.m_hWnd, GWL_STYLE) & SBARS_SIZEGRIP);
}

TEST_F(MainStatusBarTest, PositionPaneIsFixedAndEmptyWhileTextPaneStretches) {
    ASSERT_TRUE(CreateBar(WS_OVERLAPPEDWINDOW));
    ASSERT_EQ(2, bar.PaneCount());
    EXPECT_EQ(2, SendMessageW(bar.m_hWnd, SB_GETPARTS, 0, 0));
    EXPECT_EQ(137, PaneWidth(1));
    EXPECT_EQ(BarWidth(), PaneRect(1).right);
    EXPECT_EQ(0, PaneRect(0).left);
    EXPECT_GT(PaneWidth(0), 300);
    EXPECT_EQ(L"", ControlText(1));
    UINT id, style;
    int width;
    bar.GetPaneInfo(0, id, style, width);
    EXPECT_EQ(0u, id);
    EXPECT_EQ(static_cast<UINT>(SBPS_STRETCH), style);
    bar.GetPaneInfo(1, id, style, width);
    EXPECT_EQ(1u, id);
    EXPECT_EQ(137, width);

    // The owner widens the bar with the window: only the text pane grows.
    int before = PaneWidth(0);
    SetWindowPos(bar.m_hWnd, nullptr, 0, 0, BarWidth() + 200, 19, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(before + 200, PaneWidth(0));
    EXPECT_EQ(137, PaneWidth(1));
    EXPECT_EQ(BarWidth(), PaneRect(1).right);
}

TEST_F(MainStatusBarTest, PaneTextsReachTheControl) {
    ASSERT_TRUE(CreateBar(WS_OVERLAPPEDWINDOW));
    EXPECT_TRUE(bar.SetPaneText(1, L" 0:00:01 / 0:00:03"));
    EXPECT_TRUE(bar.SetPaneText(0, L"clip.avi", false));
    EXPECT_EQ(L" 0:00:01 / 0:00:03", ControlText(1));
    EXPECT_EQ(L"clip.avi", ControlText(0));
    EXPECT_EQ(L"clip.avi", bar.GetPaneText(0));
    EXPECT_FALSE(bar.SetPaneText(2, L"x"));
    EXPECT_FALSE(bar.SetPaneText(-1, L"x"));
}

TEST_F(MainStatusBarTest, PromptPaneWithoutBordersAcrossTheBarAndBack) {
    ASSERT_TRUE(CreateBar(WS_OVERLAPPEDWINDOW));
    bar.SetPaneText(0, L"clip.avi");
    int full = BarWidth();

    // What a highlighted menu item does: a borderless pane 0 as wide as the window, then its text.
    bar.SetPaneInfo(0, 0, SBPS_NOBORDERS, full);
    SetWindowTextW(bar.m_hWnd, L"prompt");
    EXPECT_EQ(full, PaneWidth(0));
    EXPECT_TRUE(ControlTextType(0) & SBT_NOBORDERS);
    EXPECT_EQ(L"prompt", ControlText(0));
    EXPECT_EQ(L"prompt", bar.GetPaneText(0));
    EXPECT_GE(PaneRect(1).left, full);  // the position pane is pushed out of sight

    // And what closing the menu does.
    bar.SetPaneInfo(0, 0, SBPS_STRETCH, 1);
    EXPECT_FALSE(ControlTextType(0) & SBT_NOBORDERS);
    EXPECT_EQ(137, PaneWidth(1));
    EXPECT_EQ(full, PaneRect(1).right);
}

TEST_F(MainStatusBarTest, IndicatorsTakeTheirStringsAndReportMissingOnes) {
    ASSERT_TRUE(CreateBar(WS_OVERLAPPEDWINDOW));
    const UINT noString[] = {0, 1};
    EXPECT_FALSE(bar.SetIndicators(noString, 2));
    EXPECT_EQ(2, bar.PaneCount());

    const UINT withString[] = {0, 32791};  // "ファイルを開きます\n開く"
    EXPECT_TRUE(bar.SetIndicators(withString, 2));
    EXPECT_EQ(1, bar.CommandToIndex(32791));
    EXPECT_EQ(L"ファイルを開きます\n開く", bar.GetPaneText(1));
    UINT id, style;
    int width;
    bar.GetPaneInfo(1, id, style, width);
    EXPECT_GT(width, 0);
}
