#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "controls/MainStatusBar.h"
#include "windows/ControlTestParent.h"

TEST(MainStatusBarWindow, PositionPaneKeeps137PixelsWhileOnlyTheTextPaneWidens) {
    ControlTestParent& parent = SharedTestParent();
    RECT client;
    GetClientRect(parent.m_hWnd, &client);
    MainStatusBar bar;
    ASSERT_TRUE(bar.Create(&parent, {0, client.bottom - 19, client.right, client.bottom}));
    ASSERT_EQ(2, SendMessageW(bar.m_hWnd, SB_GETPARTS, 0, 0));
    EXPECT_EQ(0, LOWORD(SendMessageW(bar.m_hWnd, SB_GETTEXTLENGTHW, 1, 0)));
    auto pane = [&](int index) {
        RECT r = {};
        SendMessageW(bar.m_hWnd, SB_GETRECT, index, reinterpret_cast<LPARAM>(&r));
        return r;
    };
    EXPECT_EQ(137, pane(1).right - pane(1).left);
    EXPECT_EQ(client.right, pane(1).right);
    int textWidth = pane(0).right - pane(0).left;

    SetWindowPos(bar.m_hWnd, nullptr, 0, 0, client.right + 200, 19, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(textWidth + 200, pane(0).right - pane(0).left);
    EXPECT_EQ(137, pane(1).right - pane(1).left);
    EXPECT_EQ(client.right + 200, pane(1).right);
}
