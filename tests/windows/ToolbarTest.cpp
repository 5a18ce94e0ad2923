#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/MainToolBar.h"
#include "support/TestSupport.h"

namespace {
const WPARAM kMenuClosed = 0xFFFF0000;

// A top-level window standing in for the main window: it keeps every WM_MENUSELECT it is sent.
class ToolbarTestParent : public CWnd {
public:
    bool Create() {
        const wchar_t* cls =
            RegisterWindowClass(0, LoadCursor(nullptr, IDC_ARROW), GetSysColorBrush(COLOR_BTNFACE), nullptr);
        RECT rect = {200, 150, 600, 350};
        if (!CreateEx(0, cls, L"toolbar test", WS_POPUP | WS_BORDER, rect, nullptr, 0)) return false;
        ShowWindow(m_hWnd, SW_SHOWNOACTIVATE);
        return true;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_MENUSELECT && lParam == 0) selections.push_back(wParam);
        return CWnd::WindowProc(message, wParam, lParam);
    }
    std::vector<WPARAM> selections;
};

class ToolbarTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(parent.Create());
        bar = std::make_unique<MainToolBar>();
        ASSERT_TRUE(bar->Create(&parent));
        MoveWindow(bar->m_hWnd, 0, 3, 150, 24, TRUE);
        PumpMessages(20);
        parent.selections.clear();
    }
    void TearDown() override {
        bar.reset();
        parent.DestroyWindow();
        PumpMessages(10);
    }

    RECT Item(int index) const {
        RECT rect;
        bar->GetItemRect(index, &rect);
        return rect;
    }
    static POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
    void MoveOver(POINT p) { SendMessageW(bar->m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y)); }
    void PutCursorOn(POINT clientPoint) {
        ClientToScreen(bar->m_hWnd, &clientPoint);
        SetCursorPos(clientPoint.x, clientPoint.y);
    }
    void PutCursorOutside() { SetCursorPos(5, 740); }
    std::wstring TipText() {
        wchar_t buffer[80] = {};
        TTTOOLINFOW info = {};
        info.cbSize = TTTOOLINFOW_V2_SIZE;
        info.uFlags = TTF_IDISHWND;
        info.hwnd = parent.m_hWnd;
        info.uId = reinterpret_cast<UINT_PTR>(bar->m_hWnd);
        info.lpszText = buffer;
        SendMessageW(bar->ToolTip()->m_hWnd, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&info));
        return buffer;
    }

    ToolbarTestParent parent;
    std::unique_ptr<MainToolBar> bar;
};

TEST_F(ToolbarTest, ButtonListSeparatorsAndImages) {
    ASSERT_EQ(7, bar->ButtonCount());
    int expectedImage = 0;
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(kMainToolBarButtons[i], bar->GetItemID(i)) << i;
        UINT id = 99, style = 99;
        int image = -1;
        bar->GetButtonInfo(i, id, style, image);
        EXPECT_EQ(kMainToolBarButtons[i], id) << i;
        if (id == 0) {
            EXPECT_EQ(static_cast<UINT>(TBSTYLE_SEP), style) << i;
        } else {
            EXPECT_EQ(static_cast<UINT>(TBSTYLE_BUTTON), style) << i;
            EXPECT_EQ(expectedImage++, image) << i;  // command buttons take the strip's cells in order
        }
    }
    EXPECT_EQ(0u, bar->GetItemID(7));
    auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(bar->m_hWnd, TB_GETIMAGELIST, 0, 0));
    EXPECT_EQ(16, ImageList_GetImageCount(images));  // the whole strip, cut into 16 x 15 cells
    EXPECT_EQ(1, bar->CommandToIndex(32791));
    EXPECT_EQ(2, bar->CommandToIndex(32789));
    EXPECT_EQ(4, bar->CommandToIndex(32776));
    EXPECT_EQ(5, bar->CommandToIndex(32777));
    EXPECT_EQ(-1, bar->CommandToIndex(32792));
}

