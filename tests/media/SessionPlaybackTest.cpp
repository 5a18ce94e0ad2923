#include <gtest/gtest.h>

#include "framework/Scoped.h"
#include "media/PlaybackSession.h"
#include "support/TestSupport.h"

// A real graph of the platform, played into a hidden window as the video host would own it.
TEST(SessionPlaybackTest, PlaysToTheEndPausesThereAndLetsGoOfTheFile) {
    std::string copy = TestScratchFolder("session") + "\\clip.avi";
    ASSERT_TRUE(CopyFileA(TestMediaPath("clip.avi").c_str(), copy.c_str(), FALSE));
    auto openExclusively = [&] {
        return ScopedHandle(CreateFileA(copy.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)).IsValid();
    };
    HWND owner = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    PlaybackSession session;
    ASSERT_TRUE(session.BuildGraph(copy.c_str(), owner, nullptr, 0, 0, true));
    ASSERT_TRUE(session.Run());
    EXPECT_EQ(SessionRunning, session.QueryState());
    // Only the session's own timer can bring it back to paused.
    ASSERT_TRUE(PumpUntil([&] { return session.QueryState() == SessionPaused; }, 15000));
    EXPECT_GT(PlaybackSession::ToMilliseconds(session.GetPosition()), 2500u);  // the clip lasts 3 s

    // The main window's own list holds references of its own and gives them back when cleared
    // (before the session closes: the pins must not outlive the graph).
    FilterList windowList;
    EXPECT_GT(EnumerateFilters(session.Graph(), &windowList, true), 1);
    EXPECT_FALSE(openExclusively());
    windowList.Clear();
    session.Close();
    EXPECT_TRUE(openExclusively());
    DestroyWindow(owner);
}

