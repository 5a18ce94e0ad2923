// What the platform alone costs to show the player's window, for the start-up measurements: the
// player's own main template (menu, font, frame) shown by the dialog manager, and with "children"
// also the work start-up must do before the window shows, each piece done the plainest way: COM,
// the multimedia library, a toolbar with its buttons, bitmap and tips, two plain child windows, a
// status bar with two panes, the information panel from its template, and the stored settings read.
// No logic of the player runs. The start-up timer compares it with the empty dialog and the player.
#include <windows.h>
#include <commctrl.h>

#include "resources/resource.h"

namespace {

bool withChildren = false;

HWND PlainChild(HWND parent, int id, int top, int height) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    windowClass.lpszClassName = L"FloorChild";
    RegisterClassW(&windowClass);  // the second call fails harmlessly
    return CreateWindowExW(0, L"FloorChild", L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, top, 300, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

void CreateToolBar(HWND parent) {
    HWND bar = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"",
                               WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NORESIZE,
                               0, 0, 300, 26, parent, reinterpret_cast<HMENU>(1002), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    TBADDBITMAP bitmap = {GetModuleHandleW(nullptr), IDB_TOOLBAR};
    SendMessageW(bar, TB_ADDBITMAP, 4, reinterpret_cast<LPARAM>(&bitmap));
    const int commands[] = {0, 32791, 32789, 0, 32776, 32777, 0};
    TBBUTTON buttons[7] = {};
    for (int i = 0, image = 0; i < 7; ++i) {
        buttons[i].idCommand = commands[i];
        buttons[i].fsStyle = commands[i] ? BTNS_BUTTON : BTNS_SEP;
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].iBitmap = commands[i] ? image++ : 0;
    }
    SendMessageW(bar, TB_ADDBUTTONSW, 7, reinterpret_cast<LPARAM>(buttons));
}

void ReadSettings() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Corvantile", 0, KEY_READ, &key) != ERROR_SUCCESS) return;
    const wchar_t* names[] = {L"mframewnd",        L"showtoolbar",    L"showseekslider", L"showstatusbar",
                              L"showplayproperty", L"showtopmost",    L"showwndfixsize", L"videowndsizerate"};
    for (const wchar_t* name : names) {
        BYTE data[64];
        DWORD size = sizeof(data);
        RegQueryValueExW(key, name, nullptr, nullptr, data, &size);
    }
    RegCloseKey(key);
}

void CreateChildren(HWND window) {
    CoInitialize(nullptr);
    wchar_t path[MAX_PATH];
    UINT length = GetSystemDirectoryW(path, MAX_PATH - 12);
    lstrcpyW(path + length, L"\\winmm.dll");
    LoadLibraryW(path);
    CreateToolBar(window);
    PlainChild(window, 1003, 28, 200);
    HWND status = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, window,
                                  reinterpret_cast<HMENU>(1004), GetModuleHandleW(nullptr), nullptr);
    int parts[2] = {150, -1};
    SendMessageW(status, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
    PlainChild(window, 1005, 230, 20);
    HWND panel = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_INFOPANEL), window,
                                    [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
    ShowWindow(panel, SW_SHOW);
    ReadSettings();
}

INT_PTR CALLBACK MainProc(HWND window, UINT message, WPARAM, LPARAM) {
    if (message == WM_INITDIALOG && withChildren) CreateChildren(window);
    if (message == WM_CLOSE) EndDialog(window, 0);
    return message == WM_INITDIALOG;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    withChildren = lstrcmpA(commandLine, "children") == 0;
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    return static_cast<int>(DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_MAIN), nullptr, MainProc, 0));
}
