// The controls, each alone in a real top-level window that records what the control tells it.
#include <gtest/gtest.h>

#include <vector>

#include "controls/SeekSlider.h"
#include "controls/VideoHostWindow.h"
#include "framework/Scoped.h"
#include "support/TestSupport.h"

namespace {
struct ReceivedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool sliderTracking;  // the slider's IsTracking() while the message was handled
};

class ControlTestParent : public CWnd {
public:
    std::vector<ReceivedMessage> Received(UINT message) const {
        std::vector<ReceivedMessage> found;
        for (const ReceivedMessage& m : received)
            if (m.message == message) found.push_back(m);
        return found;
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_HSCROLL || message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK)
            received.push_back({message, wParam, lParam, slider && slider->IsTracking()});
        return CWnd::WindowProc(message, wParam, lParam);
    }

    SeekSlider* slider = nullptr;
    std::vector<ReceivedMessage> received;
};

LPARAM ClientPoint(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

// One parent for the whole run, never destroyed: under Wine without a window manager,
// destroying a shown top-level window waits about two seconds for the display.
ControlTestParent& SharedTestParent() {
    static ControlTestParent* parent = nullptr;
    if (!parent) {
        parent = new ControlTestParent;
        const wchar_t* windowClass = CWnd::RegisterWindowClass(0, LoadCursor(nullptr, IDC_ARROW),
                                                               GetSysColorBrush(COLOR_BTNFACE), nullptr);
        // Away from the screen's corner, where the idle pointer of the virtual display rests.
        parent->CreateEx(0, windowClass, L"control test", WS_POPUP | WS_VISIBLE, {300, 200, 800, 500}, nullptr, 0);
    }
    parent->received.clear();
    parent->slider = nullptr;
    return *parent;
}

using Scrolls = std::vector<std::pair<int, bool>>;

// A 300 x 18 slider set up as the main window sets up its own, with the thumb in the middle (x 144..154).
class SeekSliderWindow : public ::testing::Test {
protected:
    void SetUp() override {
        parent.slider = &slider;
        ASSERT_TRUE(slider.Create(parent.m_hWnd, {10, 6, 310, 24}, 1005));
        slider.LoadSystemColors();
        slider.SetRange(0, 10000);
        slider.SetPos(5000, true, false);
        PumpMessages(20);
    }
    void TearDown() override { parent.slider = nullptr; }

    void Send(UINT message, int x, int y) {
        SendMessageW(slider.m_hWnd, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, ClientPoint(x, y));
    }
    // Each WM_HSCROLL's position, and whether the slider was still tracking while the parent handled it.
    Scrolls ScrollsSent() const {
        Scrolls sent;
        for (const ReceivedMessage& m : parent.Received(WM_HSCROLL)) {
            EXPECT_EQ(SB_THUMBPOSITION, LOWORD(m.wParam));
            EXPECT_EQ(reinterpret_cast<LPARAM>(slider.m_hWnd), m.lParam);
            sent.push_back({HIWORD(m.wParam), m.sliderTracking});
        }
        return sent;
    }

    ControlTestParent& parent = SharedTestParent();
    SeekSlider slider;
};

}  // namespace

TEST_F(SeekSliderWindow, MouseSequencesTrackUntilReleaseAndReportWhereTheThumbGoes) {
    struct Step { UINT message; int x, y; };
    struct { const char* what; std::vector<Step> steps; Scrolls sent; } cases[] = {
        {"channel click", {{WM_LBUTTONDOWN, 100, 8}, {WM_LBUTTONUP, 200, 8}}, {{3263, true}, {6771, false}}},
        // Above or below the thin channel, but in its column, is as good as on it.
        {"click beside the channel", {{WM_LBUTTONDOWN, 100, 2}, {WM_LBUTTONUP, 100, 2}}, {{3263, true}, {3263, false}}},
        // The thumb's centre goes under the cursor only at the release.
        {"thumb off centre", {{WM_LBUTTONDOWN, 151, 8}, {WM_LBUTTONUP, 151, 8}}, {{5052, false}}},
        // Tracking all the same, so the playback timer leaves the thumb alone meanwhile.
        {"end margin", {{WM_LBUTTONDOWN, 2, 8}, {WM_MOUSEMOVE, 100, 8}, {WM_LBUTTONUP, 100, 8}}, {}},
        {"drag beyond both ends",
         {{WM_LBUTTONDOWN, 149, 8}, {WM_MOUSEMOVE, -40, 8}, {WM_MOUSEMOVE, 500, 30}, {WM_LBUTTONUP, -40, 8}},
         {{0, true}, {10000, true}, {0, false}}},
    };
    for (const auto& c : cases) {
        slider.SetPos(5000, true, false);
        parent.received.clear();
        for (const Step& step : c.steps) {
            Send(step.message, step.x, step.y);
            bool released = step.message == WM_LBUTTONUP;
            EXPECT_EQ(!released, slider.IsTracking()) << c.what;
            EXPECT_EQ(released ? nullptr : slider.m_hWnd, GetCapture()) << c.what;
        }
        EXPECT_EQ(c.sent, ScrollsSent()) << c.what;
        EXPECT_EQ(c.sent.empty() ? 5000 : c.sent.back().first, slider.GetPos()) << c.what;
    }
}

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
