#pragma once
// A volume dialog opened modeless in the foreground, driven with real keys and clicks.
#include <windows.h>
#include <commctrl.h>

#include "panels/VolumeDialog.h"
#include "resources/resource.h"
#include "support/TestSupport.h"

class VolumeDialogDriver {
public:
    ~VolumeDialogDriver() {
        if (dialog.m_hWnd) dialog.DestroyWindow();
        PumpMessages(20);
    }
    bool Open() {
        if (!dialog.Create(IDD_VOLUME, nullptr)) return false;
        ShowWindow(dialog.m_hWnd, SW_SHOW);
        SetForegroundWindow(dialog.m_hWnd);
        SetFocus(dialog.Trackbar());
        PumpMessages(50);
        return dialog.Trackbar() != nullptr && GetFocus() == dialog.Trackbar();
    }
    int Position() const { return static_cast<int>(SendMessageW(dialog.Trackbar(), TBM_GETPOS, 0, 0)); }
    UINT Checked() const { return IsDlgButtonChecked(dialog.m_hWnd, IDC_MUTE); }
    void PressKey(WORD key) {
        SetFocus(dialog.Trackbar());
        PlayInput({KeyStep(key, false), KeyStep(key, true)}, [] { PumpMessages(5); }, 60);
    }
    void Click(int id) {
        RECT rect;
        GetWindowRect(GetDlgItem(dialog.m_hWnd, id), &rect);
        SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        PlayInput({MouseStep(MOUSEEVENTF_LEFTDOWN), MouseStep(MOUSEEVENTF_LEFTUP)}, [] { PumpMessages(5); }, 60);
    }

    VolumeDialog dialog;
};
