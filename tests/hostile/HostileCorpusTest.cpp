// Damaged, strange and hostile files dropped on the main window under Wine. Each one must be
// refused cleanly or played; never a crash, a hang, a message box or a half-open window, and the
// good clip must open right after.
#include <cstdio>
#include <functional>

#include "media/BoundedCall.h"
#include "support/AnswerWatch.h"
#include "support/DamagedClips.h"
#include "windows/MainWindowFixture.h"

namespace {
using damaged::Bytes;
using damaged::Find;
using damaged::Put32;
enum Outcome { Refused, Plays, Either };

// Makes the files of the corpus and undoes what they need undone (locks, the huge file, long names).
struct Corpus {
    std::string folder = TestScratchFolder("hostile-corpus");
    std::vector<HANDLE> handles;
    std::vector<std::wstring> paths;

    ~Corpus() { Cleanup(); }
    std::string Path(const std::string& name) const { return folder + "\\" + name; }
    std::string DeletedAfter(const std::string& path) {
        paths.push_back(L"\\\\?\\" + Wide(path));
        return path;
    }
    void Cleanup() {
        for (HANDLE handle : handles) CloseHandle(handle);
        for (const std::wstring& path : paths) DeleteFileW(path.c_str());
        handles.clear();
        paths.clear();
    }
    std::string Copy(const char* media, const std::string& path) {
        CopyFileW(Wide(TestMediaPath(media)).c_str(), (L"\\\\?\\" + Wide(path)).c_str(), FALSE);
        return DeletedAfter(path);
    }
    static std::wstring Wide(const std::string& text) {
        wchar_t wide[1024] = L"";
        MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide, 1024);
        return wide;
    }
};

struct HostileCase {
    std::string name;
    Outcome expected;
    std::function<std::string(Corpus&)> make;  // the path to drop
};

HostileCase Damaged(const std::string& name, Outcome expected, const char* media,
                    const std::function<void(Bytes&)>& damage) {
    return {name, expected, [=](Corpus& c) {
                Bytes b = damaged::Read(media);
                damage(b);
                damaged::Write(c.Path(name), b);
                return c.Path(name);
            }};
}
HostileCase Avi(const std::string& name, Outcome expected, const std::function<void(Bytes&)>& damage) {
    return Damaged(name, expected, "clip.avi", damage);
}

// Data offsets: avih +0 µs per frame, +24 streams, +32 width, +36 height; strh +20 scale,
// +24 rate (found by its "vids" type, which opens the data); video strf +4 width, +8 height.
void PutSize(Bytes& b, uint32_t width, uint32_t height) {
    size_t avih = Find(b, "avih") + 8, strf = Find(b, "strf") + 8;
    Put32(b, avih + 32, width);
    Put32(b, avih + 36, height);
    Put32(b, strf + 4, width);
    Put32(b, strf + 8, height);
}
void PutRate(Bytes& b, uint32_t microseconds, uint32_t scale, uint32_t rate) {
    size_t vids = Find(b, "vids");
    Put32(b, Find(b, "avih") + 8, microseconds);
    Put32(b, vids + 20, scale);
    Put32(b, vids + 24, rate);
}

