#include <gtest/gtest.h>

#include "controls/DoubleClick.h"

TEST(DoubleClick, SecondPressPairsOnlyWithinTheTimeAndTheRectangleAroundTheFirst) {
    const SIZE size = {4, 4};  // the usual SM_CXDOUBLECLK and SM_CYDOUBLECLK
    const ClickRecord first = {true, 1000, {200, 100}};
    struct {
        const char* what;
        ClickRecord first;
        DWORD time;
        POINT point;
        bool paired;
    } cases[] = {
        {"same place at once", first, 1010, {200, 100}, true},
        {"at the rectangle's corner", first, 1010, {202, 98}, true},
        {"just outside it", first, 1010, {203, 100}, false},
        {"dragged below", first, 1010, {200, 140}, false},
        {"just before the time is up", first, 1499, {200, 100}, true},
        {"when the time is up", first, 1500, {200, 100}, false},
        {"across the tick count's wrap", {true, 0xFFFFFF00u, {200, 100}}, 0x40, {200, 100}, true},
        {"no first press", {false, 1000, {200, 100}}, 1010, {200, 100}, false},
    };
    for (const auto& c : cases) EXPECT_EQ(c.paired, IsSecondClick(c.first, c.time, c.point, 500, size)) << c.what;
}
