#include "ui/MainWindow.h"

#include <commctrl.h>
#include <shellapi.h>

#include <new>

#include "audio/WinmmLibrary.h"
#include "controls/MainStatusBar.h"
#include "controls/MainToolBar.h"
#include "controls/SeekSlider.h"
#include "controls/VideoHostWindow.h"
#include "framework/ResourceString.h"
#include "framework/Scoped.h"
#include "media/PathText.h"
#include "media/PausedPicture.h"
#include "media/ShellUtil.h"
#include "panels/MediaInfoPanel.h"
#include "panels/VolumeDialog.h"
#include "resources/resource.h"
#include "ui/AboutDialog.h"

namespace {

HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

template <class Child>
void DestroyChild(std::unique_ptr<Child>& child) {
    if (child && child->m_hWnd) child->DestroyWindow();
    child.reset();
}

// A child whose window cannot be created is not kept: every later step skips it.
template <class Child, class Create>
void CreateChild(std::unique_ptr<Child>& child, Create create) {
    if (child) return;
    child.reset(new (std::nothrow) Child);
    if (child && !create(*child)) DestroyChild(child);
}

}  // namespace

MainWindow::MainWindow(const char* settingsKeyPath) : CDialog(IDD_MAIN, nullptr), settingsKeyPath(settingsKeyPath) {
    icon = LoadIconW(Instance(), MAKEINTRESOURCEW(IDI_MAIN));
}

MainWindow::~MainWindow() { DestroyChildren(); }

// ---- Start-up and shutdown ----

BOOL MainWindow::OnInitDialog() {
    CDialog::OnInitDialog();
    SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    ShowMediaTitle(nullptr);
    CreateChildren();
    UpdateUiState(0, nullptr, false);
    PostMessageW(m_hWnd, UM_AFTERINIT, 0, 0);
    // CreateChildren gave the video host the focus; TRUE would let the dialog manager move it
    // on to the first control.
    return FALSE;
}

void MainWindow::CreateChildren() {
    if (!m_hWnd) return;
    StartCom();
    WinmmLibrary::Instance().Load();  // without it only the volume dialog does nothing

    HICON fresh = LoadIconW(Instance(), MAKEINTRESOURCEW(IDI_MAIN));
    SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(fresh));
    SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(fresh));
    accelerators = LoadAcceleratorsW(Instance(), MAKEINTRESOURCEW(IDR_ACCELERATORS));
    playerKeys = LoadAcceleratorsW(Instance(), MAKEINTRESOURCEW(IDR_PLAYERKEYS));

    RECT rect = {};
    CreateChild(toolBar, [&](MainToolBar& bar) { return bar.Create(this); });
    VideoAreaRect(&rect);
    CreateChild(videoHost, [&](VideoHostWindow& host) { return host.Create(m_hWnd, rect, IDC_VIDEOHOST); });
    StatusBarRect(&rect);
    CreateChild(statusBar, [&](MainStatusBar& bar) { return bar.Create(this, rect); });
    if (statusBar) {
        paneIds[0] = 0;
        paneIds[1] = 1;
    }
    SeekSliderRect(&rect);
    bool newSlider = !seekSlider;
    CreateChild(seekSlider, [&](SeekSlider& slider) { return slider.Create(m_hWnd, rect, IDC_SEEKSLIDER); });
    if (seekSlider && newSlider) {
        seekSlider->LoadSystemColors();
        seekSlider->SetRange(0, 10000);
        seekSlider->SetPos(0, true, false);
    }
    bool newPanel = !infoPanel;
    CreateChild(infoPanel, [&](MediaInfoPanel& panel) { return panel.Create(this); });
    if (infoPanel && newPanel) ShowWindow(infoPanel->m_hWnd, SW_SHOW);

    LoadSettings();
    if (videoHost) SetFocus(videoHost->m_hWnd);
}

void MainWindow::OnAfterInit() {
    if (firstActivation) {
        RestoreStoredMode();
        std::vector<std::string> names;
        ParseCommandLine(&names);
        for (const std::string& name : names) {
            if (OpenMedia(name.c_str(), true)) {
                FitWindowToVideo();
                break;
            }
        }
    }
    firstActivation = 0;
}

void MainWindow::OnDestroy() {
    CloseMedia();
    session.Close();
    session.DropHeadStart();  // one made for a command line the window never came to open
    StopCom();
    WinmmLibrary::Instance().Unload();
    int wasFullScreen = modes.FullScreen();
    int wasFrameless = modes.Frameless();
    if (modes.Any()) {
        SetWindowMode(wasFullScreen ? ModeFullScreen : ModeFrameless);
        Sleep(50);  // a deliberate pause after leaving the mode, before the bars are laid out
        ApplyBarVisibility();
    }
    SaveSettings(wasFullScreen, wasFrameless);
    DestroyChildren();
    CDialog::OnDestroy();
}

