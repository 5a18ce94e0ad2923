// Files that keep Wine's splitter from ever answering: every call that reads them gives up after
// the time limit while the thread that asked keeps answering its windows, and a sound clip opens
// right after.
#include <gtest/gtest.h>

#include "media/BoundedCall.h"
#include "media/MediaProbe.h"
#include "media/PlaybackSession.h"
#include "support/AnswerWatch.h"
#include "support/DamagedClips.h"
#include "support/TestSupport.h"

namespace {
const DWORD kLimit = 2000;

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
    // The call is given up on at the limit, and the window answers meanwhile.
    template <class Call>
    void ExpectGivenUpInTime(Call call) {
        AnswerWatch watch(window);
        DWORD start = GetTickCount();
        EXPECT_FALSE(call());
        DWORD took = GetTickCount() - start;
        EXPECT_GE(took, kLimit - 100);
        EXPECT_LT(took, kLimit + 1500);
        // Held up for the whole limit, a sent message would wait at least that long.
        EXPECT_LT(watch.Stop(), kLimit - 500);
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
    EXPECT_EQ(240, size.height);
    ASSERT_TRUE(session.BuildGraph(clip.c_str(), window, nullptr, 0, 0, true));
    EXPECT_EQ(SessionPaused, session.QueryState());
    session.Close();
}
