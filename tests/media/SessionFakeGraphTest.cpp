#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "media/FakeGraph.h"
#include "media/PlaybackSession.h"
#include "support/TestSupport.h"

namespace {
const HWND kOwner = reinterpret_cast<HWND>(0x1234);
const RECT kRect = {1, 2, 321, 242};
const LONGLONG kSecond = 10000000;

using Calls = std::vector<std::string>;

class SessionFakeGraphTest : public ::testing::Test {
protected:
    void SetUp() override { SetDirectShowServices(&services); }
    void TearDown() override {
        session.reset();
        for (FakeFilter* filter : kept) filter->Release();
        SetDirectShowServices(nullptr);
    }

    bool Build(LONGLONG start = 0, LONGLONG stop = 0, bool paused = true) {
        return session->BuildGraph("C:\\movie.avi", kOwner, &kRect, start, stop, paused);
    }
    FakeFilter* InsertFilter(const wchar_t* name) {
        FakeFilter* filter = new FakeFilter(name);
        kept.push_back(filter);
        graph.Insert(filter);
        return filter;
    }
    // The calls made since the last look.
    Calls Take() {
        Calls calls = graph.log;
        graph.log.clear();
        return calls;
    }

    FakeGraph graph;
    FakeServices services{&graph};
    std::vector<FakeFilter*> kept;
    std::unique_ptr<PlaybackSession> session = std::make_unique<PlaybackSession>();
};
}  // namespace

TEST_F(SessionFakeGraphTest, BuildAttachesTheVideoAndStartsPausedOrRunning) {
    ASSERT_TRUE(session->BuildGraph("C:\\\x89\x66\x89\xe6.avi", kOwner, &kRect, 0, 0, true));
    EXPECT_EQ(SessionPaused, session->State());
    EXPECT_EQ(SessionPaused, session->QueryState());
    EXPECT_EQ(&graph, session->Graph());
    EXPECT_EQ(L"C:\\\u6620\u753b.avi", graph.renderedPath);  // Shift-JIS "映画"
    EXPECT_EQ((Calls{"RenderFile", "QueryInterface:IMediaControl", "QueryInterface:IVideoWindow",
                     "QueryInterface:IMediaEvent", "QueryInterface:IMediaSeeking", "SetTimeFormat(media)",
                     "put_Owner(4660)", "put_MessageDrain(4660)", "put_WindowStyle(1140850688)",
                     "SetWindowPosition(1,2,320,240)", "Pause", "EnumFilters"}),
              Take());
    EXPECT_EQ(5u, graph.Refs());

    // A second build over a running graph is refused and leaves it alone.
    ASSERT_TRUE(session->Run());
    graph.log.clear();
    EXPECT_FALSE(Build());
    EXPECT_EQ(SessionRunning, session->State());
    EXPECT_EQ(1, services.graphsCreated);
    EXPECT_TRUE(Take().empty());

    session->Close();
    ASSERT_TRUE(Build(0, 0, false));
    EXPECT_EQ(SessionRunning, session->State());
    Calls calls = Take();
    EXPECT_EQ("Run", calls[calls.size() - 2]);
}

TEST_F(SessionFakeGraphTest, BuildOverAPausedGraphClosesItFirst) {
    ASSERT_TRUE(Build());
    const ULONG refs = graph.Refs();
    ASSERT_TRUE(Build());
    EXPECT_EQ(refs, graph.Refs());
    EXPECT_EQ(SessionPaused, session->State());
}

TEST_F(SessionFakeGraphTest, FailedBuildLeavesNothingHeld) {
    const char* failures[] = {"RenderFile", "QueryInterface:IMediaControl", "QueryInterface:IVideoWindow",
                              "QueryInterface:IMediaEvent", "QueryInterface:IMediaSeeking"};
    for (const char* failing : failures) {
        SCOPED_TRACE(failing);
        FakeGraph failingGraph;
        FakeServices failingServices(&failingGraph);
        SetDirectShowServices(&failingServices);
        failingGraph.results.Set(failing, E_FAIL);
        PlaybackSession local;
        EXPECT_FALSE(local.BuildGraph("C:\\movie.avi", kOwner, &kRect, 0, 0, true));
        EXPECT_EQ(SessionClosed, local.State());
        EXPECT_EQ(nullptr, local.Graph());
        EXPECT_EQ(0u, failingGraph.Refs());
        // Nothing of the build goes on past the failing call.
        const Calls& calls = failingGraph.log;
        auto at = std::find(calls.begin(), calls.end(), failing);
        ASSERT_NE(calls.end(), at);
        for (auto later = at + 1; later != calls.end(); ++later) {
            EXPECT_NE(0u, later->rfind("QueryInterface", 0)) << *later;
            EXPECT_NE("SetTimeFormat(media)", *later);
            EXPECT_NE("Pause", *later);
        }
        // Closing again after the half-built graph is harmless.
        failingGraph.log.clear();
        EXPECT_TRUE(local.Close());
        EXPECT_TRUE(failingGraph.log.empty());
    }
    SetDirectShowServices(&services);

    services.createResult = E_OUTOFMEMORY;
    EXPECT_FALSE(Build());
    EXPECT_EQ(SessionClosed, session->State());
    services.createResult = S_OK;
    EXPECT_FALSE(session->BuildGraph(nullptr, kOwner, &kRect, 0, 0, true));
    EXPECT_EQ(1, services.graphsCreated);
    EXPECT_EQ(SessionClosed, session->State());
}

