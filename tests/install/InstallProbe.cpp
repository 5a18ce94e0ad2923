// Looks at an installed player from outside, as a user would (tests/install/install-test.sh):
//   install_probe version <exe>   prints what Explorer's property page shows of the file's
//                                 version resource, one "name=value" a line
//   install_probe playing <name>  succeeds once the player's main window names the file in its
//                                 status bar and the position pane moves on
//   install_probe help            chooses Help in the player's menu
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/Scoped.h"
#include "resources/resource.h"

namespace {

void Print(const std::wstring& line) {
    std::wstring text = line + L"\n";
    int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &utf8[0], size, nullptr, nullptr);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), utf8.c_str(), static_cast<DWORD>(size - 1), &written, nullptr);
}

int PrintVersion(const wchar_t* exe) {
    DWORD size = GetFileVersionInfoSizeW(exe, nullptr);
    std::vector<BYTE> block(size);
    if (size == 0 || !GetFileVersionInfoW(exe, 0, size, block.data())) return 1;
    // The strings are read in the file's first translation, as Explorer does.
    WORD* translation = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length) ||
        length < 2 * sizeof(WORD))
        return 1;
    wchar_t prefix[64];
    wsprintfW(prefix, L"\\StringFileInfo\\%04x%04x\\", translation[0], translation[1]);
    for (const wchar_t* name : {L"ProductName", L"FileDescription", L"ProductVersion", L"FileVersion", L"LegalCopyright"}) {
        wchar_t* value = nullptr;
        if (!VerQueryValueW(block.data(), (std::wstring(prefix) + name).c_str(), reinterpret_cast<void**>(&value), &length))
            value = const_cast<wchar_t*>(L"");
        Print(std::wstring(name) + L"=" + value);
    }
    return 0;
}

// A status pane's text lives in the player's process: the request needs a buffer there.
std::wstring PaneText(HWND bar, int pane) {
    DWORD processId = 0;
    GetWindowThreadProcessId(bar, &processId);
    ScopedHandle process(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId));
    const SIZE_T chars = 1024;
    DWORD_PTR answer = 0;
    if (!process.IsValid() ||
        !SendMessageTimeoutW(bar, SB_GETTEXTLENGTHW, pane, 0, SMTO_ABORTIFHUNG, 2000, &answer) ||
        LOWORD(answer) >= chars)
        return L"";
    void* remote = VirtualAllocEx(process.Get(), nullptr, chars * sizeof(wchar_t), MEM_COMMIT, PAGE_READWRITE);
    if (!remote) return L"";
    wchar_t text[chars] = {};
    if (SendMessageTimeoutW(bar, SB_GETTEXTW, pane, reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG, 2000, &answer))
        ReadProcessMemory(process.Get(), remote, text, sizeof(text) - sizeof(wchar_t), nullptr);
    VirtualFreeEx(process.Get(), remote, 0, MEM_RELEASE);
    return text;
}

HWND PlayerStatusBar() {
    HWND player = FindWindowW(L"#32770", L"Corvantile");
    return player ? GetDlgItem(player, IDC_STATUSBAR) : nullptr;
}

int WaitForPlaying(const wchar_t* name) {
    std::wstring first;
    for (int tick = 0; tick < 300; ++tick, Sleep(100)) {
        HWND bar = PlayerStatusBar();
        if (!bar || PaneText(bar, 0) != name) continue;
        std::wstring position = PaneText(bar, 1);
        if (first.empty()) first = position;
        if (position.empty() || position == first) continue;
        Print(L"pane 0: " + PaneText(bar, 0) + L"; pane 1: " + first + L" -> " + position);
        return 0;
    }
    HWND bar = PlayerStatusBar();
    Print(bar ? L"the player shows \"" + PaneText(bar, 0) + L"\", \"" + PaneText(bar, 1) + L"\"" : L"no player window");
    return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 3 && lstrcmpW(argv[1], L"version") == 0) return PrintVersion(argv[2]);
    if (argc == 3 && lstrcmpW(argv[1], L"playing") == 0) return WaitForPlaying(argv[2]);
    if (argc == 2 && lstrcmpW(argv[1], L"help") == 0)
        return PostMessageW(FindWindowW(L"#32770", L"Corvantile"), WM_COMMAND, ID_HELP_PAGE, 0) ? 0 : 1;
    return 2;
}
