// Damaged files that keep Wine's splitter from ever answering, dropped on the real main window
// together with a sound clip: each is refused after the time limit while the window keeps
// answering, and the clip behind it opens.
#include "windows/MainWindowFixture.h"

#include "media/BoundedCall.h"
#include "support/AnswerWatch.h"
#include "support/DamagedClips.h"

namespace {
const DWORD kLimit = 2000;

class MainWindowHostileFilesTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        SetPlatformCallLimit(kLimit);
    }
    void TearDown() override {
        SetPlatformCallLimit(0);
        MainWindowTest::TearDown();
    }
};
}  // namespace

TEST_F(MainWindowHostileFilesTest, AFileThatNeverAnswersIsRefusedAndTheNextOneOpens) {
    std::string folder = TestScratchFolder("hostile");
    std::string clip = TestMediaPath("clip.avi");
    for (const damaged::Kind& kind : damaged::kKinds) {
        SCOPED_TRACE(kind.name);
        std::string path = folder + "\\" + kind.name;
        ASSERT_TRUE(kind.make(path));
        ASSERT_TRUE(window->OpenMedia(clip.c_str(), true));

        // The damaged file alone: refused at the limit, what played before is closed.
        AnswerWatch watch(window->m_hWnd);
        DWORD start = GetTickCount();
        EXPECT_EQ(0, window->OpenMedia(path.c_str(), true));
        DWORD took = GetTickCount() - start;
        EXPECT_LT(took, kLimit + 1500);
        EXPECT_TRUE(NothingOpen());
        EXPECT_EQ(L"", PaneText(0));

        // Dropped first with the clip behind it: the clip opens and plays.
        SendMessageW(window->m_hWnd, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDropHandle({path, clip})), 0);
        // Held up for the whole limit, a sent message would wait at least that long.
        EXPECT_LT(watch.Stop(), kLimit - 500);
        ASSERT_NE(nullptr, window->media.path);
        EXPECT_STREQ(clip.c_str(), window->media.path);
        EXPECT_EQ(SessionRunning, window->session.State());
        EXPECT_EQ(L"clip.avi", PaneText(0));
    }
}

// Every object that read the file (the probe's detector, the size probe's graph, the playing
// graph) is released to the end by a close: nothing of ours keeps the file open.
TEST_F(MainWindowTest, CloseLetsGoOfTheFileEveryTime) {
    std::string copy = TestScratchFolder("close-lets-go") + "\\clip.avi";
    ASSERT_TRUE(CopyFileA(TestMediaPath("clip.avi").c_str(), copy.c_str(), FALSE));
    auto openExclusively = [&] {
        HANDLE file = CreateFileA(copy.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return false;
        CloseHandle(file);
        return true;
    };
    for (int cycle = 0; cycle < 2; ++cycle) {
        ASSERT_TRUE(window->OpenMedia(copy.c_str(), true));
        PumpMessages(300);
        EXPECT_FALSE(openExclusively());
        window->CloseMedia();
        EXPECT_TRUE(openExclusively()) << "cycle " << cycle;
    }
}
