// Full-screen and frameless modes, and always on top: the platform calls around WindowModeState.
#include "controls/MainStatusBar.h"
#include "controls/MainToolBar.h"
#include "controls/SeekSlider.h"
#include "controls/VideoHostWindow.h"
#include "panels/MediaInfoPanel.h"
#include "resources/resource.h"
#include "ui/ChildWindow.h"
#include "ui/MainWindow.h"
#include "ui/WorkspaceRect.h"

namespace {

void MoveTo(HWND hwnd, const RECT& r, bool repaint) {
    MoveWindow(hwnd, r.left, r.top, r.right - r.left, r.bottom - r.top, repaint ? TRUE : FALSE);
}

void ChangeStyle(HWND hwnd, int index, LONG_PTR add, LONG_PTR remove) {
    LONG_PTR style = GetWindowLongPtrW(hwnd, index);
    SetWindowLongPtrW(hwnd, index, (style & ~remove) | add);
}

void SetOnTop(HWND hwnd, bool onTop) {
    SetWindowPos(hwnd, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

}  // namespace

int MainWindow::SetWindowMode(int requested) {
    if (!HasWindow()) return 0;
    switch (modes.ChangeFor(requested)) {
    case ModeChangeLeave: LeaveWindowMode(); return 1;
    case ModeChangeEnter: EnterWindowMode(requested); return 1;
    default: return 0;
    }
}

// Only the bars whose flag is set: the toolbar's flag governs the seek slider as well.
void MainWindow::ShowBars(const BarFlags& bars, bool show) {
    if (bars.toolbar) ShowChild(toolBar.get(), show);
    if (bars.seekSlider) ShowChild(seekSlider.get(), show);
    if (bars.statusBar) ShowChild(statusBar.get(), show);
    if (bars.infoPanel) ShowChild(infoPanel.get(), show);
}

ModeSnapshot MainWindow::TakeModeSnapshot() const {
    ModeSnapshot saved = {};
    GetWindowRect(m_hWnd, &saved.savedWindowRect);
    if (HWND host = HandleOf(videoHost.get())) GetWindowRect(host, &saved.savedVideoRect);
    saved.savedBars = {showToolbar, showSeekSlider, showStatusBar, showInfoPanel};
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    GetWindowPlacement(m_hWnd, &placement);
    saved.savedNormalRect = placement.rcNormalPosition;
    return saved;
}

void MainWindow::EnterWindowMode(int requested) {
    HWND host = HandleOf(videoHost.get());
    ModeSnapshot saved = TakeModeSnapshot();
    modes.Enter(requested, saved);

    ShowBars({1, 1, 1, showInfoPanel}, false);
    if (modes.EnterOnTop(topmost)) SetOnTop(m_hWnd, true);
    ShowWindow(m_hWnd, SW_SHOWNORMAL);

    ChangeStyle(m_hWnd, GWL_STYLE, 0, WS_CAPTION);
    ChangeStyle(m_hWnd, GWL_STYLE, 0, WS_THICKFRAME);
    // A menu taken off a window is no longer destroyed with it; leaving loads a fresh one.
    HMENU menu = GetMenu(m_hWnd);
    SetMenu(m_hWnd, nullptr);
    if (menu) DestroyMenu(menu);

    if (host) {
        // The sunken edge would show as a frame around the picture; the host also reaches
        // past its old place until the size message lays it out over the whole client area.
        ChangeStyle(host, GWL_EXSTYLE, 0, WS_EX_CLIENTEDGE);
        RECT r = {};
        GetWindowRect(host, &r);
        MapWindowPoints(HWND_DESKTOP, m_hWnd, reinterpret_cast<POINT*>(&r), 2);
        MoveWindow(host, r.left - 2, r.top - 2, (r.right - r.left) + 4, (r.bottom - r.top) + 4, TRUE);
        InvalidateRect(host, nullptr, TRUE);
        UpdateWindow(host);
    }

    if (modes.FullScreen())
        MoveTo(m_hWnd, FullScreenRect(GetSystemMetrics(SM_CXFRAME), GetSystemMetrics(SM_CYFRAME),
                                      GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)), true);
    else if (host)
        MoveTo(m_hWnd, saved.savedVideoRect, true);  // exactly where the picture was

    if (host) SetFocus(host);
}

void MainWindow::LeaveWindowMode() {
    HWND host = HandleOf(videoHost.get());

    HMENU old = GetMenu(m_hWnd);
    SetMenu(m_hWnd, LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINMENU)));
    if (old) DestroyMenu(old);
    RefreshRecentMenu();

    ChangeStyle(m_hWnd, GWL_STYLE, WS_THICKFRAME, 0);
    ChangeStyle(m_hWnd, GWL_STYLE, WS_CAPTION, 0);
    if (host) ChangeStyle(host, GWL_EXSTYLE, WS_EX_CLIENTEDGE, 0);

    RECT current = {};
    GetWindowRect(m_hWnd, &current);
    RECT target = {};
    if (!modes.LeaveRect(current, host != nullptr, &target)) {
        // The placement was read on the monitor the window was on when the mode began.
        HMONITOR monitor = MonitorFromRect(&modes.SavedWindowRect(), MONITOR_DEFAULTTOPRIMARY);
        target = WorkspaceRectOnScreen(target, monitor);
    }
    MoveTo(m_hWnd, target, true);

    ShowBars(modes.SavedBars(), true);
    SetOnTop(m_hWnd, topmost != 0);
    modes.Leave();
    ApplyBarVisibility();
    NudgeLayout();
}

// The restored frame changes the client area without a size change of the window itself; a
// one-pixel nudge forces the size message that lays the children out again.
void MainWindow::NudgeLayout() {
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    if (GetWindowPlacement(m_hWnd, &placement)) {
        RECT normal = WorkspaceRectOnScreen(placement.rcNormalPosition, MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTOPRIMARY));
        RECT narrower = normal;
        narrower.right -= 1;
        MoveTo(m_hWnd, narrower, false);
        MoveTo(m_hWnd, normal, true);
    }
}

void MainWindow::ToggleTopmost() {
    if (modes.FullScreen()) return;
    topmost = topmost ? 0 : 1;
    if (HasWindow())
        SetWindowPos(m_hWnd, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 100, 100, 100, 100, SWP_NOSIZE | SWP_NOMOVE);
}
