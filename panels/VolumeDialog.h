#pragma once
// The small modal dialog of the volume command: a vertical trackbar for the master volume and a
// mute box. It shows the mixer's state when it opens and writes every change at once; there is
// nothing to confirm and closing it undoes nothing.
#include "audio/MasterVolume.h"
#include "framework/CDialog.h"

class VolumeDialog : public CDialog {
public:
    explicit VolumeDialog(CWnd* parent = nullptr);
    ~VolumeDialog() override = default;

    bool PreTranslateMessage(MSG* msg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;

    // Fraction of full volume on wave-output device 0; 1.0 when the mixer cannot be read.
    double GetLevel();
    // Writes the fraction (held within 0.0 to 1.0) as the mixer level.
    int SetLevel(double fraction);
    // The mute flag read, or 0 when it cannot be read.
    int GetMuted();
    int SetMuted(int flag);
    // Mixer to controls, and controls to mixer; 0 without a window.
    int ShowMixerState();
    int ApplyToMixer();

    HWND Trackbar() const { return trackbar; }

private:
    MasterVolume masterVolume;
    HWND trackbar = nullptr;
    int wheelPending = 0;  // wheel movement short of a notch
};
