#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "controls/MainStatusBar.h"
#include "windows/ControlTestParent.h"

TEST(MainStatusBarWindow, OnlyTheTextPaneWidensWithTheBar) {
    ControlTestParent& parent = SharedTestParent();
    RECT client;
    GetClientRect(parent.m_hWnd, &client);
    MainStatusBar bar;
    ASSERT_TRUE(bar.Create(&parent, {0, client.bottom - 19, client.right, client.bottom}));
    auto paneWidth = [&](int index) {
        RECT r = {};
        SendMessageW(bar.m_hWnd, SB_GETRECT, index, reinterpret_cast<LPARAM>(&r));
        return r.right - r.left;
    };
    int textWidth = paneWidth(0);
    SetWindowPos(bar.m_hWnd, nullptr, 0, 0, client.right + 200, 19, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(textWidth + 200, paneWidth(0));
    EXPECT_EQ(137, paneWidth(1));
}
