#include <gtest/gtest.h>

#include "controls/SeekSlider.h"
#include "framework/Scoped.h"
#include "support/TestSupport.h"
#include "windows/ControlTestParent.h"

namespace {
// A 300 x 18 slider, set up as the main window sets up its own.
class SeekSliderWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(parent.HasWindow());
        parent.slider = &slider;
        RECT rect = {10, 6, 310, 24};
        ASSERT_TRUE(slider.Create(parent.m_hWnd, rect, 1005));
        slider.LoadSystemColors();
        slider.SetRange(0, 10000);
        slider.SetPos(0, true, false);
        PumpMessages(20);
    }
    void TearDown() override {
        if (GetCapture() == slider.m_hWnd) ReleaseCapture();
        parent.slider = nullptr;
    }

    void Send(UINT message, int x, int y) {
        SendMessageW(slider.m_hWnd, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, ClientPoint(x, y));
    }
    // The position each WM_HSCROLL carried, checking that it names the slider.
    std::vector<int> ScrollPositions() const {
        std::vector<int> positions;
        for (const ReceivedMessage& m : parent.Received(WM_HSCROLL)) {
            EXPECT_EQ(SB_THUMBPOSITION, LOWORD(m.wParam));
            EXPECT_EQ(reinterpret_cast<LPARAM>(slider.m_hWnd), m.lParam);
            positions.push_back(HIWORD(m.wParam));
        }
        return positions;
    }
    std::vector<bool> ScrollTracking() const {
        std::vector<bool> tracking;
        for (const ReceivedMessage& m : parent.Received(WM_HSCROLL)) tracking.push_back(m.sliderTracking);
        return tracking;
    }

    ControlTestParent& parent = SharedTestParent(WS_POPUP);
    SeekSlider slider;
};
}  // namespace

TEST_F(SeekSliderWindow, ChannelClickJumpsAtOnceAndReportsAgainAtRelease) {
    slider.SetPos(5000, true, false);
    EXPECT_TRUE(parent.received.empty());

    Send(WM_LBUTTONDOWN, 100, 8);
    EXPECT_TRUE(slider.IsTracking());
    EXPECT_EQ(slider.m_hWnd, GetCapture());
    EXPECT_EQ(slider.m_hWnd, GetFocus());
    EXPECT_EQ(3263, slider.GetPos());  // 10000 * 93 / 285

    Send(WM_LBUTTONUP, 200, 8);
    EXPECT_FALSE(slider.IsTracking());
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_EQ(6771, slider.GetPos());  // 10000 * 193 / 285
    EXPECT_EQ((std::vector<int>{3263, 6771}), ScrollPositions());
    EXPECT_EQ((std::vector<bool>{true, false}), ScrollTracking());
}

TEST_F(SeekSliderWindow, PressAboveChannelJumpsLikeChannel) {
    Send(WM_LBUTTONDOWN, 100, 1);
    Send(WM_LBUTTONUP, 100, 1);
    EXPECT_EQ((std::vector<int>{3263, 3263}), ScrollPositions());
}

TEST_F(SeekSliderWindow, ThumbGrabbedOffCentreMovesOnlyAtRelease) {
    slider.SetPos(5000, true, false);  // thumb spans x 144..154
    Send(WM_LBUTTONDOWN, 151, 8);
    EXPECT_TRUE(slider.IsTracking());
    EXPECT_TRUE(parent.Received(WM_HSCROLL).empty());
    EXPECT_EQ(5000, slider.GetPos());

    Send(WM_LBUTTONUP, 151, 8);
    EXPECT_EQ(5052, slider.GetPos());  // the centre goes under the cursor: 10000 * 144 / 285
    EXPECT_EQ((std::vector<int>{5052}), ScrollPositions());
    EXPECT_EQ((std::vector<bool>{false}), ScrollTracking());
}

TEST_F(SeekSliderWindow, PressInEndMarginTracksButReportsNothing) {
    slider.SetPos(5000, true, false);
    Send(WM_LBUTTONDOWN, 2, 8);
    EXPECT_TRUE(slider.IsTracking());
    Send(WM_MOUSEMOVE, 100, 8);
    EXPECT_EQ(5000, slider.GetPos());
    Send(WM_LBUTTONUP, 100, 8);
    EXPECT_FALSE(slider.IsTracking());
    EXPECT_EQ(5000, slider.GetPos());
    EXPECT_TRUE(parent.Received(WM_HSCROLL).empty());
}

TEST_F(SeekSliderWindow, DragBeyondEitherEndStopsAtRangeEnds) {
    slider.SetPos(5000, true, false);
    Send(WM_LBUTTONDOWN, 149, 8);
    Send(WM_MOUSEMOVE, -40, 8);
    EXPECT_EQ(0, slider.GetPos());
    Send(WM_MOUSEMOVE, 500, 8);
    EXPECT_EQ(10000, slider.GetPos());  // the full value fits the high word
    Send(WM_MOUSEMOVE, 292, 30);        // leaving the control vertically does not matter
    Send(WM_LBUTTONUP, -40, 8);
    EXPECT_EQ(0, slider.GetPos());
    EXPECT_EQ((std::vector<int>{0, 10000, 10000, 0}), ScrollPositions());
    EXPECT_EQ((std::vector<bool>{true, true, true, false}), ScrollTracking());
}

