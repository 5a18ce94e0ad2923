#include <gtest/gtest.h>

#include <cstring>

#include "media/FakeGraph.h"
#include "media/FilterEntry.h"
#include "media/FilterList.h"
#include "media/PinEntry.h"

namespace {
// The test keeps one reference to every filter and pin it makes, to watch their counts.
class FilterListTest : public ::testing::Test {
protected:
    void TearDown() override {
        for (IUnknown* object : kept) object->Release();
    }

    FakeFilter* MakeFilter(const wchar_t* name) {
        FakeFilter* filter = new FakeFilter(name);
        kept.push_back(static_cast<IBaseFilter*>(filter));
        return filter;
    }
    FakePin* AddPin(FakeFilter* filter, PIN_DIRECTION direction, HRESULT directionResult = S_OK) {
        FakePin* pin = new FakePin(direction, directionResult);
        pin->AddRef();
        kept.push_back(pin);
        filter->AddPin(pin);
        return pin;
    }
    std::vector<std::string> Names(const FilterList& list) {
        std::vector<std::string> names;
        for (int i = 0; i < list.Count(); ++i) {
            FilterEntry* entry = list.Item(i);
            names.push_back(entry && entry->Name() ? entry->Name() : "(none)");
        }
        return names;
    }

    FakeGraph graph;
    std::vector<IUnknown*> kept;
};
}  // namespace

TEST_F(FilterListTest, EnumerationAppendsEveryFilterOnceAndGivesTheEnumeratorBack) {
    graph.Insert(MakeFilter(L"Reader"));
    graph.Insert(MakeFilter(L"Splitter"));
    FakeFilter* earlier = MakeFilter(L"Earlier");
    FilterList list;
    earlier->AddRef();
    ASSERT_EQ(0, list.Add(earlier, true));

    EXPECT_EQ(2, EnumerateFilters(&graph, &list, true));
    EXPECT_EQ((std::vector<std::string>{"Earlier", "Reader", "Splitter"}), Names(list));
    EXPECT_EQ(0, FakeFilterEnum::live);
    EXPECT_EQ(nullptr, list.Item(3));
    EXPECT_EQ(nullptr, list.Item(-1));

    EXPECT_EQ(0, EnumerateFilters(nullptr, &list, true));
    EXPECT_EQ(0, EnumerateFilters(&graph, nullptr, true));
    graph.results.Set("EnumFilters", E_FAIL);
    EXPECT_EQ(0, EnumerateFilters(&graph, &list, true));
    EXPECT_EQ(3, list.Count());

    list.Clear();
    EXPECT_EQ(0, list.Count());
    EXPECT_EQ(nullptr, list.Item(0));
}

TEST_F(FilterListTest, ReferenceCountsComeBackToTheirStart) {
    FakeFilter* filter = MakeFilter(L"Renderer");
    FakePin* pin = AddPin(filter, PINDIR_INPUT);
    graph.Insert(filter);
    const ULONG filterStart = filter->Refs();
    const ULONG pinStart = pin->Refs();
    const ULONG graphStart = graph.Refs();
    filter->infoGraph = &graph;  // the name query hands out a graph reference to give back

    {
        FilterList owning;
        EnumerateFilters(&graph, &owning, true);
        EXPECT_EQ(filterStart + 1, filter->Refs());
        EXPECT_EQ(pinStart + 1, pin->Refs());
    }
    EXPECT_EQ(filterStart, filter->Refs());
    EXPECT_EQ(pinStart, pin->Refs());

    {
        FilterList borrowing;
        EnumerateFilters(&graph, &borrowing, false);
        ASSERT_EQ(1, borrowing.Count());
        EXPECT_FALSE(borrowing.Item(0)->OwnsFilter());
        EXPECT_EQ(filterStart + 1, filter->Refs());
        borrowing.Clear();
        // The enumeration's reference stays with whoever holds a borrowing list.
        EXPECT_EQ(filterStart + 1, filter->Refs());
        EXPECT_EQ(pinStart, pin->Refs());
    }
    filter->Release();
    EXPECT_EQ(filterStart, filter->Refs());
    EXPECT_EQ(graphStart, graph.Refs());
    EXPECT_EQ(0, FakePinEnum::live);
}

