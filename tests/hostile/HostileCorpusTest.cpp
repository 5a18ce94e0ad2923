// Damaged, strange and hostile files dropped on the main window under Wine. Each one must be
// refused cleanly or played; never a crash, a hang, a message box or a half-open window, and the
// good clip must open right after.
#include <cstdio>
#include <cstring>
#include <functional>

#include "media/BoundedCall.h"
#include "support/AnswerWatch.h"
#include "windows/MainWindowFixture.h"

namespace {
using Bytes = std::string;
enum Outcome { Refused, Plays, Either };
const DWORD kLimit = 3000;  // files that never answer are refused sooner than by default

const std::string kFolder = TestScratchFolder("hostile-corpus");
std::vector<HANDLE> lockedFiles;

bool CopyClip(const std::string& to) {
    return CopyFileW(WideOf(TestMediaPath("clip.avi")).c_str(), (L"\\\\?\\" + WideOf(to)).c_str(), FALSE);
}

struct HostileCase {
    std::string name;  // of the file dropped, in kFolder
    Outcome expected;
    std::function<bool(const std::string& path)> make;
};

// Offset of the first four-character code at or after from (a chunk's id, or a list's type).
size_t Find(const Bytes& b, const char* fourcc, size_t from = 12) { return b.find(fourcc, from, 4); }
uint32_t Get32(const Bytes& b, size_t at) {
    uint32_t v = 0;
    if (at + 4 <= b.size()) memcpy(&v, &b[at], 4);
    return v;
}
void Put(Bytes& b, size_t at, const void* bytes) {
    if (at + 4 <= b.size()) memcpy(&b[at], bytes, 4);
}
void Put32(Bytes& b, size_t at, uint32_t v) { Put(b, at, &v); }

// A copy of the generated media (GStreamer's AVI and WAV muxers) with a few bytes edited.
HostileCase Damaged(const std::string& name, Outcome expected, const std::function<void(Bytes&)>& damage,
                    const char* media = "clip.avi") {
    return {name, expected, [=](const std::string& path) {
                Bytes b = ReadTestFile(TestMediaPath(media));
                damage(b);
                return WriteTestFile(path, b);
            }};
}

// Data offsets: avih +0 µs per frame, +24 streams; strh +20 scale, +24 rate (found by its "vids"
// type, which opens the data).
void PutRate(Bytes& b, uint32_t microseconds, uint32_t scale, uint32_t rate) {
    Put32(b, Find(b, "avih") + 8, microseconds);
    Put32(b, Find(b, "vids") + 20, scale);
    Put32(b, Find(b, "vids") + 24, rate);
}

std::vector<HostileCase> Cases() {
    const size_t room = MAX_PATH - kFolder.size() - 6;  // for a name whose path, with ".avi", is 259 long
    std::vector<HostileCase> cases = {
        Damaged("rate-0-over-0.avi", Either, [](Bytes& b) { PutRate(b, 0, 0, 0); }),
        Damaged("no-streams.avi", Refused, [](Bytes& b) {
            Put32(b, Find(b, "avih") + 8 + 24, 0);
            size_t first = Find(b, "strl");
            Put(b, Find(b, "strl", first + 4) - 8, "JUNK");
            Put(b, first - 8, "JUNK");
        }),
        Damaged("audio-only.avi", Either, [](Bytes&) {}, "audio-only.avi"),
        {"folder.avi", Refused, [](const std::string& p) { return CreateDirectoryA(p.c_str(), nullptr); }},
        {"to-folder.lnk", Refused, [](const std::string& p) { return MakeShortcut(p, kFolder); }},
        {"self.lnk", Refused, [](const std::string& p) { return MakeShortcut(p, p); }},
        {"gone.lnk", Refused, [](const std::string& p) { return MakeShortcut(p, kFolder + "\\never-there.avi"); }},
        // As dropped where the code page cannot hold Hangul (Windows before 1903): '?' in its place.
        {"??.avi", Refused, [](const std::string&) {
             return CopyFileW(WideOf(TestMediaPath("clip.avi")).c_str(), (WideOf(kFolder) + L"\\\uc601\ud654.avi").c_str(),
                              FALSE) != FALSE;
         }},
        {std::string(room, 'n') + ".avi", Plays, CopyClip},
        {std::string(room + 1, 'n') + ".avi", Refused, CopyClip},
        {"locked.avi", Refused, [](const std::string& p) {  // held open exclusively by another
             lockedFiles.push_back(CopyClip(p) ? CreateFileA(p.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                                                             nullptr) : INVALID_HANDLE_VALUE);
             return lockedFiles.back() != INVALID_HANDLE_VALUE;
         }},
        // A kind that once kept Wine's splitter from ever answering: given up at the time limit.
        Damaged("cut-in-first-frame.avi", Either, [](Bytes& b) {
            size_t frame = Find(b, "00db", Find(b, "movi"));
            b.resize(frame + 8 + Get32(b, frame + 4) / 2);
        }),
    };
    std::string noise;
    for (unsigned i = 0, seed = 12345; i < 64 * 1024; ++i) {
        seed = seed * 1103515245u + 12345u;
        noise.push_back(static_cast<char>(seed >> 16));
    }
    for (std::string extension : {"avi", "mpg", "mpeg", "wmv", "asf", "wav", "webm", "mp4", "mkv", "mp3", "ogg"}) {
        // Random bytes hold MPEG audio sync words often enough for the platform to play them as noise.
        cases.push_back({"noise." + extension, extension == "mp3" ? Either : Refused,
                         [noise](const std::string& p) { return WriteTestFile(p, noise); }});
        cases.push_back({"empty." + extension, Refused, [](const std::string& p) { return WriteTestFile(p, ""); }});
    }
    return cases;
}

class HostileCorpusTest : public MainWindowTest {
protected:
    // The window is in one of its two whole states: answers whether it plays.
    bool CheckWholeState() {
        bool opened = FileOpen();
        EXPECT_TRUE(opened || NothingOpen());
        EXPECT_EQ(L"Corvantile", Title());
        return opened;
    }

