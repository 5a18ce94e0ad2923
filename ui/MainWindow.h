#pragma once
// The program's one top-level window: a dialog-based frame that owns every child, the playback
// session and the record of the open file, and routes every command. What decides something
// without a window lives beside it: CommandRules (checks and greying), WindowLayout (rectangles),
// WindowModeState (full screen and frameless), PositionDisplay (slider and clock arithmetic).
#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/CDialog.h"
#include "media/CurrentMedia.h"
#include "media/PlaybackSession.h"
#include "resources/UserMessages.h"
#include "settings/PlaybackHistory.h"
#include "settings/SettingsKey.h"
#include "ui/CommandRules.h"
#include "ui/WindowLayout.h"
#include "ui/WindowModeState.h"

class MainToolBar;
class VideoHostWindow;
class MainStatusBar;
class SeekSlider;
class MediaInfoPanel;

const UINT kPositionTimerId = 10;
const UINT kPositionTimerPeriod = 200;
const int kPaneTextSize = 520;

class MainWindow : public CDialog {
public:
    // settingsKeyPath: below HKEY_CURRENT_USER; tests point it at a key of their own.
    explicit MainWindow(const char* settingsKeyPath = kSettingsKeyPath);
    ~MainWindow() override;

    // The command-line tail whose names open at start-up; not copied, it must outlive the window.
    void SetCommandLine(const char* tail) { commandLine = tail; }
    // Begins rendering the file named first on the command line, before the window is made, so
    // the open that follows finds its graph under way. COM starts here then.
    void HeadStartCommandLine();

    bool PreTranslateMessage(MSG* msg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;

    // Start-up and shutdown.
    void CreateChildren();
    void LoadSettings();
    // The mode flags are those from before the window left its mode for good.
    void SaveSettings(int wasFullScreen, int wasFrameless);

    // Commands and user-interface state.
    void UpdateUiState(DWORD selection, HMENU menu, bool fromMenuSelect);
    int SetStatusText(int index, const char* text, bool refresh);
    void RefreshStatusPanes(int index);
    int SetButtonImage(UINT command, int image);
    void TogglePlayPause();
    void StopPlayback();

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

    // Position display and seeking.
    void StartPositionTimer();
    int StopPositionTimer();
    int UpdatePositionDisplay();
    int SeekFromSlider();
    // The position the clock shows, in milliseconds; the one seek of the slider and the keys.
    uint32_t CurrentPositionMs();
    void SeekToPosition(uint32_t milliseconds);

protected:
    void OnDestroy() override;
    void OnPaint() override;
    HCURSOR OnQueryDragIcon() override;

private:
    // Start-up and shutdown.
    void OnAfterInit();
    void RestoreStoredMode();
    void DestroyChildren();

    // Keys, commands and the mouse.
    bool TranslateKey(MSG* msg);
    bool OnCommand(UINT id);
    void RunVolumeDialog();
    void RunAboutBox();
    void ToggleBar(int* shown);
    void ShowContextMenu(LPARAM lParam);
    void ShowHelpPage();
    void ToggleTopmost();
    void OnLButtonDown(LPARAM lParam);
    void OnLButtonDblClk();

    // The playback keys, the wheel and the media keys (MainWindowKeys.cpp), the next and
    // previous file in the folder (MainWindowFolder.cpp).
    bool OnPlayerCommand(UINT id);
    bool OnAppCommand(LPARAM lParam);
    bool SameMediaPress(const MSG& msg);
    bool RouteWheel(const MSG& msg);
    void TurnVolume(int delta);
    void SeekByKey(int deltaMs);
    void StepFrame(int direction);
    void OpenNeighbour(int direction);
    bool ReopenAt(const std::string& path, uint32_t positionMs, bool play);

    // User-interface state and status panes.
    CommandState CurrentCommandState();
    void UpdateMenuMarks(HMENU menu, const CommandState& state);
    void UpdateToolbarButtons(const CommandState& state);
    void ShowPromptForCommand(UINT item);
    void RestoreIdlePrompt();

    // Layout and modes.
    LayoutState CurrentLayoutState() const;
    bool LayoutRect(RECT* rect, RECT (*rectOf)(const LayoutState&)) const;
    ModeSnapshot TakeModeSnapshot() const;
    void EnterWindowMode(int requested);
    void LeaveWindowMode();
    void NudgeLayout();
    void ShowBars(const BarFlags& bars, bool show);

    // Opening.
    static bool WorkingPath(const char* path, char (&working)[MAX_PATH]);

    // Still capture.
    static bool ChooseBitmapFile(char* buffer, HWND owner);

    // Where each file was left, and the files opened last (MainWindowHistory.cpp).
    void LeavePlace();
    void ReturnToPlace();
    void NoteOpenResult(bool opened, const char* asked, const char* resolved);
    void RefreshRecentMenu();
    void OpenRecent(UINT command);
    std::wstring RecentPrompt(UINT command) const;

    std::unique_ptr<MainToolBar> toolBar;
    std::unique_ptr<SeekSlider> seekSlider;
    std::unique_ptr<VideoHostWindow> videoHost;
    std::unique_ptr<MainStatusBar> statusBar;
    std::unique_ptr<MediaInfoPanel> infoPanel;
    HACCEL accelerators = nullptr;
    HACCEL playerKeys = nullptr;  // translated after accelerators
    int wheelPending = 0;         // wheel movement short of a notch
    WPARAM mediaKeyActed = 0;     // the media key whose app command came ahead of its key-down
    int showStatusBar = 1;
    int showSeekSlider = 1;  // stored and restored; nothing on screen depends on it
    int showToolbar = 1;
    int showInfoPanel = 1;
    int topmost = 0;
    int fitToWindow = 0;
    double videoSizeRate = 1.0;
    int infoPanelWidth = 200;
    UINT_PTR positionTimerId = 0;
    PlaybackSession session;
    CurrentMedia media;
    WindowModeState modes;
    PlaybackHistory history;
    int firstActivation = 1;
    const char* commandLine = nullptr;
    UINT paneIds[2] = {0, 0};
    char paneTexts[2][kPaneTextSize] = {};
    HICON icon = nullptr;
    const char* settingsKeyPath;

    bool altKeyConsumed = false;  // an accelerator took a key-down while Alt was held
    bool refuseKeyMenu = false;   // the Alt release after it is being dispatched
};
