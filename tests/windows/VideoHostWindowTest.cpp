#include <gtest/gtest.h>

#include "controls/VideoHostWindow.h"
#include "framework/Scoped.h"
#include "support/TestSupport.h"
#include "windows/ControlTestParent.h"

TEST(VideoHostWindow, PaintsBlackTakesFocusOnMouseActivityAndPostsLeftClicksUnchanged) {
    ControlTestParent& parent = SharedTestParent();
    VideoHostWindow host;
    ASSERT_TRUE(host.Create(parent.m_hWnd, {10, 40, 330, 280}, 1003));
    EXPECT_TRUE(GetClassLongW(host.m_hWnd, GCL_STYLE) & CS_DBLCLKS);  // else no double click ever arrives

    ScopedGetDC dc(host.m_hWnd);
    RECT client;
    GetClientRect(host.m_hWnd, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    InvalidateRect(host.m_hWnd, nullptr, FALSE);
    UpdateWindow(host.m_hWnd);
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(dc, client.right - 1, client.bottom - 1));

    parent.received.clear();
    for (UINT message : {WM_MOUSEMOVE, WM_RBUTTONDOWN, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}) {
        SetFocus(parent.m_hWnd);
        SendMessageW(host.m_hWnd, message, MK_SHIFT, ClientPoint(17, 23));
        EXPECT_EQ(host.m_hWnd, GetFocus()) << message;
    }
    PumpMessages(30);
    ASSERT_EQ(2u, parent.received.size());
    EXPECT_EQ(static_cast<UINT>(WM_LBUTTONDOWN), parent.received[0].message);
    EXPECT_EQ(static_cast<UINT>(WM_LBUTTONDBLCLK), parent.received[1].message);
    EXPECT_EQ(ClientPoint(17, 23), parent.received[1].lParam);  // host coordinates, not the parent's
}