TEST_F(SessionFakeGraphTest, PositionsAreAppliedOnlyWhenTheyChangeSomething) {
    auto positionCalls = [this] {
        Calls found;
        for (const std::string& call : Take())
            if (call.rfind("SetPositions", 0) == 0) found.push_back(call);
        return found;
    };
    ASSERT_TRUE(Build());
    EXPECT_TRUE(positionCalls().empty());

    // Closed at 7 s: the next build at 0 must go back to the start explicitly.
    graph.currentPosition = 7 * kSecond;
    session->Close();
    EXPECT_EQ(7 * kSecond, session->RememberedPosition());
    ASSERT_TRUE(Build());
    EXPECT_EQ(Calls{"SetPositions(0,1,-,0)"}, positionCalls());
    EXPECT_EQ(0, session->RememberedPosition());

    session->Close();
    ASSERT_TRUE(Build(0, 3 * kSecond));
    EXPECT_EQ(Calls{"SetPositions(-,0,30000000,1)"}, positionCalls());

    // A refused start is not remembered, and the build still succeeds.
    graph.currentPosition = 2 * kSecond;
    session->Close();
    graph.results.Set("SetPositions", E_FAIL);
    ASSERT_TRUE(Build());
    EXPECT_EQ(2 * kSecond, session->RememberedPosition());

    // A position that cannot be read at close counts as the start.
    graph.results.Set("GetCurrentPosition", E_FAIL);
    session->Close();
    EXPECT_EQ(0, session->RememberedPosition());
}

TEST_F(SessionFakeGraphTest, SeekStaysClearOfTheEndAndRestoresTheState) {
    ASSERT_TRUE(Build());
    graph.stopPosition = 3 * kSecond;
    Take();
    EXPECT_TRUE(session->SeekTo(5000));
    EXPECT_EQ((Calls{"GetStopPosition", "Stop", "SetPositions(29950000,1,-,0)", "WaitForCompletion(500)", "Pause"}),
              Take());
    EXPECT_EQ(SessionPaused, session->State());
    EXPECT_EQ(0, session->RememberedPosition());

    ASSERT_TRUE(session->Run());
    Take();
    EXPECT_TRUE(session->SeekTo(2995));
    EXPECT_EQ((Calls{"GetStopPosition", "Stop", "SetPositions(29950000,1,-,0)", "WaitForCompletion(500)", "Run"}),
              Take());
    EXPECT_EQ(SessionRunning, session->State());
    EXPECT_EQ(29950000, session->GetPosition());

    // A stream of at most 5 ms has no room to keep clear of its end.
    graph.stopPosition = 50000;
    EXPECT_TRUE(session->SeekTo(10));
    EXPECT_EQ(100000, graph.currentPosition);
}

TEST_F(SessionFakeGraphTest, SeekRestoresNothingWhenTheGraphWouldNotStop) {
    ASSERT_TRUE(Build());
    graph.results.Set("Stop", E_FAIL);
    Take();
    EXPECT_TRUE(session->SeekTo(1000));
    EXPECT_EQ((Calls{"GetStopPosition", "Stop", "SetPositions(10000000,1,-,0)", "WaitForCompletion(500)"}), Take());

    // A refused seek fails without waiting, but the stopped graph is still put back.
    graph.results.Set("Stop", S_OK);
    graph.results.Set("SetPositions", E_FAIL);
    EXPECT_FALSE(session->SeekTo(1000));
    EXPECT_EQ((Calls{"GetStopPosition", "Stop", "SetPositions(10000000,1,-,0)", "Pause"}), Take());

    session->Close();
    EXPECT_FALSE(session->SeekTo(0));
}

TEST_F(SessionFakeGraphTest, PauseCountsEvenWhenRefusedButRunDoesNot) {
    EXPECT_FALSE(session->Run());
    EXPECT_FALSE(session->Pause());
    EXPECT_FALSE(session->SetVideoRect(kRect));
    EXPECT_EQ(SessionClosed, session->State());

    ASSERT_TRUE(Build(0, 0, false));
    graph.results.Set("Pause", E_FAIL);
    EXPECT_FALSE(session->Pause());
    EXPECT_EQ(SessionPaused, session->State());
    EXPECT_EQ(SessionPaused, session->QueryState());
    graph.results.Set("Run", E_FAIL);
    EXPECT_FALSE(session->Run());
    EXPECT_EQ(SessionPaused, session->State());

    Take();
    EXPECT_TRUE(session->SetVideoRect(RECT{10, 20, 110, 70}));
    EXPECT_EQ(Calls{"SetWindowPosition(10,20,100,50)"}, Take());
}