void MainWindow::DestroyChildren() {
    DestroyChild(toolBar);
    DestroyChild(videoHost);
    DestroyChild(statusBar);
    DestroyChild(seekSlider);
    DestroyChild(infoPanel);
}

namespace {
bool IsAltKey(const MSG* msg, UINT down, UINT up) {
    return (msg->message == down || msg->message == up) && msg->wParam == VK_MENU;
}
}  // namespace

// Translates through the accelerator tables and notes a system key-down they consumed.
bool MainWindow::TranslateKey(MSG* msg) {
    if (SameMediaPress(*msg)) return true;
    bool translated = (accelerators && TranslateAcceleratorW(m_hWnd, accelerators, msg)) ||
                      (playerKeys && TranslateAcceleratorW(m_hWnd, playerKeys, msg));
    if (!translated) return false;
    if (msg->message == WM_SYSKEYDOWN) altKeyConsumed = true;
    return true;
}

bool MainWindow::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_MOUSEWHEEL && RouteWheel(*msg)) return true;
    bool freshAltPress = IsAltKey(msg, WM_SYSKEYDOWN, WM_KEYDOWN) && !(msg->lParam & (1 << 30));
    if (freshAltPress) altKeyConsumed = false;
    if (TranslateKey(msg)) return true;
    if (IsAltKey(msg, WM_SYSKEYUP, WM_KEYUP) && altKeyConsumed) {
        // The default processing never saw the consumed key, so it takes this release for a lone
        // Alt and would open the menu bar. It still gets the release, to end its own Alt
        // tracking, but the menu mode it asks for is refused (WindowProc, SC_KEYMENU).
        altKeyConsumed = false;
        refuseKeyMenu = true;
        TranslateMessage(msg);
        DispatchMessageW(msg);
        refuseKeyMenu = false;
        return true;
    }
    // Neither key may end the dialog: Esc reaches the stop command through the accelerators above.
    if (msg->message == WM_KEYDOWN && (msg->wParam == VK_ESCAPE || msg->wParam == VK_RETURN)) return true;
    return CDialog::PreTranslateMessage(msg);
}

// ---- Window procedure ----

LRESULT MainWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // Messages whose handler decides whether default processing runs at all.
    switch (message) {
    case WM_SIZING:
        if (ConstrainSizing(static_cast<int>(wParam), reinterpret_cast<RECT*>(lParam))) return TRUE;
        break;
    case WM_COMMAND:
        if (OnCommand(LOWORD(wParam))) return 0;
        break;
    case UM_UPDATEPOSITION:
        UpdatePositionDisplay();
        return 0;
    case UM_TRANSLATEACCEL: {
        if (!wParam) return 0;
        MSG* pending = reinterpret_cast<MSG*>(wParam);
        if (pending->message == WM_MOUSEWHEEL) return RouteWheel(*pending) ? 1 : 0;
        return TranslateKey(pending) ? 1 : 0;
    }
    case WM_APPCOMMAND:
        if (OnAppCommand(lParam)) return TRUE;
        break;
    case WM_MOUSEWHEEL:  // passed up by a child that did not take it
        TurnVolume(GET_WHEEL_DELTA_WPARAM(wParam));
        return 0;
    case WM_SYSCOMMAND:
        if (refuseKeyMenu && (wParam & 0xFFF0) == SC_KEYMENU && lParam == 0) return 0;
        break;
    case UM_AFTERINIT:
        OnAfterInit();
        return 0;
    default:
        break;
    }

    // The rest run after default processing and return its result.
    LRESULT result = CDialog::WindowProc(message, wParam, lParam);
    switch (message) {
    case WM_SIZE: LayoutChildren(); break;
    case WM_CONTEXTMENU: ShowContextMenu(lParam); break;
    case WM_TIMER: UpdatePositionDisplay(); break;
    case WM_HSCROLL: SeekFromSlider(); break;
    case WM_MENUSELECT: UpdateUiState(static_cast<DWORD>(wParam), reinterpret_cast<HMENU>(lParam), true); break;
    case WM_LBUTTONDOWN: OnLButtonDown(lParam); break;
    case WM_LBUTTONDBLCLK: OnLButtonDblClk(); break;
    case WM_DROPFILES: OnDropFiles(reinterpret_cast<HDROP>(wParam)); break;
    case WM_EXITMENULOOP:  // a menu, a dialog of ours or another window was over the picture
    case WM_ENABLE:
    case WM_ACTIVATE: RepaintPausedPicture(session, videoHost ? videoHost->m_hWnd : nullptr); break;
    default: break;
    }
    return result;
}

