#include <gtest/gtest.h>

#include "media/FakeGraph.h"
#include "media/FilterEntry.h"

TEST(FilterListTest, PropertyPagesOpenOnlyForAFilterThatListsSomeAndEverythingGoesBack) {
    FakeGraph graph;
    SetDirectShowServices(&graph);
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
        EXPECT_EQ(0u, Unfreed());
        EXPECT_EQ(1u, decoder.refs);
    }
    EXPECT_EQ(0u, graph.refs);
    SetDirectShowServices(nullptr);
}
