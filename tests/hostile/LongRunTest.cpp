// Long runs through the real main window and the real clip: after a warm-up, repeating a command
// must not grow the process. CORVANTILE_SOAK=full runs the full counts (scripts/soak.sh); the test
// run uses smaller ones. Each run prints its per-cycle cost.
#include <dshow.h>
#include <qedit.h>

#include <algorithm>
#include <cstdio>
#include <functional>

#include "framework/Scoped.h"
#include "hostile/ProcessCounters.h"
#include "media/FakeGraph.h"
#include "windows/MainWindowFixture.h"

namespace {
const long long kMemoryAllowance = 1 << 20;

bool FullCounts() {
    char value[8] = "";
    return GetEnvironmentVariableA("CORVANTILE_SOAK", value, sizeof(value)) > 0 && lstrcmpA(value, "full") == 0;
}
int Cycles(int reduced, int full) { return FullCounts() ? full : reduced; }

struct Growth {
    long handles, gdi, user, threads, fds;
    long long bytes;
    double msPerCycle;
};

// The least of a few readings a little apart: the platform holds a region or a thread for a moment
// now and then, while what a cycle leaks shows in every reading.
ProcessCounters SettledCounters() {
    ProcessCounters least = ReadProcessCounters();
    for (int i = 0; i < 3; ++i) {
        PumpMessages(100);
        ProcessCounters now = ReadProcessCounters();
        least.handles = std::min(least.handles, now.handles);
        least.gdiObjects = std::min(least.gdiObjects, now.gdiObjects);
        least.userObjects = std::min(least.userObjects, now.userObjects);
        least.privateBytes = std::min(least.privateBytes, now.privateBytes);
        least.threads = std::min(least.threads, now.threads);
        least.fileDescriptors = std::min(least.fileDescriptors, now.fileDescriptors);
    }
    return least;
}

// Runs cycle warmUp times, then count times between two readings of the counters.
Growth Measure(const char* label, int warmUp, int count, const std::function<void()>& cycle) {
    for (int i = 0; i < warmUp; ++i) cycle();
    ProcessCounters before = SettledCounters();
    DWORD start = GetTickCount();
    for (int i = 0; i < count; ++i) cycle();
    double ms = static_cast<double>(GetTickCount() - start) / count;
    ProcessCounters after = SettledCounters();
    Growth g = {after.handles - before.handles, after.gdiObjects - before.gdiObjects,
                after.userObjects - before.userObjects, after.threads - before.threads,
                after.fileDescriptors - before.fileDescriptors, after.privateBytes - before.privateBytes, ms};
    printf("[ soak     ] %-28s %4d cycles: %7.1f ms/cycle; growth: handles %+ld, GDI %+ld, USER %+ld, threads %+ld, "
           "fds %+ld, private %+lld bytes (%+.0f per cycle)\n",
           label, count, ms, g.handles, g.gdi, g.user, g.threads, g.fds, g.bytes, static_cast<double>(g.bytes) / count);
    fflush(stdout);
    return g;
}

void ExpectNoGrowth(const Growth& g) {
    EXPECT_LE(g.handles, 0);
    EXPECT_LE(g.gdi, 0);
    EXPECT_LE(g.user, 0);
    EXPECT_LE(g.threads, 0);
    EXPECT_LT(g.bytes, kMemoryAllowance);
}

// What the platform itself keeps for one open, done bare: a media detector on the file, a graph
// built for the size, and a graph built, paused, run, stopped and released.
void BarePlatformOpen(const std::wstring& path) {
    {
        ScopedCom<IMediaDet> detector;
        CoCreateInstance(CLSID_MediaDet, nullptr, CLSCTX_INPROC_SERVER, IID_IMediaDet, detector.OutVoid());
        ScopedBstr name(SysAllocString(path.c_str()));
        long streams = 0;
        if (detector && SUCCEEDED(detector->put_Filename(name.Get()))) detector->get_OutputStreams(&streams);
    }
    for (int pass = 0; pass < 2; ++pass) {
        ScopedCom<IGraphBuilder> graph;
        CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder, graph.OutVoid());
        if (!graph || FAILED(graph->RenderFile(path.c_str(), nullptr)) || pass == 0) continue;
        ScopedCom<IMediaControl> control;
        if (FAILED(graph->QueryInterface(IID_IMediaControl, control.OutVoid()))) continue;
        control->Pause();
        control->Run();
        Sleep(20);
        control->Stop();
    }
}