TEST_F(FilterListTest, NthPinCountsOnlyPinsOfThatDirection) {
    FakeFilter* filter = MakeFilter(L"Decoder");
    FakePin* output0 = AddPin(filter, PINDIR_OUTPUT);
    filter->AddPin(nullptr);                               // an empty answer of the enumerator
    AddPin(filter, PINDIR_INPUT, E_FAIL);                  // a pin that cannot tell its direction
    FakePin* input0 = AddPin(filter, PINDIR_INPUT);
    FakePin* output1 = AddPin(filter, PINDIR_OUTPUT);
    FakePin* input1 = AddPin(filter, PINDIR_INPUT);

    FilterEntry entry(filter, false);
    ASSERT_EQ(6, entry.PinCount());
    EXPECT_EQ(-1, entry.Pin(1)->Direction());
    EXPECT_EQ(-1, entry.Pin(2)->Direction());
    ASSERT_NE(nullptr, entry.GetNthPin(PINDIR_INPUT, 0));
    EXPECT_EQ(input0, entry.GetNthPin(PINDIR_INPUT, 0)->Pin());
    EXPECT_EQ(input1, entry.GetNthPin(PINDIR_INPUT, 1)->Pin());
    EXPECT_EQ(nullptr, entry.GetNthPin(PINDIR_INPUT, 2));
    EXPECT_EQ(output0, entry.GetNthPin(PINDIR_OUTPUT, 0)->Pin());
    EXPECT_EQ(output1, entry.GetNthPin(PINDIR_OUTPUT, 1)->Pin());

    FakeFilter* source = MakeFilter(L"Source");
    AddPin(source, PINDIR_OUTPUT);
    FilterEntry sourceEntry(source, false);
    EXPECT_EQ(nullptr, sourceEntry.GetNthPin(PINDIR_INPUT, 0));

    FilterEntry empty(nullptr, true);
    EXPECT_EQ(0, empty.PinCount());
    EXPECT_EQ(nullptr, empty.Name());
    EXPECT_EQ(nullptr, empty.GetNthPin(PINDIR_OUTPUT, 0));
    EXPECT_FALSE(empty.RefreshName());
}

TEST_F(FilterListTest, NameFollowsTheFilterAndSurvivesAFailedQuery) {
    FakeFilter* quiet = MakeFilter(L"Quiet");
    quiet->results.Set("QueryFilterInfo", E_FAIL);
    AddPin(quiet, PINDIR_INPUT);
    AddPin(quiet, PINDIR_OUTPUT);
    FilterEntry quietEntry(quiet, false);
    EXPECT_EQ(nullptr, quietEntry.Name());
    EXPECT_EQ(2, quietEntry.PinCount());
    EXPECT_NE(nullptr, quietEntry.GetNthPin(PINDIR_INPUT, 0));

    // "映像" reaches us in the ANSI code page, whichever that is.
    FakeFilter* named = MakeFilter(L"\u6620\u50cf Renderer");
    FilterEntry namedEntry(named, false);
    char expected[256] = {};
    WideCharToMultiByte(CP_ACP, 0, named->name.c_str(), -1, expected, sizeof(expected), nullptr, nullptr);
    ASSERT_NE(nullptr, namedEntry.Name());
    EXPECT_STREQ(expected, namedEntry.Name());

    named->name = L"Renamed";
    named->results.Set("QueryFilterInfo", E_FAIL);
    EXPECT_FALSE(namedEntry.RefreshName());
    EXPECT_STREQ(expected, namedEntry.Name());
    named->results.Set("QueryFilterInfo", S_OK);
    EXPECT_TRUE(namedEntry.RefreshName());
    EXPECT_STREQ("Renamed", namedEntry.Name());

    // A new pin enumeration that fails leaves no pins behind.
    quiet->results.Set("EnumPins", E_FAIL);
    EXPECT_EQ(0, quietEntry.RefreshPins());
    EXPECT_EQ(0, quietEntry.PinCount());
}

TEST_F(FilterListTest, PropertyPagesNeedPagesAndANameAndShowNothingWithout) {
    struct Case {
        const char* what;
        bool specifies;
        ULONG pages;
        const char* failing;
        bool has;
    };
    const Case cases[] = {
        {"no page interface", false, 1, nullptr, false},
        {"no pages", true, 0, nullptr, false},
        {"pages refused", true, 1, "GetPages", false},
        {"name refused", true, 1, "QueryFilterInfo", false},
        {"one page", true, 1, nullptr, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeFilter* filter = MakeFilter(L"Filter");
        filter->specifiesPages = c.specifies;
        filter->pageCount = c.pages;
        filter->infoGraph = &graph;
        FilterEntry entry(filter, false);
        if (c.failing) filter->results.Set(c.failing, E_FAIL);
        const ULONG filterStart = filter->Refs();
        const ULONG graphStart = graph.Refs();

        EXPECT_EQ(c.has, entry.HasPropertyPages());
        if (!c.has) {
            EXPECT_FALSE(entry.ShowPropertyPages(nullptr));
        }
        EXPECT_EQ(filterStart, filter->Refs());
        EXPECT_EQ(graphStart, graph.Refs());
    }
    FilterEntry none(nullptr, false);
    EXPECT_FALSE(none.HasPropertyPages());
    EXPECT_FALSE(none.ShowPropertyPages(nullptr));
}
