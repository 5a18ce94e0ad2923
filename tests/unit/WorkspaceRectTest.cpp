#include <gtest/gtest.h>

#include <vector>

#include "ui/WorkspaceRect.h"

static std::vector<LONG> Sides(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

TEST(WorkspaceRect, NormalPositionMovesByWhatTheTaskbarTakesFromTheMonitorsTopLeft) {
    const RECT normal = {100, 50, 500, 350};
    struct {
        const char* what;
        RECT monitor, work;
        std::vector<LONG> screen;
    } cases[] = {
        {"no taskbar", {0, 0, 1024, 768}, {0, 0, 1024, 768}, {100, 50, 500, 350}},
        {"taskbar at the top", {0, 0, 1024, 768}, {0, 30, 1024, 768}, {100, 80, 500, 380}},
        {"taskbar at the bottom", {0, 0, 1024, 768}, {0, 0, 1024, 738}, {100, 50, 500, 350}},
        // Relative to the monitor's own corner, not the virtual screen's.
        {"monitor left of the primary", {-1280, 0, 0, 1024}, {-1240, 0, 0, 1024}, {140, 50, 540, 350}},
    };
    for (const auto& c : cases) EXPECT_EQ(c.screen, Sides(WorkspaceToScreen(normal, c.monitor, c.work))) << c.what;
}