TEST_F(SeekSliderWindow, MovesWithoutPressAndReleasesWithoutDragDoNothing) {
    Send(WM_MOUSEMOVE, 100, 8);
    Send(WM_LBUTTONUP, 100, 8);
    EXPECT_EQ(0, slider.GetPos());
    EXPECT_TRUE(parent.received.empty());
}

TEST_F(SeekSliderWindow, StaleDragIgnoresNextPressAndEndsAtFollowingRelease) {
    Send(WM_LBUTTONDOWN, 100, 8);
    ReleaseCapture();  // the capture went elsewhere; the release never arrived
    Send(WM_LBUTTONDOWN, 250, 8);
    EXPECT_EQ((std::vector<int>{3263}), ScrollPositions());
    Send(WM_LBUTTONUP, 250, 8);
    EXPECT_FALSE(slider.IsTracking());
    EXPECT_EQ((std::vector<int>{3263, 8526}), ScrollPositions());
}

TEST_F(SeekSliderWindow, NoDragWhenDisabledOrRangeEmpty) {
    EnableWindow(slider.m_hWnd, FALSE);
    Send(WM_LBUTTONDOWN, 100, 8);
    EXPECT_FALSE(slider.IsTracking());
    EnableWindow(slider.m_hWnd, TRUE);

    slider.SetRange(0, 0);
    Send(WM_LBUTTONDOWN, 100, 8);
    EXPECT_FALSE(slider.IsTracking());
    Send(WM_LBUTTONUP, 100, 8);
    EXPECT_TRUE(parent.Received(WM_HSCROLL).empty());
}

TEST_F(SeekSliderWindow, RightReleaseSelectsWholeRangeAndSendsCommand) {
    EXPECT_EQ(-1, slider.SelectionStart());
    SendMessageW(slider.m_hWnd, WM_RBUTTONUP, 0, ClientPoint(50, 8));
    EXPECT_EQ(0, slider.SelectionStart());
    EXPECT_EQ(10000, slider.SelectionEnd());
    std::vector<ReceivedMessage> commands = parent.Received(WM_COMMAND);
    ASSERT_EQ(1u, commands.size());
    EXPECT_EQ(1005u, commands[0].wParam);
    EXPECT_EQ(reinterpret_cast<LPARAM>(slider.m_hWnd), commands[0].lParam);
    EXPECT_EQ(0, slider.GetPos());
}

TEST_F(SeekSliderWindow, PositionAndSelectionAreClampedToRange) {
    EXPECT_EQ(1, slider.SetPos(20000, true, false));
    EXPECT_EQ(10000, slider.GetPos());
    slider.SetPos(-5, false, false);
    EXPECT_EQ(0, slider.GetPos());
    EXPECT_TRUE(parent.received.empty());

    slider.SetPos(20000, false, true);
    EXPECT_EQ((std::vector<int>{10000}), ScrollPositions());

    slider.SetSelection(8000, 2000, false);
    EXPECT_EQ(2000, slider.SelectionStart());
    EXPECT_EQ(8000, slider.SelectionEnd());
    slider.SetSelection(-5, 20000, true);
    EXPECT_EQ(0, slider.SelectionStart());
    EXPECT_EQ(10000, slider.SelectionEnd());
}

TEST_F(SeekSliderWindow, PaintsChannelAndThumbThroughBackBuffer) {
    slider.SetPos(5000, true, false);
    BackBuffer* buffer = slider.GetBackBuffer();
    ASSERT_NE(nullptr, buffer);
    ASSERT_NE(nullptr, buffer->Context());
    EXPECT_EQ(300, buffer->Width());
    EXPECT_EQ(18, buffer->Height());

    COLORREF face = GetSysColor(COLOR_BTNFACE);
    COLORREF dark = GetSysColor(COLOR_3DDKSHADOW);
    ASSERT_NE(face, RGB(0, 0, 0));
    // The frame is drawn in the buffer ...
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(buffer->Context(), 100, 8));
    EXPECT_EQ(dark, GetPixel(buffer->Context(), 100, 6));
    EXPECT_EQ(face, GetPixel(buffer->Context(), 3, 8));
    EXPECT_EQ(face, GetPixel(buffer->Context(), 148, 8));  // thumb face over the channel
    // ... and copied to the window.
    ScopedGetDC dc(slider.m_hWnd);
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(dc, 100, 8));
    EXPECT_EQ(face, GetPixel(dc, 3, 8));
    EXPECT_EQ(face, GetPixel(dc, 148, 8));

    // A new size brings a buffer of the new size and a thumb of the new height.
    SetWindowPos(slider.m_hWnd, nullptr, 0, 0, 200, 24, SWP_NOMOVE | SWP_NOZORDER);
    buffer = slider.GetBackBuffer();
    ASSERT_NE(nullptr, buffer);
    EXPECT_EQ(200, buffer->Width());
    EXPECT_EQ(24, buffer->Height());
    RECT thumb = slider.ThumbRect();
    EXPECT_EQ(24, thumb.bottom - thumb.top);
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(dc, 50, 11));
}

TEST_F(SeekSliderWindow, DestroyingTheWindowReleasesTheBuffer) {
    ASSERT_NE(nullptr, slider.GetBackBuffer());
    slider.DestroyWindow();
    EXPECT_EQ(nullptr, slider.GetBackBuffer());
    EXPECT_FALSE(slider.HasWindow());
}