TEST_F(SessionFakeGraphTest, CompletionIsReportedOnlyWhileRunningAndATickPausesThere) {
    EXPECT_EQ(SessionClosed, session->QueryState());
    ASSERT_TRUE(Build(0, 0, false));
    Take();
    graph.results.Set("WaitForCompletion", E_ABORT);
    EXPECT_EQ(SessionRunning, session->QueryState());
    EXPECT_EQ(Calls{"WaitForCompletion(0)"}, Take());
    graph.results.Set("WaitForCompletion", S_OK);
    graph.completionCode = EC_USERABORT;
    session->Tick();
    EXPECT_EQ(SessionRunning, session->State());

    graph.results.Set("WaitForCompletion", VFW_E_WRONG_STATE);
    EXPECT_EQ(SessionCompleted, session->QueryState());
    graph.results.Set("WaitForCompletion", S_OK);
    graph.completionCode = EC_COMPLETE;
    EXPECT_EQ(SessionCompleted, session->QueryState());

    Take();
    session->Tick();
    EXPECT_EQ((Calls{"WaitForCompletion(0)", "Pause"}), Take());
    EXPECT_EQ(SessionPaused, session->QueryState());
    EXPECT_TRUE(Take().empty());
}

TEST_F(SessionFakeGraphTest, TheTimerFindsTheEndAndDiesWithTheSession) {
    ASSERT_TRUE(Build(0, 0, false));
    graph.completionCode = EC_COMPLETE;
    EXPECT_TRUE(PumpUntil([this] { return session->State() == SessionPaused; }, 5000));

    UINT_PTR timer = session->StartTimer();
    ASSERT_NE(0u, timer);
    session.reset();
    EXPECT_FALSE(KillTimer(nullptr, timer));
    PumpMessages(300);  // a tick that was already queued finds no session
}

TEST_F(SessionFakeGraphTest, CloseTakesTheGraphApartInOrderAndGivesEveryReferenceBack) {
    FakeFilter* reader = InsertFilter(L"Reader");
    FakeFilter* renderer = InsertFilter(L"Renderer");
    FakePin* output = new FakePin(PINDIR_OUTPUT);
    output->name = "ReaderOutput";
    output->log = &graph.log;
    reader->AddPin(output);
    const ULONG readerStart = reader->Refs();
    const ULONG rendererStart = renderer->Refs();
    ASSERT_TRUE(Build());
    EXPECT_EQ(2, session->Filters().Count());
    EXPECT_EQ(readerStart + 1, reader->Refs());
    graph.currentPosition = 12345;
    EXPECT_EQ(12345, session->GetPosition());
    Take();

    EXPECT_TRUE(session->Close());
    EXPECT_EQ((Calls{"Stop", "put_Visible(0)", "put_Owner(0)", "put_MessageDrain(0)", "put_Owner(0)",
                     "GetCurrentPosition", "Release:ReaderOutput", "RemoveFilter:Reader", "Release:Reader", "RemoveFilter:Renderer",
                     "Release:Renderer", "Release:IMediaSeeking", "Release:IMediaEvent", "Release:IVideoWindow",
                     "Release:IMediaControl", "Release:IGraphBuilder"}),
              Take());
    EXPECT_EQ(readerStart, reader->Refs());
    EXPECT_EQ(rendererStart, renderer->Refs());
    EXPECT_EQ(0u, graph.Refs());
    EXPECT_EQ(0, session->Filters().Count());
    EXPECT_EQ(nullptr, session->Graph());
    EXPECT_EQ(SessionClosed, session->State());
    EXPECT_EQ(12345, session->RememberedPosition());
    EXPECT_EQ(0, session->GetPosition());

    EXPECT_TRUE(session->Close());
    EXPECT_TRUE(Take().empty());
}

TEST_F(SessionFakeGraphTest, EveryFilterReferenceComesBackEvenWhenTheGraphKeepsTheFilter) {
    FakeFilter* reader = InsertFilter(L"Reader");
    const ULONG start = reader->Refs();
    ASSERT_TRUE(Build());
    // The main window keeps a list of its own that holds its own references.
    FilterList windowList;
    EXPECT_EQ(1, EnumerateFilters(session->Graph(), &windowList, true));
    EXPECT_EQ(start + 2, reader->Refs());

    graph.results.Set("RemoveFilter", E_FAIL);
    session->Close();
    EXPECT_EQ(start + 1, reader->Refs());
    windowList.Clear();
    EXPECT_EQ(start, reader->Refs());
}

TEST(SessionTimeTest, MillisecondsTruncateTowardZeroAndKeepTheLow32Bits) {
    EXPECT_EQ(2999u, PlaybackSession::ToMilliseconds(29999999));
    EXPECT_EQ(0u, PlaybackSession::ToMilliseconds(-9999));
    EXPECT_EQ(0xFFFFFFFFu, PlaybackSession::ToMilliseconds(-19999));
    EXPECT_EQ(5u, PlaybackSession::ToMilliseconds((0x100000000LL + 5) * 10000));
}
