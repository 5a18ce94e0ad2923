// Window arithmetic: the children's rectangles tile the client area as the flags say; margins
// measure the frame around the video; full screen hangs the frame off every edge evenly; the
// frame rebuilt around an unmoved frameless window is the saved one, and follows it when moved;
// a dragged frame keeps the video's aspect to within a pixel, moves only the edge it may move
// and stays put when dragged again.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>

#include "fuzz/FuzzCheck.h"
#include "ui/WindowLayout.h"

namespace {

// No screen lies further than this from the origin; TruncToInt's pin leaves room for sums with
// such coordinates.
const int kCoordinate = 1 << 24;

bool Same(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

RECT AnyRect(FuzzedDataProvider& input) {
    RECT r;
    r.left = input.ConsumeIntegralInRange(-kCoordinate, kCoordinate);
    r.top = input.ConsumeIntegralInRange(-kCoordinate, kCoordinate);
    r.right = input.ConsumeIntegralInRange(-kCoordinate, kCoordinate);
    r.bottom = input.ConsumeIntegralInRange(-kCoordinate, kCoordinate);
    return r;
}

RECT Moved(const RECT& r, int dx, int dy) {
    RECT m = {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
    return m;
}

void CheckChildren(FuzzedDataProvider& input) {
    LayoutState s;
    s.clientWidth = input.ConsumeIntegralInRange(0, 1 << 16);
    s.clientHeight = input.ConsumeIntegralInRange(0, 1 << 16);
    s.toolbarExists = input.ConsumeBool();
    s.toolbarItem6Right = input.ConsumeIntegralInRange(0, 1024);
    s.showToolbar = input.ConsumeBool();
    s.showStatusBar = input.ConsumeBool();
    s.showInfoPanel = input.ConsumeBool();
    s.fullScreen = input.ConsumeBool();
    s.frameless = input.ConsumeBool();
    s.infoPanelWidth = input.ConsumeIntegralInRange(0, 1024);

    RECT band = ToolbarBandRectOf(s), slider = SeekSliderRectOf(s), status = StatusBarRectOf(s);
    RECT video = VideoAreaRectOf(s), panel = InfoPanelRectOf(s);
    FUZZ_CHECK(band.top == kToolbarBandTop && slider.top == kSeekSliderTop);
    FUZZ_CHECK(slider.bottom == band.bottom - 3 && slider.right == s.clientWidth);
    FUZZ_CHECK(status.left == 0 && status.right == s.clientWidth && status.bottom == s.clientHeight);
    FUZZ_CHECK(status.bottom - status.top == (s.showStatusBar ? kStatusBarHeight : 0));
    FUZZ_CHECK(panel.right == s.clientWidth && panel.top == video.top && panel.bottom == video.bottom);
    if (s.fullScreen || s.frameless) {
        RECT client = {0, 0, s.clientWidth, s.clientHeight};
        FUZZ_CHECK(Same(video, client));
        return;
    }
    FUZZ_CHECK(video.left == 0);
    FUZZ_CHECK(video.top == (s.showToolbar ? band.bottom : 0));
    FUZZ_CHECK(video.bottom == (s.showStatusBar ? status.top : s.clientHeight));
    FUZZ_CHECK(s.clientWidth - video.right == (s.showInfoPanel ? s.infoPanelWidth : 0));
    FUZZ_CHECK(panel.left - video.right == (s.showInfoPanel ? kPanelGap : 0));
}

void CheckFrame(FuzzedDataProvider& input) {
    RECT window = AnyRect(input), video = AnyRect(input);
    FrameMargins m = MarginsBetween(window, video);
    FUZZ_CHECK(m.left >= 0 && m.top >= 0 && m.right >= 0 && m.bottom >= 0);
    bool inside = video.left >= window.left && video.top >= window.top && video.right <= window.right &&
                  video.bottom <= window.bottom;
    if (inside)
        FUZZ_CHECK(window.left + m.left == video.left && window.top + m.top == video.top &&
                   window.right - m.right == video.right && window.bottom - m.bottom == video.bottom);

    // Leaving frameless mode where it was entered gives the saved frame back; a moved window
    // takes its frame along.
    FUZZ_CHECK(Same(RebuildFrameRect(video, window, video), window));
    int dx = input.ConsumeIntegralInRange(-kCoordinate, kCoordinate);
    int dy = input.ConsumeIntegralInRange(-kCoordinate, kCoordinate);
    FUZZ_CHECK(Same(RebuildFrameRect(Moved(video, dx, dy), window, video), Moved(window, dx, dy)));

    int cxFrame = input.ConsumeIntegralInRange(0, 64), cyFrame = input.ConsumeIntegralInRange(0, 64);
    int cxScreen = input.ConsumeIntegralInRange(0, kCoordinate), cyScreen = input.ConsumeIntegralInRange(0, kCoordinate);
    RECT full = FullScreenRect(cxFrame, cyFrame, cxScreen, cyScreen);
    FUZZ_CHECK(full.right - full.left == cxScreen + cxFrame && full.bottom - full.top == cyScreen + cyFrame);
    FUZZ_CHECK(full.left == -(cxFrame / 2) && full.top == -(cyFrame / 2));
    FUZZ_CHECK(full.left <= 0 && full.top <= 0 && full.right >= cxScreen && full.bottom >= cyScreen);
}

void CheckSizing(FuzzedDataProvider& input) {
    RECT rect = AnyRect(input);
    FrameMargins m;
    m.left = input.ConsumeIntegralInRange(0, kCoordinate);
    m.top = input.ConsumeIntegralInRange(0, kCoordinate);
    m.right = input.ConsumeIntegralInRange(0, kCoordinate);
    m.bottom = input.ConsumeIntegralInRange(0, kCoordinate);
    int edge = input.ConsumeIntegralInRange(-1, 10);
    // The aspect comes from a picture size; sometimes anything at all.
    double aspect = static_cast<double>(input.ConsumeIntegralInRange(1, 65535)) / input.ConsumeIntegralInRange(1, 65535);
    if (input.ConsumeBool()) input.ConsumeData(&aspect, sizeof(aspect));

    RECT sized = rect;
    bool known = edge >= WMSZ_LEFT && edge <= WMSZ_BOTTOMRIGHT;
    bool adjusted = ConstrainSizingRect(edge, &sized, m, aspect);
    FUZZ_CHECK(!ConstrainSizingRect(edge, nullptr, m, aspect));
    if (!(aspect > 0) || !known) {
        FUZZ_CHECK(!adjusted && Same(sized, rect));
        return;
    }
    FUZZ_CHECK(adjusted);
    bool widthFollows = edge != WMSZ_LEFT && edge != WMSZ_RIGHT;
    bool leftMoves = edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT;
    FUZZ_CHECK(sized.top == rect.top);
    FUZZ_CHECK(sized.left == rect.left || leftMoves);
    FUZZ_CHECK(sized.right == rect.right || (widthFollows && !leftMoves));
    FUZZ_CHECK(sized.bottom == rect.bottom || !widthFollows);

    double videoWidth = static_cast<double>(sized.right) - sized.left - m.left - m.right;
    double videoHeight = static_cast<double>(sized.bottom) - sized.top - m.top - m.bottom;
    double pinned = INT32_MAX / 2;
    if (widthFollows && std::fabs(videoHeight * aspect) < pinned)
        FUZZ_CHECK(std::fabs(videoWidth - videoHeight * aspect) < 1);
    if (!widthFollows && std::fabs(videoWidth / aspect) < pinned)
        FUZZ_CHECK(std::fabs(videoHeight - videoWidth / aspect) < 1);

    RECT again = sized;
    FUZZ_CHECK(ConstrainSizingRect(edge, &again, m, aspect) && Same(again, sized));
}

void CheckTrunc(double x) {
    int t = TruncToInt(x);
    double limit = INT32_MAX / 2;
    FUZZ_CHECK(t <= limit && t >= -limit);
    if (std::isnan(x)) FUZZ_CHECK(t == 0);
    else if (std::fabs(x) < limit) FUZZ_CHECK(t == std::trunc(x));
    else FUZZ_CHECK(t == (x > 0 ? static_cast<int>(limit) : -static_cast<int>(limit)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    double x = 0;
    input.ConsumeData(&x, sizeof(x));
    CheckTrunc(x);
    CheckChildren(input);
    CheckFrame(input);
    CheckSizing(input);
    return 0;
}
