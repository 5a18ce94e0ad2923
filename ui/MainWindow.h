#pragma once
// The program's one top-level window: a dialog-based frame that owns every child, the
// playback session and the record of the open file, and routes every command.
#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/CDialog.h"
#include "media/CurrentMedia.h"
#include "media/FilterList.h"
#include "media/MediaProbe.h"
#include "media/PlaybackSession.h"
#include "resources/UserMessages.h"
#include "settings/SettingsKey.h"
#include "ui/WindowLayout.h"

class MainToolBar;
class VideoHostWindow;
class MainStatusBar;
class SeekSlider;
class MediaInfoPanel;


const UINT kPositionTimerId = 10;
const UINT kPositionTimerPeriod = 200;
const int kPaneTextSize = 520;

enum WindowMode { ModeFullScreen = 0, ModeFrameless = 1 };

// What entering full-screen or frameless mode saved, to be restored on leaving.
struct ModeSnapshot {
    int savedShowToolbar;
    int savedShowSeekSlider;
    int savedShowStatusBar;
    int savedShowInfoPanel;
    WINDOWPLACEMENT savedPlacement;
    RECT savedWindowRect;
    RECT savedVideoRect;
};

class MainWindow : public CDialog {
public:
    MainWindow();
    ~MainWindow() override;

    bool PreTranslateMessage(MSG* msg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;

    // Start-up and shutdown.
    void CreateChildren();
    void LoadSettings();
    void OnAfterInit();
    // The full-screen or frameless mode the last run ended in.
    void RestoreStoredMode();
    // The mode flags are those from before the window left its mode for good.
    void SaveSettings(int wasFullScreen, int wasFrameless);

    // Commands and user-interface state.
    bool OnCommand(UINT id);
    void ShowContextMenu(LPARAM lParam);
    void UpdateUiState(DWORD selection, HMENU menu, bool fromMenuSelect);
    int SetStatusText(int index, const char* text, bool refresh);
    void RefreshStatusPanes(int index);
    int SetButtonImage(UINT command, int image);
    void TogglePlayPause();
    void StopPlayback();
    void ShowHelpPage();
    void ToggleTopmost();
    void OnLButtonDown(WPARAM wParam, LPARAM lParam);
    void OnLButtonDblClk();

    // Window modes and layout.
    bool ToolbarBandRect(RECT* rect) const;
    bool SeekSliderRect(RECT* rect) const;
    bool StatusBarRect(RECT* rect) const;
    bool VideoAreaRect(RECT* rect) const;
    bool InfoPanelRect(RECT* rect) const;
    bool VideoDestRect(RECT* rect) const;
    bool GetFrameMargins(FrameMargins* margins) const;
    double VideoAspect() const;
    void LayoutChildren();
    void ApplyBarVisibility();
    int SetWindowMode(int requested);
    void SetVideoSizeRate(double rate);
    int FitWindowToVideo();
    int ConstrainSizing(int edge, RECT* rect);

    // Opening and closing media.
    int OpenMedia(const char* path, bool play);
    int CloseMedia();
    int ShowMediaTitle(const char* path);
    void OnOpenCommand();
    void OnDropFiles(HDROP drop);
    int ParseCommandLine(std::vector<std::string>* list) const;
    static int ResolveIfShortcut(char* path);
    static bool IsShortcutName(const char* path);
    static bool ChooseMediaFile(char* buffer, HWND owner);

    // Still capture.
    void CaptureStill();
    static bool ChooseBitmapFile(char* buffer, HWND owner);

    // Position display and seeking.
    void StartPositionTimer();
    int StopPositionTimer();
    int UpdatePositionDisplay();
    int SeekFromSlider();

    // State, readable by tests and by the panels.
    std::unique_ptr<MainToolBar> toolBar;
    std::unique_ptr<SeekSlider> seekSlider;
    std::unique_ptr<VideoHostWindow> videoHost;
    std::unique_ptr<MainStatusBar> statusBar;
    std::unique_ptr<MediaInfoPanel> infoPanel;
    HACCEL accelerators = nullptr;
    int showStatusBar = 1;
    int showSeekSlider = 1;
    int showToolbar = 1;
    int showInfoPanel = 1;
    int topmost = 0;
    int fitToWindow = 0;
    double videoSizeRate = 1.0;
    int infoPanelWidth = 200;
    UINT_PTR positionTimerId = 0;
    PlaybackSession session;
    FilterList filterList;
    CurrentMedia media = {};
    int fullScreen = 0;
    int frameless = 0;
    ModeSnapshot modeSnapshot = {};
    int firstActivation = 1;
    const char* commandLine = nullptr;
    UINT paneIds[2] = {0, 0};
    char paneTexts[2][kPaneTextSize] = {};
    HICON icon = nullptr;
    // Below HKEY_CURRENT_USER; tests point it at a key of their own.
    const char* settingsKeyPath = kSettingsKeyPath;

protected:
    void OnDestroy() override;
    void OnPaint() override;
    HCURSOR OnQueryDragIcon() override;

private:
    bool TranslateKey(MSG* msg);
    void DestroyChildren();
    void ClearMediaRecord();
    LayoutState CurrentLayoutState() const;
    bool LayoutRect(RECT* rect, RECT (*rectOf)(const LayoutState&)) const;
    void EnterWindowMode(int requested);
    void LeaveWindowMode();
    void ShowPromptForCommand(UINT item);
    void RestoreIdlePrompt();

    bool altKeyConsumed = false;  // an accelerator took a key-down while Alt was held
    bool refuseKeyMenu = false;   // the Alt release after it is being dispatched
};
