// What the main window keeps between runs: read while it starts, written once as it is destroyed.
#include "settings/HistoryStore.h"
#include "settings/SettingsKey.h"
#include "settings/SettingsValues.h"
#include "ui/MainWindow.h"
#include "ui/WorkspaceRect.h"

namespace {

int Flag(DWORD value) { return value ? 1 : 0; }

}  // namespace

void MainWindow::LoadSettings() {
    SettingsKey key(settingsKeyPath);
    unsigned char placement[kPlacementSize] = {};
    DWORD stored = 0;
    RECT normal;
    HMONITOR monitor = nullptr;
    // A monitor removed since the last run would leave the window where nobody can see it.
    if (HasWindow() && key.ReadBinary(placement, sizeof(placement), "mframewnd", &stored) &&
        NormalRectOfPlacement(placement, stored, &normal) &&
        (monitor = MonitorFromRect(&normal, MONITOR_DEFAULTTONULL)) != nullptr) {
        // The record is in workspace coordinates; a taskbar at the top or left would otherwise
        // move the window by its size on every start. showCmd is left alone: a window closed
        // maximized comes back at its normal size.
        RECT screen = WorkspaceRectOnScreen(normal, monitor);
        SetWindowPos(m_hWnd, nullptr, screen.left, screen.top, screen.right - screen.left, screen.bottom - screen.top,
                     SWP_NOZORDER);
    }
    showToolbar = Flag(key.ReadDword("showtoolbar", 1));
    showSeekSlider = Flag(key.ReadDword("showseekslider", 1));
    showStatusBar = Flag(key.ReadDword("showstatusbar", 1));
    showInfoPanel = Flag(key.ReadDword("showplayproperty", 0));
    topmost = Flag(key.ReadDword("showtopmost", 0));
    fitToWindow = Flag(key.ReadDword("showwndfixsize", 0));
    videoSizeRate = key.ReadDouble("videowndsizerate", 1.0);
    // The check mark says the window stays on top, so it does from the start.
    if (topmost && HasWindow()) SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    LoadHistory(settingsKeyPath, &history);
    RefreshRecentMenu();
    ApplyBarVisibility();
}

void MainWindow::RestoreStoredMode() {
    SettingsKey key(settingsKeyPath);
    if (key.ReadDword("fullscreen", 0))
        SetWindowMode(ModeFullScreen);
    else if (key.ReadDword("nullscreen", 0))
        SetWindowMode(ModeFrameless);
}

void MainWindow::SaveSettings(int wasFullScreen, int wasFrameless) {
    SettingsKey key(settingsKeyPath);
    WINDOWPLACEMENT placement = {};
    static_assert(sizeof(placement) == kPlacementSize, "the stored placement is the platform's record");
    placement.length = sizeof(placement);
    if (HasWindow() && GetWindowPlacement(m_hWnd, &placement))
        key.WriteBinary(&placement, sizeof(placement), "mframewnd");
    key.WriteDword(Flag(showToolbar), "showtoolbar");
    key.WriteDword(Flag(showSeekSlider), "showseekslider");
    key.WriteDword(Flag(showStatusBar), "showstatusbar");
    key.WriteDword(Flag(showInfoPanel), "showplayproperty");
    key.WriteDword(Flag(topmost), "showtopmost");
    key.WriteDword(Flag(fitToWindow), "showwndfixsize");
    key.WriteDword(Flag(wasFullScreen), "fullscreen");
    key.WriteDword(Flag(wasFrameless), "Nullscreen");
    key.WriteDouble(videoSizeRate, "videowndsizerate");
    SaveHistory(settingsKeyPath, history);
}
