#include <gtest/gtest.h>

#include "controls/VideoHostWindow.h"
#include "framework/Scoped.h"
#include "support/TestSupport.h"
#include "windows/ControlTestParent.h"

namespace {
class VideoHostWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(parent.HasWindow());
        RECT rect = {10, 40, 330, 280};
        ASSERT_TRUE(host.Create(parent.m_hWnd, rect, 1003));
        PumpMessages(20);
        parent.received.clear();
    }

    ControlTestParent& parent = SharedTestParent(WS_POPUP);
    VideoHostWindow host;
};
}  // namespace

TEST_F(VideoHostWindowTest, IsASunkenChildThatReceivesDoubleClicks) {
    EXPECT_EQ(0x52000000, GetWindowLongW(host.m_hWnd, GWL_STYLE) & 0xFFFF0000);
    EXPECT_TRUE(GetWindowLongW(host.m_hWnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_TRUE(GetClassLongW(host.m_hWnd, GCL_STYLE) & CS_DBLCLKS);
    EXPECT_EQ(0, GetClassLongPtrW(host.m_hWnd, GCLP_HBRBACKGROUND));
    EXPECT_EQ(1003, GetDlgCtrlID(host.m_hWnd));
}

TEST_F(VideoHostWindowTest, PostsLeftClicksToParentUnchanged) {
    LPARAM where = ClientPoint(17, 23);
    SendMessageW(host.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, where);
    SendMessageW(host.m_hWnd, WM_LBUTTONDBLCLK, MK_LBUTTON | MK_SHIFT, ClientPoint(5, 6));
    // Posted, not sent: the parent sees them only once the queue is pumped.
    EXPECT_TRUE(parent.received.empty());
    PumpMessages(30);

    std::vector<ReceivedMessage> downs = parent.Received(WM_LBUTTONDOWN);
    std::vector<ReceivedMessage> doubles = parent.Received(WM_LBUTTONDBLCLK);
    ASSERT_EQ(1u, downs.size());
    ASSERT_EQ(1u, doubles.size());
    EXPECT_EQ(static_cast<WPARAM>(MK_LBUTTON), downs[0].wParam);
    EXPECT_EQ(where, downs[0].lParam);  // host coordinates, not converted to the parent's
    EXPECT_EQ(static_cast<WPARAM>(MK_LBUTTON | MK_SHIFT), doubles[0].wParam);
    EXPECT_EQ(ClientPoint(5, 6), doubles[0].lParam);
}

TEST_F(VideoHostWindowTest, TakesFocusOnMouseActivity) {
    HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 10, 5, 100, 20, parent.m_hWnd, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, edit);
    const UINT messages[] = {WM_MOUSEMOVE, WM_RBUTTONDOWN, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK};
    for (UINT message : messages) {
        SetFocus(edit);
        ASSERT_EQ(edit, GetFocus());
        SendMessageW(host.m_hWnd, message, 0, ClientPoint(50, 50));
        EXPECT_EQ(host.m_hWnd, GetFocus()) << "message " << message;
    }
    PumpMessages(20);
    // Moves and right presses stay with the host.
    EXPECT_EQ(1u, parent.Received(WM_LBUTTONDOWN).size());
    EXPECT_EQ(1u, parent.Received(WM_LBUTTONDBLCLK).size());
    EXPECT_TRUE(parent.Received(WM_CONTEXTMENU).empty());
    DestroyWindow(edit);
}

TEST_F(VideoHostWindowTest, PaintsItsAreaBlack) {
    ScopedGetDC dc(host.m_hWnd);
    RECT client;
    GetClientRect(host.m_hWnd, &client);
    ScopedGdiObject white(CreateSolidBrush(RGB(255, 255, 255)));
    FillRect(dc, &client, white.Brush());
    ASSERT_EQ(RGB(255, 255, 255), GetPixel(dc, 100, 100));

    InvalidateRect(host.m_hWnd, nullptr, FALSE);
    UpdateWindow(host.m_hWnd);
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(dc, 0, 0));
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(dc, 100, 100));
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(dc, client.right - 1, client.bottom - 1));
}