std::vector<HostileCase> Cases() {
    std::vector<HostileCase> cases = {
        Avi("header-only.avi", Either, [](Bytes& b) { b.resize(Find(b, "movi") - 8); }),
        Avi("cut-in-index.avi", Either, [](Bytes& b) { b.resize(Find(b, "idx1", Find(b, "movi")) + 1008); }),
        Avi("riff-size-past-end.avi", Either, [](Bytes& b) { Put32(b, 4, 0xFFFFFFF0u); }),
        Avi("movi-size-past-end.avi", Either, [](Bytes& b) { Put32(b, Find(b, "movi") - 4, 0x7FFFFFFFu); }),
        Avi("size-0x0.avi", Either, [](Bytes& b) { PutSize(b, 0, 0); }),
        Avi("size-65535.avi", Either, [](Bytes& b) { PutSize(b, 65535, 65535); }),
        Avi("size-negative.avi", Either, [](Bytes& b) { PutSize(b, 320, static_cast<uint32_t>(-240)); }),
        Avi("rate-0-over-0.avi", Either, [](Bytes& b) { PutRate(b, 0, 0, 0); }),
        Avi("rate-huge.avi", Either, [](Bytes& b) { PutRate(b, 1, 1, 0xFFFFFFFFu); }),
        Avi("scale-huge.avi", Either, [](Bytes& b) { PutRate(b, 0xFFFFFFFFu, 0xFFFFFFFFu, 1); }),
        Avi("no-streams.avi", Refused, [](Bytes& b) {
            Put32(b, Find(b, "avih") + 8 + 24, 0);
            size_t first = Find(b, "strl");
            damaged::PutId(b, Find(b, "strl", first + 4) - 8, "JUNK");
            damaged::PutId(b, first - 8, "JUNK");
        }),
        Damaged("fmt-short.wav", Either, "audio.wav", [](Bytes& b) { Put32(b, Find(b, "fmt ") + 4, 2); }),
        {"audio-only.avi", Either, [](Corpus& c) { return c.Copy("audio-only.avi", c.Path("audio-only.avi")); }},
        {"folder.avi", Refused, [](Corpus& c) {
             CreateDirectoryA(c.Path("folder.avi").c_str(), nullptr);
             return c.Path("folder.avi"); }},
        {"shortcut to a folder", Refused, [](Corpus& c) {
             CreateDirectoryA(c.Path("a folder").c_str(), nullptr);
             MakeShortcut(c.Path("to-folder.lnk"), c.Path("a folder"));
             return c.Path("to-folder.lnk"); }},
        {"shortcut to itself", Refused, [](Corpus& c) {
             MakeShortcut(c.Path("self.lnk"), c.Path("self.lnk"));
             return c.Path("self.lnk"); }},
        {"shortcut to a missing file", Refused, [](Corpus& c) {
             MakeShortcut(c.Path("gone.lnk"), c.Path("never-there.avi"));
             return c.Path("gone.lnk"); }},
        // Outside code page 932: its ANSI spelling turns the Hangul into '?'.
        {"Hangul name", Refused, [](Corpus& c) {
             c.paths.push_back(Corpus::Wide(c.folder) + L"\\\uc601\ud654.avi");
             CopyFileW(Corpus::Wide(TestMediaPath("clip.avi")).c_str(), c.paths.back().c_str(), FALSE);
             return c.Path("??.avi"); }},
        {"path of 259 characters", Plays, [](Corpus& c) {
             return c.Copy("clip.avi", c.Path(std::string(MAX_PATH - 1 - c.folder.size() - 5, 'n') + ".avi")); }},
        {"path of 260 characters", Refused, [](Corpus& c) {
             return c.Copy("clip.avi", c.Path(std::string(MAX_PATH - c.folder.size() - 5, 'n') + ".avi")); }},
        {"file held open exclusively by another", Refused, [](Corpus& c) {
             std::string path = c.Copy("clip.avi", c.Path("locked.avi"));
             c.handles.push_back(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
             return path; }},
    };
    // The four kinds that once froze the window for good: refused at the time limit.
    for (const damaged::Kind& kind : damaged::kKinds)
        cases.push_back({kind.name, Either, [kind](Corpus& c) {
                             kind.make(c.Path(kind.name));
                             return c.DeletedAfter(c.Path(kind.name)); }});
    for (const char* extension : {"avi", "mpg", "mpeg", "wmv", "asf", "wav", "webm", "mp4", "mkv", "mp3", "ogg"}) {
        std::string noise = std::string("noise.") + extension, empty = std::string("empty.") + extension;
        // Random bytes hold MPEG audio sync words often enough for the platform to play them as noise.
        cases.push_back({noise, strcmp(extension, "mp3") == 0 ? Either : Refused, [noise](Corpus& c) {
                             std::string bytes;
                             for (unsigned i = 0, seed = 12345; i < 64 * 1024; ++i) {
                                 seed = seed * 1103515245u + 12345u;
                                 bytes.push_back(static_cast<char>(seed >> 16));
                             }
                             WriteTestFile(c.Path(noise), bytes);
                             return c.Path(noise); }});
        cases.push_back({empty, Refused, [empty](Corpus& c) {
                             WriteTestFile(c.Path(empty), "");
                             return c.Path(empty); }});
    }
    return cases;
}

class HostileCorpusTest : public MainWindowTest {
protected:
    // The window is in one of its two whole states: answers whether it plays.
    bool CheckWholeState() {
        bool opened = window->media.path != nullptr;
        window->UpdateUiState(0, nullptr, false);
        if (opened) {
            EXPECT_NE(nullptr, window->session.Graph());
            EXPECT_NE(SessionClosed, window->session.State());
            EXPECT_NE(0u, window->positionTimerId);
            EXPECT_FALSE(Grayed(ID_FILE_CLOSE_CMD));
            EXPECT_TRUE(ToolbarButtonEnabled(ID_PLAY_PAUSE));
        } else {
            EXPECT_TRUE(NothingOpen());
            EXPECT_EQ(L"", PaneText(0));
            for (UINT id : {ID_PLAY_PAUSE, ID_STOP, ID_FILE_CLOSE_CMD, ID_CAPTURE}) EXPECT_TRUE(Grayed(id)) << id;
            EXPECT_FALSE(ToolbarButtonEnabled(ID_PLAY_PAUSE));
        }
        EXPECT_EQ(L"Corvantile", Title());
        return opened;
    }

    void Run(const HostileCase& hostile) {
        SCOPED_TRACE(hostile.name);
        printf("[ hostile  ] %s\n", hostile.name.c_str());
        fflush(stdout);
        std::string path = hostile.make(corpus);
        {
            AnswerWatch watch(window->m_hWnd);
            SendMessageW(window->m_hWnd, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDropHandle({path})), 0);
            bool played = CheckWholeState();
            PumpMessages(200);
            if (played) {
                // The commands that seek and steer the damaged file, with a few ticks of both timers.
                for (UINT id : {ID_PLAY_PAUSE, ID_STOP, ID_PLAY_PAUSE}) SendMessageW(window->m_hWnd, WM_COMMAND, id, 0);
                PumpMessages(200);
                EXPECT_LE(PlaybackSession::ToMilliseconds(window->session.GetPosition()), window->media.format.lengthMs);
            }
            if (hostile.expected != Either) {
                EXPECT_EQ(hostile.expected == Plays, played);
            }
            EXPECT_LT(watch.Stop(), 1000u) << "the window stopped answering";
            EXPECT_EQ(0, watch.DialogsSeen()) << "a message box came up";
        }
        window->CloseMedia();
        corpus.Cleanup();
        EXPECT_EQ(1, window->OpenMedia(TestMediaPath("clip.avi").c_str(), true));
        window->CloseMedia();
    }

    Corpus corpus;
};
}  // namespace

TEST_F(HostileCorpusTest, EachFileIsRefusedOrPlayedAndTheGoodClipOpensAfter) {
    SetPlatformCallLimit(3000);  // files that never answer are refused sooner than by default
    for (const HostileCase& hostile : Cases()) Run(hostile);
    SetPlatformCallLimit(0);
}

TEST_F(HostileCorpusTest, FileDeletedWhilePlaying) {
    std::string movie = corpus.Copy("clip.avi", corpus.Path("deleted.avi"));
    AnswerWatch watch(window->m_hWnd);
    ASSERT_EQ(1, window->OpenMedia(movie.c_str(), true));
    PumpMessages(300);
    DeleteFileA(movie.c_str());
    PumpMessages(3500);  // past the clip's end
    EXPECT_EQ(SessionPaused, window->session.QueryState());
    EXPECT_LT(watch.Stop(), 1000u);
    EXPECT_EQ(0, watch.DialogsSeen());
    window->CloseMedia();
    EXPECT_TRUE(NothingOpen());
    EXPECT_EQ(1, window->OpenMedia(TestMediaPath("clip.avi").c_str(), true));
}
