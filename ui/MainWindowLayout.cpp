// Window modes and the placement of the main window's children.
#include "ui/MainWindow.h"

#include "controls/MainStatusBar.h"
#include "controls/MainToolBar.h"
#include "controls/SeekSlider.h"
#include "controls/VideoHostWindow.h"
#include "media/PausedPicture.h"
#include "media/ShellUtil.h"
#include "media/VideoRect.h"
#include "panels/MediaInfoPanel.h"
#include "resources/resource.h"
#include "ui/WorkspaceRect.h"

namespace {

// A child counts only once its window exists; an object whose creation failed is skipped.
// Children are held by owning or plain pointers alike.
template <class Child>
HWND HandleOf(const Child& child) {
    return child ? child->GetSafeHwnd() : nullptr;
}

template <class Child>
void ShowChild(const Child& child, bool show) {
    HWND hwnd = HandleOf(child);
    if (hwnd) ShowWindow(hwnd, show ? SW_SHOW : SW_HIDE);
}

template <class Child>
void MoveChild(const Child& child, const RECT& r) {
    HWND hwnd = HandleOf(child);
    if (hwnd) SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER);
}

void MoveTo(HWND hwnd, const RECT& r, bool repaint) {
    MoveWindow(hwnd, r.left, r.top, r.right - r.left, r.bottom - r.top, repaint ? TRUE : FALSE);
}

void ChangeStyle(HWND hwnd, int index, LONG_PTR add, LONG_PTR remove) {
    LONG_PTR style = GetWindowLongPtrW(hwnd, index);
    SetWindowLongPtrW(hwnd, index, (style & ~remove) | add);
}

}  // namespace

LayoutState MainWindow::CurrentLayoutState() const {
    LayoutState s = {};
    RECT client = {};
    GetClientRect(m_hWnd, &client);
    s.clientWidth = client.right - client.left;
    s.clientHeight = client.bottom - client.top;
    s.toolbarExists = HandleOf(toolBar) != nullptr;
    if (s.toolbarExists) {
        // Item 6 is the trailing separator: the slider starts just past the buttons.
        RECT item = {};
        toolBar->GetItemRect(6, &item);
        s.toolbarItem6Right = item.right;
    }
    s.showToolbar = showToolbar != 0;
    s.showStatusBar = showStatusBar != 0;
    s.showInfoPanel = showInfoPanel != 0;
    s.fullScreen = fullScreen != 0;
    s.frameless = frameless != 0;
    s.infoPanelWidth = infoPanelWidth;
    return s;
}

bool MainWindow::LayoutRect(RECT* rect, RECT (*rectOf)(const LayoutState&)) const {
    if (!rect || !HasWindow()) return false;
    *rect = rectOf(CurrentLayoutState());
    return true;
}

bool MainWindow::ToolbarBandRect(RECT* rect) const { return LayoutRect(rect, ToolbarBandRectOf); }
bool MainWindow::SeekSliderRect(RECT* rect) const { return LayoutRect(rect, SeekSliderRectOf); }
bool MainWindow::StatusBarRect(RECT* rect) const { return LayoutRect(rect, StatusBarRectOf); }
bool MainWindow::VideoAreaRect(RECT* rect) const { return LayoutRect(rect, VideoAreaRectOf); }
bool MainWindow::InfoPanelRect(RECT* rect) const { return LayoutRect(rect, InfoPanelRectOf); }

bool MainWindow::VideoDestRect(RECT* rect) const {
    HWND host = HandleOf(videoHost);
    if (!rect || !HasWindow() || !host) return false;
    RECT bounds = {};
    if (!GetClientRect(host, &bounds)) return false;
    return FitVideoRect(rect, &bounds, media.size.width, media.size.height);
}

bool MainWindow::GetFrameMargins(FrameMargins* margins) const {
    HWND host = HandleOf(videoHost);
    if (!margins || !HasWindow() || !host) return false;
    RECT window = {};
    RECT video = {};
    if (!GetWindowRect(m_hWnd, &window) || !GetWindowRect(host, &video)) return false;
    *margins = MarginsBetween(window, video);
    return true;
}