TEST_F(ToolbarTest, BarBitsStayOutOfTheControlStyle) {
    EXPECT_EQ(static_cast<DWORD>(CBRS_ALIGN_TOP | CBRS_TOOLTIPS | CBRS_FLYBY), bar->BarStyle());
    // In the control's style these bits would mean custom erase and a customisable bar.
    DWORD style = GetWindowLongW(bar->m_hWnd, GWL_STYLE);
    EXPECT_EQ(0u, style & (CBRS_ALIGN_TOP | CBRS_TOOLTIPS | CBRS_FLYBY));
    DWORD ours = TBSTYLE_FLAT | CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN;
    EXPECT_EQ(ours, style & ours);
    EXPECT_EQ(static_cast<LONG_PTR>(MainToolBar::kControlId), GetWindowLongPtrW(bar->m_hWnd, GWLP_ID));
    EXPECT_EQ(parent.m_hWnd, GetParent(bar->m_hWnd));
}

TEST_F(ToolbarTest, ItemGeometry) {
    for (int i = 0; i < 7; ++i) {
        RECT r = Item(i);
        if (kMainToolBarButtons[i] == 0) {
            EXPECT_EQ(6, r.right - r.left) << i;
        } else {
            EXPECT_EQ(23, r.right - r.left) << i;
            EXPECT_EQ(22, r.bottom - r.top) << i;
        }
        if (i > 0) {
            EXPECT_EQ(Item(i - 1).right, r.left) << i;
        }
    }
    // The seek slider is placed after the trailing separator, so it must lie right of the stop button.
    EXPECT_GE(Item(6).left, Item(5).right);
    EXPECT_GT(Item(6).right, Item(5).right);
    RECT missing;
    bar->GetItemRect(9, &missing);
    EXPECT_TRUE(IsRectEmpty(&missing));
}

TEST_F(ToolbarTest, SetButtonInfoReplacesTheImageOnly) {
    int index = bar->CommandToIndex(32776);
    SendMessageW(bar->m_hWnd, TB_ENABLEBUTTON, 32776, FALSE);
    UINT id = 0, style = 0;
    int image = 0;
    bar->GetButtonInfo(index, id, style, image);
    bar->SetButtonInfo(index, id, style, 5);

    UINT newId = 0, newStyle = 0;
    int newImage = 0;
    bar->GetButtonInfo(index, newId, newStyle, newImage);
    EXPECT_EQ(32776u, newId);
    EXPECT_EQ(style, newStyle);
    EXPECT_EQ(5, newImage);
    EXPECT_FALSE(SendMessageW(bar->m_hWnd, TB_ISBUTTONENABLED, 32776, 0));  // state survives
    EXPECT_EQ(7, bar->ButtonCount());
}

TEST_F(ToolbarTest, SetButtonInfoCanTurnAButtonIntoASeparator) {
    bar->SetButtonInfo(2, 0, TBSTYLE_SEP, 6);
    EXPECT_EQ(7, bar->ButtonCount());
    EXPECT_EQ(0u, bar->GetItemID(2));
    EXPECT_EQ(-1, bar->CommandToIndex(32789));
    EXPECT_EQ(6, Item(2).right - Item(2).left);
    EXPECT_FALSE(bar->HitTest(Centre(Item(2))).hit);
}

TEST_F(ToolbarTest, HitTestFindsCommandButtonsOnly) {
    for (int i = 0; i < 7; ++i) {
        ToolBarHit hit = bar->HitTest(Centre(Item(i)));
        if (kMainToolBarButtons[i] == 0) {
            EXPECT_FALSE(hit.hit) << i;
        } else {
            EXPECT_TRUE(hit.hit) << i;
            EXPECT_EQ(i, hit.index);
            EXPECT_EQ(kMainToolBarButtons[i], hit.id);
        }
    }
    RECT open = Item(1);
    EXPECT_EQ(32791u, bar->HitTest({open.left, open.top}).id);  // edges count
    RECT stop = Item(5);
    EXPECT_EQ(32777u, bar->HitTest({stop.right, stop.bottom}).id);
    EXPECT_FALSE(bar->HitTest({stop.right + 1, Centre(stop).y}).hit);
    EXPECT_FALSE(bar->HitTest({Centre(open).x, open.bottom + 1}).hit);
    EXPECT_FALSE(bar->HitTest({-1, -1}).hit);
}

