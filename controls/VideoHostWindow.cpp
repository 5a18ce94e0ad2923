#include "controls/VideoHostWindow.h"

#include <windowsx.h>

#include "framework/Scoped.h"

namespace {
const DWORD kHostStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
}

bool VideoHostWindow::Create(HWND parent, const RECT& rect, UINT id) {
    // Double clicks switch the display mode, so the class must ask for them.
    const wchar_t* windowClass = RegisterWindowClass(CS_DBLCLKS, LoadCursor(nullptr, IDC_ARROW), nullptr, nullptr);
    return CWnd::CreateEx(WS_EX_CLIENTEDGE, windowClass, L"", kHostStyle, rect, parent, id);
}

LRESULT VideoHostWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = CWnd::WindowProc(message, wParam, lParam);
    switch (message) {
    case WM_PAINT: {
        // The class has no brush; whatever the video leaves uncovered is black. The renderer's
        // window is a clipped child, so this fill never paints over the picture.
        ScopedGetDC dc(m_hWnd);
        if (!dc) break;
        RECT client = {};
        GetClientRect(m_hWnd, &client);
        ScopedGdiObject black(CreateSolidBrush(RGB(0, 0, 0)));
        FillRect(dc, &client, black.Brush());
        break;
    }
    case WM_MOUSEMOVE:
    case WM_RBUTTONDOWN:
        SetFocus(m_hWnd);
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        SetFocus(m_hWnd);
        UINT forwarded = PairPress(message);
        // Posted, so the main window's drag or mode switch runs after this handler has returned.
        HWND parent = GetParent(m_hWnd);
        if (parent) PostMessageW(parent, forwarded, wParam, lParam);
        break;
    }
    }
    return result;
}

UINT VideoHostWindow::PairPress(UINT message) {
    // The renderer's window, which covers the picture, has no CS_DBLCLKS: a double click on the
    // picture reaches us through its message drain as two presses, so we pair them ourselves.
    DWORD position = GetMessagePos();
    ClickRecord press = {true, static_cast<DWORD>(GetMessageTime()), {GET_X_LPARAM(position), GET_Y_LPARAM(position)}};
    RECT window = {};
    GetWindowRect(m_hWnd, &window);
    SIZE size = {GetSystemMetrics(SM_CXDOUBLECLK), GetSystemMetrics(SM_CYDOUBLECLK)};
    // A first press that dragged the window stays a drag: the host has moved since.
    bool second = message == WM_LBUTTONDOWN && EqualRect(&window, &lastPressWindow) &&
                  IsSecondClick(lastPress, press.time, press.point, GetDoubleClickTime(), size);
    bool pairDone = second || message == WM_LBUTTONDBLCLK;
    lastPress = pairDone ? ClickRecord{} : press;
    lastPressWindow = window;
    return second ? WM_LBUTTONDBLCLK : message;
}