double MainWindow::VideoAspect() const {
    if (!media.path || !media.format.hasVideo) return 0.0;
    if (media.size.width <= 0 || media.size.height <= 0) return 0.0;
    return static_cast<double>(media.size.width) / media.size.height;
}

void MainWindow::LayoutChildren() {
    if (!HasWindow()) return;
    RECT r;
    if (showToolbar && ToolbarBandRect(&r)) MoveChild(toolBar, r);
    if (showToolbar && SeekSliderRect(&r)) MoveChild(seekSlider, r);
    if (HandleOf(videoHost) && VideoAreaRect(&r)) {
        MoveChild(videoHost, r);
        // Without a known picture size the video simply gets the whole host, in its own coordinates.
        RECT dest = {};
        if (!VideoDestRect(&dest)) GetClientRect(HandleOf(videoHost), &dest);
        session.SetVideoRect(dest);
    }
    if (showStatusBar && StatusBarRect(&r)) MoveChild(statusBar, r);
    if (showInfoPanel && InfoPanelRect(&r)) MoveChild(infoPanel, r);
    HWND line = GetDlgItem(m_hWnd, IDC_ETCHED_LINE);
    if (line) {
        RECT client = {};
        GetClientRect(m_hWnd, &client);
        SetWindowPos(line, nullptr, 0, 0, client.right - client.left, 2, SWP_NOZORDER);
    }
    RepaintWindowTree(m_hWnd);
    // Moved or resized, the paused picture is left to us: the renderer keeps whatever bits were there.
    RepaintPausedPicture(session, HandleOf(videoHost));
}

void MainWindow::ApplyBarVisibility() {
    if (!HasWindow()) return;
    if (!fullScreen && !frameless) {
        ShowChild(toolBar, showToolbar != 0);
        ShowChild(seekSlider, showToolbar != 0);
        ShowChild(statusBar, showStatusBar != 0);
        ShowChild(infoPanel, showInfoPanel != 0);
    }
    LayoutChildren();
    UpdateUiState(0, nullptr, false);
    RepaintWindowTree(m_hWnd);
}

int MainWindow::SetWindowMode(int requested) {
    if (!HasWindow()) return 0;
    if (fullScreen || frameless) {
        LeaveWindowMode();
        return 1;
    }
    // Entering with neither flag set would strip the frame with no way back.
    if (requested != ModeFullScreen && requested != ModeFrameless) return 0;
    EnterWindowMode(requested);
    return 1;
}

void MainWindow::EnterWindowMode(int requested) {
    HWND host = HandleOf(videoHost);
    if (requested == ModeFullScreen)
        fullScreen = 1;
    else
        frameless = 1;

    ModeSnapshot& snap = modeSnapshot;
    GetWindowRect(m_hWnd, &snap.savedWindowRect);
    if (host) GetWindowRect(host, &snap.savedVideoRect);
    snap.savedShowToolbar = showToolbar;
    snap.savedShowSeekSlider = showSeekSlider;
    snap.savedShowStatusBar = showStatusBar;
    snap.savedShowInfoPanel = showInfoPanel;
    snap.savedPlacement.length = sizeof(WINDOWPLACEMENT);
    GetWindowPlacement(m_hWnd, &snap.savedPlacement);

    ShowChild(toolBar, false);
    ShowChild(seekSlider, false);
    ShowChild(statusBar, false);
    if (showInfoPanel) ShowChild(infoPanel, false);

    if (fullScreen || topmost) SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    ShowWindow(m_hWnd, SW_SHOWNORMAL);

    ChangeStyle(m_hWnd, GWL_STYLE, 0, WS_CAPTION);
    ChangeStyle(m_hWnd, GWL_STYLE, 0, WS_THICKFRAME);
    // A menu taken off a window is no longer destroyed with it; leaving loads a fresh one.
    HMENU menu = GetMenu(m_hWnd);
    SetMenu(m_hWnd, nullptr);
    if (menu) DestroyMenu(menu);

    RECT screen = FullScreenRect(GetSystemMetrics(SM_CXFRAME), GetSystemMetrics(SM_CYFRAME),
                                 GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));

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

    if (fullScreen)
        MoveTo(m_hWnd, screen, true);
    else if (host)
        MoveTo(m_hWnd, snap.savedVideoRect, true);

    if (host) SetFocus(host);
}