class LongRunTest : public MainWindowTest {
protected:
    std::string clip = TestMediaPath("clip.avi");
    void Command(UINT id) { SendMessageW(window->m_hWnd, WM_COMMAND, id, 0); }
};
}  // namespace

TEST_F(LongRunTest, OpenCloseCyclesKeepNoMoreThanThePlatformDoes) {
    const int count = Cycles(8, 200);
    const int bareCount = Cycles(4, 50);  // the bare loop is slow; its cost is taken per cycle
    wchar_t widePath[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, clip.c_str(), -1, widePath, MAX_PATH);
    Growth bare = Measure("bare platform open/close", 2, bareCount, [&] { BarePlatformOpen(widePath); });
    Growth ours = Measure("open/close", 3, count, [&] {
        ASSERT_EQ(1, window->OpenMedia(clip.c_str(), true));
        PumpMessages(20);
        window->CloseMedia();
    });
    printf("[ soak     ] counted by %s\n", CounterSources().c_str());
    auto platformShare = [&](double bareGrowth) { return bareGrowth > 0 ? bareGrowth * count / bareCount : 0.0; };
    EXPECT_LE(ours.handles, platformShare(bare.handles));
    EXPECT_LE(ours.gdi, 0);
    EXPECT_LE(ours.user, 0);
    EXPECT_LE(ours.threads, platformShare(bare.threads));
    EXPECT_LT(ours.bytes - platformShare(static_cast<double>(bare.bytes)), kMemoryAllowance);
}

TEST_F(LongRunTest, FullScreenAndFramelessRoundTripsKeepNothing) {
    ASSERT_EQ(1, window->OpenMedia(clip.c_str(), false));
    const int count = Cycles(20, 100);
    ExpectNoGrowth(Measure("full-screen round trips", 5, count, [&] {
        Command(ID_VIEW_FULLSCREEN);
        Command(ID_VIEW_FULLSCREEN);
    }));
    ExpectNoGrowth(Measure("frameless round trips", 5, count, [&] {
        Command(ID_VIEW_FRAMELESS);
        Command(ID_VIEW_FRAMELESS);
    }));
    EXPECT_EQ(0, window->fullScreen);
    EXPECT_EQ(0, window->frameless);
}

TEST_F(LongRunTest, PlayPauseTogglesKeepNothing) {
    ASSERT_EQ(1, window->OpenMedia(clip.c_str(), false));
    const int count = Cycles(100, 500);
    // A warm-up as long as the run: somewhere in the first few hundred toggles Wine's cache of
    // window device contexts grows by one, once.
    ExpectNoGrowth(Measure("play/pause toggles", count, count, [&] {
        Command(ID_PLAY_PAUSE);
        PumpMessages(5);
    }));
    EXPECT_NE(SessionClosed, window->session.State());
}

// With a stand-in graph every reference the session took can be counted: each open/close gives
// every one of them back.
TEST_F(LongRunTest, EveryGraphObjectIsReleasedToZeroAfterEachCycle) {
    FakeGraph graph;
    FakeFilter source, renderer;
    FakePin output, input;
    source.name = "source";
    renderer.name = "renderer";
    output.direction = PINDIR_OUTPUT;
    source.pins = {&output};
    renderer.pins = {&input};
    graph.filters = {&source, &renderer};
    graph.detector.streams = {{MEDIATYPE_Video, FORMAT_VideoInfo, 88, 3.0, 30.0}};
    SetDirectShowServices(&graph);
    const int count = Cycles(10, 100);
    for (int i = 0; i < count; ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(1, window->OpenMedia(clip.c_str(), true));
        EXPECT_GT(graph.AllRefs(), 0u);
        window->CloseMedia();
        EXPECT_EQ(0u, graph.AllRefs() + graph.detector.refs);
        EXPECT_EQ(0u, source.refs + renderer.refs);
        EXPECT_EQ(0u, output.refs + input.refs);
        EXPECT_EQ(0u, source.pinEnum.refs + renderer.pinEnum.refs + graph.filterEnum.refs);
    }
    SetDirectShowServices(nullptr);
}
