#include <gtest/gtest.h>

#include "framework/StatusPaneLayout.h"

TEST(StatusPaneLayout, StretchPaneTakesWhatTheOthersLeave) {
    std::vector<int> edges = StatusPartEdges({{0, true}, {137, false}}, 400, 2);
    ASSERT_EQ(2u, edges.size());
    EXPECT_EQ(261, edges[0]);  // 400 - 137 - gap
    EXPECT_EQ(400, edges[1]);
    // A stretch pane's own width counts towards what it gets, not on top of it.
    EXPECT_EQ(edges, StatusPartEdges({{1, true}, {137, false}}, 400, 2));
}

TEST(StatusPaneLayout, OnlyTheFirstStretchPaneGrows) {
    std::vector<int> edges = StatusPartEdges({{10, false}, {20, true}, {30, true}}, 200, 0);
    EXPECT_EQ((std::vector<int>{10, 170, 200}), edges);
}

TEST(StatusPaneLayout, WithoutRoomPanesKeepTheirWidths) {
    // A prompt pane as wide as the whole bar pushes the position pane out of sight.
    std::vector<int> edges = StatusPartEdges({{400, false}, {137, false}}, 400, 2);
    EXPECT_EQ((std::vector<int>{400, 539}), edges);
    EXPECT_EQ((std::vector<int>{0, 137}), StatusPartEdges({{0, true}, {137, false}}, 100, 0));
    EXPECT_TRUE(StatusPartEdges({}, 400, 2).empty());
}
