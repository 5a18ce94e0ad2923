// Files that keep Wine's splitter from ever answering: every call that reads them gives up after
// the time limit while the thread that asked keeps answering its windows, and a good clip is read
// right after.
#include <gtest/gtest.h>

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

TEST(HangingFilesTest, EachReadingCallIsGivenUpAndAGoodClipIsReadAfter) {
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
    // The playing graph is rendered while the probe reads the file: when both hang, the open is
    // given up once, at the one limit, not at the end of each in turn.
    ExpectGivenUpInTime(window, [&] {
        return session.StartBuild(cut.c_str()) && (ProbeMedia(cut.c_str(), &info) || session.FinishRender());
    });

    SetPlatformCallLimit(0);
    std::string clip = TestMediaPath("clip.avi");
    EXPECT_TRUE(ProbeMedia(clip.c_str(), &info) && info.hasVideo && info.hasAudio);
    EXPECT_NEAR(30.0, info.frameRate, 0.1);
    EXPECT_TRUE(ProbeVideoSize(clip.c_str(), &size) && size.width == 320 && size.height == 240);
    EXPECT_TRUE(session.BuildGraph(clip.c_str(), window, nullptr, 0, 0, true));
    EXPECT_EQ(SessionPaused, session.QueryState());
    session.Close();
    DestroyWindow(window);
}