void MainWindow::LeaveWindowMode() {
    HWND host = HandleOf(videoHost);
    const ModeSnapshot& snap = modeSnapshot;

    HMENU old = GetMenu(m_hWnd);
    SetMenu(m_hWnd, LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINMENU)));
    if (old) DestroyMenu(old);

    ChangeStyle(m_hWnd, GWL_STYLE, WS_THICKFRAME, 0);
    ChangeStyle(m_hWnd, GWL_STYLE, WS_CAPTION, 0);
    if (host) ChangeStyle(host, GWL_EXSTYLE, WS_EX_CLIENTEDGE, 0);

    if (frameless && host) {
        // The frame goes back around wherever the user dragged the frameless window.
        RECT current = {};
        GetWindowRect(m_hWnd, &current);
        MoveTo(m_hWnd, RebuildFrameRect(current, snap.savedWindowRect, snap.savedVideoRect), true);
    } else {
        // The placement was read on the monitor the window was on when the mode began.
        HMONITOR monitor = MonitorFromRect(&snap.savedWindowRect, MONITOR_DEFAULTTOPRIMARY);
        MoveTo(m_hWnd, WorkspaceRectOnScreen(snap.savedPlacement.rcNormalPosition, monitor), true);
    }

    if (snap.savedShowToolbar) ShowChild(toolBar, true);
    if (snap.savedShowSeekSlider) ShowChild(seekSlider, true);
    if (snap.savedShowStatusBar) ShowChild(statusBar, true);
    if (snap.savedShowInfoPanel) ShowChild(infoPanel, true);

    SetWindowPos(m_hWnd, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    fullScreen = 0;
    frameless = 0;
    ApplyBarVisibility();

    // The restored frame changes the client area without a size change of the window
    // itself; a one-pixel nudge forces the size message that lays the children out again.
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

void MainWindow::SetVideoSizeRate(double rate) {
    if (!HasWindow() || fullScreen || !(rate > 0)) return;
    if (IsZoomed(m_hWnd)) ShowWindow(m_hWnd, SW_SHOWNORMAL);
    videoSizeRate = rate;
    fitToWindow = 0;
    FitWindowToVideo();
}

int MainWindow::FitWindowToVideo() {
    if (!HasWindow() || IsIconic(m_hWnd) || IsZoomed(m_hWnd) || fullScreen) return 0;
    if (!media.path || !media.format.hasVideo || fitToWindow || !(videoSizeRate > 0)) return 0;
    int w = TruncToInt(media.size.width * videoSizeRate);
    int h = TruncToInt(media.size.height * videoSizeRate);
    if (w <= 0 || h <= 0) return 0;
    // The top-left corner stays; only the size changes so the video area becomes w x h. A menu
    // bar that wraps onto more lines (or fewer) at the new width changes the margins, so the
    // size is worked out once more from the margins the new width gives.
    int resized = 0;
    for (int attempt = 0; attempt < 2; ++attempt) {
        FrameMargins m;
        if (!GetFrameMargins(&m)) return resized;
        RECT window = {};
        GetWindowRect(m_hWnd, &window);
        int width = w + m.left + m.right;
        int height = h + m.top + m.bottom;
        if (resized && window.right - window.left == width && window.bottom - window.top == height) break;
        if (!SetWindowPos(m_hWnd, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER)) return resized;
        resized = 1;
    }
    return resized;
}

int MainWindow::ConstrainSizing(int edge, RECT* rect) {
    if (fullScreen || fitToWindow || !HasWindow()) return 0;
    FrameMargins m;
    if (!GetFrameMargins(&m)) return 0;
    return ConstrainSizingRect(edge, rect, m, VideoAspect()) ? 1 : 0;
}

void MainWindow::ToggleTopmost() {
    if (fullScreen) return;
    topmost = topmost ? 0 : 1;
    if (HasWindow())
        SetWindowPos(m_hWnd, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 100, 100, 100, 100, SWP_NOSIZE | SWP_NOMOVE);
}
