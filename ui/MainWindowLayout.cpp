// The placement of the main window's children, and the window fitted to its video.
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
#include "ui/ChildWindow.h"


LayoutState MainWindow::CurrentLayoutState() const {
    LayoutState s = {};
    RECT client = {};
    GetClientRect(m_hWnd, &client);
    s.clientWidth = client.right - client.left;
    s.clientHeight = client.bottom - client.top;
    s.toolbarExists = HandleOf(toolBar.get()) != nullptr;
    if (s.toolbarExists) {
        // Item 6 is the trailing separator: the slider starts just past the buttons.
        RECT item = {};
        toolBar->GetItemRect(6, &item);
        s.toolbarItem6Right = item.right;
    }
    s.showToolbar = showToolbar != 0;
    s.showStatusBar = showStatusBar != 0;
    s.showInfoPanel = showInfoPanel != 0;
    s.fullScreen = modes.FullScreen() != 0;
    s.frameless = modes.Frameless() != 0;
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
    HWND host = HandleOf(videoHost.get());
    if (!rect || !HasWindow() || !host) return false;
    RECT bounds = {};
    if (!GetClientRect(host, &bounds)) return false;
    return FitVideoRect(rect, &bounds, media.Size().width, media.Size().height);
}

bool MainWindow::GetFrameMargins(FrameMargins* margins) const {
    HWND host = HandleOf(videoHost.get());
    if (!margins || !HasWindow() || !host) return false;
    RECT window = {};
    RECT video = {};
    if (!GetWindowRect(m_hWnd, &window) || !GetWindowRect(host, &video)) return false;
    *margins = MarginsBetween(window, video);
    return true;
}

double MainWindow::VideoAspect() const {
    const VideoSizeInfo& size = media.Size();
    if (!media.HasVideo() || size.width <= 0 || size.height <= 0) return 0.0;
    return static_cast<double>(size.width) / size.height;
}

void MainWindow::LayoutChildren() {
    if (!HasWindow()) return;
    RECT r;
    if (showToolbar && ToolbarBandRect(&r)) MoveChild(toolBar.get(), r);
    if (showToolbar && SeekSliderRect(&r)) MoveChild(seekSlider.get(), r);
    if (HandleOf(videoHost.get()) && VideoAreaRect(&r)) {
        MoveChild(videoHost.get(), r);
        // Without a known picture size the video simply gets the whole host, in its own coordinates.
        RECT dest = {};
        if (!VideoDestRect(&dest)) GetClientRect(HandleOf(videoHost.get()), &dest);
        session.SetVideoRect(dest);
    }
    if (showStatusBar && StatusBarRect(&r)) MoveChild(statusBar.get(), r);
    if (showInfoPanel && InfoPanelRect(&r)) MoveChild(infoPanel.get(), r);
    HWND line = GetDlgItem(m_hWnd, IDC_ETCHED_LINE);
    if (line) {
        RECT client = {};
        GetClientRect(m_hWnd, &client);
        SetWindowPos(line, nullptr, 0, 0, client.right - client.left, 2, SWP_NOZORDER);
    }
    RepaintWindowTree(m_hWnd);
    // Moved or resized, the paused picture is left to us: the renderer keeps whatever bits were there.
    RepaintPausedPicture(session, HandleOf(videoHost.get()));
}

void MainWindow::ApplyBarVisibility() {
    if (!HasWindow()) return;
    if (!modes.Any()) {
        ShowChild(toolBar.get(), showToolbar != 0);
        ShowChild(seekSlider.get(), showToolbar != 0);
        ShowChild(statusBar.get(), showStatusBar != 0);
        ShowChild(infoPanel.get(), showInfoPanel != 0);
    }
    LayoutChildren();
    UpdateUiState(0, nullptr, false);
    RepaintWindowTree(m_hWnd);
}

void MainWindow::SetVideoSizeRate(double rate) {
    if (!HasWindow() || modes.FullScreen() || !(rate > 0)) return;
    if (IsZoomed(m_hWnd)) ShowWindow(m_hWnd, SW_SHOWNORMAL);
    videoSizeRate = rate;
    fitToWindow = 0;
    FitWindowToVideo();
}

int MainWindow::FitWindowToVideo() {
    if (!HasWindow() || IsIconic(m_hWnd) || IsZoomed(m_hWnd) || modes.FullScreen()) return 0;
    if (!media.HasVideo() || fitToWindow || !(videoSizeRate > 0)) return 0;
    int w = TruncToInt(media.Size().width * videoSizeRate);
    int h = TruncToInt(media.Size().height * videoSizeRate);
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
    if (modes.FullScreen() || fitToWindow || !HasWindow()) return 0;
    FrameMargins m;
    if (!GetFrameMargins(&m)) return 0;
    return ConstrainSizingRect(edge, rect, m, VideoAspect()) ? 1 : 0;
}
