#include "support/TestSupport.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include "framework/Scoped.h"
#include "media/BoundedCall.h"

namespace {
// The hostile-file tests abandon calls stuck inside Wine's GStreamer splitter, and Wine 8 crashes
// ending such a thread however the process ends, which would turn gtest's verdict into a crash
// status. Under Wine the test process therefore ends through Linux's exit_group, which stops every
// thread where it stands. Test support only: the player itself stays a plain Windows program.
void EndTestProcess(UINT exitCode) {
    if (AnyCallAbandoned() && GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version")) {
        fflush(nullptr);
#if defined(__x86_64__)
        long result;
        __asm__ volatile("syscall" : "=a"(result) : "a"(231L), "D"(static_cast<long>(exitCode)) : "rcx", "r11", "memory");
#endif
    }
    EndProcessIfCallsAbandoned(exitCode);
}

// Every test executable runs with COM and the common controls ready, as the program does.
class ProgramEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        CoInitialize(nullptr);
        INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
        // After gtest's last word, with its verdict, as the program ends after its window.
        atexit([] { EndTestProcess(::testing::UnitTest::GetInstance()->Passed() ? 0 : 1); });
    }
    void TearDown() override { CoUninitialize(); }
};
::testing::Environment* const environment = ::testing::AddGlobalTestEnvironment(new ProgramEnvironment);
}  // namespace

std::string TestMediaPath(const char* name) {
    const char* dir = getenv("CORVANTILE_TEST_MEDIA");
    std::string path = std::string(dir ? "Z:" : ".") + (dir ? dir : "") + "/" + name;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

// Files of any name or length are deleted: wide calls through the \\?\ prefix.
std::string TestScratchFolder(const char* name) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "corvantile-" + name;
    std::wstring prefix = L"\\\\?\\" + WideOf(folder) + L"\\";
    WIN32_FIND_DATAW found;
    ScopedFind search(FindFirstFileW((prefix + L"*").c_str(), &found));
    for (BOOL more = search.IsValid(); more; more = FindNextFileW(search.Get(), &found))
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileW((prefix + found.cFileName).c_str());
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

void PumpMessages(DWORD ms) {
    DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (GetTickCount() - start >= ms) break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (GetTickCount() - start < ms);
}

bool MakeShortcut(const std::string& shortcut, const std::string& target) {
    ScopedCom<IShellLinkA> link;
    ScopedCom<IPersistFile> file;
    HRESULT made = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.OutVoid());
    return SUCCEEDED(made) && SUCCEEDED(link->SetPath(target.c_str())) &&
           SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.OutVoid())) &&
           SUCCEEDED(file->Save(WideOf(shortcut).c_str(), TRUE));
}

// Room for the longest code page there is: four bytes a UTF-16 unit.
std::string AnsiOf(const std::wstring& text) {
    std::vector<char> narrow(text.size() * 4 + 1);
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, narrow.data(), static_cast<int>(narrow.size()), nullptr, nullptr);
    return narrow.data();
}

std::wstring WideOf(const std::string& ansi) {
    std::vector<wchar_t> wide(ansi.size() + 1);
    MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    return wide.data();
}

bool WriteTestFile(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    return static_cast<bool>(file.write(bytes.data(), static_cast<std::streamsize>(bytes.size())));
}

std::string ReadTestFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

HDROP MakeDropHandle(const std::vector<std::string>& names) {
    // UTF-16 names, as Explorer drops them, each with its NUL, then the empty name that ends the list.
    std::wstring list;
    for (const std::string& name : names) list += WideOf(name) + L'\0';
    size_t bytes = (list.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + bytes);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    memcpy(drop + 1, list.data(), list.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

namespace {
DWORD WINAPI SendSteps(void* parameter) {
    auto* steps = static_cast<std::vector<InputStep>*>(parameter);
    for (const InputStep& step : *steps) {
        INPUT input = {};
        if (step.key) {
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = step.key;
            input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(step.key, MAPVK_VK_TO_VSC));
            input.ki.dwFlags = step.up ? KEYEVENTF_KEYUP : 0;
        } else {
            input.type = INPUT_MOUSE;
            input.mi.dwFlags = step.mouseFlags;
            input.mi.dx = step.dx;
            input.mi.dy = step.dy;
        }
        SendInput(1, &input, sizeof(input));
        Sleep(step.pauseMs);
    }
    delete steps;
    return 0;
}
}  // namespace

HANDLE StartInput(const std::vector<InputStep>& steps) {
    return CreateThread(nullptr, 0, SendSteps, new std::vector<InputStep>(steps), 0, nullptr);
}

HWND FindVisibleWindow(const wchar_t* className, HWND except) {
    struct Search {
        const wchar_t* className;
        HWND except, found;
    } search = {className, except, nullptr};
    WNDENUMPROC match = [](HWND hwnd, LPARAM parameter) -> BOOL {
        auto* search = reinterpret_cast<Search*>(parameter);
        wchar_t name[64] = {};
        GetClassNameW(hwnd, name, 64);
        bool match = hwnd != search->except && IsWindowVisible(hwnd) && lstrcmpW(name, search->className) == 0;
        if (match) search->found = hwnd;
        return !match;
    };
    EnumThreadWindows(GetCurrentThreadId(), match, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<BYTE> Pixels24(HBITMAP bitmap, int width, int height) {
    BITMAPINFOHEADER header = {sizeof(header), width, height, 1, 24};
    std::vector<BYTE> bits(static_cast<size_t>((width * 3 + 3) / 4 * 4 * height));
    ScopedGetDC screen(nullptr);
    GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), bits.data(), reinterpret_cast<BITMAPINFO*>(&header),
              DIB_RGB_COLORS);
    return bits;
}

std::vector<BYTE> ScreenPixels(const RECT& r) {
    int w = r.right - r.left, h = r.bottom - r.top;
    ScopedGetDC screen(nullptr);
    ScopedDC memory(CreateCompatibleDC(screen));
    ScopedGdiObject bitmap(CreateCompatibleBitmap(screen, w, h));
    {
        ScopedSelect select(memory.Get(), bitmap.Get());  // and out again before the bits are read
        BitBlt(memory.Get(), 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    }
    return Pixels24(bitmap.Bitmap(), w, h);
}