TEST_F(ToolbarTest, TooltipExistsFromCreation) {
    ASSERT_NE(nullptr, bar->ToolTip());
    HWND tip = bar->ToolTip()->m_hWnd;
    ASSERT_TRUE(IsWindow(tip));
    EXPECT_EQ(1, SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0));
    EXPECT_EQ(std::wstring(), TipText());

    bar.reset();  // the tooltip is a popup of the top-level window: the bar must take it down itself
    EXPECT_FALSE(IsWindow(tip));
}

TEST_F(ToolbarTest, MovingOverButtonsAndSeparators) {
    POINT open = Centre(Item(1));
    MoveOver(open);
    EXPECT_EQ(std::vector<WPARAM>({32791}), parent.selections);
    EXPECT_EQ(1u, bar->PollTimerId());
    EXPECT_EQ(std::wstring(L"\u958b\u304f"), TipText());  // "開く", the part after the line feed

    MoveOver({open.x + 2, open.y + 1});
    EXPECT_EQ(std::vector<WPARAM>({32791, 32791}), parent.selections);
    EXPECT_EQ(1u, bar->PollTimerId());

    MoveOver(Centre(Item(4)));
    EXPECT_EQ(std::wstring(L"\u518d\u751f/\u4e00\u6642\u505c\u6b62"), TipText());  // "再生/一時停止"

    parent.selections.clear();
    MoveOver(Centre(Item(3)));
    EXPECT_EQ(std::vector<WPARAM>({0, kMenuClosed}), parent.selections);
    EXPECT_EQ(0u, bar->PollTimerId());
    EXPECT_EQ(std::wstring(), TipText());

    // Off the buttons the closed-menu message goes out on every move, timer or not.
    MoveOver({Item(6).right + 5, 5});
    EXPECT_EQ(std::vector<WPARAM>({0, kMenuClosed, 0, kMenuClosed}), parent.selections);
}

TEST_F(ToolbarTest, PollTimerNoticesThePointerLeaving) {
    POINT open = Centre(Item(1));
    PutCursorOn(open);
    MoveOver(open);
    ASSERT_EQ(1u, bar->PollTimerId());
    PumpMessages(500);  // ticks while the pointer rests on the button change nothing
    EXPECT_EQ(1u, bar->PollTimerId());
    for (WPARAM selection : parent.selections) EXPECT_EQ(32791u, selection);

    // Leaving the bar altogether brings no mouse move to it: only the tick can notice.
    PutCursorOutside();
    EXPECT_TRUE(PumpUntil([&] { return bar->PollTimerId() == 0; }, 3000));
    ASSERT_FALSE(parent.selections.empty());
    EXPECT_EQ(kMenuClosed, parent.selections.back());
}

TEST_F(ToolbarTest, RepeatedMovesDoNotRestartTheTimer) {
    POINT open = Centre(Item(1));
    MoveOver(open);
    ASSERT_EQ(1u, bar->PollTimerId());
    // Take the timer away behind the bar's back: only a restart could bring a tick now.
    KillTimer(bar->m_hWnd, 1);
    PutCursorOutside();
    MoveOver(open);
    PumpMessages(600);
    EXPECT_EQ(std::vector<WPARAM>({32791, 32791}), parent.selections);
    EXPECT_EQ(1u, bar->PollTimerId());
}

TEST_F(ToolbarTest, DestroyingTheBarStopsTheTimer) {
    MoveOver(Centre(Item(5)));
    ASSERT_EQ(1u, bar->PollTimerId());
    HWND tip = bar->ToolTip()->m_hWnd;
    bar->DestroyWindow();
    EXPECT_EQ(0u, bar->PollTimerId());
    EXPECT_EQ(nullptr, bar->ToolTip());
    EXPECT_FALSE(IsWindow(tip));
}

TEST_F(ToolbarTest, RelayedMovesShowTheTip) {
    SetForegroundWindow(parent.m_hWnd);  // tips show only over an active window
    POINT open = Centre(Item(1));
    PutCursorOn(open);
    MoveOver(open);
    HWND tip = bar->ToolTip()->m_hWnd;
    MSG msg = {bar->m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(open.x, open.y), GetTickCount(), {}};
    GetCursorPos(&msg.pt);
    EXPECT_FALSE(bar->PreTranslateMessage(&msg));
    EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(tip) != FALSE; }, 3000));
}
}  // namespace