void MainWindow::OnPaint() {
    if (!IsIconic(m_hWnd)) {
        Default();
        return;
    }
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    SendMessageW(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(m_hWnd, &client);
    int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, icon);
    EndPaint(m_hWnd, &paint);
}

HCURSOR MainWindow::OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(icon); }

// ---- Commands ----

bool MainWindow::OnCommand(UINT id) {
    switch (id) {
    case ID_FILE_OPEN_CMD: OnOpenCommand(); break;
    case ID_FILE_CLOSE_CMD: CloseMedia(); break;
    case ID_CAPTURE: CaptureStill(); break;
    case ID_APP_EXIT_CMD: SendMessageW(m_hWnd, WM_CLOSE, 0, 0); break;
    case ID_PLAY_PAUSE: TogglePlayPause(); break;
    case ID_STOP: StopPlayback(); break;
    case ID_VOLUME: RunVolumeDialog(); break;
    case ID_VIEW_TOOLBAR: ToggleBar(&showToolbar); break;
    case ID_VIEW_STATUSBAR: ToggleBar(&showStatusBar); break;
    case ID_VIEW_INFOPANEL: ToggleBar(&showInfoPanel); break;
    case ID_VIEW_FULLSCREEN:
        if (!(IsZoomed(m_hWnd) && !modes.FullScreen())) SetWindowMode(ModeFullScreen);
        break;
    case ID_VIEW_FRAMELESS: SetWindowMode(ModeFrameless); break;
    case ID_VIEW_TOPMOST: ToggleTopmost(); break;
    case ID_SIZE_FIT: fitToWindow = !fitToWindow; break;
    case ID_SIZE_50: SetVideoSizeRate(0.5); break;
    case ID_SIZE_100: SetVideoSizeRate(1.0); break;
    case ID_SIZE_200: SetVideoSizeRate(2.0); break;
    case ID_HELP_PAGE: ShowHelpPage(); break;
    case ID_RECENT_CLEAR:
        history.Clear();
        RefreshRecentMenu();
        break;
    case ID_APP_ABOUT_CMD: RunAboutBox(); break;
    default:
        if (id < ID_RECENT_FIRST || id > ID_RECENT_LAST) return OnPlayerCommand(id);
        OpenRecent(id);
        break;
    }
    return true;
}

void MainWindow::RunVolumeDialog() {
    // The wheel turns its trackbar then: this window is disabled meanwhile and hears no wheel.
    VolumeDialog volume;
    volume.DoModal();
}

void MainWindow::RunAboutBox() {
    AboutDialog about(this);  // disabled meanwhile, whoever the application's main window is
    about.DoModal();
}

void MainWindow::ToggleBar(int* shown) {
    *shown = !*shown;
    ApplyBarVisibility();
}

void MainWindow::TogglePlayPause() {
    if (session.QueryState() == SessionRunning)
        session.Pause();
    else
        session.Run();
}

void MainWindow::StopPlayback() {
    session.Pause();
    session.SeekTo(0);
}

void MainWindow::ShowHelpPage() {
    char path[MAX_PATH];
    if (!PathBesideExecutable("help.htm", path)) return;
    // A missing page is skipped quietly rather than left to the shell's own error box.
    if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES) return;
    ShellExecuteA(nullptr, "open", path, nullptr, nullptr, SW_SHOW);
}

void MainWindow::ShowContextMenu(LPARAM lParam) {
    POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    // Only -1 means the keyboard: a monitor left of or above the primary gives negative points.
    if (lParam == -1) {
        point = {3, 3};
        ClientToScreen(m_hWnd, &point);
    }
    ScopedMenu loaded(LoadMenuW(Instance(), MAKEINTRESOURCEW(IDR_CONTEXTMENU)));
    HMENU popup = loaded.Get() ? GetSubMenu(loaded.Get(), 0) : nullptr;
    if (!popup) return;
    UpdateUiState(0, loaded.Get(), false);
    TrackPopupMenu(popup, TPM_LEFTBUTTON, point.x, point.y, 0, m_hWnd, nullptr);
}

void MainWindow::OnLButtonDown(LPARAM lParam) {
    if (modes.FullScreen() || IsZoomed(m_hWnd) || IsIconic(m_hWnd)) return;
    // A press on the picture comes posted from the renderer's thread, which keeps the release
    // too: a click that is already over would leave the move loop waiting for a release that
    // never comes here, the window stuck to the pointer.
    int button = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    if (!(GetAsyncKeyState(button) & 0x8000)) return;
    // Dragging by the client area is how a frameless window moves at all.
    SendMessageW(m_hWnd, WM_NCLBUTTONDOWN, HTCAPTION, lParam);
}

void MainWindow::OnLButtonDblClk() {
    PostMessageW(m_hWnd, WM_COMMAND, modes.Frameless() ? ID_VIEW_FRAMELESS : ID_VIEW_FULLSCREEN, 0);
}
