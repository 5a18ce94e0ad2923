// Window arithmetic: margins measure the frame around the video; full screen hangs the frame off every edge evenly; the
// frame rebuilt around an unmoved frameless window is the saved one, and follows it when moved;
// a dragged frame keeps the video's aspect to within a pixel, moves only the edge it may move
// and stays put when dragged again.
#include <cmath>

#include "fuzz/FuzzCheck.h"
#include "ui/WindowLayout.h"

namespace {

// No screen lies further than this from the origin; TruncToInt's pin leaves room for sums with
// such coordinates.
const int kCoordinate = 1 << 24;

int Coordinate(FuzzedDataProvider& input) { return input.ConsumeIntegralInRange(-kCoordinate, kCoordinate); }

RECT AnyRect(FuzzedDataProvider& input) { return {Coordinate(input), Coordinate(input), Coordinate(input), Coordinate(input)}; }

RECT Moved(const RECT& r, int dx, int dy) { return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

void CheckFrame(FuzzedDataProvider& input) {
    RECT window = AnyRect(input), video = AnyRect(input);
    FrameMargins m = MarginsBetween(window, video);
    FUZZ_CHECK(m.left >= 0 && m.top >= 0 && m.right >= 0 && m.bottom >= 0);
    if (video.left >= window.left && video.top >= window.top && video.right <= window.right && video.bottom <= window.bottom)
        FUZZ_CHECK(window.left + m.left == video.left && window.top + m.top == video.top &&
                   window.right - m.right == video.right && window.bottom - m.bottom == video.bottom);

    int dx = Coordinate(input), dy = Coordinate(input);
    FUZZ_CHECK(SameRect(RebuildFrameRect(video, window, video), window));
    FUZZ_CHECK(SameRect(RebuildFrameRect(Moved(video, dx, dy), window, video), Moved(window, dx, dy)));

    int cxFrame = input.ConsumeIntegralInRange(0, 64), cyFrame = input.ConsumeIntegralInRange(0, 64);
    int cxScreen = input.ConsumeIntegralInRange(0, kCoordinate), cyScreen = input.ConsumeIntegralInRange(0, kCoordinate);
    RECT full = FullScreenRect(cxFrame, cyFrame, cxScreen, cyScreen);
    FUZZ_CHECK(full.right - full.left == cxScreen + cxFrame && full.bottom - full.top == cyScreen + cyFrame);
    FUZZ_CHECK(full.left == -(cxFrame / 2) && full.top == -(cyFrame / 2));
}

void CheckSizing(FuzzedDataProvider& input) {
    RECT rect = AnyRect(input);
    FrameMargins m = {input.ConsumeIntegralInRange(0, kCoordinate), input.ConsumeIntegralInRange(0, kCoordinate),
                      input.ConsumeIntegralInRange(0, kCoordinate), input.ConsumeIntegralInRange(0, kCoordinate)};
    int edge = input.ConsumeIntegralInRange(-1, 10);
    // The aspect comes from a picture size; sometimes anything at all.
    double aspect = static_cast<double>(input.ConsumeIntegralInRange(1, 65535)) / input.ConsumeIntegralInRange(1, 65535);
    if (input.ConsumeBool()) aspect = AnyDouble(input);

    RECT sized = rect;
    bool adjusted = ConstrainSizingRect(edge, &sized, m, aspect);
    if (!(aspect > 0) || edge < WMSZ_LEFT || edge > WMSZ_BOTTOMRIGHT) {
        FUZZ_CHECK(!adjusted && SameRect(sized, rect));
        return;
    }
    FUZZ_CHECK(adjusted);
    bool widthFollows = edge != WMSZ_LEFT && edge != WMSZ_RIGHT;
    bool leftMoves = edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT;
    FUZZ_CHECK(sized.top == rect.top && (sized.left == rect.left || leftMoves));
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
    FUZZ_CHECK(ConstrainSizingRect(edge, &again, m, aspect) && SameRect(again, sized));
}

void CheckTrunc(double x) {
    int t = TruncToInt(x), limit = INT32_MAX / 2;
    if (std::isnan(x)) FUZZ_CHECK(t == 0);
    else if (std::fabs(x) < limit) FUZZ_CHECK(t == std::trunc(x));
    else FUZZ_CHECK(t == (x > 0 ? limit : -limit));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    CheckTrunc(AnyDouble(input));
    CheckFrame(input);
    CheckSizing(input);
    return 0;
}
