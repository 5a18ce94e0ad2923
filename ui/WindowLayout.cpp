#include "ui/WindowLayout.h"

#include <climits>
#include <cstdlib>

namespace {

int BandHeight(const LayoutState& s) { return (s.showToolbar && s.toolbarExists) ? kToolbarBandHeight : 0; }

RECT MakeRect(int left, int top, int right, int bottom) {
    RECT r = {left, top, right, bottom};
    return r;
}

}  // namespace

int TruncToInt(double value) {
    // A freak aspect ratio (a picture one pixel wide and thousands high) can push the product
    // past what an int holds; converting such a double is undefined, so it is pinned first.
    const double limit = INT_MAX / 2;
    if (value > limit) return static_cast<int>(limit);
    if (value < -limit) return static_cast<int>(-limit);
    if (value != value) return 0;
    return static_cast<int>(value);
}

RECT ToolbarBandRectOf(const LayoutState& s) {
    int height = BandHeight(s);
    int right = height == kToolbarBandHeight ? s.toolbarItem6Right + 1 : s.clientWidth;
    return MakeRect(0, kToolbarBandTop, right, kToolbarBandTop + height);
}

RECT SeekSliderRectOf(const LayoutState& s) {
    int left = s.toolbarExists ? s.toolbarItem6Right + 1 : 0;
    return MakeRect(left, kSeekSliderTop, s.clientWidth, ToolbarBandRectOf(s).bottom - 3);
}

RECT StatusBarRectOf(const LayoutState& s) {
    int top = s.showStatusBar ? s.clientHeight - kStatusBarHeight : s.clientHeight;
    return MakeRect(0, top, s.clientWidth, s.clientHeight);
}

RECT VideoAreaRectOf(const LayoutState& s) {
    if (s.fullScreen || s.frameless) return MakeRect(0, 0, s.clientWidth, s.clientHeight);
    int right = s.clientWidth - (s.showInfoPanel ? s.infoPanelWidth : 0);
    int top = s.showToolbar ? ToolbarBandRectOf(s).bottom : 0;
    int bottom = s.showStatusBar ? StatusBarRectOf(s).top : s.clientHeight;
    return MakeRect(0, top, right, bottom);
}

RECT InfoPanelRectOf(const LayoutState& s) {
    RECT video = VideoAreaRectOf(s);
    int left = video.right + (s.showInfoPanel ? kPanelGap : 0);
    return MakeRect(left, video.top, s.clientWidth, video.bottom);
}

FrameMargins MarginsBetween(const RECT& window, const RECT& video) {
    FrameMargins m;
    m.left = std::abs(video.left - window.left);
    m.top = std::abs(video.top - window.top);
    m.right = std::abs(window.right - video.right);
    m.bottom = std::abs(window.bottom - video.bottom);
    return m;
}

RECT FullScreenRect(int cxFrame, int cyFrame, int cxScreen, int cyScreen) {
    // Half the frame hangs off each edge, so the sizing border stays out of sight.
    int x = (cxScreen - (cxFrame + cxScreen)) / 2;
    int y = (cyScreen - (cyFrame + cyScreen)) / 2;
    int width = cxScreen + cxFrame;
    int height = cyScreen + cyFrame;
    return MakeRect(x, y, x + width, y + height);
}

RECT RebuildFrameRect(const RECT& current, const RECT& savedWindow, const RECT& savedVideo) {
    return MakeRect(current.left + (savedWindow.left - savedVideo.left),
                    current.top + (savedWindow.top - savedVideo.top),
                    current.right + (savedWindow.right - savedVideo.right),
                    current.bottom + (savedWindow.bottom - savedVideo.bottom));
}

bool ConstrainSizingRect(int edge, RECT* rect, const FrameMargins& m, double aspect) {
    if (!rect || !(aspect > 0)) return false;
    int videoWidth = (rect->right - rect->left) - m.left - m.right;
    int videoHeight = (rect->bottom - rect->top) - m.top - m.bottom;
    switch (edge) {
    case WMSZ_LEFT:
    case WMSZ_RIGHT:
        rect->bottom = rect->top + TruncToInt(videoWidth / aspect) + m.top + m.bottom;
        return true;
    case WMSZ_TOP:
    case WMSZ_TOPRIGHT:
    case WMSZ_BOTTOM:
    case WMSZ_BOTTOMRIGHT:
        rect->right = rect->left + TruncToInt(videoHeight * aspect) + m.left + m.right;
        return true;
    case WMSZ_TOPLEFT:
    case WMSZ_BOTTOMLEFT:
        rect->left = rect->right - TruncToInt(videoHeight * aspect) - m.left - m.right;
        return true;
    default:
        return false;
    }
}
