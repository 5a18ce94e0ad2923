#include "framework/CToolTipCtrl.h"

namespace {
// The version 2 layout is understood by every common controls version, with or without the manifest.
TTTOOLINFOW ToolInfo(CWnd* window, UINT toolId) {
    TTTOOLINFOW info = {};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    HWND hwnd = window ? window->GetSafeHwnd() : nullptr;
    if (toolId == 0) {
        info.uFlags = TTF_IDISHWND;
        info.hwnd = GetParent(hwnd);
        info.uId = reinterpret_cast<UINT_PTR>(hwnd);
    } else {
        info.hwnd = hwnd;
        info.uId = toolId;
    }
    return info;
}
}  // namespace

bool CToolTipCtrl::Create(CWnd* parent, DWORD style) {
    HWND owner = parent ? parent->GetSafeHwnd() : nullptr;
    RECT empty = {0, 0, 0, 0};
    return CWnd::CreateEx(0, TOOLTIPS_CLASSW, L"", WS_POPUP | style, empty, owner, 0);
}

bool CToolTipCtrl::AddTool(CWnd* window, const wchar_t* text, const RECT* rect, UINT toolId) {
    if (!m_hWnd || !window || !window->GetSafeHwnd()) return false;
    TTTOOLINFOW info = ToolInfo(window, toolId);
    if (toolId != 0) {
        if (rect)
            info.rect = *rect;
        else
            GetClientRect(window->GetSafeHwnd(), &info.rect);
    }
    info.lpszText = const_cast<wchar_t*>(text);
    return SendMessageW(m_hWnd, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

void CToolTipCtrl::UpdateTipText(const wchar_t* text, CWnd* window, UINT toolId) {
    if (!m_hWnd || !window) return;
    TTTOOLINFOW info = ToolInfo(window, toolId);
    info.lpszText = const_cast<wchar_t*>(text ? text : L"");
    SendMessageW(m_hWnd, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::Activate(bool activate) {
    if (m_hWnd) SendMessageW(m_hWnd, TTM_ACTIVATE, activate ? TRUE : FALSE, 0);
}

void CToolTipCtrl::RelayEvent(MSG* msg) {
    if (m_hWnd && msg) SendMessageW(m_hWnd, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
}

void CToolTipCtrl::SetMargin(const RECT& margin) {
    if (m_hWnd) SendMessageW(m_hWnd, TTM_SETMARGIN, 0, reinterpret_cast<LPARAM>(&margin));
}

void CToolTipCtrl::SetDelayTime(DWORD which, int milliseconds) {
    if (m_hWnd) SendMessageW(m_hWnd, TTM_SETDELAYTIME, which, MAKELPARAM(milliseconds, 0));
}

int CToolTipCtrl::SetMaxTipWidth(int width) {
    if (!m_hWnd) return -1;
    return static_cast<int>(SendMessageW(m_hWnd, TTM_SETMAXTIPWIDTH, 0, width));
}
