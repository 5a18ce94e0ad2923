#include <gtest/gtest.h>

#include "media/FakeGraph.h"
#include "media/FilterEntry.h"
#include "media/FilterList.h"
#include "media/PinEntry.h"

TEST(FilterListTest, EnumerationAppendsAndOnlyOwningEntriesGiveTheFilterBack) {
    FakeGraph graph;
    FakeFilter reader, splitter;
    FakePin input, output;
    reader.name = "Reader", splitter.name = "Splitter";
    output.direction = PINDIR_OUTPUT;
    splitter.pins = {&output, nullptr, &input};
    splitter.infoGraph = &graph;  // the name query hands out a graph reference to give back
    graph.filters = {&reader, &splitter};
    {
        FilterList list;
        EXPECT_EQ(2, EnumerateFilters(&graph, &list, true));
        EXPECT_EQ(2, EnumerateFilters(&graph, &list, false));
        ASSERT_EQ(4, list.Count());
        EXPECT_STREQ("Splitter", list.Item(3)->Name());
        EXPECT_EQ(&input, list.Item(3)->GetNthPin(PINDIR_INPUT, 0)->Pin());
        EXPECT_EQ(nullptr, list.Item(3)->GetNthPin(PINDIR_OUTPUT, 1));
        EXPECT_EQ(2u, splitter.refs);
        EXPECT_EQ(2u, input.refs);
        EXPECT_EQ(0u, graph.filterEnum.refs + splitter.pinEnum.refs);
    }
    // The borrowing entries leave the enumeration's reference with whoever holds the list.
    EXPECT_EQ(1u, splitter.refs);
    EXPECT_EQ(0u, input.refs + output.refs + graph.refs);
}
