#include <gtest/gtest.h>

#include <memory>

#include "framework/Scoped.h"
#include "media/FilterEntry.h"
#include "media/PlaybackSession.h"
#include "support/TestSupport.h"

// Real graphs of the platform, played into a hidden window as the video host would own them.
namespace {
const DWORD kPatience = 15000;

class SessionPlaybackTest : public ::testing::Test {
protected:
    void SetUp() override {
        owner = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(nullptr, owner);
    }
    void TearDown() override {
        session.reset();
        DestroyWindow(owner);
    }

    bool Build(const std::string& path) { return session->BuildGraph(path.c_str(), owner, nullptr, 0, 0, true); }
    bool WaitForState(int wanted) {
        return PumpUntil([&] { return session->QueryState() == wanted; }, kPatience);
    }
    // What the graph itself says, not what the session remembers.
    OAFilterState GraphState() {
        ScopedCom<IMediaControl> control;
        OAFilterState graphState = -1;
        if (SUCCEEDED(session->Graph()->QueryInterface(IID_IMediaControl, control.OutVoid())))
            control->GetState(kPatience, &graphState);
        return graphState;
    }
    uint32_t StopMilliseconds() {
        ScopedCom<IMediaSeeking> seeking;
        LONGLONG stop = 0;
        if (SUCCEEDED(session->Graph()->QueryInterface(IID_IMediaSeeking, seeking.OutVoid())))
            seeking->GetStopPosition(&stop);
        return PlaybackSession::ToMilliseconds(stop);
    }
    uint32_t PositionMilliseconds() { return PlaybackSession::ToMilliseconds(session->GetPosition()); }

    HWND owner = nullptr;
    std::unique_ptr<PlaybackSession> session = std::make_unique<PlaybackSession>();
};

// The clip renders completely only when the machine has somewhere to send its sound.
bool HasAudioDevice() {
    ScopedCom<IGraphBuilder> graph;
    if (FAILED(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder, graph.OutVoid())))
        return false;
    WCHAR path[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, TestMediaPath("clip.avi").c_str(), -1, path, MAX_PATH);
    return graph->RenderFile(path, nullptr) == S_OK;
}

// True when nobody else has the file open.
bool OpenExclusively(const std::string& path) {
    ScopedHandle file(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    return file.IsValid();
}
}  // namespace

TEST_F(SessionPlaybackTest, PlaysToTheEndAndPausesOnTheLastFrame) {
    ASSERT_TRUE(Build(TestMediaPath("clip.avi")));
    EXPECT_EQ(SessionPaused, session->QueryState());
    EXPECT_EQ(State_Paused, GraphState());
    EXPECT_GT(session->Filters().Count(), 1);
    ASSERT_TRUE(session->Run());
    EXPECT_EQ(SessionRunning, session->QueryState());

    // Only the session's own timer can bring it back to paused.
    ASSERT_TRUE(WaitForState(SessionPaused));
    EXPECT_EQ(State_Paused, GraphState());
    EXPECT_GT(PositionMilliseconds(), StopMilliseconds() - 500);
}

TEST_F(SessionPlaybackTest, SeeksWhilePausedStayPausedAndKeepClearOfTheEnd) {
    ASSERT_TRUE(Build(TestMediaPath("clip.avi")));
    EXPECT_TRUE(session->SeekTo(1500));
    EXPECT_EQ(SessionPaused, session->QueryState());
    EXPECT_EQ(State_Paused, GraphState());
    EXPECT_NEAR(1500, PositionMilliseconds(), 50);

    uint32_t stop = StopMilliseconds();
    ASSERT_GT(stop, 1000u);
    EXPECT_TRUE(session->SeekTo(stop + 10000));
    EXPECT_EQ(State_Paused, GraphState());
    EXPECT_LE(PositionMilliseconds(), stop - 5);
    EXPECT_GT(PositionMilliseconds(), stop - 100);
}

TEST_F(SessionPlaybackTest, ClosingLetsGoOfTheFile) {
    std::string copy = TestScratchFolder("session") + "\\clip.avi";
    ASSERT_TRUE(CopyFileA(TestMediaPath("clip.avi").c_str(), copy.c_str(), FALSE));

    ASSERT_TRUE(Build(copy));
    EXPECT_FALSE(OpenExclusively(copy));
    session->Close();
    EXPECT_TRUE(OpenExclusively(copy));

    // The main window's own list holds references of its own, and gives them back when cleared
    // (before the session closes: the pins must not outlive the graph).
    ASSERT_TRUE(Build(copy));
    FilterList windowList;
    EXPECT_EQ(session->Filters().Count(), EnumerateFilters(session->Graph(), &windowList, true));
    windowList.Clear();
    EXPECT_FALSE(OpenExclusively(copy));
    session->Close();
    EXPECT_TRUE(OpenExclusively(copy));
    EXPECT_TRUE(DeleteFileA(copy.c_str()));
}

TEST_F(SessionPlaybackTest, SoundOnlyFilePlaysToItsEnd) {
    if (!HasAudioDevice()) GTEST_SKIP() << "no audio device";
    ASSERT_TRUE(Build(TestMediaPath("audio.wav")));
    ASSERT_TRUE(session->Run());
    ASSERT_TRUE(WaitForState(SessionPaused));
    EXPECT_EQ(State_Paused, GraphState());
}