    void Run(const HostileCase& hostile) {
        SCOPED_TRACE(hostile.name);
        printf("[ hostile  ] %s\n", hostile.name.c_str());
        fflush(stdout);
        std::string path = kFolder + "\\" + hostile.name;
        hostile.make(path);
        {
            AnswerWatch watch(window->m_hWnd);
            DWORD start = GetTickCount();
            SendMessageW(window->m_hWnd, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDropHandle({path})), 0);
            // A file that keeps both the probe and the render waiting is given up once, not twice.
            EXPECT_LT(GetTickCount() - start, kLimit + 2500);
            bool played = CheckWholeState();
            PumpMessages(200);
            if (played) {
                // The commands that seek and steer the damaged file, with a few ticks of both timers.
                for (UINT id : {ID_PLAY_PAUSE, ID_STOP, ID_PLAY_PAUSE}) Command(id);
                PumpMessages(200);
                int position = 0, length = 0;
                EXPECT_TRUE(Clock(&position, &length) && position <= length) << PaneText(1);
            }
            EXPECT_TRUE(hostile.expected == Either || (hostile.expected == Plays) == played);
            EXPECT_LT(watch.Stop(), 1000u) << "the window stopped answering";
        }
        window->CloseMedia();
        for (HANDLE file : lockedFiles) CloseHandle(file);
        lockedFiles.clear();
        EXPECT_EQ(1, window->OpenMedia(TestMediaPath("clip.avi").c_str(), true));
        window->CloseMedia();
    }
};
}  // namespace

TEST_F(HostileCorpusTest, EachFileIsRefusedOrPlayedAndTheGoodClipOpensAfter) {
    SetPlatformCallLimit(kLimit);
    for (const HostileCase& hostile : Cases()) Run(hostile);
    SetPlatformCallLimit(0);
    TestScratchFolder("hostile-corpus");  // the 3 GB file and its company go
}
