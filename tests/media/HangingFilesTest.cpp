// Files that keep Wine's splitter from ever answering: every call that reads them gives up after
// the time limit while the thread that asked keeps answering its windows, and a sound clip opens
// right after.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "media/BoundedCall.h"
#include "media/MediaProbe.h"
#include "media/PlaybackSession.h"
#include "support/DamagedClips.h"
#include "support/TestSupport.h"

namespace {
const DWORD kLimit = 2000;

// Measures, from another thread, how long the window takes to answer a sent message.
class AnswerWatch {
public:
    explicit AnswerWatch(HWND window) : thread([this, window] {
        while (!done) {
            DWORD start = GetTickCount();
            DWORD_PTR result = 0;
            SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
            DWORD took = GetTickCount() - start;
            if (took > longest) longest = took;
            Sleep(50);
        }
    }) {}
    ~AnswerWatch() { Stop(); }
    DWORD Stop() {
        done = true;
        if (thread.joinable()) thread.join();
        return longest;
    }

private:
    std::atomic<bool> done{false};
    std::atomic<DWORD> longest{0};
    std::thread thread;
};

class HangingFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = TestScratchFolder("hanging");
        window = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
        SetPlatformCallLimit(kLimit);
    }
    void TearDown() override {
        SetPlatformCallLimit(0);
        DestroyWindow(window);
    }
    std::string Make(const damaged::Kind& kind) {
        std::string path = folder + "\\" + kind.name;
        EXPECT_TRUE(kind.make(path)) << kind.name;
        return path;
    }
    // Runs one call against the clock and the watch; true when it ended within the limit's reach.
    template <class Call>
    void ExpectGivenUpInTime(Call call) {
        AnswerWatch watch(window);
        DWORD start = GetTickCount();
        EXPECT_FALSE(call());
        DWORD took = GetTickCount() - start;
        EXPECT_GE(took, kLimit - 100);
        EXPECT_LT(took, kLimit + 1500);
        EXPECT_LT(watch.Stop(), 1000u);
    }

    std::string folder;
    HWND window = nullptr;
};
}  // namespace

TEST_F(HangingFilesTest, EachReadingCallIsGivenUpAndASoundClipOpensAfter) {
    std::string cut = Make(damaged::kKinds[0]);
    std::string sparse = Make(damaged::kKinds[3]);
    MediaFormatInfo info;
    ExpectGivenUpInTime([&] { return ProbeMedia(cut.c_str(), &info); });
    EXPECT_EQ(0, info.hasVideo | info.hasAudio);
    VideoSizeInfo size = {};
    ExpectGivenUpInTime([&] { return ProbeVideoSize(sparse.c_str(), &size); });
    PlaybackSession session;
    ExpectGivenUpInTime([&] { return session.BuildGraph(cut.c_str(), window, nullptr, 0, 0, true); });
    EXPECT_EQ(SessionClosed, session.State());
    EXPECT_EQ(nullptr, session.Graph());

    SetPlatformCallLimit(0);
    std::string clip = TestMediaPath("clip.avi");
    ASSERT_TRUE(ProbeMedia(clip.c_str(), &info));
    EXPECT_EQ(1, info.hasVideo & info.hasAudio);
    ASSERT_TRUE(ProbeVideoSize(clip.c_str(), &size));
    EXPECT_EQ(320, size.width);
    ASSERT_TRUE(session.BuildGraph(clip.c_str(), window, nullptr, 0, 0, true));
    EXPECT_EQ(SessionPaused, session.QueryState());
    session.Close();
}
