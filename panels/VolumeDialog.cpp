#include "panels/VolumeDialog.h"

#include <commctrl.h>

#include "audio/VolumeSteps.h"
#include "panels/VolumeScale.h"
#include "resources/resource.h"

namespace {
const UINT kWaveOutDevice = 0;
const int kTrackStep = 10;  // a fifth of the range per arrow or page key
}  // namespace

VolumeDialog::VolumeDialog(CWnd* parent) : CDialog(IDD_VOLUME, parent) {}

BOOL VolumeDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    trackbar = GetDlgItem(m_hWnd, IDC_VOLUME_TRACKBAR);
    if (trackbar) {
        SendMessageW(trackbar, TBM_SETRANGEMIN, FALSE, 0);
        SendMessageW(trackbar, TBM_SETRANGEMAX, FALSE, kVolumeTrackMax);
        SendMessageW(trackbar, TBM_SETPAGESIZE, 0, kTrackStep);
        SendMessageW(trackbar, TBM_SETLINESIZE, 0, kTrackStep);
    }
    ShowMixerState();
    return TRUE;  // the focus goes to the trackbar, the first control
}

// The wheel over the dialog takes the main window's steps, not the trackbar's fifth of the range,
// and the trackbar shows the result.
bool VolumeDialog::PreTranslateMessage(MSG* msg) {
    if (msg->message != WM_MOUSEWHEEL) return CDialog::PreTranslateMessage(msg);
    int notches = TakeWheelNotches(&wheelPending, GET_WHEEL_DELTA_WPARAM(msg->wParam));
    if (notches != 0 && masterVolume.StepVolume(notches, kWaveOutDevice)) ShowMixerState();
    return true;
}

LRESULT VolumeDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && LOWORD(wParam) == IDC_MUTE) {
        ApplyToMixer();
        return 0;
    }
    LRESULT result = CDialog::WindowProc(message, wParam, lParam);
    // Every trackbar notification, each step of a drag included, reaches the mixer at once.
    if (message == WM_VSCROLL) ApplyToMixer();
    return result;
}

double VolumeDialog::GetLevel() {
    unsigned short level = 0;
    if (!masterVolume.GetVolume(&level, kWaveOutDevice)) return 1.0;
    return LevelToFraction(level);
}

int VolumeDialog::SetLevel(double fraction) {
    return masterVolume.SetVolume(static_cast<int>(FractionToLevel(fraction)), kWaveOutDevice) ? 1 : 0;
}

int VolumeDialog::GetMuted() {
    DWORD flag = 0;
    if (!masterVolume.GetMute(&flag, kWaveOutDevice)) return 0;
    return static_cast<int>(flag);
}

int VolumeDialog::SetMuted(int flag) { return masterVolume.SetMute(static_cast<DWORD>(flag), kWaveOutDevice) ? 1 : 0; }

int VolumeDialog::ShowMixerState() {
    if (!m_hWnd) return 0;
    if (trackbar) SendMessageW(trackbar, TBM_SETPOS, TRUE, FractionToTrackPosition(GetLevel()));
    CheckDlgButton(m_hWnd, IDC_MUTE, GetMuted() ? BST_CHECKED : BST_UNCHECKED);
    return 1;
}

int VolumeDialog::ApplyToMixer() {
    if (!m_hWnd) return 0;
    // Both values are written whichever control changed.
    if (trackbar) {
        int position = static_cast<int>(SendMessageW(trackbar, TBM_GETPOS, 0, 0));
        SetLevel(TrackPositionToFraction(position));
    }
    SetMuted(IsDlgButtonChecked(m_hWnd, IDC_MUTE));
    return 1;
}
