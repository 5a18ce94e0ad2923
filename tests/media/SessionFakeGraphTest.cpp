#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "media/FakeGraph.h"
#include "media/FilterEntry.h"
#include "media/PinEntry.h"
#include "media/PlaybackSession.h"
#include "support/TestSupport.h"

namespace {
const HWND kOwner = reinterpret_cast<HWND>(0x1234);
const RECT kRect = {1, 2, 321, 242};
const LONGLONG kSecond = 10000000;

// Where a call stands in the log; past its end when it is not there.
size_t At(const Calls& log, const std::string& call) {
    return static_cast<size_t>(std::find(log.begin(), log.end(), call) - log.begin());
}

class SessionFakeGraphTest : public ::testing::Test {
protected:
    void SetUp() override { SetDirectShowServices(&graph); }
    void TearDown() override { SetDirectShowServices(nullptr); }
    bool Build(LONGLONG start = 0, LONGLONG stop = 0, bool paused = true) {
        return session->BuildGraph("C:\\movie.avi", kOwner, &kRect, start, stop, paused);
    }

    FakeGraph graph;
    std::unique_ptr<PlaybackSession> session = std::make_unique<PlaybackSession>();
};
}  // namespace

TEST_F(SessionFakeGraphTest, AFailedBuildGivesEverythingBackAndAGoodOnePlacesTheVideoBeforeItRuns) {
    for (const char* failing : {"CreateFilterGraph", "RenderFile", "QueryInterface:IMediaControl",
                                "QueryInterface:IVideoWindow", "QueryInterface:IMediaEvent",
                                "QueryInterface:IMediaSeeking"}) {
        fakeResults = {{failing, E_FAIL}};
        EXPECT_FALSE(Build()) << failing;
        EXPECT_EQ(SessionClosed, session->State()) << failing;
        EXPECT_EQ(0u, graph.AllRefs()) << failing;
    }
    fakeResults.clear();
    TakeLog();
    ASSERT_TRUE(session->BuildGraph(AnsiOf(L"C:\\\u6620\u753b.avi").c_str(), kOwner, &kRect, 0, 0, false));
    EXPECT_EQ(L"C:\\\u6620\u753b.avi", graph.renderedPath);  // "映画" in the ANSI code page, read back
    // The picture goes into a clipped child window (WS_CHILD | WS_CLIPSIBLINGS) of the owner, at
    // the rectangle given, before the graph runs.
    Calls log = TakeLog();
    EXPECT_LT(At(log, "put_WindowStyle(1140850688)"), At(log, "SetWindowPosition(1,2,320,240)"));
    EXPECT_LT(At(log, "put_Owner(4660)"), At(log, "SetWindowPosition(1,2,320,240)"));
    EXPECT_LT(At(log, "SetWindowPosition(1,2,320,240)"), At(log, "Run"));
    EXPECT_FALSE(Build());
    EXPECT_EQ(SessionRunning, session->State());
    EXPECT_TRUE(TakeLog().empty());

    // A paused graph left open is closed by the next build rather than leaked.
    session->Pause();
    const ULONG held = graph.AllRefs();
    ASSERT_TRUE(Build());
    EXPECT_EQ(held, graph.AllRefs());
    EXPECT_EQ(SessionPaused, session->QueryState());
}

TEST_F(SessionFakeGraphTest, PositionsAreSetOnlyWhenNeededAndASeekKeepsClearOfTheEnd) {
    // The start is applied only when it differs from the position remembered at the last close.
    ASSERT_TRUE(Build());
    EXPECT_TRUE(TakeLog({"SetPositions"}).empty());
    graph.seeking.current = 7 * kSecond;
    session->Close();
    ASSERT_TRUE(Build());
    EXPECT_EQ(Calls{"SetPositions(0/1,-/0)"}, TakeLog({"SetPositions"}));
    session->Close();
    ASSERT_TRUE(Build(0, 3 * kSecond));
    EXPECT_EQ(Calls{"SetPositions(-/0,30000000/1)"}, TakeLog({"SetPositions"}));

    const struct {
        LONGLONG stop;
        uint32_t requestMs;
        LONGLONG landed;
    } cases[] = {
        {3 * kSecond, 5000, 29950000},  // past the end: 5 ms before it
        {3 * kSecond, 2994, 29940000},
        {50000, 10, 100000},  // a stream of at most 5 ms has no room to keep clear
        {0, 1000, kSecond},   // no stop position known
    };
    for (const auto& c : cases) {
        graph.seeking.stop = c.stop;
        EXPECT_TRUE(session->SeekTo(c.requestMs));
        EXPECT_EQ(c.landed, graph.seeking.current) << c.requestMs;
        // The position never reads past the stop position.
        EXPECT_EQ(c.stop > 0 ? std::min(c.landed, c.stop) : c.landed, session->GetPosition()) << c.requestMs;
    }
    // The graph is stopped for the seek, waited on, and put back as it was only when the stop took.
    const auto stateCalls = [] { return TakeLog({"Stop", "SetPositions", "WaitForCompletion", "Pause", "Run"}); };
    graph.seeking.stop = 3 * kSecond;
    TakeLog();
    EXPECT_TRUE(session->SeekTo(1000));
    Calls log = stateCalls();
    EXPECT_LT(At(log, "Stop"), At(log, "SetPositions(10000000/1,-/0)"));
    EXPECT_LT(At(log, "SetPositions(10000000/1,-/0)"), At(log, "WaitForCompletion(500)"));
    EXPECT_EQ("Pause", log.back());
    ASSERT_TRUE(session->Run());
    EXPECT_TRUE(session->SeekTo(1000));
    EXPECT_EQ("Run", stateCalls().back());
    fakeResults["Stop"] = E_FAIL;
    EXPECT_TRUE(session->SeekTo(1000));
    EXPECT_EQ("WaitForCompletion(500)", stateCalls().back());
    fakeResults = {{"SetPositions", E_FAIL}};
    EXPECT_FALSE(session->SeekTo(1000));
}

