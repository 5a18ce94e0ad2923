// Files that keep Wine's splitter from ever answering: every call that reads them gives up after
// the time limit while the thread that asked keeps answering its windows; right after, real clips
// are read through Wine's own media detector and filter graph, and other files refused.
#include <gtest/gtest.h>

#include <dshow.h>

#include "media/BoundedCall.h"
#include "media/MediaProbe.h"
#include "media/PlaybackSession.h"
#include "support/AnswerWatch.h"
#include "support/DamagedClips.h"

namespace {
const DWORD kLimit = 2000;

// The call is given up on at the limit, and the window answers meanwhile.
template <class Call>
void ExpectGivenUpInTime(HWND window, Call call) {
    AnswerWatch watch(window);
    DWORD start = GetTickCount();
    EXPECT_FALSE(call());
    DWORD took = GetTickCount() - start;
    EXPECT_GE(took, kLimit - 100);
    EXPECT_LT(took, kLimit + 1500);
    // Held up for the whole limit, a sent message would wait at least that long.
    EXPECT_LT(watch.Stop(), kLimit - 500);
}
}  // namespace

TEST(HangingFilesTest, EachReadingCallIsGivenUpAndRealClipsAreReadAfter) {
    std::string folder = TestScratchFolder("hanging");
    std::string cut = folder + "\\" + damaged::kKinds[0].name, sparse = folder + "\\" + damaged::kKinds[3].name;
    ASSERT_TRUE(damaged::kKinds[0].make(cut) && damaged::kKinds[3].make(sparse));
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    SetPlatformCallLimit(kLimit);
    MediaFormatInfo info;
    ExpectGivenUpInTime(window, [&] { return ProbeMedia(cut.c_str(), &info); });
    EXPECT_EQ(0, info.hasVideo | info.hasAudio);
    VideoSizeInfo size = {};
    ExpectGivenUpInTime(window, [&] { return ProbeVideoSize(sparse.c_str(), &size); });
    PlaybackSession session;
    ExpectGivenUpInTime(window, [&] { return session.BuildGraph(cut.c_str(), window, nullptr, 0, 0, true); });
    EXPECT_EQ(SessionClosed, session.State());
    EXPECT_EQ(nullptr, session.Graph());

    SetPlatformCallLimit(0);
    std::string clip = TestMediaPath("clip.avi");
    ASSERT_TRUE(ProbeMedia(clip.c_str(), &info));
    EXPECT_EQ(1, info.hasVideo & info.hasAudio);
    EXPECT_NEAR(3000.0, info.lengthMs, 100.0);
    EXPECT_NEAR(30.0, info.frameRate, 0.1);
    ASSERT_EQ(1, info.hasWaveFormat & info.hasVideoInfo);
    EXPECT_EQ(320, reinterpret_cast<const VIDEOINFOHEADER*>(info.videoInfo)->bmiHeader.biWidth);
    ASSERT_TRUE(ProbeVideoSize(clip.c_str(), &size));
    EXPECT_EQ(320, size.width);
    EXPECT_EQ(240, size.height);
    ASSERT_TRUE(session.BuildGraph(clip.c_str(), window, nullptr, 0, 0, true));
    EXPECT_EQ(SessionPaused, session.QueryState());
    session.Close();
    DestroyWindow(window);
    ASSERT_TRUE(ProbeMedia(TestMediaPath("audio.wav").c_str(), &info));
    EXPECT_EQ(0, info.hasVideo);
    EXPECT_EQ(1, info.hasAudio);
    ASSERT_TRUE(WriteTestFile(folder + "\\notes.txt", "This is not a movie.\r\n"));
    for (const char* name : {"\\notes.txt", "\\missing.avi", ""})
        EXPECT_FALSE(ProbeMedia((folder + name).c_str(), &info)) << name;
}
