#pragma once
// A top-level window that hosts one control under test and records what the control tells it.
#include <vector>

#include "controls/SeekSlider.h"

struct ReceivedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool sliderTracking;  // the slider's IsTracking() while the message was handled
};

class ControlTestParent : public CWnd {
public:
    std::vector<ReceivedMessage> Received(UINT message) const {
        std::vector<ReceivedMessage> found;
        for (const ReceivedMessage& m : received)
            if (m.message == message) found.push_back(m);
        return found;
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_HSCROLL || message == WM_COMMAND || message == WM_MENUSELECT ||
            message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK)
            received.push_back({message, wParam, lParam, slider && slider->IsTracking()});
        return CWnd::WindowProc(message, wParam, lParam);
    }

    SeekSlider* slider = nullptr;
    std::vector<ReceivedMessage> received;
};

inline LPARAM ClientPoint(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

// One parent for the whole run, never destroyed: under Wine without a window manager,
// destroying a shown top-level window waits about two seconds for the display.
inline ControlTestParent& SharedTestParent() {
    static ControlTestParent* parent = nullptr;
    if (!parent) {
        parent = new ControlTestParent;
        const wchar_t* windowClass = CWnd::RegisterWindowClass(0, LoadCursor(nullptr, IDC_ARROW),
                                                               GetSysColorBrush(COLOR_BTNFACE), nullptr);
        // Away from the screen's corner, where the idle pointer of the virtual display rests.
        parent->CreateEx(0, windowClass, L"control test", WS_POPUP | WS_VISIBLE, {300, 200, 800, 500}, nullptr, 0);
    }
    parent->received.clear();
    parent->slider = nullptr;
    return *parent;
}
