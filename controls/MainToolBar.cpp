#include "controls/MainToolBar.h"

#include <windowsx.h>

#include "framework/ResourceString.h"
#include "resources/resource.h"

const UINT kMainToolBarButtons[7] = {0, ID_FILE_OPEN_CMD, ID_VOLUME, 0, ID_PLAY_PAUSE, ID_STOP, 0};

namespace {
const DWORD kBarStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_TOOLTIPS | CBRS_FLYBY;  // 0x50002030
// wParam of WM_MENUSELECT that, with lParam 0, tells the owner the menu has closed.
const WPARAM kMenuClosed = 0xFFFF0000;

}  // namespace

std::wstring ToolTipPart(const std::wstring& promptString) {
    size_t newline = promptString.find(L'\n');
    if (newline == std::wstring::npos) return std::wstring();
    return promptString.substr(newline + 1);
}

MainToolBar::~MainToolBar() {
    // Destroy the window while this object is whole, so our WM_DESTROY step frees the tooltip and timer.
    if (HasWindow()) ::DestroyWindow(m_hWnd);
}

bool MainToolBar::Create(CWnd* parent) {
    if (!CreateEx(parent, TBSTYLE_FLAT, kBarStyle, kControlId)) return false;
    SetButtons(kMainToolBarButtons, 7);
    LoadBitmap(IDB_TOOLBAR);
    return true;
}

void MainToolBar::OnBarCreated() {
    // The toolbar control is bound to this object only after CreateWindowEx has returned, so its
    // WM_CREATE never reached our window procedure; this is the first moment we own the window.
    // CreateToolTip does nothing when WM_CREATE did come through and already made the tooltip.
    CreateToolTip();
}

ToolBarHit MainToolBar::HitTest(POINT point) const {
    int count = ButtonCount();
    for (int i = 0; i < count; ++i) {
        UINT id = GetItemID(i);
        if (id == 0) continue;
        RECT rect;
        GetItemRect(i, &rect);
        if (point.x >= rect.left && point.x <= rect.right && point.y >= rect.top && point.y <= rect.bottom)
            return {true, i, id};
    }
    return {false, -1, 0};
}

LRESULT MainToolBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        if (pollTimerId != 0) KillTimer(m_hWnd, pollTimerId);
        pollTimerId = 0;
        DestroyToolTip();
        return CToolBar::WindowProc(message, wParam, lParam);
    }
    LRESULT result = CToolBar::WindowProc(message, wParam, lParam);
    switch (message) {
    case WM_CREATE:
        CreateToolTip();
        break;
    case WM_MOUSEMOVE:
        OnMouseMove(lParam);
        break;
    case WM_TIMER:
        OnTimerTick();
        break;
    default:
        break;
    }
    return result;
}

bool MainToolBar::PreTranslateMessage(MSG* msg) {
    if (toolTip) toolTip->RelayEvent(msg);
    return CToolBar::PreTranslateMessage(msg);
}

void MainToolBar::CreateToolTip() {
    if (toolTip || !toolTipsEnabled || !m_hWnd) return;
    toolTip.reset(new CToolTipCtrl);
    // Without an owner: Wine slots an owner in just below its owned popups when it is made
    // topmost, and then leaves it without WS_EX_TOPMOST. The tip makes itself topmost to show.
    if (!toolTip->Create(nullptr, 0)) return;
    if (toolTip->AddTool(this, LPSTR_TEXTCALLBACKW, nullptr, 0)) {
        toolTip->UpdateTipText(L"", this, 0);
        RECT margin = {1, 1, 1, 1};
        toolTip->SetMargin(margin);
        toolTip->SetDelayTime(TTDT_AUTOPOP, 1000);
        toolTip->SetDelayTime(TTDT_INITIAL, 100);
        toolTip->SetMaxTipWidth(270);
        toolTip->Activate(true);
    }
    toolTip->UpdateTipText(L"", this, 0);
}

void MainToolBar::DestroyToolTip() {
    if (!toolTip) return;
    if (toolTip->HasWindow()) toolTip->DestroyWindow();
    toolTip.reset();
}

void MainToolBar::OnMouseMove(LPARAM lParam) {
    if (!toolTip) return;
    POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ToolBarHit hit = HitTest(point);
    std::wstring tip = hit.hit ? ToolTipPart(LoadResourceString(hit.id)) : std::wstring();
    toolTip->UpdateTipText(tip.c_str(), this, 0);
    SendMenuSelect(MAKEWPARAM(hit.hit ? hit.id : 0, 0));
    UpdatePollTimer(hit.hit);
}

void MainToolBar::OnTimerTick() {
    POINT point;
    if (!GetCursorPos(&point)) return;
    ScreenToClient(m_hWnd, &point);
    UpdatePollTimer(HitTest(point).hit);
}

void MainToolBar::UpdatePollTimer(bool onButton) {
    if (onButton) {
        if (pollTimerId == 0) pollTimerId = SetTimer(m_hWnd, kPollTimer, kPollInterval, nullptr);
        return;
    }
    if (pollTimerId != 0) KillTimer(m_hWnd, pollTimerId);
    pollTimerId = 0;
    SendMenuSelect(kMenuClosed);
}

void MainToolBar::SendMenuSelect(WPARAM wParam) {
    HWND parent = GetParent(m_hWnd);
    if (parent) SendMessageW(parent, WM_MENUSELECT, wParam, 0);
}
