#include <gtest/gtest.h>

#include "support/TestSupport.h"
#include "windows/ControlTestParent.h"

namespace {
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
