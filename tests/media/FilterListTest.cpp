#include <gtest/gtest.h>

#include "media/FakeGraph.h"
#include "media/FilterEntry.h"
#include "media/FilterList.h"
#include "media/PinEntry.h"

TEST(FilterListTest, EnumerationAppendsAndEveryEntryGivesItsReferencesBack) {
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
        EXPECT_EQ(2, EnumerateFilters(&graph, &list));
        EXPECT_EQ(2, EnumerateFilters(&graph, &list));
        ASSERT_EQ(4, list.Count());
        EXPECT_STREQ("Splitter", list.Item(3)->Name());
        EXPECT_EQ(&input, list.Item(3)->GetNthPin(PINDIR_INPUT, 0)->Pin());
        EXPECT_EQ(nullptr, list.Item(3)->GetNthPin(PINDIR_OUTPUT, 1));
        EXPECT_EQ(2u, splitter.refs);
        EXPECT_EQ(2u, input.refs);
        EXPECT_EQ(0u, graph.filterEnum.refs + splitter.pinEnum.refs);
    }
    EXPECT_EQ(0u, splitter.refs + reader.refs + input.refs + output.refs + graph.refs);
}

TEST(FilterListTest, PropertyPagesOpenOnlyForAFilterThatListsSomeAndEverythingGoesBack) {
    FakeGraph graph;
    SetDirectShowServices(&graph);
    IMalloc* allocator = nullptr;
    ASSERT_EQ(S_OK, CoGetMalloc(1, &allocator));
    const struct {
        bool hasPages;
        std::vector<GUID> pages;
        HRESULT getPages, frame;
        bool shown;
    } cases[] = {
        {false, {}, S_OK, S_OK, false},                 // no pages interface
        {true, {}, S_OK, S_OK, false},                  // an empty list
        {true, {CLSID_FilterGraph}, E_FAIL, S_OK, false},
        {true, {CLSID_FilterGraph, CLSID_MediaDet}, S_OK, S_OK, true},
        {true, {CLSID_FilterGraph}, S_OK, E_FAIL, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        FakeFilter decoder;
        FakePages pages;
        decoder.name = "Decoder";
        decoder.infoGraph = &graph;  // the name query hands out a graph reference to give back
        pages.pages = c.pages;
        decoder.pages = c.hasPages ? &pages : nullptr;
        fakeResults = {{"GetPages", c.getPages}, {"PropertyFrame", c.frame}};
        decoder.AddRef();  // the entry's, given back when it goes
        FilterEntry entry(&decoder);
        bool listed = c.hasPages && !c.pages.empty() && SUCCEEDED(c.getPages);
        EXPECT_EQ(listed, entry.HasPropertyPages());
        TakeLog();
        EXPECT_EQ(c.shown, entry.ShowPropertyPages(nullptr));
        EXPECT_EQ(listed ? Calls{"PropertyFrame(Decoder,Decoder," + std::to_string(c.pages.size()) + ")"} : Calls{},
                  TakeLog({"PropertyFrame"}));
        EXPECT_TRUE(!pages.lastList || allocator->DidAlloc(pages.lastList) == 0);
        EXPECT_EQ(1u, decoder.refs);
    }
    EXPECT_EQ(0u, graph.refs);
    allocator->Release();
    SetDirectShowServices(nullptr);
}
