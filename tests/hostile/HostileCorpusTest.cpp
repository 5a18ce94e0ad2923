// Damaged, strange and hostile files opened through the main window's real open path under Wine.
// Each one must be refused cleanly or played; never a crash, a hang, a message box or a half-open
// window, and the good clip must open right after.
#include <cstdio>
#include <functional>
#include <memory>

#include <shlobj.h>

#include "hostile/OpenWatch.h"
#include "hostile/RiffImage.h"
#include "windows/MainWindowFixture.h"

namespace {
enum Outcome { Refused, Plays, Either };
const char* OutcomeText(Outcome outcome) {
    return outcome == Refused ? "refused" : outcome == Plays ? "plays" : "either";
}


// Makes the files of the corpus and undoes what they need undone (locks, huge files, long names).
class Corpus {
public:
    Corpus() : folder(TestScratchFolder("hostile-corpus")) {
        clip.Load(TestMediaPath("clip.avi"));
        RiffImage wav;
        wav.Load(TestMediaPath("audio.wav"));
        wavBytes = wav.bytes;
    }
    ~Corpus() { Cleanup(); }

    void Cleanup() {
        for (HANDLE handle : handles) CloseHandle(handle);
        handles.clear();
        for (const std::wstring& path : widePaths) DeleteFileW(path.c_str());
        widePaths.clear();
        wideDrop.clear();
    }

