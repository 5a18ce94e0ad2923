#pragma once
// The black, sunken child window that the renderer's video window is placed in.
#include "controls/DoubleClick.h"
#include "framework/CWnd.h"

class VideoHostWindow : public CWnd {
public:
    VideoHostWindow() = default;
    ~VideoHostWindow() override = default;

    // Registers the class and creates the window (WS_EX_CLIENTEDGE, 0x52000000) with the given id.
    bool Create(HWND parent, const RECT& rect, UINT id);
    bool PreTranslateMessage(MSG* msg) override { return CWnd::PreTranslateMessage(msg); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The left-button message to hand on for the left-button message being handled.
    UINT PairPress(UINT message);

    ClickRecord lastPress = {};
    RECT lastPressWindow = {};  // where the host was on screen at that press
};
