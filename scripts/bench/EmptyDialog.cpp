// Baseline for start-up measurements: the smallest dialog program, built the same way as the player.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    struct {
        DLGTEMPLATE header;
        WORD menu, windowClass;
        wchar_t title[6];
    } dialog = {};
    dialog.header.style = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU;
    dialog.header.cx = 211;
    dialog.header.cy = 230;
    lstrcpyW(dialog.title, L"Empty");
    return static_cast<int>(DialogBoxIndirectParamW(instance, &dialog.header, nullptr,
                                                    [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0));
}