// Wine's graph, as measured: between two changes of state its reading moves with the clock, but
// each pause adds the whole time played so far to what it had already counted.
TEST_F(SessionFakeGraphTest, ThePositionFollowsTheTimePlayedAcrossPausesAndStopsAtTheEnd) {
    LONGLONG now = 0, counted = 0, elapsed = 0, runStart = 0;
    bool running = false;
    graph.control.onChange = [&](const std::string& call) {
        if (call == "Run" && !running) runStart = now;
        if (call == "Pause" && running) {
            elapsed += now - runStart;
            counted += elapsed;
        }
        running = call == "Run";
    };
    graph.seeking.reading = [&] { return running ? counted + now - runStart : counted; };
    graph.seeking.stop = 300 * kSecond;
    ASSERT_TRUE(Build());

    LONGLONG played = 0;
    for (int cycle = 0; cycle < 40; ++cycle) {
        ASSERT_TRUE(session->Run());
        now += 2 * kSecond;
        played += 2 * kSecond;
        EXPECT_EQ(played, session->GetPosition());
        session->Pause();
        now += 5 * kSecond;
        EXPECT_EQ(played, session->GetPosition());
    }
    EXPECT_GT(counted, graph.seeking.stop);  // what the graph itself reads by now
    // At the end of the stream the position is the length, however the count stood.
    session->Run();
    graph.event.code = EC_COMPLETE;
    session->Tick();
    EXPECT_EQ(SessionPaused, session->QueryState());
    EXPECT_EQ(graph.seeking.stop, session->GetPosition());
}

TEST_F(SessionFakeGraphTest, PauseCountsEvenWhenRefusedATickPausesOnlyACompletedStreamAndTheTimerDiesWithIt) {
    ASSERT_TRUE(Build(0, 0, false));
    fakeResults = {{"Pause", E_FAIL}, {"Run", E_FAIL}};
    EXPECT_FALSE(session->Pause());
    EXPECT_FALSE(session->Run());
    EXPECT_EQ(SessionPaused, session->QueryState());
    fakeResults.clear();
    ASSERT_TRUE(session->Run());
    graph.event.code = EC_USERABORT;
    session->Tick();
    EXPECT_EQ(SessionRunning, session->QueryState());
    graph.event.code = EC_COMPLETE;
    EXPECT_EQ(SessionCompleted, session->QueryState());
    graph.event.code = 0;
    fakeResults["WaitForCompletion"] = VFW_E_WRONG_STATE;  // a graph that stopped on its own
    EXPECT_EQ(SessionCompleted, session->QueryState());

    UINT_PTR timer = session->StartTimer();
    ASSERT_NE(0u, timer);
    session.reset();
    EXPECT_FALSE(KillTimer(nullptr, timer));
    PumpMessages(300);  // a tick already queued finds no session
}

// A splitter frees its output pins once its input is disconnected: every pin goes back while the
// filters are still in the graph. Each filter leaves the graph before its reference goes, the graph
// manager itself last, and every reference comes back even when the graph keeps a filter.
TEST_F(SessionFakeGraphTest, CloseGivesThePinsBackFirstThenTakesTheGraphApart) {
    FakeFilter reader, renderer;
    FakePin readerOutput, rendererInput;
    reader.name = "Reader", renderer.name = "Renderer", readerOutput.name = "ReaderOutput";
    readerOutput.direction = PINDIR_OUTPUT;
    reader.pins = {&readerOutput};
    renderer.pins = {nullptr, &rendererInput};
    renderer.infoGraph = &graph;  // the name query hands out a graph reference to give back
    graph.filters = {&reader, &renderer};
    for (HRESULT removal : {S_OK, E_FAIL}) {
        ASSERT_TRUE(Build());
        ASSERT_EQ(2, session->Filters().Count());
        EXPECT_STREQ("Renderer", session->Filters().Item(1)->Name());
        EXPECT_EQ(&rendererInput, session->Filters().Item(1)->GetNthPin(PINDIR_INPUT, 0)->Pin());
        EXPECT_EQ(nullptr, session->Filters().Item(0)->GetNthPin(PINDIR_INPUT, 0));
        fakeResults["RemoveFilter:Reader"] = removal;
        TakeLog();
        EXPECT_TRUE(session->Close());
        Calls log = TakeLog();
        EXPECT_EQ("Stop", log.front());
        EXPECT_LT(At(log, "put_Owner(0)"), At(log, "Release:IVideoWindow"));
        EXPECT_LT(At(log, "Release:ReaderOutput"), At(log, "RemoveFilter:Reader"));
        EXPECT_LT(At(log, "RemoveFilter:Renderer"), At(log, "Release:Renderer"));
        EXPECT_EQ("Release:IGraphBuilder", log.back());
        EXPECT_EQ(0, session->Filters().Count());
        EXPECT_EQ(0u, reader.refs + renderer.refs + readerOutput.refs + rendererInput.refs + graph.AllRefs());
        EXPECT_EQ(0u, graph.filterEnum.refs + reader.pinEnum.refs);
    }
}
