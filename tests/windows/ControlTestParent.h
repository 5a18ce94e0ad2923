#pragma once
// A top-level window that hosts one control under test and records what the control tells it.
#include <windows.h>

#include <map>
#include <vector>

#include "controls/SeekSlider.h"
#include "framework/CWnd.h"

struct ReceivedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool sliderTracking;  // the slider's IsTracking() while the message was handled
};

class ControlTestParent : public CWnd {
public:
    bool Create(DWORD style, int width, int height) {
        const wchar_t* windowClass = RegisterWindowClass(0, LoadCursor(nullptr, IDC_ARROW),
                                                         reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr);
        // Away from the screen's corner, where the idle pointer of the virtual display rests.
        RECT rect = {300, 200, 300 + width, 200 + height};
        return CreateEx(0, windowClass, L"control test", style | WS_VISIBLE, rect, nullptr, 0);
    }

    std::vector<ReceivedMessage> Received(UINT message) const {
        std::vector<ReceivedMessage> found;
        for (const ReceivedMessage& m : received)
            if (m.message == message) found.push_back(m);
        return found;
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_HSCROLL:
        case WM_COMMAND:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_CONTEXTMENU:
            received.push_back({message, wParam, lParam, slider && slider->IsTracking()});
            break;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }

    SeekSlider* slider = nullptr;
    std::vector<ReceivedMessage> received;
};

inline LPARAM ClientPoint(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y)));
}

// One parent per window style for the whole run, never destroyed: under Wine without a window
// manager, destroying a shown top-level window waits about two seconds for the display.
inline ControlTestParent& SharedTestParent(DWORD style) {
    static std::map<DWORD, ControlTestParent*> parents;
    ControlTestParent*& parent = parents[style];
    if (!parent) {
        parent = new ControlTestParent;
        parent->Create(style, 500, 300);
    }
    parent->received.clear();
    parent->slider = nullptr;
    return *parent;
}