    std::string Path(const std::string& name) const { return folder + "\\" + name; }
    std::string Write(const std::string& name, const std::string& bytes) {
        WriteTestFile(Path(name), bytes);
        return Path(name);
    }
    std::string DamagedClip(const std::string& name, const std::function<void(RiffImage&)>& damage) {
        RiffImage copy = clip;
        damage(copy);
        copy.Save(Path(name));
        return Path(name);
    }
    std::string DamagedWav(const std::string& name, const std::function<void(RiffImage&)>& damage) {
        RiffImage copy;
        copy.bytes = wavBytes;
        damage(copy);
        copy.Save(Path(name));
        return Path(name);
    }
    std::string Noise(const std::string& name) {
        std::string bytes;
        unsigned seed = 12345;
        for (int i = 0; i < 64 * 1024; ++i) {
            seed = seed * 1103515245u + 12345u;
            bytes.push_back(static_cast<char>(seed >> 16));
        }
        return Write(name, bytes);
    }
    // A copy of the clip under a name the ANSI code page cannot spell; answers its wide path.
    std::wstring WideCopy(const wchar_t* name) {
        std::wstring path = Wide(folder) + L"\\" + name;
        CopyFileW(Wide(TestMediaPath("clip.avi")).c_str(), path.c_str(), FALSE);
        widePaths.push_back(path);
        return path;
    }
    // The ANSI spelling of such a copy's name (unspellable characters become '?'), or its short name.
    std::string AnsiCopy(const wchar_t* name) { return Ansi(WideCopy(name)); }
    std::string ShortCopy(const wchar_t* name) {
        wchar_t shortName[MAX_PATH] = L"";
        GetShortPathNameW(WideCopy(name).c_str(), shortName, MAX_PATH);
        return Ansi(shortName);
    }
    // The clip's header with RIFF and movi sizes claiming 3 GB, the file made that long without
    // writing the gap, so it takes almost no disk.
    std::string Sparse(const std::string& name) {
        const uint64_t kSize = 3ull << 30;
        RiffImage copy = clip;
        copy.Put32(4, static_cast<uint32_t>(kSize - 8));
        RiffChunk movi = copy.Find("movi");
        copy.Put32(movi.offset + 4, static_cast<uint32_t>(kSize - movi.offset - 8));
        copy.Save(Path(name));
        HANDLE file = CreateFileA(Path(name).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        LARGE_INTEGER end;
        end.QuadPart = static_cast<LONGLONG>(kSize);
        SetFilePointerEx(file, end, nullptr, FILE_BEGIN);
        SetEndOfFile(file);
        CloseHandle(file);
        widePaths.push_back(Wide(Path(name)));
        return Path(name);
    }
    // A copy of the clip whose whole path is exactly length characters long.
    std::string PathOfLength(size_t length, const char* extension) {
        std::string stem = folder + "\\";
        std::string path = stem + std::string(length - stem.size() - strlen(extension), 'n') + extension;
        std::wstring wide = L"\\\\?\\" + Wide(path);
        CopyFileW(Wide(TestMediaPath("clip.avi")).c_str(), wide.c_str(), FALSE);
        widePaths.push_back(wide);
        return path;
    }
    std::string LockedCopy(const std::string& name) {
        CopyFileA(TestMediaPath("clip.avi").c_str(), Path(name).c_str(), FALSE);
        handles.push_back(CreateFileA(Path(name).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        return Path(name);
    }

    static std::wstring Wide(const std::string& text) {
        wchar_t wide[1024] = L"";
        MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide, 1024);
        return wide;
    }
    static std::string Ansi(const std::wstring& text) {
        char narrow[1024] = "";
        WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, narrow, sizeof(narrow), nullptr, nullptr);
        return narrow;
    }

    std::string folder;
    RiffImage clip;
    std::string wavBytes;
    std::vector<HANDLE> handles;
    std::vector<std::wstring> widePaths;
    std::wstring wideDrop;  // when set, the case is dropped as this UTF-16 name
};

struct HostileCase {
    std::string name;
    Outcome expected;
    std::function<std::string(Corpus&)> make;  // the path to open
    bool direct = false;  // straight to OpenMedia: a drop passes over names too long for its buffer
};

// A drop handle holding one name in UTF-16, as the shell hands it over.
HDROP WideDropHandle(const std::wstring& name) {
    size_t size = sizeof(DROPFILES) + (name.size() + 2) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), name.c_str(), name.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

using Damage = std::function<void(RiffImage&)>;

HostileCase Avi(const std::string& name, Outcome expected, const std::string& file, const Damage& damage) {
    return {name, expected, [file, damage](Corpus& c) { return c.DamagedClip(file, damage); }};
}

HostileCase Wav(const std::string& name, const std::string& file, const Damage& damage) {
    return {name, Either, [file, damage](Corpus& c) { return c.DamagedWav(file, damage); }};
}

// Writes value at each of the given offsets into a chunk's data.
void PutAt(RiffImage& image, const char* chunk, int nth, std::initializer_list<size_t> offsets, uint32_t value) {
    for (size_t offset : offsets) image.Put32(image.DataOf(chunk, nth) + offset, value);
}

void PutIndexOffsets(RiffImage& image, const std::function<void(size_t entry)>& put) {
    RiffChunk index = image.Find("idx1");
    for (size_t at = index.offset + 8; at + 16 <= index.offset + 8 + index.size; at += 16) put(at);
}

// Field offsets: avih +0 µs per frame, +24 streams, +32 width, +36 height; strh +20 scale, +24 rate;
// video strf +4 width, +8 height; audio strf +4 sample rate, +8 bytes per second.
// Cut inside the first frame, far index offsets, a silent rate of 0 and the 3 GB sparse file once
// blocked the platform's splitter for good: the open must give up on them at its time limit.
std::vector<HostileCase> DamagedAviCases() {
    return {
        Avi("avi cut after the RIFF header", Refused, "cut-riff.avi", [](RiffImage& i) { i.Cut(12); }),
        Avi("avi cut inside the main header", Refused, "cut-avih.avi", [](RiffImage& i) { i.Cut(40); }),
        Avi("avi cut where the frames begin (header only)", Either, "cut-header.avi",
            [](RiffImage& i) { i.Cut(i.Find("movi").offset); }),
        Avi("avi cut inside the first video frame", Either, "cut-frame1.avi", [](RiffImage& i) {
            RiffChunk frame = i.Find("00db");
            i.Cut(frame.offset + 8 + frame.size / 2);
        }),
        Avi("avi cut in the middle of the frames", Either, "cut-middle.avi",
            [](RiffImage& i) { i.Cut(i.Find("00db", 40).offset + 100); }),
        Avi("avi cut in the middle of the index", Either, "cut-index.avi",
            [](RiffImage& i) { i.Cut(i.DataOf("idx1") + 1000); }),
        Avi("RIFF size far past the end", Either, "riff-huge.avi", [](RiffImage& i) { i.Put32(4, 0xFFFFFFF0u); }),
        Avi("RIFF size of 4", Either, "riff-tiny.avi", [](RiffImage& i) { i.Put32(4, 4); }),
        Avi("hdrl LIST size far past the end", Either, "hdrl-huge.avi",
            [](RiffImage& i) { i.Put32(i.Find("hdrl").offset + 4, 0xFFFFFF00u); }),
        Avi("movi LIST size far past the end", Either, "movi-huge.avi",
            [](RiffImage& i) { i.Put32(i.Find("movi").offset + 4, 0x7FFFFFFFu); }),
        Avi("movi LIST size of 4", Either, "movi-empty.avi",
            [](RiffImage& i) { i.Put32(i.Find("movi").offset + 4, 4); }),
        Avi("strl LIST size of 4", Either, "strl-tiny.avi",
            [](RiffImage& i) { i.Put32(i.Find("strl").offset + 4, 4); }),
        Avi("strf size of 256 MB", Either, "strf-huge.avi",
            [](RiffImage& i) { i.Put32(i.Find("strf").offset + 4, 0x10000000u); }),
        Avi("dimensions 0 x 0", Either, "size-0x0.avi", [](RiffImage& i) {
            PutAt(i, "avih", 0, {32, 36}, 0);
            PutAt(i, "strf", 0, {4, 8}, 0);
        }),
        Avi("dimensions 65535 x 65535", Either, "size-65535.avi", [](RiffImage& i) {
            PutAt(i, "avih", 0, {32, 36}, 65535);
            PutAt(i, "strf", 0, {4, 8}, 65535);
        }),
        Avi("negative height", Either, "size-negative.avi", [](RiffImage& i) {
            PutAt(i, "avih", 0, {36}, static_cast<uint32_t>(-240));
            PutAt(i, "strf", 0, {8}, static_cast<uint32_t>(-240));
        }),
        Avi("frame rate 0/0", Either, "rate-zero.avi", [](RiffImage& i) {
            PutAt(i, "avih", 0, {0}, 0);
            PutAt(i, "strh", 0, {20, 24}, 0);
        }),
        Avi("frame rate 4294967295/1", Either, "rate-huge.avi", [](RiffImage& i) {
            PutAt(i, "avih", 0, {0}, 1);
            PutAt(i, "strh", 0, {20}, 1);
            PutAt(i, "strh", 0, {24}, 0xFFFFFFFFu);
        }),
        Avi("frame scale 4294967295", Either, "scale-huge.avi", [](RiffImage& i) {
            PutAt(i, "avih", 0, {0}, 0xFFFFFFFFu);
            PutAt(i, "strh", 0, {20}, 0xFFFFFFFFu);
            PutAt(i, "strh", 0, {24}, 1);
        }),
        Avi("every idx1 offset near 0xFFFFFF00", Either, "index-far.avi", [](RiffImage& i) {
            PutIndexOffsets(i, [&](size_t at) { i.Put32(at + 8, 0xFFFFFF00u + ((at / 16) & 0xF)); });
        }),
        Avi("audio scale, rate and sample rate all 0", Either, "audio-rate-zero.avi", [](RiffImage& i) {
            PutAt(i, "strh", 1, {20, 24}, 0);
            PutAt(i, "strf", 1, {4, 8}, 0);
        }),
        Avi("no streams at all", Refused, "no-streams.avi", [](RiffImage& i) {
            PutAt(i, "avih", 0, {24}, 0);
            i.PutId(i.Find("strl", 1).offset, "JUNK");
            i.PutId(i.Find("strl").offset, "JUNK");
        }),
        Avi("index naming a stream that does not exist", Either, "index-stream7.avi",
            [](RiffImage& i) { PutIndexOffsets(i, [&](size_t at) { i.PutId(at, "07dc"); }); }),
        Avi("no index", Either, "no-index.avi", [](RiffImage& i) { i.PutId(i.Find("idx1").offset, "JUNK"); }),
        {"audio-only avi", Either, [](Corpus& c) { return c.Write("audio-only.avi", AudioOnlyAvi(c.wavBytes)); }},
        {"3 GB sparse file whose sizes claim 3 GB", Either, [](Corpus& c) { return c.Sparse("sparse-3gb.avi"); }},
    };
}

// fmt data: +0 tag, +2 channels, +4 sample rate, +8 bytes per second.
std::vector<HostileCase> DamagedWavCases() {
    return {
        Wav("wav whose format chunk is 2 bytes", "fmt-short.wav",
            [](RiffImage& i) { i.Put32(i.Find("fmt ").offset + 4, 2); }),
        Wav("wav whose format chunk claims 2 GB", "fmt-huge.wav",
            [](RiffImage& i) { i.Put32(i.Find("fmt ").offset + 4, 0x7FFFFFFFu); }),
        Wav("wav with an unknown tag, no channels and rate 0", "fmt-zero.wav", [](RiffImage& i) {
            i.Put16(i.DataOf("fmt "), 0xFFFF);
            i.Put16(i.DataOf("fmt ") + 2, 0);
            PutAt(i, "fmt ", 0, {4, 8}, 0);
        }),
        Wav("wav without a format chunk", "fmt-missing.wav",
            [](RiffImage& i) { i.PutId(i.Find("fmt ").offset, "junk"); }),
    };
}

std::vector<HostileCase> NoiseAndEmptyCases() {
    std::vector<HostileCase> cases;
    for (const char* extension : {"avi", "mpg", "mpeg", "wmv", "asf", "wav", "webm", "mp4", "mkv", "mp3", "ogg"}) {
        std::string noise = std::string("noise.") + extension, empty = std::string("empty.") + extension;
        // Random bytes hold MPEG audio sync words often enough for the platform to play them as noise.
        Outcome noiseOutcome = strcmp(extension, "mp3") == 0 ? Either : Refused;
        cases.push_back({"random bytes named " + noise, noiseOutcome, [noise](Corpus& c) { return c.Noise(noise); }});
        cases.push_back({"empty file named " + empty, Refused, [empty](Corpus& c) { return c.Write(empty, ""); }});
    }
    return cases;
}

std::vector<HostileCase> NameCases() {
    return {
        {"folder named like a movie", Refused, [](Corpus& c) {
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
        {"shortcut to a shortcut to the clip", Either, [](Corpus& c) {
             MakeShortcut(c.Path("inner.lnk"), TestMediaPath("clip.avi"));
             MakeShortcut(c.Path("outer.lnk"), c.Path("inner.lnk"));
             return c.Path("outer.lnk"); }},
        {"Hangul name through its ANSI spelling", Refused, [](Corpus& c) { return c.AnsiCopy(L"\uc601\ud654.avi"); }},
        {"Hangul name dropped by the shell in UTF-16", Refused, [](Corpus& c) {
             c.wideDrop = c.WideCopy(L"\ud55c\uad6d.avi");
             return std::string(); }},
        {"Hangul name through its short name", Either,
         [](Corpus& c) { return c.ShortCopy(L"\uc601\ud654 \uc601\ud654.avi"); }},
        {"emoji name through its ANSI spelling", Refused,
         [](Corpus& c) { return c.AnsiCopy(L"movie \U0001F3AC.avi"); }},
        {"emoji name through its short name", Either,
         [](Corpus& c) { return c.ShortCopy(L"\U0001F3AC\U0001F3AC.avi"); }},
        {"path of 259 characters", Plays, [](Corpus& c) { return c.PathOfLength(MAX_PATH - 1, ".avi"); }},
        {"path of 260 characters", Refused, [](Corpus& c) { return c.PathOfLength(MAX_PATH, ".avi"); }, true},
        {"path of 400 characters", Refused, [](Corpus& c) { return c.PathOfLength(400, ".avi"); }, true},
        {"path of 260 characters, dropped", Refused, [](Corpus& c) { return c.PathOfLength(MAX_PATH, ".avi"); }},
        {"file held open exclusively by another", Refused, [](Corpus& c) { return c.LockedCopy("locked.avi"); }},
        {"device name NUL.avi", Refused, [](Corpus& c) { return c.Path("NUL.avi"); }},
        {"device name CON.avi", Refused, [](Corpus& c) { return c.Path("CON.avi"); }},
        {"named pipe that never sends a byte", Refused, [](Corpus& c) {
             const char* pipe = "\\\\.\\pipe\\corvantile-silent.avi";
             c.handles.push_back(CreateNamedPipeA(pipe, PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE, 4, 4096, 4096, 0, nullptr));
             return std::string(pipe); }},
    };
}

class HostileCorpusTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        watch = std::make_unique<OpenWatch>(window->m_hWnd);
    }
    void TearDown() override {
        watch.reset();
        MainWindowTest::TearDown();
    }

    // Drops path on the window (or, when direct, hands it to OpenMedia) and checks the window is
    // in one of the two whole states; answers whether it plays.
    bool OpenAndCheck(const std::string& path, bool direct) {
        if (direct) {
            window->OpenMedia(path.c_str(), true);
        } else {
            HDROP drop = corpus.wideDrop.empty() ? MakeDropHandle({path}) : WideDropHandle(corpus.wideDrop);
            SendMessageW(window->m_hWnd, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
        }
        bool opened = window->media.path != nullptr;
        window->UpdateUiState(0, nullptr, false);
        if (opened) {
            EXPECT_TRUE(window->media.path != nullptr);
            EXPECT_NE(nullptr, window->session.Graph());
            EXPECT_NE(SessionClosed, window->session.State());
            EXPECT_NE(0u, window->positionTimerId);
            EXPECT_FALSE(Grayed(ID_PLAY_PAUSE));
            EXPECT_FALSE(Grayed(ID_FILE_CLOSE_CMD));
            EXPECT_TRUE(ToolbarButtonEnabled(ID_PLAY_PAUSE));
            EXPECT_NE(L"", PaneText(0));
        } else {
            EXPECT_TRUE(NothingOpen());
            EXPECT_EQ(L"", PaneText(0));
            for (UINT id : {ID_PLAY_PAUSE, ID_STOP, ID_FILE_CLOSE_CMD, ID_CAPTURE}) EXPECT_TRUE(Grayed(id)) << id;
            EXPECT_FALSE(ToolbarButtonEnabled(ID_PLAY_PAUSE));
            EXPECT_FALSE(ToolbarButtonEnabled(ID_STOP));
        }
        EXPECT_EQ(L"Corvantile", Title());
        return opened;
    }

    void Run(const HostileCase& hostile) {
        SCOPED_TRACE(hostile.name);
        std::string path = hostile.make(corpus);
        watch->BeginCase(hostile.name);
        DWORD start = GetTickCount();
        bool played = OpenAndCheck(path, hostile.direct);
        DWORD openMs = GetTickCount() - start;
        if (played) {
            // A few ticks of both timers, then the commands that seek and steer the damaged file.
            PumpMessages(400);
            SendMessageW(window->m_hWnd, WM_COMMAND, ID_PLAY_PAUSE, 0);
            SendMessageW(window->m_hWnd, WM_COMMAND, ID_STOP, 0);
            SendMessageW(window->m_hWnd, WM_COMMAND, ID_PLAY_PAUSE, 0);
            PumpMessages(200);
            EXPECT_LE(PlaybackSession::ToMilliseconds(window->session.GetPosition()), window->media.format.lengthMs);
        }
        EXPECT_TRUE(WindowAnswers(window->m_hWnd, 1000));
        EXPECT_LT(watch->LongestWait(), 1000u) << "the window stopped answering during the open";
        if (hostile.expected != Either) {
            EXPECT_EQ(hostile.expected == Plays, played) << "expected: " << OutcomeText(hostile.expected);
        }
        RECT frame = {};
        GetWindowRect(window->m_hWnd, &frame);
        printf("[ %-8s ] %s (%lu ms; longest wait for the window %lu ms; picture %d x %d, window %ld x %ld)\n",
               played ? "played" : "refused", hostile.name.c_str(), openMs, watch->LongestWait(),
               window->media.size.width, window->media.size.height, frame.right - frame.left, frame.bottom - frame.top);
        fflush(stdout);
        window->CloseMedia();
        EXPECT_TRUE(NothingOpen());
        corpus.Cleanup();

        watch->BeginCase(hostile.name + ", then the good clip");
        EXPECT_EQ(1, window->OpenMedia(TestMediaPath("clip.avi").c_str(), true));
        window->CloseMedia();
        for (const std::string& box : watch->TakeMessageBoxes()) ADD_FAILURE() << "message box: " << box;
    }

    Corpus corpus;
    std::unique_ptr<OpenWatch> watch;
};

}  // namespace

TEST_F(HostileCorpusTest, DamagedAviFilesAreRefusedOrPlayed) {
    for (const HostileCase& hostile : DamagedAviCases()) Run(hostile);
}

TEST_F(HostileCorpusTest, DamagedWavFilesAreRefusedOrPlayed) {
    for (const HostileCase& hostile : DamagedWavCases()) Run(hostile);
}

TEST_F(HostileCorpusTest, RandomAndEmptyFilesOfEveryMediaExtensionAreRefused) {
    for (const HostileCase& hostile : NoiseAndEmptyCases()) Run(hostile);
}

TEST_F(HostileCorpusTest, StrangeNamesAndUnreadableFilesAreRefusedOrPlayed) {
    for (const HostileCase& hostile : NameCases()) Run(hostile);
}

TEST_F(HostileCorpusTest, FileDeletedWhilePlaying) {
    std::string movie = corpus.Path("deleted.avi");
    ASSERT_TRUE(CopyFileA(TestMediaPath("clip.avi").c_str(), movie.c_str(), FALSE));
    watch->BeginCase("file deleted while it plays");
    ASSERT_EQ(1, window->OpenMedia(movie.c_str(), true));
    PumpMessages(300);
    BOOL deleted = DeleteFileA(movie.c_str());
    printf("[ info     ] deleting the playing file: %s (error %lu)\n", deleted ? "deleted" : "refused", GetLastError());
    PumpMessages(3500);  // past the clip's end
    EXPECT_TRUE(WindowAnswers(window->m_hWnd, 1000));
    EXPECT_EQ(SessionPaused, window->session.QueryState());
    window->CloseMedia();
    EXPECT_TRUE(NothingOpen());
    EXPECT_TRUE(deleted || DeleteFileA(movie.c_str()));
    EXPECT_EQ(1, window->OpenMedia(TestMediaPath("clip.avi").c_str(), true));
    for (const std::string& box : watch->TakeMessageBoxes()) ADD_FAILURE() << "message box: " << box;
}
