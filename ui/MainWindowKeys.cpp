// What a movie watcher's hands reach for: the arrows seek, "." and "," step frames, the wheel
// turns the volume, the media keys play, stop and change the file.
#include "audio/MasterVolume.h"
#include "audio/VolumeSteps.h"
#include "panels/MediaInfoPanel.h"
#include "resources/resource.h"
#include "ui/MainWindow.h"
#include "ui/SeekSteps.h"

namespace {
const int kShortSeekMs = 5000;
const int kLongSeekMs = 60000;
const UINT kWaveOutDevice = 0;

struct MediaCommand {
    short appCommand;
    UINT id;
    WPARAM key;
};
const MediaCommand kMediaCommands[] = {
    {APPCOMMAND_MEDIA_PLAY_PAUSE, ID_PLAY_PAUSE, VK_MEDIA_PLAY_PAUSE},
    {APPCOMMAND_MEDIA_STOP, ID_STOP, VK_MEDIA_STOP},
    {APPCOMMAND_MEDIA_NEXTTRACK, ID_FILE_NEXT, VK_MEDIA_NEXT_TRACK},
    {APPCOMMAND_MEDIA_PREVIOUSTRACK, ID_FILE_PREVIOUS, VK_MEDIA_PREV_TRACK},
};
}  // namespace

bool MainWindow::OnPlayerCommand(UINT id) {
    if (id < ID_SEEK_BACK || id > ID_FILE_PREVIOUS) return false;
    if (!CommandEnabled(CurrentCommandState(), id)) return true;
    switch (id) {
    case ID_SEEK_BACK: SeekByKey(-kShortSeekMs); break;
    case ID_SEEK_FORWARD: SeekByKey(kShortSeekMs); break;
    case ID_SEEK_BACK_LONG: SeekByKey(-kLongSeekMs); break;
    case ID_SEEK_FORWARD_LONG: SeekByKey(kLongSeekMs); break;
    case ID_FRAME_NEXT: StepFrame(1); break;
    case ID_FRAME_PREVIOUS: StepFrame(-1); break;
    case ID_FILE_NEXT: OpenNeighbour(1); break;
    case ID_FILE_PREVIOUS: OpenNeighbour(-1); break;
    default: break;
    }
    return true;
}

// A media key arrives twice: as its key-down, which the key table translates, and as an app
// command. Windows sends the app command only for a key-down that reached default processing, so
// never for one the table took; Wine sends it while it hands over the key-down, ahead of it. So the
// app command acts, and the key-down right behind it from the keyboard is the same press. The
// volume keys are the system's.
bool MainWindow::OnAppCommand(LPARAM lParam) {
    for (const MediaCommand& media : kMediaCommands) {
        if (media.appCommand != GET_APPCOMMAND_LPARAM(lParam)) continue;
        mediaKeyActed = GET_DEVICE_LPARAM(lParam) == FAPPCOMMAND_KEY ? media.key : 0;
        OnCommand(media.id);
        return true;
    }
    return false;
}

// Only the very key message after the app command can be its key-down: Wine hands that over next,
// and on Windows the key's release comes first. A timer or a paint may come between.
bool MainWindow::SameMediaPress(const MSG& msg) {
    if (!mediaKeyActed || msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
    bool same = msg.message == WM_KEYDOWN && msg.wParam == mediaKeyActed;
    mediaKeyActed = 0;
    return same;
}

void MainWindow::SeekByKey(int deltaMs) {
    uint32_t target = 0;
    if (KeySeekTarget(CurrentPositionMs(), media.Format().lengthMs, deltaMs, &target)) SeekToPosition(target);
}

void MainWindow::StepFrame(int direction) {
    if (session.QueryState() != SessionPaused) session.Pause();
    uint32_t target = 0;
    const MediaFormatInfo& format = media.Format();
    if (FrameStepTarget(CurrentPositionMs(), format.lengthMs, format.frameRate, direction, &target))
        SeekToPosition(target);
    else
        UpdatePositionDisplay();
}

// The platform sends the wheel to the window under the pointer (Wine, Windows 10) or to the focus
// window (older Windows): either way the pointer decides. Over the information panel's filter list
// the list scrolls; anywhere else over this window the volume moves.
bool MainWindow::RouteWheel(const MSG& msg) {
    HWND under = WindowFromPoint(msg.pt);
    HWND list = infoPanel ? GetDlgItem(infoPanel->m_hWnd, IDC_FILTER_LIST) : nullptr;
    if (list && under == list) {
        if (msg.hwnd == list) return false;
        SendMessageW(list, WM_MOUSEWHEEL, msg.wParam, msg.lParam);
        return true;
    }
    if (under == m_hWnd || IsChild(m_hWnd, under)) TurnVolume(GET_WHEEL_DELTA_WPARAM(msg.wParam));
    return true;
}

// Wine sends the wheel to the window under the pointer even while the volume dialog holds this
// window disabled; the dialog then shows the new level at once.
void MainWindow::TurnVolume(int delta) {
    int notches = TakeWheelNotches(&wheelPending, delta);
    if (notches != 0) MasterVolume().StepVolume(notches, kWaveOutDevice);
}
