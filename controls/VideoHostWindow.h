#pragma once
// The black, sunken child window that the renderer's video window is placed in.
#include "framework/CWnd.h"

class VideoHostWindow : public CWnd {
public:
    VideoHostWindow() = default;
    ~VideoHostWindow() override = default;

    // Registers the class and creates the window (WS_EX_CLIENTEDGE, 0x52000000) with the given id.
    bool Create(HWND parent, const RECT& rect, UINT id);
    bool PreTranslateMessage(MSG* msg) override { return CWnd::PreTranslateMessage(msg); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
