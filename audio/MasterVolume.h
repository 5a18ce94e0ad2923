#pragma once
// Master volume and mute of the speakers line of a wave-output device's mixer. It keeps no
// state: each operation opens the mixer, reads or writes one value and closes it again, so
// changes made elsewhere are simply seen at the next read. Every mixer call goes through the
// program's binding of the multimedia library, so an unbound library makes each operation fail.
#include <windows.h>
#include <mmsystem.h>

class MasterVolume {
public:
    // Level 0 (silent) to 65535 (loudest); only the low 16 bits of level are written.
    bool SetVolume(int level, UINT device);
    bool GetVolume(unsigned short* level, UINT device);
    bool SetMute(DWORD flag, UINT device);
    bool GetMute(DWORD* flag, UINT device);
    // Moves the volume by wheel notches (LevelAfterNotches); false when it cannot be read or written.
    bool StepVolume(int notches, UINT device);

    // The line's one control of the given type; control is written only on success.
    bool FindLineControl(DWORD type, HMIXER mixer, const MIXERLINEA& line, MIXERCONTROLA* control,
                         MIXERLINECONTROLSA* work);

private:
    // Opens the mixer, finds the control and sets value, or reads it into value; closes the mixer.
    bool Access(DWORD type, UINT device, bool write, DWORD* value);
};
