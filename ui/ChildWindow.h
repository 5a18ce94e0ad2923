#pragma once
// Steps on the main window's children. A child counts only once its window exists: an object
// whose window could not be created is skipped.
#include "framework/CWnd.h"

inline HWND HandleOf(const CWnd* child) { return child ? child->GetSafeHwnd() : nullptr; }

inline void ShowChild(const CWnd* child, bool show) {
    HWND hwnd = HandleOf(child);
    if (hwnd) ShowWindow(hwnd, show ? SW_SHOW : SW_HIDE);
}

inline void MoveChild(const CWnd* child, const RECT& r) {
    HWND hwnd = HandleOf(child);
    if (hwnd) SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER);
}
