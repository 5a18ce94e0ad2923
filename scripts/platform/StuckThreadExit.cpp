// Shows a Wine 8 fault that the player works around: once a thread is stuck inside the media
// detector's put_Filename (Wine's GStreamer splitter on an AVI cut inside its first video frame),
// ending the process crashes, through ExitProcess ("exit") and TerminateProcess ("terminate") alike.
//   stuck_thread_exit.exe <clip.avi> exit|terminate    -> on Wine 8 the process dies with SIGSEGV
#include <windows.h>
#include <dshow.h>
#include <qedit.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {
DWORD WINAPI Probe(void* path) {
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    IMediaDet* detector = nullptr;
    if (FAILED(CoCreateInstance(CLSID_MediaDet, nullptr, CLSCTX_INPROC_SERVER, IID_IMediaDet,
                                reinterpret_cast<void**>(&detector))))
        return 1;
    detector->put_Filename(SysAllocString(static_cast<const wchar_t*>(path)));  // never returns here
    return 0;
}

// A copy of the clip cut in the middle of its first video frame.
bool WriteCutCopy(const char* clip, const char* cut) {
    FILE* in = fopen(clip, "rb");
    if (!in) return false;
    std::vector<char> bytes;
    char block[65536];
    for (size_t n; (n = fread(block, 1, sizeof(block), in)) > 0;) bytes.insert(bytes.end(), block, block + n);
    fclose(in);
    std::string text(bytes.begin(), bytes.end());
    size_t frame = text.find("00db", text.find("movi"));
    if (frame == std::string::npos || frame + 8 > text.size()) return false;
    unsigned size = 0;
    memcpy(&size, &text[frame + 4], 4);
    FILE* out = fopen(cut, "wb");
    if (!out) return false;
    fwrite(text.data(), 1, frame + 8 + size / 2, out);
    return fclose(out) == 0;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || !WriteCutCopy(argv[1], "stuck-cut.avi")) return 2;
    wchar_t path[MAX_PATH];
    GetFullPathNameW(L"stuck-cut.avi", MAX_PATH, path, nullptr);
    HANDLE thread = CreateThread(nullptr, 0, Probe, path, 0, nullptr);
    bool stuck = WaitForSingleObject(thread, 4000) == WAIT_TIMEOUT;
    printf("put_Filename %s; ending the process with %s\n", stuck ? "never returned" : "returned", argv[2]);
    fflush(stdout);
    if (strcmp(argv[2], "terminate") == 0) TerminateProcess(GetCurrentProcess(), 0);
    ExitProcess(0);
}
